// Waiting, under the platform's names.
#pragma once

#include "platform/types.h"

constexpr DWORD INFINITE = 0xFFFFFFFF;
constexpr DWORD WAIT_OBJECT_0 = 0;
constexpr DWORD WAIT_TIMEOUT = 258;
constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;

// Suspends the calling thread for at least the given time.
void Sleep(DWORD dwMilliseconds);

// Waits until the object is signalled (a process: it has ended) or the time
// is up; returns WAIT_OBJECT_0, WAIT_TIMEOUT, or WAIT_FAILED with the last
// error set for a handle that cannot be waited on.
DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds);

// The descriptor that becomes readable once the object is signalled, for
// waiting on it beside other events (a window's); it belongs to the handle
// and closes with it. -1 with ERROR_INVALID_HANDLE for an object that is
// never signalled.
int GetWaitDescriptor(HANDLE hHandle);
