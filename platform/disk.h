// Free and total space of a file system, under the handheld platform's names.
#pragma once

#include "platform/types.h"

union ULARGE_INTEGER {
    struct {
        DWORD LowPart;
        DWORD HighPart;
    };
    ULONGLONG QuadPart;
};
using PULARGE_INTEGER = ULARGE_INTEGER*;

// Space of the file system that holds lpDirectoryName, or of the root file
// system when it is null. Null output pointers are skipped. On failure returns
// FALSE and sets every given output to 0; a file system that does not answer
// within two seconds (a network server that is gone) counts as a failure.
BOOL GetDiskFreeSpaceExW(LPCWSTR lpDirectoryName, PULARGE_INTEGER lpFreeBytesAvailableToCaller,
    PULARGE_INTEGER lpTotalNumberOfBytes, PULARGE_INTEGER lpTotalNumberOfFreeBytes);

// Byte counts of a file system, saturated at 2^64 - 1.
struct DiskSpace {
    ULONGLONG freeBytesAvailableToCaller;
    ULONGLONG totalBytes;
    ULONGLONG totalFreeBytes;
};

// The byte counts from the file system's block counts: all blocks, free
// blocks, blocks free to unprivileged users, and the block size.
DiskSpace DiskSpaceFromBlocks(ULONGLONG blocks, ULONGLONG freeBlocks, ULONGLONG availableBlocks, ULONGLONG blockSize);
