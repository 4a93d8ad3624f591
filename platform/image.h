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
    LONG bmWidthBytes; // bytes from the start of one row to the next
};
BOOL GetBitmapSize(HBITMAP hBitmap, BITMAP* pBitmap);

// The pixels of a bitmap, for drawing it: bmHeight rows of bmWidth 32-bit
// values 0xXXRRGGBB (the top byte unused), top row first, as GetBitmapSize
// describes them. They stay valid until the bitmap is released. Null for null.
const void* GetBitmapPixels(HBITMAP hBitmap, BITMAP* pBitmap);
