// Conversions between the program's UTF-16 texts and the UTF-8 that Linux
// file names, environment variables and terminals use.
#pragma once

#include <string>
#include <string_view>

#include "platform/types.h"

std::string Utf16ToUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);

// Length of a zero-terminated wide text; 0 for null.
size_t WideLength(LPCWSTR text);

// Comparisons of zero-terminated wide texts, under the C library's names:
// negative, 0 or positive as the first sorts before, with or after the
// second. _wcsicmp folds the ASCII letters to lower case first; other
// characters compare by their code units.
int wcscmp(LPCWSTR lpString1, LPCWSTR lpString2);
int _wcsicmp(LPCWSTR lpString1, LPCWSTR lpString2);
