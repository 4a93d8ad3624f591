// The running processes under the platform's tool-help names: a snapshot of
// them, and opening and ending one. Read from /proc (under QUILLET_ROOT when
// set: the processes of a fixture tree can be listed but never opened).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file.h"

constexpr DWORD TH32CS_SNAPPROCESS = 0x00000002;

struct PROCESSENTRY32 {
    DWORD dwSize; // sizeof(PROCESSENTRY32), set by the caller before the walk
    DWORD th32ProcessID;
    // When the process started (clock ticks since boot): with the id it
    // names one process for good, as an id alone does not once it is reused.
    ULONGLONG th32StartTime;
    // The program's name (see ProcessName), never empty.
    WCHAR szExeFile[MAX_PATH];
};

// A snapshot of the running processes, one record per process in id order;
// kernel threads and processes that have exited are left out. A kernel
// thread is known by its flag, or, where the flags do not say, by having
// neither an executable that can be looked at nor a command line. Only
// TH32CS_SNAPPROCESS is supported; INVALID_HANDLE_VALUE when /proc cannot be
// read. Closed with CloseHandle.
HANDLE CreateToolhelp32Snapshot(DWORD dwFlags, DWORD th32ProcessID);
// The first and the next record; FALSE with ERROR_NO_MORE_FILES after the last.
BOOL Process32First(HANDLE hSnapshot, PROCESSENTRY32* lppe);
BOOL Process32Next(HANDLE hSnapshot, PROCESSENTRY32* lppe);

// Opens the process of a snapshot record: its id and its start time. Null
// with ERROR_INVALID_PARAMETER when that process has ended (even if its id
// now names another), or with ERROR_ACCESS_DENIED when this user may not
// signal it. The access and inheritance arguments are ignored.
HANDLE OpenProcess(DWORD dwDesiredAccess, BOOL bInheritHandle, DWORD dwProcessId, ULONGLONG ullStartTime);
// Asks the process to end (SIGTERM): it may tidy up first, or ignore the
// request. The exit code is the process's own choice on Linux.
BOOL TerminateProcess(HANDLE hProcess, UINT uExitCode);
// Ends the process at once (SIGKILL); it cannot refuse.
BOOL KillProcess(HANDLE hProcess);
// An opened process is signalled for WaitForSingleObject (platform/synch.h)
// once it has ended.

// The fields of /proc/PID/stat that the snapshot uses.
struct ProcessStat {
    DWORD pid;
    std::string comm; // the kernel's short name, at most 15 bytes from the kernel
    char state;       // 'R', 'S', ... 'Z' for a zombie
    DWORD flags;      // PF_* bits; kernel threads have PF_KTHREAD
    ULONGLONG startTime;
};
constexpr DWORD PF_KTHREAD = 0x00200000;

// The text of /proc/PID/stat; nullopt when it is not one. The short name
// may hold blanks, parentheses and line breaks: it ends at the last ')'.
std::optional<ProcessStat> ParseProcessStat(std::string_view text);

// The name a process is listed by, the same whoever asks: the file name of
// its executable (without " (deleted)"; one run from memory, "/memfd:...",
// has none) when the short name begins it, as for every ordinary program;
// otherwise the short name (scripts, multi-call binaries, renamed processes,
// another user's process), lengthened to the file name of the first
// command-line word when the short name is its 15-byte start. exeLink is the target of /proc/PID/exe, nullopt when it
// cannot be read; the command line (NUL-separated words) is read only when
// needed. Control characters and bytes that are not UTF-8 become U+FFFD.
std::u16string ProcessName(std::string_view comm, std::optional<std::string_view> exeLink,
    const std::function<std::string()>& readCommandLine);
