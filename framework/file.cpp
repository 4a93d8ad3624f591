#include "framework/file.h"

#include "platform/file.h"

BOOL CFile::Open(LPCWSTR lpszFileName, UINT nOpenFlags)
{
    Close();
    if ((nOpenFlags & 0x3) != modeRead)
        return FALSE;
    HANDLE h = CreateFileW(lpszFileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return FALSE;
    m_hFile = h;
    return TRUE;
}

ULONGLONG CFile::GetLength() const
{
    if (!m_hFile)
        return 0;
    DWORD high = 0;
    const DWORD low = GetFileSize(m_hFile, &high);
    if (low == INVALID_FILE_SIZE && high == 0)
        return 0;
    return (ULONGLONG(high) << 32) | low;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    DWORD read = 0;
    if (!m_hFile || !ReadFile(m_hFile, lpBuf, nCount, &read, nullptr))
        return 0;
    return read;
}

void CFile::Close()
{
    if (m_hFile)
        CloseHandle(m_hFile);
    m_hFile = nullptr;
}
