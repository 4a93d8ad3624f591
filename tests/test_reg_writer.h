// What the writer helper stores in iteration i, so that a test can tell a
// complete value of some iteration from a torn or mixed one.
#pragma once

#include <string>
#include <vector>

#include "platform/types.h"

constexpr LPCWSTR kWriterKey = u"Software\\QuilletTest";

inline std::u16string WriterText(DWORD i)
{
    std::u16string text = u"gen-";
    for (char c : std::to_string(i))
        text += char16_t(c);
    return text + u"-" + std::u16string(i * 37 % 700, u'x');
}

inline std::vector<BYTE> WriterBytes(DWORD i)
{
    // Sizes vary past a page so that values move between database pages.
    return std::vector<BYTE>(1 + i * 53 % 6000, BYTE(i));
}
