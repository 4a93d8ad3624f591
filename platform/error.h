// The calling thread's last error and the platform's message texts, under
// the platform's names. Codes that came from a Linux call and have no
// platform equivalent carry the errno with APPLICATION_ERROR_MASK set.
#pragma once

#include <cstdarg>

#include "platform/types.h"

constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_PATH_NOT_FOUND = 3;
constexpr LONG ERROR_ACCESS_DENIED = 5;
constexpr LONG ERROR_INVALID_HANDLE = 6;
constexpr LONG ERROR_OUTOFMEMORY = 14;
constexpr LONG ERROR_NO_MORE_FILES = 18;
constexpr LONG ERROR_INVALID_PARAMETER = 87;
constexpr LONG ERROR_DISK_FULL = 112;
constexpr LONG ERROR_INSUFFICIENT_BUFFER = 122;
constexpr LONG ERROR_MORE_DATA = 234;
constexpr LONG ERROR_NO_MORE_ITEMS = 259;
constexpr LONG ERROR_MR_MID_NOT_FOUND = 317; // no message text for the code
constexpr LONG ERROR_BADDB = 1009;           // the store file is not a registry database
constexpr LONG ERROR_CANTOPEN = 1011;        // the store file cannot be opened or created
constexpr LONG ERROR_CANTREAD = 1012;
constexpr LONG ERROR_CANTWRITE = 1013;
constexpr LONG ERROR_KEY_DELETED = 1018; // the handle's key was deleted meanwhile
constexpr LONG ERROR_RESOURCE_NAME_NOT_FOUND = 1814;

// Set on codes that are not the platform's own; here: errno values.
constexpr DWORD APPLICATION_ERROR_MASK = 0x20000000;

DWORD GetLastError();
void SetLastError(DWORD dwErrCode);

using HLOCAL = HANDLE;

constexpr DWORD FORMAT_MESSAGE_ALLOCATE_BUFFER = 0x100;
constexpr DWORD FORMAT_MESSAGE_IGNORE_INSERTS = 0x200;
constexpr DWORD FORMAT_MESSAGE_FROM_SYSTEM = 0x1000;
constexpr DWORD LANG_USER_DEFAULT = 0x400;

// Only FORMAT_MESSAGE_FROM_SYSTEM: the message text of a code, without a
// line break at its end, in any language asked for (the texts are English;
// errno texts follow the C library's locale). With
// FORMAT_MESSAGE_ALLOCATE_BUFFER, lpBuffer is really an LPWSTR* that
// receives a buffer to free with LocalFree. Returns the length, or 0 with
// the last error set (ERROR_MR_MID_NOT_FOUND for a code without text).
// Message inserts are not supported: Arguments is ignored.
DWORD FormatMessageW(DWORD dwFlags, LPCVOID lpSource, DWORD dwMessageId, DWORD dwLanguageId, LPWSTR lpBuffer,
    DWORD nSize, va_list* Arguments);
// Frees a buffer FormatMessageW allocated; null is accepted. Returns null.
HLOCAL LocalFree(HLOCAL hMem);
