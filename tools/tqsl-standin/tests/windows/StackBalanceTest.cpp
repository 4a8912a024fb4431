// Calling every export through pointers of the generation's convention leaves the stack
// pointer where it was: a callee popping too much or too little shifts it on each call,
// so many rounds make even a small mismatch show. On x86_64 both conventions are one.
#include "InstallFolder.h"
#include "LoadedModule.h"
#include "PasswordPrompt.h"
#include "TqslFunctions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

TQSL_FUNCTION_TABLE(CdeclTqsl, __cdecl)
TQSL_FUNCTION_TABLE(StdcallTqsl, __stdcall)

constexpr int kRounds = 100;

// The caller's stack pointer, seen as this helper's frame; noipa keeps the compiler from
// treating two calls as one.
__attribute__((noipa)) std::uintptr_t stackMark() {
    return reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
}

struct StackRun {
    std::uintptr_t before = 0;
    std::uintptr_t after = 0;
    int failedCalls = 0;
    std::string firstFailure;

    void check(bool succeeded, const char* call) {
        if (succeeded)
            return;
        if (failedCalls++ == 0)
            firstFailure = call;
    }
};

// The calls sit in one loop with the marks around it: a helper frame per round would
// restore the stack pointer on return and hide a shift.
template <class Table> StackRun callEveryExport(const Table& tqsl, PasswordPrompt& prompt) {
    StackRun run;
    run.before = stackMark();
    for (int round = 0; round < kRounds; ++round) {
        void** list = nullptr;
        int count = 0;
        char text[256];
        long serial = 0;
        int size = 0;
        unsigned char signature[512];
        int length = sizeof signature;
        char encoded[4096];
        static const unsigned char data[] = "<CALL:5>K1ABC<EOR>";
        run.check(tqsl.init() == 0, "init");
        run.check(tqsl.selectCertificates(&list, &count, "K1ABC", 0, nullptr, nullptr, 0) == 0 &&
                      count == 2,
                  "selectCertificates");
        void* cert = list ? list[0] : nullptr;
        run.check(tqsl.getCertificateCallSign(cert, text, sizeof text) == 0 &&
                      std::strcmp(text, "K1ABC") == 0,
                  "getCertificateCallSign");
        run.check(tqsl.getCertificateEmailAddress(cert, text, sizeof text) == 0,
                  "getCertificateEmailAddress");
        run.check(tqsl.getCertificateIssuer(cert, text, sizeof text) == 0, "getCertificateIssuer");
        run.check(tqsl.getCertificateSerial(cert, &serial) == 0 && serial == 305419896,
                  "getCertificateSerial");
        run.check(tqsl.beginSigning(cert, nullptr, &PasswordPrompt::callback, &prompt) == 0,
                  "beginSigning");
        run.check(tqsl.checkSigningStatus(cert) == 0, "checkSigningStatus");
        run.check(tqsl.getMaxSignatureSize(cert, &size) == 0 && size == 256, "getMaxSignatureSize");
        run.check(tqsl.signDataBlock(cert, data, sizeof data - 1, signature, &length) == 0,
                  "signDataBlock");
        run.check(tqsl.encodeBase64(signature, length, encoded, sizeof encoded) == 0,
                  "encodeBase64");
        run.check(tqsl.getCertificateEncoded(cert, encoded, sizeof encoded) == 0,
                  "getCertificateEncoded");
        run.check(tqsl.endSigning(cert) == 0, "endSigning");
        run.check(tqsl.checkSigningStatus(cert) != 0, "checkSigningStatus after endSigning");
        run.check(tqsl.getErrorString() != nullptr, "getErrorString");
    }
    run.after = stackMark();
    return run;
}

template <class Table> void expectBalancedStack(const char* dllName) {
    InstallFolder folder;
    for (const std::string& file : builtStandinFiles())
        folder.install(file, file);
    folder.writeStore("", {"K1ABC", "W1AW"});
    const std::vector<LoadedModule> companions = loadCompanions(folder.path());
    const LoadedModule module(folder.path() / dllName);
    ASSERT_TRUE(module.loaded()) << "error " << module.error();
    for (const char* name : kTqslFunctionNames)
        ASSERT_NE(module.symbol(name), nullptr) << name;
    const Table tqsl = Table::resolve([&](const char* name) { return module.symbol(name); });

    PasswordPrompt prompt{"s3cret pass"};
    const StackRun run = callEveryExport(tqsl, prompt);
    EXPECT_EQ(run.failedCalls, 0) << "first failing call: " << run.firstFailure;
    EXPECT_EQ(prompt.calls, kRounds);
    EXPECT_EQ(run.after, run.before)
        << "stack pointer moved by " << static_cast<long long>(run.after - run.before);
}

TEST(StackBalance, Generation1ThroughCdeclPointers) {
    expectBalancedStack<CdeclTqsl>("tqsllib.dll");
}

TEST(StackBalance, Generation2ThroughStdcallPointers) {
    expectBalancedStack<StdcallTqsl>("tqsllib2.dll");
}

} // namespace
