#include "platform/error.h"

#include <algorithm>
#include <string>

#include "platform/error_p.h"

namespace {

thread_local DWORD t_lastError = ERROR_SUCCESS;

struct Message {
    LONG code;
    LPCWSTR text;
};

// The codes the platform layer reports, with the platform's own wording.
constexpr Message kMessages[] = {
    {ERROR_SUCCESS, u"The operation completed successfully."},
    {ERROR_FILE_NOT_FOUND, u"The system cannot find the file specified."},
    {ERROR_PATH_NOT_FOUND, u"The system cannot find the path specified."},
    {ERROR_ACCESS_DENIED, u"Access is denied."},
    {ERROR_INVALID_HANDLE, u"The handle is invalid."},
    {ERROR_OUTOFMEMORY, u"Not enough memory resources are available to complete this operation."},
    {ERROR_NO_MORE_FILES, u"There are no more files."},
    {ERROR_INVALID_PARAMETER, u"The parameter is incorrect."},
    {ERROR_DISK_FULL, u"There is not enough space on the disk."},
    {ERROR_INSUFFICIENT_BUFFER, u"The data area passed to a system call is too small."},
    {ERROR_MORE_DATA, u"More data is available."},
    {ERROR_NO_MORE_ITEMS, u"No more data is available."},
    {ERROR_BADDB, u"The configuration registry database is corrupt."},
    {ERROR_CANTOPEN, u"The configuration registry key could not be opened."},
    {ERROR_CANTREAD, u"The configuration registry key could not be read."},
    {ERROR_CANTWRITE, u"The configuration registry key could not be written."},
    {ERROR_KEY_DELETED, u"Illegal operation attempted on a registry key that has been marked for deletion."},
    {ERROR_RESOURCE_NAME_NOT_FOUND, u"The specified resource name cannot be found in the image file."},
};

bool MessageText(DWORD code, std::u16string& text)
{
    if (code & APPLICATION_ERROR_MASK) {
        text = ErrnoText(int(code & ~APPLICATION_ERROR_MASK));
        return true;
    }
    auto found = std::find_if(
        std::begin(kMessages), std::end(kMessages), [code](const Message& m) { return DWORD(m.code) == code; });
    if (found == std::end(kMessages))
        return false;
    text = found->text;
    return true;
}

} // namespace

DWORD GetLastError()
{
    return t_lastError;
}

void SetLastError(DWORD dwErrCode)
{
    t_lastError = dwErrCode;
}

DWORD FormatMessageW(DWORD dwFlags, LPCVOID, DWORD dwMessageId, DWORD, LPWSTR lpBuffer, DWORD nSize, va_list*)
{
    const bool allocate = dwFlags & FORMAT_MESSAGE_ALLOCATE_BUFFER;
    if (allocate && lpBuffer)
        *reinterpret_cast<LPWSTR*>(lpBuffer) = nullptr;
    if (!(dwFlags & FORMAT_MESSAGE_FROM_SYSTEM) || !lpBuffer) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::u16string text;
    if (!MessageText(dwMessageId, text)) {
        SetLastError(ERROR_MR_MID_NOT_FOUND);
        return 0;
    }
    LPWSTR out = lpBuffer;
    if (allocate) {
        // nSize is the least the caller wants allocated.
        out = new WCHAR[std::max<size_t>(text.size() + 1, nSize)];
        *reinterpret_cast<LPWSTR*>(lpBuffer) = out;
    } else if (text.size() >= nSize) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::copy(text.begin(), text.end(), out);
    out[text.size()] = 0;
    return DWORD(text.size());
}

HLOCAL LocalFree(HLOCAL hMem)
{
    delete[] static_cast<LPWSTR>(hMem);
    return nullptr;
}
