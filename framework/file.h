// CFile: open for reading, length, read, close. Failures are results, not exceptions.
#pragma once

#include "platform/types.h"

class CFile {
public:
    enum OpenFlags : UINT { modeRead = 0x0000, typeBinary = 0x8000 };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    virtual ~CFile() { Close(); }

    BOOL Open(LPCWSTR lpszFileName, UINT nOpenFlags);
    ULONGLONG GetLength() const;
    UINT Read(void* lpBuf, UINT nCount);
    void Close();

private:
    HANDLE m_hFile = nullptr;
};
