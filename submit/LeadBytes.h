#pragma once

// For each byte value, whether it opens a double-byte character in the process's
// ANSI code page. All false where text is scanned byte by byte.
const bool* AnsiLeadByteTable();
