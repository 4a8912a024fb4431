#pragma once

#include "tqsl/TqslFunctions.h"

// Called by the library when it needs the key's password: 0 with the password
// in buffer, -1 when the user declines.
int TQSL_CALLER_CLEANUP PasswordCallback(char* buffer, int size, void* user);
