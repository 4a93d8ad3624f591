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

} // namespace

int MultiByteToWideChar(
    UINT CodePage, DWORD, LPCSTR lpMultiByteStr, int cbMultiByte, LPWSTR lpWideCharStr, int cchWideChar)
{
    const char* name = EncodingName(CodePage);
    if (!name || !lpMultiByteStr || cbMultiByte == 0 || cbMultiByte < -1 || cchWideChar < 0)
        return 0;
    const qsizetype length = cbMultiByte == -1 ? qsizetype(std::strlen(lpMultiByteStr)) + 1 : cbMultiByte;
    QStringDecoder decoder(name);
    if (!decoder.isValid())
        return 0;
    // The terminator, when included, converts to a wide terminator like any other byte.
    const QString wide = decoder.decode(QByteArrayView(lpMultiByteStr, length));
    const int needed = int(wide.size());
    if (cchWideChar == 0)
        return needed;
    if (!lpWideCharStr || needed > cchWideChar)
        return 0;
    std::copy_n(reinterpret_cast<const char16_t*>(wide.utf16()), needed, lpWideCharStr);
    return needed;
}
