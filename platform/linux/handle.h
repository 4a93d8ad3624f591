// What a HANDLE stands for on Linux: every kind of object the platform hands
// out (open file, search, process snapshot, process) derives from one base
// and lives in one table of handles, so CloseHandle and FindClose close any
// of them, a closed or stale handle is refused, and each kind checks that a
// handle is its own.
#pragma once

#include "platform/types.h"

struct KernelObject {
    KernelObject() = default;
    KernelObject(const KernelObject&) = delete;
    KernelObject& operator=(const KernelObject&) = delete;
    virtual ~KernelObject() = default;
    // Blocks until the object is signalled or the time is up: WAIT_OBJECT_0,
    // WAIT_TIMEOUT, or WAIT_FAILED for objects that are never signalled.
    virtual DWORD Wait(DWORD dwMilliseconds);
};

// The handle of a new object; the table owns the object until the handle
// is closed.
HANDLE HandleOf(KernelObject* pObject);

// The object behind an open handle; null for a null, invalid, closed or
// stale one. It lives until the handle is closed: a handle is closed by the
// thread that uses it, as on the platform.
KernelObject* ObjectOf(HANDLE h);

// The object behind a handle as the kind asked for; null for a handle that
// is not open or is of another kind.
template <typename T> T* ObjectOf(HANDLE h)
{
    return dynamic_cast<T*>(ObjectOf(h));
}
