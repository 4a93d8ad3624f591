#include <chrono>
#include <thread>

#include "platform/synch.h"

void Sleep(DWORD dwMilliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
}
