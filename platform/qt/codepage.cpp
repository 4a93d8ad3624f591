#include "platform/codepage.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace {

const char* EncodingName(UINT codePage)
{
    switch (codePage) {
    case CP_ACP:
    case 1251:
        return "windows-1251";
    case 1252:
        return "windows-1252";
    case CP_UTF8:
        return "UTF-8";
    default:
        return nullptr;
    }
}

// Gives the needed length when no room is offered, nothing when the room is
// too small.
template <typename Char> int Copy(const Char* text, int needed, LPWSTR lpWideCharStr, int cchWideChar)
{
    if (cchWideChar == 0)
        return needed;
    if (!lpWideCharStr || needed > cchWideChar)
        return 0;
    std::copy_n(text, needed, lpWideCharStr);
    return needed;
}

} // namespace

int MultiByteToWideChar(
    UINT CodePage, DWORD, LPCSTR lpMultiByteStr, int cbMultiByte, LPWSTR lpWideCharStr, int cchWideChar)
{
    const char* name = EncodingName(CodePage);
    if (!name || !lpMultiByteStr || cbMultiByte == 0 || cbMultiByte < -1 || cchWideChar < 0)
        return 0;
    const qsizetype length = cbMultiByte == -1 ? qsizetype(std::strlen(lpMultiByteStr)) + 1 : cbMultiByte;
    const auto* bytes = reinterpret_cast<const unsigned char*>(lpMultiByteStr);
    // Every code page here keeps ASCII as it is: such text, most of what is
    // read at start-up, is widened without making a decoder.
    if (std::all_of(bytes, bytes + length, [](unsigned char c) { return c < 0x80; }))
        return Copy(bytes, int(length), lpWideCharStr, cchWideChar);
    QStringDecoder decoder(name);
    if (!decoder.isValid())
        return 0;
    // The terminator, when included, converts to a wide terminator like any other byte.
    const QString wide = decoder.decode(QByteArrayView(lpMultiByteStr, length));
    return Copy(reinterpret_cast<const char16_t*>(wide.utf16()), int(wide.size()), lpWideCharStr, cchWideChar);
}
