// The running program's own file.
#pragma once

#include "platform/types.h"

// Full path of the program file (/proc/self/exe); characters copied without
// the terminator, 0 on failure. A path that does not fit is cut and
// terminated, and the full size is returned as the platform does.
DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize);

// The program's string table lives with its other resources, which only the
// framework reads; the platform below cannot see them. So the framework
// hands the platform its lookup once at start-up, and LoadStringW reads
// through it: one table for the framework's strings and the support
// library's, and a program without the framework (quillet-reg) simply has
// no strings. The lookup returns null for an id it does not hold.
using STRINGLOOKUPPROC = LPCWSTR (*)(UINT uID);
void SetStringTableLookup(STRINGLOOKUPPROC pfnLookup);

// The text of a string resource; the module handle is ignored, the program
// being the only module. Copies at most cchBufferMax - 1 characters and a
// terminator; returns the characters copied, 0 when the id is missing or
// empty (the buffer then holds the empty text). With cchBufferMax 0,
// lpBuffer is really an LPCWSTR* that receives the resident text, and the
// result is its whole length.
int LoadStringW(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int cchBufferMax);
