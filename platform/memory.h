// Physical memory and swap, under the handheld platform's names, read from
// /proc/meminfo. Figures are 64-bit byte counts.
#pragma once

#include <string_view>

#include "platform/types.h"

static_assert(sizeof(SIZE_T) == 8, "memory figures are 64-bit");

struct MEMORYSTATUS {
    DWORD dwLength;         // sizeof(MEMORYSTATUS)
    DWORD dwMemoryLoad;     // percent of physical memory in use, 0..100
    SIZE_T dwTotalPhys;     // bytes
    SIZE_T dwAvailPhys;     // bytes available without swapping
    SIZE_T dwTotalPageFile; // swap, bytes
    SIZE_T dwAvailPageFile;
    SIZE_T dwTotalVirtual; // the physical figures again: there is no separate
    SIZE_T dwAvailVirtual; // per-process address-space limit worth showing
};

// Fills the record; every figure is 0 when /proc/meminfo cannot be read or
// makes no sense.
void GlobalMemoryStatus(MEMORYSTATUS* lpBuffer);

// The record that the text of /proc/meminfo describes. Available memory is
// MemAvailable, or MemFree on kernels without it.
MEMORYSTATUS MemoryStatusFromMeminfo(std::string_view text);
