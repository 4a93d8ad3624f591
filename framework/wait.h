// Waiting and long work without freezing the windows: they keep repainting
// and their timers run, while taps, keys and close requests are swallowed
// and the busy cursor shows.
#pragma once

#include <chrono>
#include <functional>

#include "platform/types.h"

// Waits until every handle is signalled (a process: it has ended) or the
// time is up: WAIT_OBJECT_0 or WAIT_TIMEOUT; WAIT_FAILED, with the last
// error set, when a handle cannot be waited on.
DWORD AfxWaitForObjects(DWORD nCount, const HANDLE* lpHandles, DWORD dwMilliseconds);

// The longest a step of work should take: one frame of the screen.
constexpr std::chrono::milliseconds AFX_STEP_TIME{16};
using AFX_DEADLINE = std::chrono::steady_clock::time_point;

// Calls the step until it returns TRUE (the work is done), each time with a
// deadline AFX_STEP_TIME away that it returns at; the windows are served
// before each call. FALSE when Escape was pressed meanwhile: the work is
// abandoned.
BOOL AfxRunInSteps(const std::function<BOOL(AFX_DEADLINE deadline)>& step);
