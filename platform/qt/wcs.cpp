#include "platform/wcs.h"

#include <QChar>

#include <string_view>

namespace {

char16_t Folded(char16_t c)
{
    // Surrogates stay as they are: letters outside the first plane keep their case.
    return c < 0x80 ? char16_t(c >= u'A' && c <= u'Z' ? c + 0x20 : c) : char16_t(QChar::toLower(char32_t(c)));
}

} // namespace

int wcscmp(LPCWSTR string1, LPCWSTR string2)
{
    const std::u16string_view a = string1 ? string1 : u"";
    const std::u16string_view b = string2 ? string2 : u"";
    return a.compare(b);
}

int _wcsicmp(LPCWSTR string1, LPCWSTR string2)
{
    const WCHAR* a = string1 ? string1 : u"";
    const WCHAR* b = string2 ? string2 : u"";
    for (;; ++a, ++b) {
        const char16_t x = Folded(*a);
        const char16_t y = Folded(*b);
        if (x != y || !x)
            return int(x) - int(y);
    }
}

LPWSTR _wcslwr(LPWSTR string)
{
    for (WCHAR* p = string; p && *p; ++p)
        *p = Folded(*p);
    return string;
}
