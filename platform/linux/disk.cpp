#include "platform/disk.h"

#include <chrono>
#include <condition_variable>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

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

// How long a file system may take to answer; a network server that is gone
// would otherwise hold the caller until it comes back.
constexpr std::chrono::milliseconds kAnswerLimit{2000};

// statvfs on a thread of its own, waited for at most the limit; one that
// does not answer in time counts as unreadable, and its thread finishes
// whenever the file system answers.
std::optional<struct statvfs> StatWithinLimit(const std::string& path)
{
    struct Call {
        std::mutex mutex;
        std::condition_variable done;
        bool finished = false;
        int result = -1;
        struct statvfs figures { };
    };
    auto call = std::make_shared<Call>();
    std::thread([call, path] {
        struct statvfs figures { };
        const int result = ::statvfs(path.c_str(), &figures);
        const std::lock_guard lock(call->mutex);
        call->result = result;
        call->figures = figures;
        call->finished = true;
        call->done.notify_one();
    }).detach();
    std::unique_lock lock(call->mutex);
    if (!call->done.wait_for(lock, kAnswerLimit, [&] { return call->finished; }) || call->result != 0)
        return std::nullopt;
    return call->figures;
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
    const auto answer = path.empty() ? std::nullopt : StatWithinLimit(path);
    if (!answer)
        return FALSE;
    const struct statvfs& figures = *answer;

    // f_frsize is the unit of the block counts; very old kernels leave it 0.
    const ULONGLONG blockSize = figures.f_frsize != 0 ? figures.f_frsize : figures.f_bsize;
    const DiskSpace space = DiskSpaceFromBlocks(figures.f_blocks, figures.f_bfree, figures.f_bavail, blockSize);
    Set(lpFreeBytesAvailableToCaller, space.freeBytesAvailableToCaller);
    Set(lpTotalNumberOfBytes, space.totalBytes);
    Set(lpTotalNumberOfFreeBytes, space.totalFreeBytes);
    return TRUE;
}
