// Each built DLL, installed under the name the program loads, offers the entry points
// by undecorated name; the lacking variant misses one.
#include "InstallFolder.h"
#include "LoadedModule.h"
#include "TqslFunctions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

struct ExportCase {
    const char* name;
    const char* builtFile;
    const char* installedName;
    bool afterCompanions;
    std::set<std::string> missing;
};

class Exports : public testing::TestWithParam<ExportCase> {};

TEST_P(Exports, OfferTheFunctionsByUndecoratedName) {
    const ExportCase& c = GetParam();
    InstallFolder folder;
    for (const std::string& file : companionDlls())
        folder.install(file, file);
    const auto dll = folder.install(c.builtFile, c.installedName);
    const std::vector<LoadedModule> companions =
        c.afterCompanions ? loadCompanions(folder.path()) : std::vector<LoadedModule>();
    const LoadedModule module(dll);
    ASSERT_TRUE(module.loaded()) << "error " << module.error();
    for (const char* name : kTqslFunctionNames)
        EXPECT_EQ(module.symbol(name) == nullptr, c.missing.count(name) == 1) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Libraries, Exports,
    testing::Values(
        ExportCase{"Generation1", "tqsllib.dll", "tqsllib.dll", true, {}},
        ExportCase{"Generation2", "tqsllib2.dll", "tqsllib2.dll", false, {}},
        ExportCase{
            "Lacking", "tqsllib2-lacking.dll", "tqsllib2.dll", false, {"tqsl_encodeBase64"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
