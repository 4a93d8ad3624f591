// Any text at all must parse to a record without overflow or a read past the
// end, and the record must hold together.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/memory.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const MEMORYSTATUS status = MemoryStatusFromMeminfo(std::string_view(reinterpret_cast<const char*>(data), size));
    if (status.dwAvailPhys > status.dwTotalPhys || status.dwAvailPageFile > status.dwTotalPageFile ||
        status.dwMemoryLoad > 100)
        std::abort();
    return 0;
}
