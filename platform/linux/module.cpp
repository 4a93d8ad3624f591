#include "platform/module.h"

#include <unistd.h>

#include <algorithm>
#include <climits>

#include "platform/text.h"

DWORD GetModuleFileNameW(HMODULE, LPWSTR lpFilename, DWORD nSize)
{
    if (!lpFilename || nSize == 0)
        return 0;
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return 0;
    const std::u16string path = FileNameToUtf16(std::string_view(buffer, size_t(n)));
    const DWORD copied = DWORD(std::min<size_t>(path.size(), nSize - 1));
    std::copy_n(path.begin(), copied, lpFilename);
    lpFilename[copied] = 0;
    return copied < path.size() ? nSize : copied;
}
