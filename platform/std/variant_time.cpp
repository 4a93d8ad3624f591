#include <chrono>
#include <cmath>

#include "platform/oleauto.h"

namespace {

using namespace std::chrono;

constexpr sys_days kEpoch = year{1899} / December / 30;
constexpr long long kSecondsPerDay = 86400;
constexpr int kFirstYear = 100, kLastYear = 9999;

} // namespace

INT SystemTimeToVariantTime(const SYSTEMTIME* lpSystemTime, DATE* pvtime)
{
    if (!lpSystemTime || !pvtime)
        return FALSE;
    const SYSTEMTIME& st = *lpSystemTime;
    const year_month_day ymd{year{st.wYear}, month{st.wMonth}, day{st.wDay}};
    if (st.wYear < kFirstYear || st.wYear > kLastYear || !ymd.ok() || st.wHour > 23 || st.wMinute > 59 ||
        st.wSecond > 59)
        return FALSE;
    const double days = double((sys_days{ymd} - kEpoch).count());
    const double time = double(st.wHour * 3600 + st.wMinute * 60 + st.wSecond) / double(kSecondsPerDay);
    *pvtime = days < 0 ? days - time : days + time;
    return TRUE;
}

INT VariantTimeToSystemTime(DATE vtime, SYSTEMTIME* lpSystemTime)
{
    constexpr double kFirst = double((sys_days{year{kFirstYear} / January / 1} - kEpoch).count());
    constexpr double kEnd = double((sys_days{year{kLastYear + 1} / January / 1} - kEpoch).count());
    // Dates before day zero count the time forward from their midnight, so
    // the first day's times lie below kFirst.
    if (!lpSystemTime || std::isnan(vtime) || std::trunc(vtime) < kFirst || vtime >= kEnd)
        return FALSE;
    const double whole = std::trunc(vtime);
    sys_days day = kEpoch + days{static_cast<long long>(whole)};
    long long seconds = std::llround(std::fabs(vtime - whole) * double(kSecondsPerDay));
    if (seconds >= kSecondsPerDay) { // rounded up to the next midnight
        day += days{1};
        seconds -= kSecondsPerDay;
    }
    const year_month_day ymd{day};
    if (int(ymd.year()) > kLastYear)
        return FALSE;
    *lpSystemTime = SYSTEMTIME{WORD(int(ymd.year())), WORD(unsigned(ymd.month())), WORD(weekday{day}.c_encoding()),
        WORD(unsigned(ymd.day())), WORD(seconds / 3600), WORD(seconds / 60 % 60), WORD(seconds % 60), 0};
    return TRUE;
}
