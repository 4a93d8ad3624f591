// File names as the disk holds them: any bytes become a text that gives the
// same bytes back, so a name listed is a name that opens.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string text = FileNameToUtf16(bytes);
    if (FileNameFromUtf16(text) != bytes)
        std::abort();
    // Any text at all, read as UTF-16, turns into some name without failing.
    std::u16string wide(size / 2, u'\0');
    std::memcpy(wide.data(), data, wide.size() * 2);
    FileNameToUtf16(FileNameFromUtf16(wide));
    return 0;
}
