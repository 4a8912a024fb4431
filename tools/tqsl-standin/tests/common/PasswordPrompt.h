// Answers tqsl_beginSigning's password callback and records how it was called.
#pragma once
#include "TqslFunctions.h"

#include <string>

struct PasswordPrompt {
    std::string answer;
    int result = 0; // what the callback returns; non-zero cancels

    int calls = 0;
    int size = 0;
    bool bufferPrefilled = false; // every byte was 0xAA when called

    static int TQSL_TEST_CDECL callback(char* buf, int size, void* user);
};
