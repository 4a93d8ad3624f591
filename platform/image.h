// Pictures: the shell's image-file loader and the bitmap handle it returns.
#pragma once

#include "platform/types.h"

struct HBITMAP__;
using HBITMAP = HBITMAP__*;

// Decodes a PNG, BMP or JPEG file into a bitmap of the picture's own size.
// Null on any failure: missing, unreadable, undecodable, or too large to allocate.
HBITMAP SHLoadDIBitmap(LPCWSTR szFileName);

// Releases a bitmap; FALSE for null.
BOOL DeleteObject(HBITMAP hBitmap);

struct BITMAP {
    LONG bmWidth;
    LONG bmHeight;
};
BOOL GetBitmapSize(HBITMAP hBitmap, BITMAP* pBitmap);
