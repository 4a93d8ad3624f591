// Narrow-to-wide conversion for code pages.
#pragma once

#include "platform/types.h"

constexpr UINT CP_ACP = 0; // the device's ANSI code page: Cyrillic (1251)
constexpr UINT CP_UTF8 = 65001;

// As the platform's call: cbMultiByte -1 converts up to and including the
// terminator; cchWideChar 0 asks for the size. Returns the characters written
// (or needed), 0 on failure (unknown code page, buffer too small).
int MultiByteToWideChar(
    UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte, LPWSTR lpWideCharStr, int cchWideChar);
