// Any bytes as a skin's colour file: the reader must never crash, and a
// colour it reports as read must be a plain 24-bit colour.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "skin/SkinColourFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const CString strText = SkinTextFromBytes(bytes.c_str());
    for (LPCWSTR key :
        {u"MainTextColor", u"BarTextColor", u"BarBackColor", u"BarNormalColor", u"BarLowColor", u"BarCriticalColor"}) {
        COLORREF clr = 0xFF000000;
        const int result = ReadSkinColour(strText, key, clr);
        if ((result == 0) != (clr <= 0x00FFFFFF) || result < 0 || result > 4)
            std::abort();
    }
    CString strExt = u".png";
    ReadSkinImageType(strText, strExt);
    if (strExt != u".png" && strExt != u".bmp" && strExt != u".jpg")
        std::abort();
    return 0;
}
