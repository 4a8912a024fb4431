// Generation 1 loads only once its companions were loaded from the install folder:
// Windows does not look for a DLL's imports in the DLL's own folder.
#include "InstallFolder.h"
#include "LoadedModule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Companions, Generation1LoadsOnlyAfterThem) {
    // Wine keeps a DLL whose load failed open until the process ends.
    const InstallFolder folder(std::filesystem::current_path() / "companion-install");
    for (const std::string& file : builtStandinFiles())
        folder.install(file, file);
    folder.writeStore("", {"W1AW"});
    const auto generation1 = folder.path() / "tqsllib.dll";
    for (const std::string& name : companionDlls())
        ASSERT_EQ(GetModuleHandleA(name.c_str()), nullptr) << name << " is already loaded";

    {
        const LoadedModule alone(generation1);
        EXPECT_FALSE(alone.loaded());
        EXPECT_EQ(alone.error(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    }
    for (const std::string& missing : companionDlls()) {
        const std::vector<LoadedModule> others = loadCompanions(folder.path(), missing);
        const LoadedModule withoutOne(generation1);
        EXPECT_FALSE(withoutOne.loaded()) << "loaded without " << missing;
    }

    const std::vector<LoadedModule> companions = loadCompanions(folder.path());
    for (const LoadedModule& companion : companions)
        ASSERT_TRUE(companion.loaded());
    const LoadedModule loaded(generation1);
    ASSERT_TRUE(loaded.loaded()) << "error " << loaded.error();
    const auto init = reinterpret_cast<int(__cdecl*)()>(loaded.symbol("tqsl_init"));
    ASSERT_NE(init, nullptr);
    EXPECT_EQ(init(), 0);
    EXPECT_EQ(folder.callLog(), std::vector<std::string>{"tqsl_init build=generation1 => 0"});
}

} // namespace
