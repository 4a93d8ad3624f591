#include "platform/disk.h"

#include <chrono>
#include <condition_variable>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
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

std::optional<DiskSpace> StatFileSystem(const std::string& path)
{
    struct statvfs figures { };
    if (::statvfs(path.c_str(), &figures) != 0)
        return std::nullopt;
    // f_frsize is the unit of the block counts; very old kernels leave it 0.
    const ULONGLONG blockSize = figures.f_frsize != 0 ? figures.f_frsize : figures.f_bsize;
    return DiskSpaceFromBlocks(figures.f_blocks, figures.f_bfree, figures.f_bavail, blockSize);
}

// One question to a worker and its answer.
struct Request {
    std::string path;
    bool answered = false;
    std::optional<DiskSpace> space;
};

// What a worker thread shares with the meter: the question it is to take
// next, and whether it has been left behind on a path that hangs.
struct Worker {
    std::shared_ptr<Request> next;
    bool retired = false;
};

} // namespace

struct VolumeMeter::Shared {
    // A worker's life: questions until it is retired or the meter closes.
    void Serve(Worker& worker)
    {
        std::unique_lock lock(mutex);
        for (;;) {
            asked.wait(lock, [&] { return worker.next || closing; });
            if (!worker.next)
                return;
            const std::shared_ptr<Request> request = std::move(worker.next);
            lock.unlock();
            std::optional<DiskSpace> space = measure(request->path);
            lock.lock();
            request->space = space;
            request->answered = true;
            // Late or not, it has answered: asked again, it is measured again.
            silent.erase(request->path);
            answered.notify_all();
            if (worker.retired)
                return;
        }
    }

    MeasureFn measure;
    std::chrono::milliseconds limit{};
    std::mutex callers; // one question at a time
    std::mutex mutex;   // the rest
    std::condition_variable asked;
    std::condition_variable answered;
    std::shared_ptr<Worker> worker; // the one that takes questions now
    std::set<std::string> silent;   // paths whose measuring has not returned in time
    bool closing = false;
};

namespace {

VolumeMeter& Meter()
{
    // Never destroyed: a worker caught on a hanging path may outlive main.
    static auto* meter = new VolumeMeter(StatFileSystem, kAnswerLimit);
    return *meter;
}

} // namespace

DiskSpace DiskSpaceFromBlocks(ULONGLONG blocks, ULONGLONG freeBlocks, ULONGLONG availableBlocks, ULONGLONG blockSize)
{
    return {Bytes(availableBlocks, blockSize), Bytes(blocks, blockSize), Bytes(freeBlocks, blockSize)};
}

VolumeMeter::VolumeMeter(MeasureFn measure, std::chrono::milliseconds limit) : m_shared(std::make_shared<Shared>())
{
    m_shared->measure = std::move(measure);
    m_shared->limit = limit;
}

VolumeMeter::~VolumeMeter()
{
    // Workers hold the shared part: the idle one ends now, one caught on a
    // hanging path when that path answers.
    const std::lock_guard lock(m_shared->mutex);
    m_shared->closing = true;
    m_shared->asked.notify_all();
}

std::optional<DiskSpace> VolumeMeter::Measure(const std::string& path)
{
    const std::lock_guard caller(m_shared->callers);
    std::unique_lock lock(m_shared->mutex);
    if (m_shared->silent.count(path))
        return std::nullopt;
    if (!m_shared->worker) {
        m_shared->worker = std::make_shared<Worker>();
        std::thread([shared = m_shared, worker = m_shared->worker] { shared->Serve(*worker); }).detach();
    }
    auto request = std::make_shared<Request>();
    request->path = path;
    m_shared->worker->next = request;
    m_shared->asked.notify_all();
    if (!m_shared->answered.wait_for(lock, m_shared->limit, [&] { return request->answered; })) {
        m_shared->silent.insert(path);
        m_shared->worker->retired = true;
        m_shared->worker.reset();
        return std::nullopt;
    }
    return request->space;
}

BOOL GetDiskFreeSpaceExW(LPCWSTR lpDirectoryName, PULARGE_INTEGER lpFreeBytesAvailableToCaller,
    PULARGE_INTEGER lpTotalNumberOfBytes, PULARGE_INTEGER lpTotalNumberOfFreeBytes)
{
    Set(lpFreeBytesAvailableToCaller, 0);
    Set(lpTotalNumberOfBytes, 0);
    Set(lpTotalNumberOfFreeBytes, 0);

    // The device's root store is the root file system. Names are bytes, not
    // always UTF-8: a mount point's is taken back whole.
    const std::string path = lpDirectoryName != nullptr ? FileNameFromUtf16(lpDirectoryName) : SystemPath("/");
    const auto space = path.empty() ? std::nullopt : Meter().Measure(path);
    if (!space)
        return FALSE;
    Set(lpFreeBytesAvailableToCaller, space->freeBytesAvailableToCaller);
    Set(lpTotalNumberOfBytes, space->totalBytes);
    Set(lpTotalNumberOfFreeBytes, space->totalFreeBytes);
    return TRUE;
}
