// The skin's colour file: six colours and the picture type, found by key
// anywhere in the text and read at fixed distances from the key.
#pragma once

#include "framework/string.h"

// The colour file's name in a skin folder.
inline constexpr WCHAR SKIN_COLOUR_FILE[] = u"QSet.ini";
// The picture type when the colour file names none.
inline constexpr WCHAR SKIN_DEFAULT_IMAGE_TYPE[] = u".png";

// A colour a skin sets, by its key, and the colour used when the skin does not.
struct SkinColourKey {
    LPCWSTR lpszKey;
    COLORREF clrDefault;
};
inline constexpr SkinColourKey SKIN_MAIN_TEXT{u"MainTextColor", 0x910000};
inline constexpr SkinColourKey SKIN_BAR_TEXT{u"BarTextColor", 0x0000FF};
inline constexpr SkinColourKey SKIN_BAR_BACK{u"BarBackColor", 0xFFFF9B};
inline constexpr SkinColourKey SKIN_BAR_NORMAL{u"BarNormalColor", 0x00FF00};
inline constexpr SkinColourKey SKIN_BAR_LOW{u"BarLowColor", 0x00FFFF};
inline constexpr SkinColourKey SKIN_BAR_CRITICAL{u"BarCriticalColor", 0x0000FF};
// In the order the program reads them.
inline constexpr SkinColourKey SKIN_COLOURS[] = {
    SKIN_MAIN_TEXT, SKIN_BAR_TEXT, SKIN_BAR_BACK, SKIN_BAR_NORMAL, SKIN_BAR_LOW, SKIN_BAR_CRITICAL};

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
