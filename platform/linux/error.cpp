#include <cerrno>
#include <cstring>

#include "platform/error_p.h"
#include "platform/text.h"

DWORD ErrorFromErrno(int errnum)
{
    switch (errnum) {
    case 0:
        return ERROR_SUCCESS;
    case ENOENT:
        return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return ERROR_ACCESS_DENIED;
    case EBADF:
        return ERROR_INVALID_HANDLE;
    case ENOMEM:
        return ERROR_OUTOFMEMORY;
    case EINVAL:
        return ERROR_INVALID_PARAMETER;
    case ENOSPC:
        return ERROR_DISK_FULL;
    default:
        return APPLICATION_ERROR_MASK | DWORD(errnum);
    }
}

void SetLastErrorFromErrno(int errnum)
{
    SetLastError(ErrorFromErrno(errnum));
}

std::u16string ErrnoText(int errnum)
{
    char buffer[256];
    // The GNU strerror_r: thread-safe, may return a static text instead of the buffer.
    return Utf8ToUtf16(strerror_r(errnum, buffer, sizeof buffer));
}
