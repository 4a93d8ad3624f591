#include "framework/string.h"

#include <cstdarg>
#include <cstdio>
#include <cwchar>

#include "framework/resources.h"
#include "platform/codepage.h"

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

template <typename T>
void AppendNumber(std::u16string& out, const Conversion& s, const char* length, T value)
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

std::u16string FormatV(LPCWSTR format, va_list args)
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

} // namespace

void CString::Format(LPCWSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    m_str = FormatV(pszFormat, args);
    va_end(args);
}

int CString::Find(WCHAR ch, int nStart) const
{
    if (nStart < 0 || size_t(nStart) > m_str.size())
        return -1;
    const size_t at = m_str.find(ch, size_t(nStart));
    return at == std::u16string::npos ? -1 : int(at);
}

int CString::Find(LPCWSTR pszSub, int nStart) const
{
    if (!pszSub || nStart < 0 || size_t(nStart) > m_str.size())
        return -1;
    const size_t at = m_str.find(pszSub, size_t(nStart));
    return at == std::u16string::npos ? -1 : int(at);
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0 || size_t(nFirst) >= m_str.size())
        return CString();
    return CString(m_str.substr(size_t(nFirst), size_t(nCount)));
}

CString CString::Left(int nCount) const
{
    return nCount <= 0 ? CString() : CString(m_str.substr(0, size_t(nCount)));
}

CString CString::Right(int nCount) const
{
    if (nCount <= 0)
        return CString();
    if (size_t(nCount) >= m_str.size())
        return *this;
    return CString(m_str.substr(m_str.size() - size_t(nCount)));
}

static bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f';
}

CString& CString::TrimLeft()
{
    size_t i = 0;
    while (i < m_str.size() && IsBlank(m_str[i]))
        ++i;
    m_str.erase(0, i);
    return *this;
}

CString& CString::TrimRight()
{
    while (!m_str.empty() && IsBlank(m_str.back()))
        m_str.pop_back();
    return *this;
}

CString::CString(LPCSTR pszAnsi)
{
    const int needed = pszAnsi ? MultiByteToWideChar(CP_ACP, 0, pszAnsi, -1, nullptr, 0) : 0;
    if (needed <= 1)
        return;
    m_str.assign(size_t(needed), u'\0');
    MultiByteToWideChar(CP_ACP, 0, pszAnsi, -1, m_str.data(), needed);
    m_str.resize(size_t(needed - 1));
}

BOOL CString::LoadString(UINT nID)
{
    LPCWSTR text = AfxFindString(nID);
    m_str = text ? text : u"";
    return text != nullptr;
}

