#include "PasswordCopy.h"

#include <cstring>

void WipeBytes(void* bytes, size_t size) {
    // volatile keeps the compiler from dropping stores to memory about to die.
    volatile unsigned char* p = static_cast<volatile unsigned char*>(bytes);
    while (size--)
        *p++ = 0;
}

void WipeText(std::string& text) {
    if (!text.empty())
        WipeBytes(&text[0], text.size());
    text.clear();
}

int HandPasswordToLibrary(bool confirmed, std::string& typed, char* buffer, int size) {
    int result = -1;
    if (confirmed && size >= 1) {
        std::strncpy(buffer, typed.c_str(), static_cast<size_t>(size));
        buffer[size - 1] = '\0';
        result = 0;
    }
    WipeText(typed);
    return result;
}
