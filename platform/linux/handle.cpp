#include "platform/linux/handle.h"

#include "platform/error.h"
#include "platform/file.h"
#include "platform/synch.h"

DWORD KernelObject::Wait(DWORD)
{
    SetLastError(ERROR_INVALID_HANDLE);
    return WAIT_FAILED;
}

HANDLE HandleOf(KernelObject* pObject)
{
    return pObject;
}

KernelObject* ObjectOf(HANDLE h)
{
    return (h && h != INVALID_HANDLE_VALUE) ? static_cast<KernelObject*>(h) : nullptr;
}

BOOL CloseHandle(HANDLE hObject)
{
    KernelObject* pObject = ObjectOf(hObject);
    if (!pObject) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    delete pObject;
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
