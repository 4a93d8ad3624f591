#include "platform/text.h"

#include <QString>

std::string Utf16ToUtf8(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size())).toStdString();
}

std::u16string Utf8ToUtf16(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size())).toStdU16String();
}

size_t WideLength(LPCWSTR text)
{
    return text ? std::u16string_view(text).size() : 0;
}
