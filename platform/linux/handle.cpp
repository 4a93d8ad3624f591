#include "platform/linux/handle.h"

#include <memory>

#include "platform/error.h"
#include "platform/file.h"
#include "platform/handle_table_p.h"
#include "platform/synch.h"

namespace {

HandleTable<std::unique_ptr<KernelObject>>& Handles()
{
    static HandleTable<std::unique_ptr<KernelObject>> table;
    return table;
}

} // namespace

DWORD KernelObject::Wait(DWORD)
{
    SetLastError(ERROR_INVALID_HANDLE);
    return WAIT_FAILED;
}

HANDLE HandleOf(KernelObject* pObject)
{
    return reinterpret_cast<HANDLE>(Handles().Add(std::unique_ptr<KernelObject>(pObject)));
}

KernelObject* ObjectOf(HANDLE h)
{
    return Handles().Find(reinterpret_cast<UINT_PTR>(h));
}

BOOL CloseHandle(HANDLE hObject)
{
    // The object goes once it is out of the table: closing a folder or a
    // descriptor never holds the table up.
    if (!Handles().Remove(reinterpret_cast<UINT_PTR>(hObject))) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

BOOL FindClose(HANDLE hFindFile)
{
    return CloseHandle(hFindFile);
}

DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds)
{
    KernelObject* pObject = ObjectOf(hHandle);
    if (!pObject) {
        SetLastError(ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    return pObject->Wait(dwMilliseconds);
}
