// A store the library cannot use makes every call fail with the reason.
#include "StandinLibrary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

namespace {

struct StoreCase {
    const char* name;
    const char* conf; // null: no store folder at all
    const char* error;
};

// Names the case in gtest's messages instead of dumping its bytes.
void PrintTo(const StoreCase& c, std::ostream* out) {
    *out << c.name;
}

class BrokenStore : public testing::TestWithParam<StoreCase> {};

TEST_P(BrokenStore, FailsEveryCallWithTheReason) {
    const StoreCase& c = GetParam();
    StandinLibrary library;
    if (c.conf)
        library.folder().writeStoreFile("store.conf", c.conf);
    else
        std::filesystem::remove_all(library.folder().storeFolder());
    const std::string expected = c.conf
                                     ? c.error
                                     : "No certificate store: cannot read " +
                                           (library.folder().storeFolder() / "store.conf").string();

    EXPECT_NE(library.tqsl().init(), 0);
    EXPECT_EQ(library.errorText(), expected);
    void** list = nullptr;
    int count = -1;
    EXPECT_NE(library.tqsl().selectCertificates(&list, &count, nullptr, 0, nullptr, nullptr, 0), 0);
    EXPECT_EQ(count, -1);
    EXPECT_EQ(library.errorText(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Problems, BrokenStore,
    testing::Values(
        StoreCase{"NoStore", nullptr, nullptr},
        StoreCase{"UnknownBehaviour", "[behaviour]\nfly = yes\n",
                  "store.conf line 2: unknown behaviour 'fly'"},
        StoreCase{"UnknownAttribute", "[cert]\ncolour = red\n",
                  "store.conf line 2: unknown certificate attribute 'colour'"},
        StoreCase{"MissingFile",
                  "[cert]\ncallsign = K1ABC\nissuer = /CN=x\nserial = 1\ncert = MISSING.pem\n",
                  "store.conf line 5: cannot read 'MISSING.pem'"},
        StoreCase{"SerialTooLarge", "# comment\n[cert]\nserial = 4294967296\n",
                  "store.conf line 3: '4294967296' is not a number from 0 to 4294967295"},
        StoreCase{"IncompleteCert", "[cert]\ncallsign = K1ABC\n\n[cert]\n",
                  "store.conf line 4: the [cert] section above lacks 'issuer'"},
        StoreCase{"BadUnterminated", "[behaviour]\nunterminated = callsign, serial\n",
                  "store.conf line 2: unterminated names 'serial', not callsign, issuer or "
                  "email"},
        StoreCase{"NoSection", "init_fail = x\n",
                  "store.conf line 1: 'init_fail' outside a section"},
        StoreCase{"Garbage", "[behaviour]\nsomething\n",
                  "store.conf line 2: expected [behaviour], [cert] or name = value"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
