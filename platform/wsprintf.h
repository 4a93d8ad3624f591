// printf-style formatting of UTF-16 texts with the C library's wide
// conventions: %s and %c take WCHAR strings and characters, %hs narrow
// strings. One engine for every string class of the program.
#pragma once

#include <cstdarg>
#include <string>

#include "platform/types.h"

// The whole result, however long; a null format gives the empty text.
// Unknown conversions, and %n, print nothing and take no argument.
std::u16string FormatWideV(LPCWSTR format, va_list args);
