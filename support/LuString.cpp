#include "support/LuString.h"

#include <algorithm>
#include <cstdarg>
#include <string>
#include <string_view>

#include "platform/debug.h"
#include "platform/error.h"
#include "platform/module.h"
#include "platform/oleauto.h"
#include "platform/text.h"
#include "platform/wsprintf.h"

namespace {

using View = std::u16string_view;

constexpr DWORD kSlack = 16; // growth beyond the exact need
constexpr DWORD kFormatRoom = 2048;
constexpr DWORD kStringRoom = 1024;

WCHAR LowerAscii(WCHAR c)
{
    return (c >= u'A' && c <= u'Z') ? WCHAR(c + 32) : c;
}
WCHAR UpperAscii(WCHAR c)
{
    return (c >= u'a' && c <= u'z') ? WCHAR(c - 32) : c;
}
bool IsAsciiLetter(WCHAR c)
{
    return LowerAscii(c) >= u'a' && LowerAscii(c) <= u'z';
}

View ViewOf(LPCWSTR text)
{
    return text ? View(text) : View();
}

// Compares as _wcsicmp does: both sides folded to lower case (ASCII letters).
int CompareFolded(View a, View b)
{
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return int(LowerAscii(a[i])) - int(LowerAscii(b[i]));
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

std::u16string ReplaceAll(View text, View search, View replacement, int* count = nullptr)
{
    std::u16string out;
    size_t from = 0;
    for (size_t at = text.find(search); !search.empty() && at != View::npos; at = text.find(search, from)) {
        out.append(text.substr(from, at - from)).append(replacement);
        from = at + search.size();
        if (count)
            ++*count;
    }
    return out.append(text.substr(std::min(from, text.size())));
}

} // namespace

CLuString::CLuString(LPCWSTR pszText)
{
    *this = pszText;
}

CLuString::CLuString(const CLuString& other)
{
    *this = other.m_pszBuffer;
}

CLuString::~CLuString()
{
    delete[] m_pszBuffer;
}

CLuString& CLuString::operator=(LPCWSTR pszText)
{
    if (!pszText) {
        delete[] m_pszBuffer;
        m_pszBuffer = nullptr;
        m_nLength = m_nCapacity = 0;
        return *this;
    }
    Assign(pszText, DWORD(WideLength(pszText)));
    return *this;
}

CLuString& CLuString::operator=(const CLuString& other)
{
    if (this != &other)
        *this = other.m_pszBuffer;
    return *this;
}

void CLuString::Assign(LPCWSTR pszText, DWORD nLength)
{
    // The text may lie inside our own buffer, which Reserve could free.
    std::u16string copy(pszText, nLength);
    Reserve(nLength);
    std::copy(copy.begin(), copy.end(), m_pszBuffer);
    m_pszBuffer[nLength] = 0;
    m_nLength = nLength;
}

void CLuString::Reserve(DWORD n)
{
    if (m_pszBuffer && m_nCapacity >= n + 1)
        return;
    auto fresh = new WCHAR[n + kSlack]();
    if (m_pszBuffer)
        std::copy(m_pszBuffer, m_pszBuffer + m_nCapacity, fresh);
    delete[] m_pszBuffer;
    m_pszBuffer = fresh;
    m_nCapacity = n + kSlack;
}

bool CLuString::EqualsNoCase(LPCWSTR pszText) const
{
    return CompareFolded(View(m_pszBuffer ? m_pszBuffer : u"", m_nLength), ViewOf(pszText)) == 0;
}

bool CLuString::EqualsNoCase(const CLuString& other) const
{
    return EqualsNoCase(other.m_pszBuffer);
}

LPWSTR CLuString::GetBuffer(DWORD n)
{
    Reserve(n + 1);
    return m_pszBuffer;
}

DWORD CLuString::ReleaseBuffer(int n)
{
    if (!m_pszBuffer || m_nCapacity == 0)
        return 0;
    DWORD last = m_nCapacity - 1; // the terminator must fit even if the caller overran the text
    if (n < 0)
        m_nLength = DWORD(std::find(m_pszBuffer, m_pszBuffer + last, u'\0') - m_pszBuffer);
    else
        m_nLength = std::min(DWORD(n), last);
    m_pszBuffer[m_nLength] = 0;
    return m_nLength;
}

void CLuString::Append(LPCWSTR pszText)
{
    if (!m_pszBuffer) {
        *this = pszText;
        return;
    }
    std::u16string added(ViewOf(pszText));
    Reserve(m_nLength + DWORD(added.size()));
    std::copy(added.begin(), added.end(), m_pszBuffer + m_nLength);
    m_pszBuffer[m_nLength + added.size()] = 0;
    m_nLength = DWORD(WideLength(m_pszBuffer));
}

void CLuString::AppendChar(WCHAR ch)
{
    Reserve(m_nLength + 2);
    m_pszBuffer[m_nLength++] = ch;
    m_pszBuffer[m_nLength] = 0;
}

CLuString CLuString::Concat(LPCWSTR pszText) const
{
    CLuString result(*this);
    result.Append(pszText);
    return result;
}

WCHAR CLuString::CharAt(DWORD nIndex) const
{
    return nIndex < m_nLength ? m_pszBuffer[nIndex] : 0;
}

CLuString CLuString::Left(DWORD n) const
{
    return Mid(0, n >= m_nLength ? -1 : int(n));
}

CLuString CLuString::Mid(DWORD nStart, int nCount) const
{
    if (nStart == 0 && (nCount < 0 || DWORD(nCount) >= m_nLength))
        return *this;
    CLuString result(u"");
    if (nStart >= m_nLength)
        return result;
    DWORD count = m_nLength - nStart;
    if (nCount >= 0 && DWORD(nCount) < count)
        count = DWORD(nCount);
    result.Assign(m_pszBuffer + nStart, count);
    return result;
}

CLuString CLuString::Right(DWORD n) const
{
    return n >= m_nLength ? *this : Mid(m_nLength - n);
}

int CLuString::Find(LPCWSTR pszText, int nStart) const
{
    if (!pszText || !m_pszBuffer || DWORD(std::max(nStart, 0)) > m_nLength)
        return -1;
    size_t at = View(m_pszBuffer, m_nLength).find(pszText, size_t(std::max(nStart, 0)));
    return at == View::npos ? -1 : int(at);
}

int CLuString::FindChar(WCHAR ch, int nStart) const
{
    const WCHAR text[2] = {ch, 0};
    return Find(text, nStart);
}

int CLuString::ReverseFind(LPCWSTR pszText) const
{
    if (!pszText || !m_pszBuffer)
        return -1;
    size_t at = View(m_pszBuffer, m_nLength).rfind(pszText);
    return at == View::npos ? -1 : int(at);
}

int CLuString::FindOneOf(LPCWSTR pszChars) const
{
    if (!pszChars || !m_pszBuffer || !*pszChars)
        return -1;
    size_t at = View(m_pszBuffer, m_nLength).find_first_of(pszChars);
    return at == View::npos ? -1 : int(at);
}

bool CLuString::Contains(LPCWSTR pszText, bool bCaseSensitive) const
{
    if (bCaseSensitive)
        return Find(pszText) >= 0;
    CLuString haystack(*this), needle(pszText);
    haystack.MakeUpperAscii();
    needle.MakeUpperAscii();
    return haystack.Find(needle) >= 0;
}

void CLuString::TrimLeft()
{
    DWORD blanks = 0;
    while (blanks < m_nLength && m_pszBuffer[blanks] == u' ')
        ++blanks;
    if (blanks > 0)
        Assign(m_pszBuffer + blanks, m_nLength - blanks);
}

void CLuString::TrimRight()
{
    while (m_nLength > 0 && m_pszBuffer[m_nLength - 1] == u' ')
        m_pszBuffer[--m_nLength] = 0;
}

void CLuString::Trim()
{
    TrimRight();
    TrimLeft();
}

void CLuString::MakeLowerAscii()
{
    std::transform(m_pszBuffer, m_pszBuffer + m_nLength, m_pszBuffer, LowerAscii);
}

void CLuString::MakeUpperAscii()
{
    std::transform(m_pszBuffer, m_pszBuffer + m_nLength, m_pszBuffer, UpperAscii);
}

void CLuString::TitleCase()
{
    static constexpr View kMinor[] = {u"a", u"an", u"the", u"and", u"but", u"or", u"nor", u"at", u"by", u"for", u"from",
        u"in", u"into", u"of", u"off", u"on", u"onto", u"out", u"to", u"up", u"with"};
    MakeLowerAscii();
    bool sentenceStart = true;
    for (DWORD i = 0; i < m_nLength;) {
        WCHAR c = m_pszBuffer[i];
        if (!IsAsciiLetter(c)) {
            if (c == u'.' || c == u'?' || c == u'!')
                sentenceStart = true;
            ++i;
            continue;
        }
        DWORD end = i;
        while (end < m_nLength && IsAsciiLetter(m_pszBuffer[end]))
            ++end;
        View word(m_pszBuffer + i, end - i);
        if (sentenceStart || std::find(std::begin(kMinor), std::end(kMinor), word) == std::end(kMinor))
            m_pszBuffer[i] = UpperAscii(m_pszBuffer[i]);
        sentenceStart = false;
        i = end;
    }
}

int CLuString::CompareNoCase(LPCWSTR pszText) const
{
    if (!m_pszBuffer || !pszText)
        return (!m_pszBuffer && !pszText) ? 0 : !pszText ? 1 : -1;
    return CompareFolded(View(m_pszBuffer, m_nLength), pszText);
}

bool CLuString::StartsWithNoCase(LPCWSTR pszText) const
{
    View text = ViewOf(pszText);
    return pszText && text.size() <= m_nLength && CompareFolded(View(m_pszBuffer, text.size()), text) == 0;
}

bool CLuString::EndsWithNoCase(LPCWSTR pszText) const
{
    View text = ViewOf(pszText);
    return pszText && text.size() <= m_nLength &&
        CompareFolded(View(m_pszBuffer + m_nLength - text.size(), text.size()), text) == 0;
}

int CLuString::Replace(LPCWSTR pszSearch, LPCWSTR pszReplacement)
{
    View search = ViewOf(pszSearch), replacement = ViewOf(pszReplacement);
    // Guards the left-to-right rescan against replacing its own output forever.
    if (search.empty() || !m_pszBuffer || replacement.find(search) != View::npos)
        return 0;
    int count = 0;
    std::u16string result = ReplaceAll(View(m_pszBuffer, m_nLength), search, replacement, &count);
    if (count > 0)
        Assign(result.c_str(), DWORD(result.size()));
    return count;
}

bool CLuString::NextToken(CLuString& source, LPCWSTR pszDelimiters)
{
    source.TrimLeft();
    if (source.IsEmpty())
        return false;
    View text(source.m_pszBuffer, source.m_nLength);
    size_t begin = 0, end = View::npos;
    if (text[0] == u'"' || text[0] == u'\'') {
        end = text.find(text[0], 1);
        begin = end == View::npos ? 0 : 1;
    } else if (pszDelimiters) {
        end = text.find_first_of(pszDelimiters);
    }
    if (end == View::npos)
        end = text.size();
    std::u16string token(text.substr(begin, end - begin));
    // The closing quote also takes the delimiter after it.
    size_t next = std::min(text.size(), end + (begin == 1 ? 2 : 1));
    source.Assign(source.m_pszBuffer + next, DWORD(text.size() - next));
    *this = token.c_str();
    Trim();
    return true;
}

CLuString CLuString::UrlEncode() const
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::u16string out;
    for (DWORD i = 0; i < m_nLength; ++i) {
        WCHAR c = m_pszBuffer[i];
        if (IsAsciiLetter(c) || (c >= u'0' && c <= u'9')) {
            out += c;
            continue;
        }
        std::u16string digits;
        for (unsigned v = c; v > 0 || digits.size() < 2; v >>= 4)
            digits.insert(digits.begin(), WCHAR(kDigits[v & 0xF]));
        out += u'%' + digits;
    }
    return CLuString(out.c_str());
}

CLuString CLuString::Quote(LPCWSTR pszText, WCHAR chQuote)
{
    std::u16string out = chQuote + ReplaceAll(ViewOf(pszText), u"\"", u"%22") + chQuote;
    return CLuString(out.c_str());
}

CLuString CLuString::Unquote(LPCWSTR pszText)
{
    View text = ViewOf(pszText);
    if (text.size() < 2)
        return CLuString(pszText);
    if (text.front() == u'"' && text.back() == u'"')
        text = text.substr(1, text.size() - 2);
    return CLuString(ReplaceAll(text, u"%22", u"\"").c_str());
}

CLuString CLuString::HtmlDecode(LPCWSTR pszText)
{
    std::u16string text = ReplaceAll(ViewOf(pszText), u"&quot;", u"\"");
    text = ReplaceAll(text, u"&gt;", u">");
    return CLuString(ReplaceAll(text, u"&lt;", u"<").c_str());
}

CLuString CLuString::ToHex(LPCWSTR pszText)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::u16string out;
    for (WCHAR c : ViewOf(pszText)) {
        out += WCHAR(kDigits[(c >> 4) & 0xF]);
        out += WCHAR(kDigits[c & 0xF]);
    }
    return CLuString(out.c_str());
}

CLuString CLuString::FromHex(LPCWSTR pszText)
{
    CLuString upper(pszText);
    upper.MakeUpperAscii();
    if (upper.GetLength() % 2 != 0)
        return CLuString(u"");
    auto digit = [](WCHAR c) {
        return (c >= u'0' && c <= u'9') ? c - u'0' : (c >= u'A' && c <= u'F') ? c - u'A' + 10 : 0;
    };
    std::u16string out;
    for (DWORD i = 0; i < upper.GetLength(); i += 2)
        out += WCHAR(digit(upper.CharAt(i)) * 16 + digit(upper.CharAt(i + 1)));
    return CLuString(out.c_str());
}

int CLuString::Format(LPCWSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    const std::u16string text = FormatWideV(pszFormat, args);
    va_end(args);
    // Sized to the result: a fixed buffer would cut or overrun a long one.
    LPWSTR buffer = GetBuffer(std::max(kFormatRoom, DWORD(text.size())));
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = 0;
    return int(ReleaseBuffer(-1));
}

bool CLuString::LoadString(HINSTANCE hInstance, UINT nID)
{
    // Room for the whole text, never less than the customary 1,024
    // characters: a fixed room would cut a longer string short.
    LPCWSTR resident = nullptr;
    const int length = LoadStringW(hInstance, nID, reinterpret_cast<LPWSTR>(&resident), 0);
    const int room = std::max(int(kStringRoom), length + 1);
    LoadStringW(hInstance, nID, GetBuffer(DWORD(room)), room);
    return ReleaseBuffer(-1) > 0;
}

CLuString CLuString::LastErrorText()
{
    LPWSTR text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, GetLastError(),
        LANG_USER_DEFAULT, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    CLuString result(text);
    LocalFree(text);
    return result;
}

bool CLuString::ToSystemTime(SYSTEMTIME& st, DWORD dwFlags) const
{
    DATE date = 0;
    const HRESULT hr = VarDateFromStr(m_pszBuffer ? m_pszBuffer : u"", LOCALE_USER_DEFAULT, dwFlags, &date);
    if (SUCCEEDED(hr) && VariantTimeToSystemTime(date, &st))
        return true;
    if (hr == DISP_E_TYPEMISMATCH)
        OutputDebugStringW(u"CLuString::ToSystemTime() Failed - Type Mismatch\n");
    else if (hr == DISP_E_OVERFLOW)
        OutputDebugStringW(u"CLuString::ToSystemTime() Failed - Overflow\n");
    else
        OutputDebugStringW(u"CLuString::ToSystemTime() Failed\n");
    return false;
}

bool CLuString::FromSystemTime(const SYSTEMTIME& st, DWORD dwFlags)
{
    DATE date = 0;
    BSTR text = nullptr;
    if (!SystemTimeToVariantTime(&st, &date) || FAILED(VarBstrFromDate(date, LOCALE_USER_DEFAULT, dwFlags, &text)))
        return false;
    *this = text;
    SysFreeString(text);
    return true;
}
