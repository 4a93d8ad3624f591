// The process snapshot: /proc/PID/stat, the name rule, fixture trees, and
// opening real processes of this test by their snapshot record.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "child_process.h"
#include "fixture_root.h"
#include "platform/error.h"
#include "platform/synch.h"
#include "platform/toolhelp.h"

namespace {

// A whole /proc/PID/stat line with the fields the snapshot reads.
std::string StatLine(int pid, const std::string& comm, char state = 'S', DWORD flags = 4194560, ULONGLONG start = 900)
{
    return std::to_string(pid) + " (" + comm + ") " + state + " 1 " + std::to_string(pid) + " " + std::to_string(pid) +
        " 0 -1 " + std::to_string(flags) + " 120 0 0 0 3 1 0 0 20 0 1 0 " + std::to_string(start) +
        " 5484544 292 18446744073709551615 1 1 0 0 0 0 0 0 0 0 0 0 17 1 0 0 0 0 0\n";
}

TEST(ParseProcessStat, Lines)
{
    struct Case {
        const char* name;
        std::string text;
        std::optional<std::string> comm; // nullopt: not a stat line
        char state;
        ULONGLONG start;
    };
    const Case cases[] = {
        {"Plain", StatLine(1234, "bash"), "bash", 'S', 900},
        {"BlanksAndParenthesesInName", StatLine(77, "a) b (c)", 'R', 0, 123456789012ULL), "a) b (c)", 'R',
            123456789012ULL},
        {"LineBreakInName", StatLine(5, "two\nlines", 'Z'), "two\nlines", 'Z', 900},
        {"EmptyName", StatLine(6, ""), "", 'S', 900},
        {"TruncatedBeforeStartTime", "1234 (bash) S 1 1234 1234 0 -1 4194560 120 0 0 0", std::nullopt, 0, 0},
        {"NoClosingParenthesis", "1234 (bash S 1 1 1 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 5 1 1", std::nullopt, 0, 0},
        {"NotANumber", StatLine(1, "x").replace(0, 1, 1, 'x'), std::nullopt, 0, 0},
        {"StartTimeNotANumber", "1 (x) S 1 1 1 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 soon 1 1", std::nullopt, 0, 0},
        {"Garbage",
            "\x7f"
            "ELF\x01\x02)(",
            std::nullopt, 0, 0},
    };
    for (const Case& c : cases) {
        const auto stat = ParseProcessStat(c.text);
        EXPECT_EQ(stat.has_value(), c.comm.has_value()) << c.name;
        if (!stat || !c.comm)
            continue;
        EXPECT_EQ(stat->comm, *c.comm) << c.name;
        EXPECT_EQ(stat->state, c.state) << c.name;
        EXPECT_EQ(stat->startTime, c.start) << c.name;
    }
}

TEST(ProcessName, SameWhoeverAsksAndScriptsApart)
{
    struct Case {
        const char* name;
        std::string comm;
        std::optional<std::string> exe;         // nullopt: another user's, unreadable
        std::optional<std::string> commandLine; // nullopt: must not be read
        std::u16string expected;
    };
    const Case cases[] = {
        {"OrdinaryProgram", "bash", "/usr/bin/bash", std::nullopt, u"bash"},
        {"LongNameOfOwnProgram", "very-long-progr", "/opt/x/very-long-program-name", std::nullopt,
            u"very-long-program-name"},
        {"LongNameOfAnotherUsersProgram", "very-long-progr", std::nullopt,
            std::string("/opt/x/very-long-program-name\0--flag\0", 38), u"very-long-program-name"},
        {"ShortNameOfAnotherUsersProgram", "sshd", std::nullopt, std::nullopt, u"sshd"},
        {"DeletedExecutable", "updater", "/usr/lib/x/updater (deleted)", std::nullopt, u"updater"},
        {"ScriptByInterpreter", "backup.sh", "/usr/bin/bash", std::nullopt, u"backup.sh"},
        {"LongScriptKeepsShortName", "nightly-backup-", "/usr/bin/dash",
            std::string("/bin/sh\0./nightly-backup-job.sh\0", 32), u"nightly-backup-"},
        {"MultiCallBinary", "sh", "/bin/busybox", std::nullopt, u"sh"},
        {"RenamedProcess", "Web Content", "/usr/lib/firefox/firefox", std::nullopt, u"Web Content"},
        {"ControlCharacterShownAsReplacement", "a\nb\x1b", std::nullopt, std::nullopt, u"a\uFFFDb\uFFFD"},
        {"BytesNotUtf8", "caf\xE9", "/opt/caf\xE9", std::nullopt, u"caf\uFFFD"},
        {"CyrillicCutByTheKernel", "\xD0\xBF\xD1\x80\xD0\xBE\xD0\xB3\xD1\x80\xD0\xB0\xD0\xBC\xD0", std::nullopt,
            std::string("/usr/bin/\xD0\xBF\xD1\x80\xD0\xBE\xD0\xB3\xD1\x80\xD0\xB0\xD0\xBC\xD0\xBC\xD0\xB0"),
            u"программа"},
    };
    for (const Case& c : cases) {
        bool read = false;
        const auto commandLine = [&] {
            read = true;
            return c.commandLine.value_or(std::string());
        };
        const std::optional<std::string_view> exe = c.exe ? std::optional<std::string_view>(*c.exe) : std::nullopt;
        EXPECT_EQ(ProcessName(c.comm, exe, commandLine), c.expected) << c.name;
        if (!c.commandLine) {
            EXPECT_FALSE(read) << c.name << ": read the command line without need";
        }
    }
}

std::vector<PROCESSENTRY32> Walk()
{
    std::vector<PROCESSENTRY32> records;
    HANDLE h = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (h == INVALID_HANDLE_VALUE)
        return records;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(h, &entry); more; more = Process32Next(h, &entry))
        records.push_back(entry);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_MORE_FILES));
    CloseHandle(h);
    return records;
}

TEST(Snapshot, FixtureProcWalkedInIdOrderWithoutKernelThreadsOrZombies)
{
    struct Case {
        const char* name;
        int pid;
        const char* comm; // null: no stat (ended while listed)
        char state;
        DWORD flags;
        const char* exe;         // target of the exe link; null: cannot be read
        std::string commandLine; // empty: none
        const char16_t* listed;  // null: left out
    };
    const Case cases[] = {
        {"OrdinaryProgram", 1, "systemd", 'S', 4194560, "/usr/lib/systemd/systemd", {}, u"systemd"},
        {"KernelThreadByItsFlag", 2, "kthreadd", 'S', 0x00208040, nullptr, {}, nullptr},
        {"Zombie", 10, "defunct", 'Z', 4194560, nullptr, {}, nullptr},
        {"EndedWhileListed", 11, nullptr, 'S', 0, nullptr, {}, nullptr},
        {"ParenthesesInName", 12, "(my) prog", 'S', 4194560, nullptr, std::string("prog\0", 5), u"(my) prog"},
        {"NoProgramAndNoCommandLineIsAKernelThread", 13, "kworker/0:1", 'I', 0, nullptr, {}, nullptr},
        {"AnotherUsersProcessKept", 14, "sshd", 'S', 4194560, nullptr, std::string("sshd: alice\0", 12), u"sshd"},
        // The memory's label is its maker's choice, not a file: here it would give "x-stage2".
        {"RunFromMemoryNamedByItsShortName", 15, "x", 'S', 4194560, "/memfd:loader/x-stage2 (deleted)", {}, u"x"},
        {"SoonerIdFirst", 20, "sooner", 'S', 4194560, nullptr, "sooner", u"sooner"},
        {"LaterIdLast", 100, "later", 'S', 4194560, nullptr, "later", u"later"},
    };
    FixtureRoot root;
    for (const Case& c : cases) {
        const std::string folder = "/proc/" + std::to_string(c.pid);
        std::filesystem::create_directories(root.Path(folder));
        if (c.comm)
            root.Write(folder + "/stat", StatLine(c.pid, c.comm, c.state, c.flags, 1000 + c.pid));
        if (c.exe)
            std::filesystem::create_symlink(c.exe, root.Path(folder + "/exe"));
        if (!c.commandLine.empty())
            root.Write(folder + "/cmdline", c.commandLine);
    }
    root.Write("/proc/meminfo", "MemTotal: 1 kB\n");

    std::vector<std::pair<DWORD, std::u16string>> expected;
    for (const Case& c : cases)
        if (c.listed)
            expected.emplace_back(c.pid, c.listed);
    std::vector<std::pair<DWORD, std::u16string>> listed;
    for (const PROCESSENTRY32& record : Walk()) {
        listed.emplace_back(record.th32ProcessID, record.szExeFile);
        EXPECT_EQ(record.th32StartTime, 1000 + record.th32ProcessID) << "process " << record.th32ProcessID;
    }
    for (const Case& c : cases) {
        const auto found = std::find_if(
            listed.begin(), listed.end(), [&](const auto& p) { return p.first == DWORD(c.pid); });
        if (c.listed) {
            EXPECT_TRUE(found != listed.end() && found->second == c.listed) << c.name;
        } else {
            EXPECT_TRUE(found == listed.end()) << c.name << ": left out";
        }
    }
    EXPECT_EQ(listed, expected) << "in id order";
    // The fixture's ids are no processes of this machine's to signal.
    SetLastError(0);
    EXPECT_EQ(OpenProcess(0, FALSE, 1, 1001), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
}

TEST(Snapshot, NoProcFolderNoSnapshot)
{
    FixtureRoot root;
    EXPECT_EQ(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0), INVALID_HANDLE_VALUE);
}

std::optional<PROCESSENTRY32> RecordOf(DWORD pid)
{
    for (const PROCESSENTRY32& entry : Walk())
        if (entry.th32ProcessID == pid)
            return entry;
    return std::nullopt;
}

TEST(OpenProcess, OnlyTheProcessOfTheRecord)
{
    const std::string name = NamedChild::UniqueName("open");
    NamedChild child(name);
    const auto record = RecordOf(DWORD(child.Pid()));
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(std::u16string(record->szExeFile), std::u16string(name.begin(), name.end()));

    // Another start time stands for a process that had the id before.
    SetLastError(0);
    EXPECT_EQ(OpenProcess(0, FALSE, record->th32ProcessID, record->th32StartTime + 1), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));

    HANDLE h = OpenProcess(0, FALSE, record->th32ProcessID, record->th32StartTime);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(WaitForSingleObject(h, 20), WAIT_TIMEOUT);
    EXPECT_EQ(TerminateProcess(h, 0), TRUE);
    EXPECT_EQ(WaitForSingleObject(h, 5000), WAIT_OBJECT_0);
    EXPECT_EQ(CloseHandle(h), TRUE);
    EXPECT_EQ(child.Reap(), SIGTERM);

    // Ended and gone: as an id that is not in use.
    SetLastError(0);
    EXPECT_EQ(OpenProcess(0, FALSE, record->th32ProcessID, record->th32StartTime), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
}

TEST(OpenProcess, HandlesOfOtherKindsAreRefused)
{
    EXPECT_EQ(TerminateProcess(nullptr, 0), FALSE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    EXPECT_EQ(WaitForSingleObject(INVALID_HANDLE_VALUE, 0), WAIT_FAILED);
    FixtureRoot root;
    root.Write("/proc/1/stat", StatLine(1, "init"));
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    ASSERT_NE(snapshot, INVALID_HANDLE_VALUE);
    EXPECT_EQ(KillProcess(snapshot), FALSE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    PROCESSENTRY32 entry{};
    entry.dwSize = 4;
    EXPECT_EQ(Process32First(snapshot, &entry), FALSE) << "record size not set";
    CloseHandle(snapshot);
}

} // namespace
