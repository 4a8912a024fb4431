#pragma once

#include "tqsl/TqslFunctions.h"

// The library asks through this for the private key's password: 0 with the
// buffer filled, -1 when the user declined.
int PasswordCallback(char* buffer, int size, void* user);
