// What a HANDLE stands for on Linux: every kind of object the platform hands
// out (open file, search, process snapshot, process) derives from one base,
// so CloseHandle and FindClose close any of them and each kind checks that a
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

// The handle of a new object; the caller gives up the object to it.
HANDLE HandleOf(KernelObject* pObject);

KernelObject* ObjectOf(HANDLE h);

// The object behind a handle as the kind asked for; null for a null or
// invalid handle or one of another kind.
template <typename T> T* ObjectOf(HANDLE h)
{
    return dynamic_cast<T*>(ObjectOf(h));
}
