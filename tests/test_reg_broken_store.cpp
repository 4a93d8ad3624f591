// A hive file that is not our database: every call fails with a code, the
// settings fall back to first-start values, quillet-reg names the file, and
// the file keeps every byte.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "platform/registry.h"
#include "support/SettingsStore.h"
#include "test_reg_home.h"
#include "test_reg_process.h"

namespace {

class BrokenStoreTest : public RegHomeTest {
protected:
    // The bytes of a real hive with one key in it, made in a side folder.
    std::string RealHiveBytes()
    {
        std::string side = m_home + "/side";
        setenv("XDG_CONFIG_HOME", side.c_str(), 1);
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"Software", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        RegCloseKey(key);
        setenv("XDG_CONFIG_HOME", m_home.c_str(), 1);
        return ReadBytes(side + "/quillet/registry.sqlite3");
    }
};

} // namespace

TEST_F(BrokenStoreTest, FilesThatAreNotOurHiveAreRefusedAndKept)
{
    struct Row {
        const char* fault;
        std::function<std::string()> make; // writes the file, returns its bytes
        LONG expected;
    };
    auto file = [this](const std::string& bytes) {
        WriteBytes(StorePath(), bytes);
        return bytes;
    };
    std::string garbage(5000, '\0');
    for (size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = char(i * 7919 % 251);
    const Row rows[] = {
        {"garbage bytes", [&] { return file(garbage); }, ERROR_BADDB},
        {"text shorter than a header", [&] { return file("hello\n"); }, ERROR_BADDB},
        {"empty file", [&] { return file(""); }, ERROR_BADDB},
        {"truncated hive", [&] { return file(RealHiveBytes().substr(0, 5000)); }, ERROR_BADDB},
        {"another program's database",
            [&] {
                std::string bytes = RealHiveBytes();
                bytes.replace(68, 4, 4, '\0'); // application id
                return file(bytes);
            },
            ERROR_BADDB},
        {"a folder in its place",
            [&] {
                std::filesystem::create_directories(StorePath());
                return std::string();
            },
            ERROR_CANTOPEN},
        {"no permission",
            [&] {
                std::string bytes = file(RealHiveBytes());
                chmod(StorePath().c_str(), 0);
                return bytes;
            },
            ERROR_ACCESS_DENIED},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fault);
        if (row.expected == ERROR_ACCESS_DENIED && geteuid() == 0) {
            std::printf("[ skipped  ] %s: permissions do not bind root\n", row.fault);
            continue;
        }
        TearDown();
        SetUp();
        std::string bytes = row.make();

        HKEY key = nullptr;
        EXPECT_EQ(
            RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"Software", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            row.expected);
        LONG seconds = 0;
        BOOL warning = TRUE;
        CLuString skin = ReadSettingsStore(seconds, warning);
        EXPECT_EQ(seconds, 15);
        EXPECT_EQ(warning, FALSE);
        EXPECT_EQ(skin.GetLength(), 0u);
        EXPECT_FALSE(WriteSkinPathSetting(u"/x"));
        EXPECT_FALSE(WritePauseSetting(5));

        ProcessResult add = RunProcess(
            {BinPath("quillet-reg"), "add", "HKLM\\Software\\X", "/v", "a", "/d", "b", "/f"});
        EXPECT_EQ(add.exitCode, 1);
        EXPECT_NE(add.err.find(StorePath()), std::string::npos) << add.err;
        EXPECT_EQ(std::count(add.err.begin(), add.err.end(), '\n'), 1) << add.err;

        chmod(StorePath().c_str(), 0600);
        if (!std::filesystem::is_directory(StorePath())) {
            EXPECT_EQ(ReadBytes(StorePath()), bytes) << "the file was changed";
        }
    }
}
