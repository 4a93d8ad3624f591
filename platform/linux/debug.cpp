#include "platform/debug.h"

#include <cstdio>
#include <string>

#include "platform/text.h"

void OutputDebugStringW(LPCWSTR lpOutputString)
{
    if (!lpOutputString)
        return;
    std::string text = Utf16ToUtf8(lpOutputString);
    std::fwrite(text.data(), 1, text.size(), stderr);
}
