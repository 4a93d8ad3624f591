// The support library's own string of UTF-16 characters. Its buffer is
// public in effect: callers read it through the LPCWSTR conversion (null in
// the released state, to be read as the empty text) and may write into it
// between GetBuffer and ReleaseBuffer. It grows to the exact need plus 16
// characters and never shrinks.
#pragma once

#include "platform/types.h"

struct SYSTEMTIME;

class CLuString {
public:
    CLuString(LPCWSTR pszText = nullptr);
    CLuString(const CLuString& other);
    virtual ~CLuString();

    CLuString& operator=(LPCWSTR pszText);
    CLuString& operator=(const CLuString& other);

    operator LPCWSTR() const { return m_pszBuffer; }
    DWORD GetLength() const { return m_nLength; }
    DWORD GetCapacity() const { return m_pszBuffer ? m_nCapacity : 0; }
    bool IsEmpty() const { return m_nLength == 0; }

    bool EqualsNoCase(LPCWSTR pszText) const;
    bool EqualsNoCase(const CLuString& other) const;

    // At least n + 2 writable characters; finish with ReleaseBuffer.
    LPWSTR GetBuffer(DWORD n);
    // -1 (or any negative count): the length of the zero-terminated text in the buffer.
    DWORD ReleaseBuffer(int n = -1);

    void Append(LPCWSTR pszText);
    void AppendChar(WCHAR ch);
    CLuString Concat(LPCWSTR pszText) const;
    WCHAR CharAt(DWORD nIndex) const;
    CLuString Left(DWORD n) const;
    CLuString Mid(DWORD nStart, int nCount = -1) const;
    CLuString Right(DWORD n) const;

    int Find(LPCWSTR pszText, int nStart = 0) const;
    int FindChar(WCHAR ch, int nStart = 0) const;
    int ReverseFind(LPCWSTR pszText) const;
    int FindOneOf(LPCWSTR pszChars) const;
    bool Contains(LPCWSTR pszText, bool bCaseSensitive) const;

    void TrimLeft();
    void TrimRight();
    void Trim();
    void MakeLowerAscii();
    void MakeUpperAscii();
    void TitleCase();

    int CompareNoCase(LPCWSTR pszText) const;
    bool StartsWithNoCase(LPCWSTR pszText) const;
    bool EndsWithNoCase(LPCWSTR pszText) const;

    int Replace(LPCWSTR pszSearch, LPCWSTR pszReplacement);
    bool NextToken(CLuString& source, LPCWSTR pszDelimiters);
    CLuString UrlEncode() const;

    static CLuString Quote(LPCWSTR pszText, WCHAR chQuote);
    static CLuString Unquote(LPCWSTR pszText);
    static CLuString HtmlDecode(LPCWSTR pszText);
    static CLuString ToHex(LPCWSTR pszText);
    static CLuString FromHex(LPCWSTR pszText);

    // printf with the C library's wide conventions; the buffer grows to any
    // result. Returns the length.
    int Format(LPCWSTR pszFormat, ...);
    // A text of the program's string table; true when characters were loaded.
    bool LoadString(HINSTANCE hInstance, UINT nID);
    // The platform's message for the calling thread's last error.
    static CLuString LastErrorText();
    // The text as a date, time or both: ISO 8601 or the user's locale's short
    // format (VAR_* flags of platform/oleauto.h). Failures go to debug output.
    bool ToSystemTime(SYSTEMTIME& st, DWORD dwFlags) const;
    // Becomes the date as text, in the locale's short format or, with
    // VAR_ISO8601, in ISO 8601; unchanged on failure.
    bool FromSystemTime(const SYSTEMTIME& st, DWORD dwFlags);

private:
    void Reserve(DWORD n);
    void Assign(LPCWSTR pszText, DWORD nLength);

    LPWSTR m_pszBuffer = nullptr;
    DWORD m_nLength = 0;
    DWORD m_nCapacity = 0;
};
