// Pictures: the shell's image-file loader and the bitmap handle it returns.
#pragma once

#include "platform/types.h"

struct HBITMAP__;
using HBITMAP = HBITMAP__*;

// Decodes a PNG, BMP or JPEG file into a bitmap of the picture's own size.
// Null on any failure, with the last error saying which: missing
// (ERROR_FILE_NOT_FOUND), unreadable (ERROR_ACCESS_DENIED), not a picture
// (ERROR_INVALID_DATA), or too large to allocate (ERROR_OUTOFMEMORY).
HBITMAP SHLoadDIBitmap(LPCWSTR szFileName);

// Releases a bitmap; FALSE for null.
BOOL DeleteObject(HBITMAP hBitmap);

struct BITMAP {
    LONG bmWidth;
    LONG bmHeight;
};
BOOL GetBitmapSize(HBITMAP hBitmap, BITMAP* pBitmap);
