// Which entry points each built library offers.
#include "StandinLibrary.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <set>
#include <string>

namespace {

struct ExportCase {
    const char* libraryFile;
    std::set<std::string> missing;
};

// Names the case in gtest's messages instead of dumping its bytes.
void PrintTo(const ExportCase& c, std::ostream* out) {
    *out << c.libraryFile;
}

class Exports : public testing::TestWithParam<ExportCase> {};

TEST_P(Exports, OfferTheFunctionsByName) {
    StandinLibrary library({{}, "", GetParam().libraryFile});
    for (const char* name : kTqslFunctionNames)
        EXPECT_EQ(library.symbol(name) == nullptr, GetParam().missing.count(name) == 1) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Libraries, Exports,
    testing::Values(ExportCase{"libtqsllib.so", {}}, ExportCase{"libtqsllib2.so", {}},
                    ExportCase{"libtqsllib2-lacking.so", {"tqsl_encodeBase64"}}),
    [](const auto& info) {
        std::string name = info.param.libraryFile;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

} // namespace
