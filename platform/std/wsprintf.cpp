#include "platform/wsprintf.h"

#include <cstdio>
#include <string>

namespace {

void AppendAscii(std::u16string& out, const char* text)
{
    for (; *text; ++text)
        out += char16_t(static_cast<unsigned char>(*text));
}

// One conversion of a format, split into its parts.
struct Conversion {
    std::string flags;
    int width = -1;
    int precision = -1;
    std::string length;
    char conversion = 0;
};

std::string NumericFormat(const Conversion& s, const char* length)
{
    std::string r(1, '%');
    r += s.flags;
    if (s.width >= 0)
        r += std::to_string(s.width);
    if (s.precision >= 0) {
        r += '.';
        r += std::to_string(s.precision);
    }
    r += length;
    r += s.conversion;
    return r;
}

template <typename T> void AppendNumber(std::u16string& out, const Conversion& s, const char* length, T value)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, NumericFormat(s, length).c_str(), value);
    AppendAscii(out, buffer);
}

void AppendPadded(std::u16string& out, const Conversion& s, std::u16string text)
{
    if (s.precision >= 0 && text.size() > size_t(s.precision))
        text.resize(size_t(s.precision));
    const size_t width = s.width > 0 ? size_t(s.width) : 0;
    const bool left = s.flags.find('-') != std::string::npos;
    if (!left && text.size() < width)
        out.append(width - text.size(), u' ');
    out += text;
    if (left && text.size() < width)
        out.append(width - text.size(), u' ');
}

} // namespace

std::u16string FormatWideV(LPCWSTR format, va_list args)
{
    std::u16string out;
    if (!format)
        return out;
    for (const WCHAR* p = format; *p;) {
        if (*p != u'%') {
            out += *p++;
            continue;
        }
        ++p;
        if (*p == u'%') {
            out += u'%';
            ++p;
            continue;
        }
        Conversion s;
        while (*p == u'-' || *p == u'+' || *p == u' ' || *p == u'#' || *p == u'0')
            s.flags += char(*p++);
        if (*p == u'*') {
            s.width = va_arg(args, int);
            if (s.width < 0) {
                s.flags += '-';
                s.width = -s.width;
            }
            ++p;
        } else {
            for (s.width = *p >= u'0' && *p <= u'9' ? 0 : -1; *p >= u'0' && *p <= u'9'; ++p)
                s.width = s.width * 10 + (*p - u'0');
        }
        if (*p == u'.') {
            ++p;
            if (*p == u'*') {
                s.precision = va_arg(args, int);
                ++p;
            } else {
                for (s.precision = 0; *p >= u'0' && *p <= u'9'; ++p)
                    s.precision = s.precision * 10 + (*p - u'0');
            }
        }
        while (*p == u'h' || *p == u'l' || *p == u'L' || *p == u'z' || *p == u'j' || *p == u't')
            s.length += char(*p++);
        if (!*p)
            break;
        s.conversion = char(*p++);
        switch (s.conversion) {
        case 'd':
        case 'i':
            if (s.length == "ll")
                AppendNumber(out, s, "ll", va_arg(args, long long));
            else if (s.length == "l")
                AppendNumber(out, s, "l", va_arg(args, long));
            else if (s.length == "z" || s.length == "j" || s.length == "t")
                AppendNumber(out, s, "ll", static_cast<long long>(va_arg(args, ptrdiff_t)));
            else
                AppendNumber(out, s, "", va_arg(args, int));
            break;
        case 'u':
        case 'o':
        case 'x':
        case 'X':
            if (s.length == "ll")
                AppendNumber(out, s, "ll", va_arg(args, unsigned long long));
            else if (s.length == "l")
                AppendNumber(out, s, "l", va_arg(args, unsigned long));
            else if (s.length == "z" || s.length == "j" || s.length == "t")
                AppendNumber(out, s, "ll", static_cast<unsigned long long>(va_arg(args, size_t)));
            else
                AppendNumber(out, s, "", va_arg(args, unsigned int));
            break;
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
        case 'a':
        case 'A':
            if (s.length == "L")
                AppendNumber(out, s, "L", va_arg(args, long double));
            else
                AppendNumber(out, s, "", va_arg(args, double));
            break;
        case 'c':
        case 'C':
            AppendPadded(out, s, std::u16string(1, char16_t(va_arg(args, int))));
            break;
        case 's':
        case 'S':
            if (s.length == "h") {
                const char* narrow = va_arg(args, const char*);
                std::u16string text;
                AppendAscii(text, narrow ? narrow : "(null)");
                AppendPadded(out, s, text);
            } else {
                LPCWSTR wide = va_arg(args, LPCWSTR);
                AppendPadded(out, s, wide ? wide : u"(null)");
            }
            break;
        case 'p':
            AppendNumber(out, s, "", va_arg(args, void*));
            break;
        default:
            // Unknown conversions, and %n, print nothing and take no argument.
            break;
        }
    }
    return out;
}
