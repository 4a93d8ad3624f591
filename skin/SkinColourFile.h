// The skin's colour file: six colours and the picture type, found by key
// anywhere in the text and read at fixed distances from the key.
#pragma once

#include "framework/string.h"

// The whole file as wide text; empty when it can't be read or is empty.
CString ReadSkinTextFile(const CString& strPath);

// Zero-terminated file bytes in the device's code page as wide text.
CString SkinTextFromBytes(const char* pszBytes);

// "SkinType": sets the extension (".png", ".bmp" or ".jpg"; ".png" for
// anything else) and returns 0; 1 when the key is missing (extension unchanged).
int ReadSkinImageType(const CString& strColourFile, CString& strImageExt);

// One colour entry into the destination; 0 on success, 1 to 4 when the key
// or a separator is missing (destination unchanged).
int ReadSkinColour(const CString& strColourFile, LPCWSTR lpszKey, COLORREF& clrDest);
