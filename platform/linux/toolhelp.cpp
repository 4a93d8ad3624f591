#include "platform/toolhelp.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
// This glibc's header declares the calls without C linkage.
extern "C" {
#include <sys/pidfd.h>
}

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdio>
#include <memory>
#include <vector>

#include "platform/error_p.h"
#include "platform/linux/handle.h"
#include "platform/linux/root.h"
#include "platform/synch.h"

namespace {

// /proc files of one process are a few hundred bytes; a command line that
// goes on is cut, as only its first word counts.
constexpr std::size_t kProcFileLimit = 4096;

// A small file below an open folder, read to its end (or the limit).
std::optional<std::string> ReadAt(int dirFd, const char* path)
{
    const int fd = ::openat(dirFd, path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::string text(kProcFileLimit, '\0');
    std::size_t size = 0;
    while (size < text.size()) {
        const ssize_t n = ::read(fd, text.data() + size, text.size() - size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        size += std::size_t(n);
    }
    ::close(fd);
    text.resize(size);
    return text;
}

std::optional<std::string> ReadLinkAt(int dirFd, const char* path)
{
    char target[PATH_MAX];
    const ssize_t n = ::readlinkat(dirFd, path, target, sizeof target);
    if (n < 0 || std::size_t(n) >= sizeof target)
        return std::nullopt;
    return std::string(target, std::size_t(n));
}

bool IsRunningProgram(const ProcessStat& stat)
{
    const bool ended = stat.state == 'Z' || stat.state == 'X' || stat.state == 'x';
    return !ended && !(stat.flags & PF_KTHREAD);
}

struct Snapshot : KernelObject {
    std::vector<PROCESSENTRY32> records;
    std::size_t next = 0;
};

std::vector<DWORD> ProcessIds(DIR* proc)
{
    std::vector<DWORD> ids;
    while (const dirent* entry = ::readdir(proc)) {
        DWORD id = 0;
        const std::string_view name = entry->d_name;
        const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), id);
        if (error == std::errc() && end == name.data() + name.size() && id != 0)
            ids.push_back(id);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

// One process's record; false when it is gone or is no running program.
bool ReadRecord(int procFd, DWORD id, PROCESSENTRY32& record)
{
    char path[32];
    std::snprintf(path, sizeof path, "%u/stat", unsigned(id));
    const auto text = ReadAt(procFd, path);
    const auto stat = text ? ParseProcessStat(*text) : std::nullopt;
    if (!stat || !IsRunningProgram(*stat))
        return false;
    std::snprintf(path, sizeof path, "%u/exe", unsigned(id));
    const auto exe = ReadLinkAt(procFd, path);
    std::optional<std::string> commandLine; // read once, and only when needed
    const auto readCommandLine = [&] {
        if (!commandLine) {
            std::snprintf(path, sizeof path, "%u/cmdline", unsigned(id));
            commandLine = ReadAt(procFd, path).value_or(std::string());
        }
        return *commandLine;
    };
    // Where the flags do not tell kernel threads (some sandboxes' /proc),
    // they are the processes with no program and no command line.
    if (!exe && readCommandLine().empty())
        return false;
    const std::u16string name = ProcessName(stat->comm, exe, readCommandLine);
    record = PROCESSENTRY32{};
    record.dwSize = sizeof(PROCESSENTRY32);
    record.th32ProcessID = id;
    record.th32StartTime = stat->startTime;
    std::copy_n(name.begin(), std::min<std::size_t>(name.size(), MAX_PATH - 1), record.szExeFile);
    return true;
}

BOOL NextRecord(HANDLE hSnapshot, PROCESSENTRY32* lppe, bool first)
{
    auto* snapshot = ObjectOf<Snapshot>(hSnapshot);
    if (!snapshot || !lppe || lppe->dwSize != sizeof(PROCESSENTRY32)) {
        SetLastError(snapshot ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (first)
        snapshot->next = 0;
    if (snapshot->next >= snapshot->records.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    *lppe = snapshot->records[snapshot->next++];
    return TRUE;
}

// An opened process: a descriptor that stays with that one process, so a
// signal never reaches another that took its id.
struct ProcessHandle : KernelObject {
    explicit ProcessHandle(int fd) : pidfd(fd) { }
    ~ProcessHandle() override { ::close(pidfd); }

    DWORD Wait(DWORD dwMilliseconds) override
    {
        using Clock = std::chrono::steady_clock;
        const auto deadline = Clock::now() + std::chrono::milliseconds(dwMilliseconds);
        for (;;) {
            int timeout = -1;
            if (dwMilliseconds != INFINITE) {
                const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
                timeout = int(std::clamp<long long>(left, 0, INT_MAX));
            }
            pollfd ended{pidfd, POLLIN, 0};
            const int n = ::poll(&ended, 1, timeout);
            if (n > 0)
                return WAIT_OBJECT_0;
            if (n == 0)
                return WAIT_TIMEOUT;
            if (errno != EINTR) {
                SetLastErrorFromErrno(errno);
                return WAIT_FAILED;
            }
        }
    }

    BOOL Signal(int signal) const
    {
        if (::pidfd_send_signal(pidfd, signal, nullptr, 0) == 0)
            return TRUE;
        SetLastErrorFromErrno(errno);
        return FALSE;
    }

    int pidfd;
};

BOOL SignalProcess(HANDLE hProcess, int signal)
{
    const auto* process = ObjectOf<ProcessHandle>(hProcess);
    if (!process) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return process->Signal(signal);
}

// An id that names no process, or not the snapshot's, is a process that
// has ended, as the platform reports an id no longer in use.
HANDLE OpenFailed(int errnum)
{
    if (errnum == ESRCH)
        SetLastError(ERROR_INVALID_PARAMETER);
    else
        SetLastErrorFromErrno(errnum);
    return nullptr;
}

} // namespace

HANDLE CreateToolhelp32Snapshot(DWORD dwFlags, DWORD)
{
    if (!(dwFlags & TH32CS_SNAPPROCESS)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    DIR* proc = ::opendir(SystemPath("/proc").c_str());
    if (!proc) {
        SetLastErrorFromErrno(errno);
        return INVALID_HANDLE_VALUE;
    }
    auto snapshot = std::make_unique<Snapshot>();
    const std::vector<DWORD> ids = ProcessIds(proc);
    snapshot->records.reserve(ids.size());
    PROCESSENTRY32 record;
    // Processes that end while they are read are simply not listed.
    for (DWORD id : ids)
        if (ReadRecord(::dirfd(proc), id, record))
            snapshot->records.push_back(record);
    ::closedir(proc);
    return HandleOf(snapshot.release());
}

BOOL Process32First(HANDLE hSnapshot, PROCESSENTRY32* lppe)
{
    return NextRecord(hSnapshot, lppe, true);
}

BOOL Process32Next(HANDLE hSnapshot, PROCESSENTRY32* lppe)
{
    return NextRecord(hSnapshot, lppe, false);
}

HANDLE OpenProcess(DWORD, BOOL, DWORD dwProcessId, ULONGLONG ullStartTime)
{
    // A fixture's ids are not this machine's processes.
    if (UsingFixtureRoot()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    const int fd = ::pidfd_open(pid_t(dwProcessId), 0);
    if (fd < 0)
        return OpenFailed(errno);
    auto process = std::make_unique<ProcessHandle>(fd);
    // The descriptor holds whatever process has the id now; its start time
    // tells whether that is still the one of the snapshot.
    char path[32];
    std::snprintf(path, sizeof path, "/proc/%u/stat", unsigned(dwProcessId));
    const auto text = ReadSystemFile(path, kProcFileLimit);
    const auto stat = text ? ParseProcessStat(*text) : std::nullopt;
    if (!stat || stat->startTime != ullStartTime || !IsRunningProgram(*stat))
        return OpenFailed(ESRCH);
    // Still there after the read (so the read was of it), and ours to signal?
    if (::pidfd_send_signal(fd, 0, nullptr, 0) != 0)
        return OpenFailed(errno);
    return HandleOf(process.release());
}

BOOL TerminateProcess(HANDLE hProcess, UINT)
{
    return SignalProcess(hProcess, SIGTERM);
}

BOOL KillProcess(HANDLE hProcess)
{
    return SignalProcess(hProcess, SIGKILL);
}

int GetWaitDescriptor(HANDLE hHandle)
{
    // Opened processes are the only objects that are ever signalled.
    const auto* process = ObjectOf<ProcessHandle>(hHandle);
    if (!process) {
        SetLastError(ERROR_INVALID_HANDLE);
        return -1;
    }
    return process->pidfd;
}
