// Comparing wide texts, under the C library's names. Without regard to case,
// letters of every script fold to lower case one UTF-16 unit at a time, as
// the platform's C library does.
#pragma once

#include "platform/types.h"

// Negative, zero or positive as the first text sorts before, with or after
// the second, unit by unit; null counts as the empty text.
int wcscmp(LPCWSTR string1, LPCWSTR string2);
// Negative, zero or positive as the first text sorts before, with or after
// the second once both are folded; null counts as the empty text.
int _wcsicmp(LPCWSTR string1, LPCWSTR string2);
// Folds the text to lower case in place; returns it.
LPWSTR _wcslwr(LPWSTR string);
