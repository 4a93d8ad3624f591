// The running program's own file.
#pragma once

#include "platform/types.h"

// Full path of the program file (/proc/self/exe); characters copied without
// the terminator, 0 on failure. A path that does not fit is cut and
// terminated, and the full size is returned as the platform does.
DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize);
