// CLuString over the platform services: formatting of any length, the
// program's string table, last-error texts and dates as text.
#include <gtest/gtest.h>

#include <QLocale>

#include <cerrno>
#include <cstring>
#include <string>
#include <thread>

#include "lustring_text.h"
#include "platform/error.h"
#include "platform/file.h"
#include "platform/module.h"
#include "platform/oleauto.h"
#include "platform/text.h"
#include "support/LuString.h"

namespace {

std::string Show(const SYSTEMTIME& t)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u day %u", t.wYear, t.wMonth, t.wDay, t.wHour,
        t.wMinute, t.wSecond, t.wDayOfWeek);
    return text;
}

SYSTEMTIME Time(WORD y, WORD mo, WORD d, WORD h = 0, WORD mi = 0, WORD s = 0, WORD weekday = 0)
{
    return SYSTEMTIME{y, mo, weekday, d, h, mi, s, 0};
}

void UseLocale(const char* name)
{
    QLocale::setDefault(QLocale(QString::fromLatin1(name)));
}

} // namespace

TEST(LuStringServices, FormatGrowsToAnyLength)
{
    const std::u16string longText(3000, u'x');
    struct Row {
        const char* fault;
        std::function<int(CLuString&)> format;
        std::u16string expected;
        DWORD capacity;
    };
    const Row rows[] = {
        {"wide %s and %d", [](CLuString& s) { return s.Format(u"%s=%d", u"Pause", 15); }, u"Pause=15", 2065},
        {"narrow %hs beside wide %s", [](CLuString& s) { return s.Format(u"%hs/%s", "ab", u"Жж"); }, u"ab/Жж", 2065},
        {"a result past 2,048 characters is cut or overruns",
            [&](CLuString& s) { return s.Format(u"%s%s", longText.c_str(), u"end"); }, longText + u"end", 3003 + 17},
        {"formatting its own text reads a freed buffer",
            [](CLuString& s) {
                s = u"abc";
                return s.Format(u"%s!", static_cast<LPCWSTR>(s));
            },
            u"abc!", 2065},
        {"null format", [](CLuString& s) { return s.Format(nullptr); }, u"", 2065},
    };
    for (const Row& row : rows) {
        CLuString s;
        EXPECT_EQ(row.format(s), int(row.expected.size())) << row.fault;
        EXPECT_EQ(Text(s), row.expected) << row.fault;
        EXPECT_EQ(s.GetCapacity(), row.capacity) << row.fault;
    }
}

TEST(LuStringServices, LoadStringReadsTheRegisteredTable)
{
    static const std::u16string longText(1500, u'y');
    SetStringTableLookup([](UINT id) -> LPCWSTR {
        switch (id) {
        case 1:
            return u"Подзарядка...";
        case 2:
            return u"";
        case 3:
            return longText.c_str();
        default:
            return nullptr;
        }
    });
    struct Row {
        const char* fault;
        UINT id;
        bool loaded;
        std::u16string expected;
    };
    const Row rows[] = {
        {"found text", 1, true, u"Подзарядка..."},
        {"missing id keeps the old text", 9, false, u""},
        {"empty text counts as loaded", 2, false, u""},
        {"text past 1,024 characters is cut", 3, true, longText},
    };
    for (const Row& row : rows) {
        CLuString s(u"old");
        EXPECT_EQ(s.LoadString(nullptr, row.id), row.loaded) << row.fault;
        EXPECT_EQ(Text(s), row.expected) << row.fault;
    }
    SetStringTableLookup(nullptr);
    CLuString s(u"old");
    EXPECT_FALSE(s.LoadString(nullptr, 1)) << "no table registered (quillet-reg)";
    EXPECT_EQ(GetLastError(), DWORD(ERROR_RESOURCE_NAME_NOT_FOUND));
}

TEST(LuStringServices, LastErrorTextNamesPlatformAndErrnoCodes)
{
    const std::string tooLong = "/tmp/" + std::string(300, 'a');
    struct Row {
        const char* fault;
        std::function<void()> fail;
        std::u16string expected;
    };
    const Row rows[] = {
        {"platform code", [] { SetLastError(ERROR_NO_MORE_ITEMS); }, u"No more data is available."},
        {"missing file not mapped to its platform code",
            [] { CreateFileW(u"/nonexistent/QSet.ini", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr); },
            u"The system cannot find the file specified."},
        {"folder opened as a file", [] { CreateFileW(u"/", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr); },
            u"Access is denied."},
        {"errno without platform code loses its text",
            [&] { CreateFileW(Utf8ToUtf16(tooLong).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr); },
            Utf8ToUtf16(std::strerror(ENAMETOOLONG))},
        {"another thread's error leaks into this one",
            [] {
                SetLastError(ERROR_MORE_DATA);
                std::thread([] { SetLastError(ERROR_ACCESS_DENIED); }).join();
            },
            u"More data is available."},
        {"unknown code", [] { SetLastError(0x1234); }, u""},
    };
    for (const Row& row : rows) {
        row.fail();
        EXPECT_EQ(Text(CLuString::LastErrorText()), row.expected) << row.fault;
    }
    CreateFileW(Utf8ToUtf16(tooLong).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(GetLastError(), APPLICATION_ERROR_MASK | ENAMETOOLONG);
}

TEST(LuStringServices, ToSystemTimeReadsIsoAndLocaleShortFormat)
{
    struct Row {
        const char* fault;
        const char* locale;
        LPCWSTR text;
        DWORD flags;
        std::string expected; // the date, or the debug line on failure
    };
    const Row rows[] = {
        {"ISO date and time", "de_DE", u"2024-03-05T14:30:15", 0, "2024-03-05 14:30:15 day 2"},
        {"ISO leap day", "en_US", u"2024-02-29", 0, "2024-02-29 00:00:00 day 4"},
        {"locale short date and time", "de_DE", u"05.03.2024 14:30", 0, "2024-03-05 14:30:00 day 2"},
        {"single digits where the locale writes two", "de_DE", u"5.3.2024", 0, "2024-03-05 00:00:00 day 2"},
        {"two-digit year in the wrong century", "de_DE", u"05.03.24", 0, "2024-03-05 00:00:00 day 2"},
        {"two-digit year 30 is 1930", "en_US", u"1/1/30", 0, "1930-01-01 00:00:00 day 3"},
        {"AM/PM long time", "en_US", u"3/5/2024 2:30:15 PM", 0, "2024-03-05 14:30:15 day 2"},
        {"time alone falls on day zero", "de_DE", u"14:30", 0, "1899-12-30 14:30:00 day 6"},
        {"date before day zero", "de_DE", u"1800-06-15T18:00:00", 0, "1800-06-15 18:00:00 day 0"},
        {"date-only flag leaves out the time", "de_DE", u"2024-03-05T14:30", VAR_DATEVALUEONLY,
            "2024-03-05 00:00:00 day 2"},
        {"garbage", "de_DE", u"not a date", 0, "CLuString::ToSystemTime() Failed - Type Mismatch\n"},
        {"impossible day", "de_DE", u"31.02.2024", 0, "CLuString::ToSystemTime() Failed - Type Mismatch\n"},
        {"empty text", "de_DE", u"", 0, "CLuString::ToSystemTime() Failed - Type Mismatch\n"},
        {"ISO year 10000", "de_DE", u"10000-01-01", 0, "CLuString::ToSystemTime() Failed - Overflow\n"},
        {"locale year 10000", "de_DE", u"01.01.10000 12:00", 0, "CLuString::ToSystemTime() Failed - Overflow\n"},
        {"year below 100", "de_DE", u"0099-12-31", 0, "CLuString::ToSystemTime() Failed - Overflow\n"},
    };
    for (const Row& row : rows) {
        UseLocale(row.locale);
        SYSTEMTIME t{};
        testing::internal::CaptureStderr();
        const bool ok = CLuString(row.text).ToSystemTime(t, row.flags);
        const std::string debug = testing::internal::GetCapturedStderr();
        EXPECT_EQ(ok ? Show(t) : debug, row.expected) << row.fault;
        EXPECT_EQ(ok, debug.empty()) << row.fault;
    }
}

TEST(LuStringServices, FromSystemTimeWritesWhatToSystemTimeReads)
{
    struct Row {
        const char* fault;
        const char* locale;
        SYSTEMTIME time;
        DWORD flags;
        std::u16string expected;
    };
    const Row rows[] = {
        {"locale short date and long time", "de_DE", Time(2024, 3, 5, 14, 30, 15), 0, u"05.03.2024 14:30:15"},
        {"AM/PM", "en_US", Time(2024, 3, 5, 14, 30, 15), 0, u"3/5/2024 2:30:15 PM"},
        {"two-digit year reads back in another century", "en_US", Time(1925, 1, 1, 8), 0, u"1/1/1925 8:00:00 AM"},
        {"ISO 8601", "de_DE", Time(2024, 3, 5, 14, 30, 15), VAR_ISO8601, u"2024-03-05T14:30:15"},
        {"midnight leaves out the time", "de_DE", Time(2024, 3, 5), 0, u"05.03.2024"},
        {"day zero leaves out the date", "de_DE", Time(1899, 12, 30, 8, 5), 0, u"08:05:00"},
        {"date before day zero", "de_DE", Time(1800, 6, 15, 18), VAR_ISO8601, u"1800-06-15T18:00:00"},
        {"first year", "de_DE", Time(100, 1, 1, 0, 0, 1), VAR_ISO8601, u"0100-01-01T00:00:01"},
        {"last second", "de_DE", Time(9999, 12, 31, 23, 59, 59), VAR_ISO8601, u"9999-12-31T23:59:59"},
    };
    for (const Row& row : rows) {
        UseLocale(row.locale);
        CLuString s;
        EXPECT_TRUE(s.FromSystemTime(row.time, row.flags)) << row.fault;
        EXPECT_EQ(Text(s), row.expected) << row.fault;
        SYSTEMTIME back{};
        const bool read = s.ToSystemTime(back, 0);
        EXPECT_TRUE(read) << row.fault;
        if (!read)
            continue;
        SYSTEMTIME expected = row.time;
        expected.wDayOfWeek = back.wDayOfWeek;
        EXPECT_EQ(Show(back), Show(expected)) << row.fault;
    }
    CLuString s(u"kept");
    EXPECT_FALSE(s.FromSystemTime(Time(2024, 13, 1), 0));
    EXPECT_EQ(Text(s), u"kept");
}
