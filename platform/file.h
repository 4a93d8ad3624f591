// Reading whole files. Only regular files open: folders, pipes and devices
// are refused, so a misplaced file never blocks or streams forever.
#pragma once

#include "platform/types.h"

constexpr DWORD GENERIC_READ = 0x80000000;
constexpr DWORD FILE_SHARE_READ = 0x1;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD INVALID_FILE_SIZE = 0xFFFFFFFF;
inline const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(~UINT_PTR(0));

HANDLE CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode, LPVOID lpSecurityAttributes,
    DWORD dwCreationDisposition, DWORD dwFlagsAndAttributes, HANDLE hTemplateFile);
DWORD GetFileSize(HANDLE hFile, DWORD* lpFileSizeHigh);
BOOL ReadFile(
    HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, DWORD* lpNumberOfBytesRead, LPVOID lpOverlapped);
// Closes any handle the platform hands out: files, process snapshots, processes.
BOOL CloseHandle(HANDLE hObject);

constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_TEMPORARY = 0x100;

// One entry of a search (the names are the platform's; only these fields are filled).
struct WIN32_FIND_DATAW {
    DWORD dwFileAttributes;
    WCHAR cFileName[MAX_PATH];
};
using WIN32_FIND_DATA = WIN32_FIND_DATAW;
using LPWIN32_FIND_DATA = WIN32_FIND_DATAW*;

// Ends a search and frees its handle.
BOOL FindClose(HANDLE hFindFile);
