#include "skin/SkinColourFile.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "framework/file.h"

namespace {

// A colour file is a few hundred bytes; anything past this is not one, and
// is read as no file rather than risking memory on it.
constexpr ULONGLONG kMaxColourFileBytes = 16 * 1024 * 1024;

// The number the C library's atoi reads, keeping only its low 8 bits; the
// text is narrowed first (characters outside ASCII end the number).
BYTE ReadNumber(const CString& strText)
{
    std::string narrow;
    narrow.reserve(size_t(strText.GetLength()));
    for (int i = 0; i < strText.GetLength(); ++i) {
        const WCHAR c = strText.GetAt(i);
        narrow += c < 0x80 ? char(c) : '?';
    }
    // strtol rather than atoi: the same reading, but defined for numbers too
    // large for an int.
    return BYTE(std::strtol(narrow.c_str(), nullptr, 10) & 0xFF);
}

} // namespace

CString ReadSkinTextFile(const CString& strPath)
{
    CFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::typeBinary))
        return CString();
    const ULONGLONG length = file.GetLength();
    if (length == 0 || length > kMaxColourFileBytes)
        return CString();
    std::vector<char> bytes(size_t(length) + 1, '\0');
    const UINT read = file.Read(bytes.data(), UINT(length));
    bytes[read] = '\0';
    file.Close();
    return SkinTextFromBytes(bytes.data());
}

CString SkinTextFromBytes(const char* pszBytes)
{
    // A NUL byte ends the text, as a UTF-16 file's first character does.
    return CString(pszBytes);
}

int ReadSkinImageType(const CString& strColourFile, CString& strImageExt)
{
    static constexpr WCHAR kKey[] = u"SkinType";
    const int nKey = strColourFile.Find(kKey);
    if (nKey < 0)
        return 1;
    const CString strType = strColourFile.Mid(nKey + int(std::size(kKey) - 1) + 4, 4);
    if (strType == u".png" || strType == u".bmp" || strType == u".jpg")
        strImageExt = strType;
    else
        strImageExt = SKIN_DEFAULT_IMAGE_TYPE;
    return 0;
}

int ReadSkinColour(const CString& strColourFile, LPCWSTR lpszKey, COLORREF& clrDest)
{
    const int nKey = strColourFile.Find(lpszKey);
    if (nKey < 0)
        return 1;
    const int nStart = nKey + CString(lpszKey).GetLength() + 4;
    const int nComma1 = strColourFile.Find(u',', nStart);
    if (nComma1 < 0)
        return 2;
    const int nComma2 = strColourFile.Find(u',', nComma1 + 1);
    if (nComma2 < 0)
        return 3;
    const int nSemicolon = strColourFile.Find(u';', nComma2 + 1);
    if (nSemicolon < 0)
        return 4;
    const CString strRed = strColourFile.Mid(nStart, nComma1 - nStart);
    const CString strGreen = strColourFile.Mid(nComma1 + 1, nComma2 - nComma1 - 1);
    // The one character before ";" (the closing bracket) is not part of the number.
    const CString strBlue = strColourFile.Mid(nComma2 + 1, nSemicolon - nComma2 - 2);
    clrDest = RGB(ReadNumber(strRed), ReadNumber(strGreen), ReadNumber(strBlue));
    return 0;
}
