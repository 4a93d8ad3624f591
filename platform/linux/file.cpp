#include "platform/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/error_p.h"
#include "platform/linux/file_handle.h"
#include "platform/text.h"

namespace {

FileHandle* FromHandle(HANDLE h)
{
    return ObjectOf<FileHandle>(h);
}

} // namespace

HANDLE CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD, LPVOID, DWORD dwCreationDisposition,
    DWORD dwFlagsAndAttributes, HANDLE)
{
    if (!lpFileName || dwDesiredAccess != GENERIC_READ || dwCreationDisposition != OPEN_EXISTING) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    const std::string path = FileNameFromUtf16(lpFileName);
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        SetLastErrorFromErrno(errno);
        return INVALID_HANDLE_VALUE;
    }
    struct stat st { };
    const bool folderAllowed = dwFlagsAndAttributes & FILE_FLAG_BACKUP_SEMANTICS;
    if (::fstat(fd, &st) != 0 || !(S_ISREG(st.st_mode) || (folderAllowed && S_ISDIR(st.st_mode)))) {
        // A folder or device opens as the platform's refusal does.
        SetLastError(ERROR_ACCESS_DENIED);
        ::close(fd);
        return INVALID_HANDLE_VALUE;
    }
    return HandleOf(new FileHandle(fd));
}

DWORD GetFileSize(HANDLE hFile, DWORD* lpFileSizeHigh)
{
    FileHandle* f = FromHandle(hFile);
    struct stat st { };
    if (!f || ::fstat(f->fd, &st) != 0) {
        SetLastErrorFromErrno(f ? errno : EBADF);
        return INVALID_FILE_SIZE;
    }
    const auto size = static_cast<ULONGLONG>(st.st_size);
    if (lpFileSizeHigh)
        *lpFileSizeHigh = DWORD(size >> 32);
    return DWORD(size & 0xFFFFFFFFu);
}

BOOL ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, DWORD* lpNumberOfBytesRead, LPVOID)
{
    FileHandle* f = FromHandle(hFile);
    if (lpNumberOfBytesRead)
        *lpNumberOfBytesRead = 0;
    if (!f || (!lpBuffer && nNumberOfBytesToRead)) {
        SetLastError(f ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    DWORD total = 0;
    auto* out = static_cast<char*>(lpBuffer);
    while (total < nNumberOfBytesToRead) {
        const ssize_t n = ::read(f->fd, out + total, nNumberOfBytesToRead - total);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            SetLastErrorFromErrno(errno);
            return FALSE;
        }
        if (n == 0)
            break;
        total += DWORD(n);
    }
    if (lpNumberOfBytesRead)
        *lpNumberOfBytesRead = total;
    return TRUE;
}

BOOL GetFileInformationByHandle(HANDLE hFile, BY_HANDLE_FILE_INFORMATION* lpFileInformation)
{
    FileHandle* f = FromHandle(hFile);
    struct stat st { };
    if (!f || !lpFileInformation || ::fstat(f->fd, &st) != 0) {
        SetLastError(f ? (lpFileInformation ? ErrorFromErrno(errno) : DWORD(ERROR_INVALID_PARAMETER))
                       : DWORD(ERROR_INVALID_HANDLE));
        return FALSE;
    }
    const auto device = ULONGLONG(st.st_dev);
    const auto inode = ULONGLONG(st.st_ino);
    const auto size = ULONGLONG(st.st_size);
    // Device numbers fit in 32 bits on Linux (12-bit major, 20-bit minor); folding keeps any others distinct enough.
    *lpFileInformation = BY_HANDLE_FILE_INFORMATION{
        S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL, DWORD(device ^ (device >> 32)),
        DWORD(size >> 32), DWORD(size & 0xFFFFFFFFu), DWORD(st.st_nlink), DWORD(inode >> 32),
        DWORD(inode & 0xFFFFFFFFu)};
    return TRUE;
}
