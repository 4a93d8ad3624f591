// Basic value types and handles shared by the platform layer, the framework
// and the program. Names and values follow the handheld platform's headers.
#pragma once

#include <cstddef>
#include <cstdint>

using BOOL = int;
constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using UINT = unsigned int;
using INT = int;
using LONGLONG = std::int64_t;
using ULONGLONG = std::uint64_t;
using SIZE_T = std::size_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;

// All texts are UTF-16, as on the original platform.
using WCHAR = char16_t;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;
using LPCVOID = const void*;

// Handles of kernel objects and windows are values looked up in tables,
// never pointers to follow: HWND__ is never defined.
using HANDLE = void*;
using HINSTANCE = void*;
using HMODULE = void*;

struct HWND__;
using HWND = HWND__*;

// Colour value laid out 0x00BBGGRR (red in the lowest byte).
using COLORREF = DWORD;
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b)
{
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c)
{
    return BYTE(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c)
{
    return BYTE((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c)
{
    return BYTE((c >> 16) & 0xFF);
}

constexpr WORD LOWORD(UINT_PTR v)
{
    return WORD(v & 0xFFFF);
}
constexpr WORD HIWORD(UINT_PTR v)
{
    return WORD((v >> 16) & 0xFFFF);
}
constexpr LPARAM MAKELPARAM(WORD lo, WORD hi)
{
    return LPARAM(DWORD(lo) | (DWORD(hi) << 16));
}
constexpr WPARAM MAKEWPARAM(WORD lo, WORD hi)
{
    return WPARAM(DWORD(lo) | (DWORD(hi) << 16));
}

constexpr DWORD MAX_PATH = 260;

// Path separator of file paths (registry key paths keep "\\").
constexpr WCHAR PATH_SEPARATOR = u'/';
