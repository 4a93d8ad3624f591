// Conversions between the program's UTF-16 texts and the UTF-8 that Linux
// file names, environment variables and terminals use.
#pragma once

#include <string>
#include <string_view>

#include "platform/types.h"

std::string Utf16ToUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);

// File names are bytes, not always valid UTF-8. These keep every byte: one
// that is not part of valid UTF-8 becomes the lone surrogate U+DC80..U+DCFF
// and goes back to the same byte, so a name read from a folder opens that
// same entry again. Lone surrogates that no byte stands for become U+FFFD.
std::u16string FileNameToUtf16(std::string_view name);
std::string FileNameFromUtf16(std::u16string_view name);

// Length of a zero-terminated wide text; 0 for null.
size_t WideLength(LPCWSTR text);
