// Any /proc/PID/stat text must parse or be refused without a read past its
// end, and the name made from it must hold no control characters.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/toolhelp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto stat = ParseProcessStat(text);
    if (!stat)
        return 0;
    if (stat->comm.size() > size)
        std::abort();
    // The same bytes stand in for the executable's path and the command line.
    const std::u16string name = ProcessName(stat->comm, text, [&] { return std::string(text); });
    for (char16_t c : name)
        if (c < 0x20 || c == 0x7F)
            std::abort();
    return 0;
}
