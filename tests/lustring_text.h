// What a CLuString holds, as text a test can compare; empty when it holds
// no buffer at all.
#pragma once

#include <string>

#include "support/LuString.h"

inline std::u16string Text(const CLuString& s)
{
    LPCWSTR buffer = s;
    return buffer ? buffer : u"";
}
