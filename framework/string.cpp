#include "framework/string.h"

#include <algorithm>
#include <cstdarg>

#include "framework/resources.h"
#include "platform/codepage.h"
#include "platform/wcs.h"
#include "platform/wsprintf.h"

void CString::Format(LPCWSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    m_str = FormatWideV(pszFormat, args);
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

CString& CString::TrimLeft(WCHAR chTarget)
{
    m_str.erase(0, std::min(m_str.find_first_not_of(chTarget), m_str.size()));
    return *this;
}

CString& CString::TrimRight(WCHAR chTarget)
{
    m_str.erase(m_str.find_last_not_of(chTarget) + 1);
    return *this;
}

CString& CString::MakeLower()
{
    _wcslwr(m_str.data());
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
