// Debug output for developers; the program's only diagnostic channel.
#pragma once

#include "platform/types.h"

// Writes the text as UTF-8 to standard error, without adding a line feed.
void OutputDebugStringW(LPCWSTR lpOutputString);
