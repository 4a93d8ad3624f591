// Everything one key holds, read through the enumeration calls.
#pragma once

#include <string>
#include <vector>

#include "platform/registry.h"

struct RegValue {
    std::u16string name; // empty for the key's default value
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

LONG ReadValues(HKEY key, std::vector<RegValue>& values);
LONG ReadSubKeys(HKEY key, std::vector<std::u16string>& names);
