#include "LeadBytes.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

struct LeadByteTable {
    bool isLead[256] = {};
    LeadByteTable() {
#ifdef _WIN32
        for (int b = 0x80; b < 256; ++b)
            isLead[b] = IsDBCSLeadByte(static_cast<BYTE>(b)) != FALSE;
#endif
    }
};

} // namespace

const bool* AnsiLeadByteTable() {
    // The ANSI code page is fixed for the life of the process.
    static const LeadByteTable table;
    return table.isLead;
}
