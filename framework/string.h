// The framework's string of UTF-16 characters.
#pragma once

#include <string>
#include <string_view>

#include "platform/types.h"

class CString {
public:
    CString() = default;
    CString(LPCWSTR psz) : m_str(psz ? psz : u"") { }
    CString(LPCWSTR pch, int nLength) : m_str(pch ? std::u16string(pch, size_t(nLength > 0 ? nLength : 0)) : u"") { }
    CString(std::u16string str) : m_str(std::move(str)) { }
    // Zero-terminated bytes in the device's code page (Cyrillic, 1251), as
    // the program carries its Russian texts.
    explicit CString(LPCSTR pszAnsi);

    int GetLength() const { return int(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    WCHAR GetAt(int nIndex) const { return m_str.at(size_t(nIndex)); }
    operator LPCWSTR() const { return m_str.c_str(); }
    const std::u16string& str() const { return m_str; }

    // printf-style formatting with the C library's wide conventions:
    // %s and %c take WCHAR strings and characters, %hs narrow ones.
    void Format(LPCWSTR pszFormat, ...);

    int Find(WCHAR ch, int nStart = 0) const;
    int Find(LPCWSTR pszSub, int nStart = 0) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString& TrimLeft();
    CString& TrimRight();
    // Only the given character, at the start or the end.
    CString& TrimLeft(WCHAR chTarget);
    CString& TrimRight(WCHAR chTarget);
    CString& MakeLower();
    BOOL LoadString(UINT nID);

    CString& operator=(LPCWSTR psz)
    {
        m_str = psz ? psz : u"";
        return *this;
    }
    CString& operator+=(const CString& s)
    {
        m_str += s.m_str;
        return *this;
    }
    CString& operator+=(LPCWSTR psz)
    {
        if (psz)
            m_str += psz;
        return *this;
    }
    CString& operator+=(WCHAR ch)
    {
        m_str += ch;
        return *this;
    }
    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_str + b.m_str); }
    friend CString operator+(const CString& a, LPCWSTR b) { return a + CString(b); }
    friend CString operator+(LPCWSTR a, const CString& b) { return CString(a) + b; }
    friend CString operator+(const CString& a, WCHAR ch) { return CString(a.m_str + ch); }
    friend CString operator+(WCHAR ch, const CString& b) { return CString(ch + b.m_str); }
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, LPCWSTR b) { return a.m_str == (b ? b : u""); }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, LPCWSTR b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }

private:
    std::u16string m_str;
};
