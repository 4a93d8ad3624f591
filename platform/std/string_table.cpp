#include <algorithm>
#include <atomic>

#include "platform/error.h"
#include "platform/module.h"
#include "platform/text.h"

namespace {

std::atomic<STRINGLOOKUPPROC> g_lookup{nullptr};

} // namespace

void SetStringTableLookup(STRINGLOOKUPPROC pfnLookup)
{
    g_lookup = pfnLookup;
}

int LoadStringW(HINSTANCE, UINT uID, LPWSTR lpBuffer, int cchBufferMax)
{
    if (!lpBuffer || cchBufferMax < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const STRINGLOOKUPPROC lookup = g_lookup;
    LPCWSTR text = lookup ? lookup(uID) : nullptr;
    if (!text)
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    const size_t length = WideLength(text);
    if (cchBufferMax == 0) {
        *reinterpret_cast<LPCWSTR*>(lpBuffer) = text;
        return int(length);
    }
    const size_t copied = std::min(length, size_t(cchBufferMax - 1));
    std::copy_n(text ? text : u"", copied, lpBuffer);
    lpBuffer[copied] = 0;
    return int(copied);
}
