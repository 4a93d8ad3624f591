// Files and folders. Only regular files open for reading: folders, pipes
// and devices are refused, so a misplaced file never blocks or streams
// forever. Names are the file system's bytes (see FileNameToUtf16).
#pragma once

#include "platform/types.h"

constexpr DWORD GENERIC_READ = 0x80000000;
constexpr DWORD FILE_SHARE_READ = 0x1;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD INVALID_FILE_SIZE = 0xFFFFFFFF;
inline const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(~UINT_PTR(0));
// Opens a folder too, for GetFileInformationByHandle.
constexpr DWORD FILE_FLAG_BACKUP_SEMANTICS = 0x02000000;

constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
// Set, with the directory bit, on each storage volume a volume search finds.
constexpr DWORD FILE_ATTRIBUTE_TEMPORARY = 0x100;
// Linux has no files in ROM. Its nearest kin are the files of a read-only
// mounted file system (a squashfs snap, an ISO image, the read-only /usr of
// an image-based system): part of an image that nobody can change. Such a
// file carries this attribute; a folder never does, since whole trees are
// mounted read-only and their folders must stay browsable.
constexpr DWORD FILE_ATTRIBUTE_INROM = 0x40;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;

HANDLE CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode, LPVOID lpSecurityAttributes,
    DWORD dwCreationDisposition, DWORD dwFlagsAndAttributes, HANDLE hTemplateFile);
DWORD GetFileSize(HANDLE hFile, DWORD* lpFileSizeHigh);
BOOL ReadFile(
    HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, DWORD* lpNumberOfBytesRead, LPVOID lpOverlapped);
// Closes any handle the platform hands out: files, process snapshots, processes.
BOOL CloseHandle(HANDLE hObject);

// Attributes of a path; a link counts as what it leads to, so a link to a
// folder is a folder. INVALID_FILE_ATTRIBUTES with the last error set when
// the path cannot be read (missing, no permission, a dangling link).
DWORD GetFileAttributesW(LPCWSTR lpFileName);

// The platform's records, without what nothing here reads (times; sizes
// of listed entries, which a listing does not read from the disk).
struct WIN32_FIND_DATAW {
    DWORD dwFileAttributes;
    WCHAR cFileName[MAX_PATH];
};
using WIN32_FIND_DATA = WIN32_FIND_DATAW;
using LPWIN32_FIND_DATA = WIN32_FIND_DATAW*;

struct BY_HANDLE_FILE_INFORMATION {
    DWORD dwFileAttributes;
    DWORD dwVolumeSerialNumber; // the device
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD nNumberOfLinks;
    DWORD nFileIndexHigh; // with the low half, the inode: with the device, the file's identity
    DWORD nFileIndexLow;
};

// Entries of a folder matching the last part of the path ("*" and "*.*"
// match every name), in the file system's order, without "." and "..",
// each with the attributes GetFileAttributesW gives. Links that lead
// nowhere, and entries gone before they could be asked about, are left
// out, and so are names too long for cFileName. FindFirstFileW fails with
// ERROR_FILE_NOT_FOUND when nothing matches; FindNextFileW with
// ERROR_NO_MORE_FILES at the end.
HANDLE FindFirstFileW(LPCWSTR lpFileName, WIN32_FIND_DATAW* lpFindFileData);
BOOL FindNextFileW(HANDLE hFindFile, WIN32_FIND_DATAW* lpFindFileData);
// Lists the folder that hFolder (CreateFileW with FILE_FLAG_BACKUP_SEMANTICS)
// stands for, as FindFirstFileW lists a path, with a pattern for the names
// ("*" for all): the very folder that was opened and looked at, whatever its
// path leads to by now. hFolder stays open, the caller's to close.
HANDLE FindFirstFileInFolder(HANDLE hFolder, LPCWSTR lpPattern, WIN32_FIND_DATAW* lpFindFileData);
BOOL FindClose(HANDLE hFindFile);

BOOL GetFileInformationByHandle(HANDLE hFile, BY_HANDLE_FILE_INFORMATION* lpFileInformation);
