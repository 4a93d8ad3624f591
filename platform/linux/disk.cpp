#include "platform/disk.h"

#include <limits>
#include <string>

#include <sys/statvfs.h>

#include "platform/linux/root.h"
#include "platform/text.h"

namespace {

ULONGLONG Bytes(ULONGLONG blocks, ULONGLONG blockSize)
{
    constexpr ULONGLONG most = std::numeric_limits<ULONGLONG>::max();
    if (blockSize != 0 && blocks > most / blockSize)
        return most;
    return blocks * blockSize;
}

void Set(PULARGE_INTEGER out, ULONGLONG value)
{
    if (out != nullptr)
        out->QuadPart = value;
}

} // namespace

DiskSpace DiskSpaceFromBlocks(ULONGLONG blocks, ULONGLONG freeBlocks, ULONGLONG availableBlocks, ULONGLONG blockSize)
{
    return {Bytes(availableBlocks, blockSize), Bytes(blocks, blockSize), Bytes(freeBlocks, blockSize)};
}

BOOL GetDiskFreeSpaceExW(LPCWSTR lpDirectoryName, PULARGE_INTEGER lpFreeBytesAvailableToCaller,
    PULARGE_INTEGER lpTotalNumberOfBytes, PULARGE_INTEGER lpTotalNumberOfFreeBytes)
{
    Set(lpFreeBytesAvailableToCaller, 0);
    Set(lpTotalNumberOfBytes, 0);
    Set(lpTotalNumberOfFreeBytes, 0);

    // The device's root store is the root file system.
    const std::string path = lpDirectoryName != nullptr ? Utf16ToUtf8(lpDirectoryName) : SystemPath("/");
    struct statvfs figures { };
    if (path.empty() || ::statvfs(path.c_str(), &figures) != 0)
        return FALSE;

    // f_frsize is the unit of the block counts; very old kernels leave it 0.
    const ULONGLONG blockSize = figures.f_frsize != 0 ? figures.f_frsize : figures.f_bsize;
    const DiskSpace space = DiskSpaceFromBlocks(figures.f_blocks, figures.f_bfree, figures.f_bavail, blockSize);
    Set(lpFreeBytesAvailableToCaller, space.freeBytesAvailableToCaller);
    Set(lpTotalNumberOfBytes, space.totalBytes);
    Set(lpTotalNumberOfFreeBytes, space.totalFreeBytes);
    return TRUE;
}
