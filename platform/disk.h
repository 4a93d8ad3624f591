// Free and total space of a file system, under the handheld platform's names.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/types.h"

union ULARGE_INTEGER {
    struct {
        DWORD LowPart;
        DWORD HighPart;
    };
    ULONGLONG QuadPart;
};
using PULARGE_INTEGER = ULARGE_INTEGER*;

// Space of the file system that holds lpDirectoryName (a file name, see
// FileNameToUtf16), or of the root file system when it is null. Null output
// pointers are skipped. On failure returns FALSE and sets every given output
// to 0; a file system that does not answer within two seconds (a network
// server that is gone) counts as a failure, and fails at once from then on
// until it answers again (see VolumeMeter).
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

// Measures file systems on a worker thread, each answer waited for at most
// the time limit. A path that did not answer in time fails at once from
// then on, until its measuring returns. The worker caught on it is left to
// finish that one call and then end; a new one serves the other paths. So a
// path that hangs holds the caller up once, holds at most one thread, and
// never holds up the others' answers or the end of the process. Exposed for
// tests, with the measuring given.
class VolumeMeter {
public:
    using MeasureFn = std::function<std::optional<DiskSpace>(const std::string& path)>;
    VolumeMeter(MeasureFn measure, std::chrono::milliseconds limit);
    ~VolumeMeter();
    VolumeMeter(const VolumeMeter&) = delete;
    VolumeMeter& operator=(const VolumeMeter&) = delete;

    // The path's figures; nullopt when it fails, does not answer in time,
    // or has not answered since it last did not.
    std::optional<DiskSpace> Measure(const std::string& path);

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
};
