#pragma once

#include <string>

// Overwrites a text's characters before its memory can be released or reused.
void WipeText(std::string& text);
void WipeBytes(void* bytes, size_t size);

// Hands a typed password to the library's buffer of size bytes: a bounded copy,
// zero-padded, always terminated. Declines (-1, buffer untouched) when the user
// did not confirm or the buffer has no room. The typed text is wiped either way.
int HandPasswordToLibrary(bool confirmed, std::string& typed, char* buffer, int size);
