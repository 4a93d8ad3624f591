// Any bytes as a skin's colour file: neither the program's reader nor the
// skin checker's reading of it may crash; a colour reported as read must be
// a plain 24-bit colour, and every finding must name a line of the file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "skin/SkinColourFile.h"
#include "tools/quillet-skin/ColourCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const CString strText = SkinTextFromBytes(bytes.c_str());
    for (const SkinColourKey& key : SKIN_COLOURS) {
        COLORREF clr = 0xFF000000;
        const int result = ReadSkinColour(strText, key.lpszKey, clr);
        if ((result == 0) != (clr <= 0x00FFFFFF) || result < 0 || result > 4)
            std::abort();
    }
    CString strExt = u".png";
    ReadSkinImageType(strText, strExt);
    if (strExt != u".png" && strExt != u".bmp" && strExt != u".jpg")
        std::abort();

    const ColourFileReading reading = CheckColourEntries("QSet.ini", strText, false);
    const int lines = 1 + int(std::count(strText.str().begin(), strText.str().end(), u'\n'));
    for (const Finding& f : reading.findings)
        if (f.line < 0 || f.line > lines || f.message.empty() || (f.colour && *f.colour > 0x00FFFFFF))
            std::abort();
    if (reading.imageType != strExt)
        std::abort();
    return 0;
}
