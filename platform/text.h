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
