// Listing folders and reading attributes with opendir, readdir and stat.
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "platform/error_p.h"
#include "platform/file.h"
#include "platform/linux/file_handle.h"
#include "platform/text.h"

namespace {

struct FindHandle : KernelObject {
    FindHandle(DIR* dir, std::string pattern) : dir(dir), pattern(std::move(pattern)) { }
    ~FindHandle() override { ::closedir(dir); }
    DIR* dir;
    std::string pattern;
    // The folder's own device and whether its file system is read-only,
    // found out at the first file: listings of folders alone never need them.
    bool known = false;
    dev_t device = 0;
    bool readOnly = false;
};

FindHandle* FromFindHandle(HANDLE h)
{
    return ObjectOf<FindHandle>(h);
}

bool ReadOnlyFileSystem(const char* path)
{
    struct statvfs fs { };
    return ::statvfs(path, &fs) == 0 && (fs.f_flag & ST_RDONLY);
}

bool ReadOnlyFileSystemAt(int dirFd, const char* name)
{
    const int fd = ::openat(dirFd, name, O_PATH | O_CLOEXEC);
    struct statvfs fs { };
    const bool readOnly = fd >= 0 && ::fstatvfs(fd, &fs) == 0 && (fs.f_flag & ST_RDONLY);
    if (fd >= 0)
        ::close(fd);
    return readOnly;
}

DWORD AttributesOf(bool folder, bool readOnlyFileSystem)
{
    if (folder)
        return FILE_ATTRIBUTE_DIRECTORY;
    return readOnlyFileSystem ? FILE_ATTRIBUTE_INROM : FILE_ATTRIBUTE_NORMAL;
}

// The listing's own type where it gives one, so that most entries need no
// stat; links, and file systems that do not say, are asked.
bool EntryAttributes(FindHandle& find, const dirent& entry, DWORD& dwAttributes)
{
    const int fd = ::dirfd(find.dir);
    struct stat st { };
    const bool asked = entry.d_type == DT_LNK || entry.d_type == DT_UNKNOWN;
    if (asked && ::fstatat(fd, entry.d_name, &st, 0) != 0)
        return false;
    const bool folder = asked ? S_ISDIR(st.st_mode) : entry.d_type == DT_DIR;
    if (folder) {
        dwAttributes = AttributesOf(true, false);
        return true;
    }
    if (!find.known) {
        struct stat own { };
        struct statvfs fs { };
        find.known = ::fstat(fd, &own) == 0;
        find.device = own.st_dev;
        find.readOnly = ::fstatvfs(fd, &fs) == 0 && (fs.f_flag & ST_RDONLY);
    }
    // A file on another file system (through a link) is asked about its own.
    const bool sameFileSystem = !asked || (find.known && st.st_dev == find.device);
    dwAttributes = AttributesOf(false, sameFileSystem ? find.readOnly : ReadOnlyFileSystemAt(fd, entry.d_name));
    return true;
}

} // namespace

DWORD GetFileAttributesW(LPCWSTR lpFileName)
{
    if (!lpFileName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_FILE_ATTRIBUTES;
    }
    const std::string path = FileNameFromUtf16(lpFileName);
    struct stat st { };
    if (::stat(path.c_str(), &st) != 0) {
        SetLastErrorFromErrno(errno);
        return INVALID_FILE_ATTRIBUTES;
    }
    return AttributesOf(S_ISDIR(st.st_mode), !S_ISDIR(st.st_mode) && ReadOnlyFileSystem(path.c_str()));
}

namespace {

// The listing of an open folder: its first entry, or INVALID_HANDLE_VALUE.
HANDLE FindFirstIn(DIR* dir, std::string pattern, WIN32_FIND_DATAW* lpFindFileData)
{
    if (!dir) {
        SetLastErrorFromErrno(errno);
        return INVALID_HANDLE_VALUE;
    }
    if (pattern == "*.*")
        pattern = "*";
    const HANDLE find = HandleOf(new FindHandle(dir, std::move(pattern)));
    if (!FindNextFileW(find, lpFindFileData)) {
        const DWORD error = GetLastError();
        FindClose(find);
        SetLastError(error == DWORD(ERROR_NO_MORE_FILES) ? DWORD(ERROR_FILE_NOT_FOUND) : error);
        return INVALID_HANDLE_VALUE;
    }
    return find;
}

} // namespace

HANDLE FindFirstFileW(LPCWSTR lpFileName, WIN32_FIND_DATAW* lpFindFileData)
{
    if (!lpFileName || !lpFindFileData) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    const std::string path = FileNameFromUtf16(lpFileName);
    const size_t slash = path.rfind('/');
    // "/*" lists the root; a pattern without a folder, the current one.
    const std::string folder = slash == std::string::npos ? std::string(".")
        : slash == 0                                      ? std::string("/")
                                                          : path.substr(0, slash);
    std::string pattern = slash == std::string::npos ? path : path.substr(slash + 1);
    DIR* dir = ::opendir(folder.c_str());
    return FindFirstIn(dir, std::move(pattern), lpFindFileData);
}

HANDLE FindFirstFileInFolder(HANDLE hFolder, LPCWSTR lpPattern, WIN32_FIND_DATAW* lpFindFileData)
{
    const auto* folder = ObjectOf<FileHandle>(hFolder);
    if (!folder || !lpPattern || !lpFindFileData) {
        SetLastError(folder ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return INVALID_HANDLE_VALUE;
    }
    std::string pattern = FileNameFromUtf16(lpPattern);
    // A descriptor of its own, from the start of the folder, for the listing to close.
    const int fd = ::openat(folder->fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (fd >= 0 && !dir) {
        const int error = errno;
        ::close(fd);
        errno = error;
    }
    return FindFirstIn(dir, std::move(pattern), lpFindFileData);
}

BOOL FindNextFileW(HANDLE hFindFile, WIN32_FIND_DATAW* lpFindFileData)
{
    FindHandle* find = FromFindHandle(hFindFile);
    if (!find || !lpFindFileData) {
        SetLastError(find ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(find->dir);
        if (!entry) {
            SetLastError(errno ? ErrorFromErrno(errno) : DWORD(ERROR_NO_MORE_FILES));
            return FALSE;
        }
        const std::string_view name = entry->d_name;
        if (name == "." || name == ".." || ::fnmatch(find->pattern.c_str(), entry->d_name, 0) != 0)
            continue;
        DWORD dwAttributes = 0;
        if (!EntryAttributes(*find, *entry, dwAttributes))
            continue; // gone since it was listed, or a link that leads nowhere
        const std::u16string wide = FileNameToUtf16(name);
        if (wide.size() >= MAX_PATH)
            continue; // a cut name would name another entry
        lpFindFileData->dwFileAttributes = dwAttributes;
        std::copy(wide.begin(), wide.end(), lpFindFileData->cFileName);
        lpFindFileData->cFileName[wide.size()] = 0;
        return TRUE;
    }
}
