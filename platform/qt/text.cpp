#include "platform/text.h"

#include <QString>

#include <algorithm>

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

namespace {

template <typename Fold> int Compare(LPCWSTR a, LPCWSTR b, Fold fold)
{
    const std::u16string_view x = a ? a : u"";
    const std::u16string_view y = b ? b : u"";
    const auto [ix, iy] = std::mismatch(
        x.begin(), x.end(), y.begin(), y.end(), [&](char16_t c, char16_t d) { return fold(c) == fold(d); });
    const int cx = ix == x.end() ? 0 : int(fold(*ix));
    const int cy = iy == y.end() ? 0 : int(fold(*iy));
    return cx - cy;
}

} // namespace

int wcscmp(LPCWSTR lpString1, LPCWSTR lpString2)
{
    return Compare(lpString1, lpString2, [](char16_t c) { return c; });
}

int _wcsicmp(LPCWSTR lpString1, LPCWSTR lpString2)
{
    return Compare(lpString1, lpString2, [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; });
}
