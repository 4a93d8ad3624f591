// Automation dates and strings under the platform's names. A DATE counts
// days since 1899-12-30 00:00, the time of day as the fraction (for dates
// before then the fraction still counts forward from midnight), from
// 100-01-01 to 9999-12-31; whole seconds only.
#pragma once

#include <cstdint>

#include "platform/types.h"

using DATE = double;
using HRESULT = LONG;
using LCID = DWORD;
using ULONG = std::uint32_t;
using OLECHAR = WCHAR;
using LPCOLESTR = const OLECHAR*;
using BSTR = OLECHAR*;

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;     // 1 to 12
    WORD wDayOfWeek; // 0 is Sunday
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

constexpr HRESULT S_OK = 0;
constexpr HRESULT E_INVALIDARG = HRESULT(0x80070057);
constexpr HRESULT E_OUTOFMEMORY = HRESULT(0x8007000E);
constexpr HRESULT DISP_E_TYPEMISMATCH = HRESULT(0x80020005); // the text is not a date
constexpr HRESULT DISP_E_OVERFLOW = HRESULT(0x8002000A);     // a date outside the DATE range
constexpr bool SUCCEEDED(HRESULT hr)
{
    return hr >= 0;
}
constexpr bool FAILED(HRESULT hr)
{
    return hr < 0;
}

// Every locale id means the user's locale (the toolkit's default locale,
// from LC_ALL, LC_TIME or LANG unless the program chose another).
constexpr LCID LOCALE_USER_DEFAULT = 0x400;
constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x800;

constexpr ULONG VAR_TIMEVALUEONLY = 0x1; // leave out the date
constexpr ULONG VAR_DATEVALUEONLY = 0x2; // leave out the time of day
// This platform's own: VarBstrFromDate writes ISO 8601 (2024-03-05T14:30:00)
// instead of the locale's format. VarDateFromStr reads both regardless.
constexpr ULONG VAR_ISO8601 = 0x01000000;

// Strings with their length in front, as automation passes them.
BSTR SysAllocString(LPCOLESTR psz);
BSTR SysAllocStringLen(const OLECHAR* strIn, UINT ui);
UINT SysStringLen(BSTR pbstr);
void SysFreeString(BSTR bstrString);

// Both return FALSE for fields or dates outside the range; milliseconds are
// ignored one way and rounded to the nearest second the other.
INT SystemTimeToVariantTime(const SYSTEMTIME* lpSystemTime, DATE* pvtime);
INT VariantTimeToSystemTime(DATE vtime, SYSTEMTIME* lpSystemTime);

// Reads ISO 8601 (date, date and time after "T" or a space, or time alone;
// no zone) or the locale's short date with its short or long time, either
// alone. Years of two digits fall in 1930 to 2029. S_OK, DISP_E_TYPEMISMATCH
// for anything else, DISP_E_OVERFLOW for a year outside 100 to 9999.
HRESULT VarDateFromStr(LPCOLESTR strIn, LCID lcid, ULONG dwFlags, DATE* pdateOut);
// Writes the locale's short date with four-digit years and its long time
// without the zone, or ISO 8601 with VAR_ISO8601; midnight leaves out the
// time and 1899-12-30 the date. The caller frees the text with SysFreeString.
HRESULT VarBstrFromDate(DATE dateIn, LCID lcid, ULONG dwFlags, BSTR* pbstrOut);
