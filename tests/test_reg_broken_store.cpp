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

TEST_F(BrokenStoreTest, CopiedFileAloneHoldsTheLastWrite)
{
    // The writing connection stays open, as in a running program.
    ASSERT_TRUE(WritePauseSetting(7));
    ASSERT_TRUE(WriteSkinPathSetting(u"/skins/Copied"));
    EXPECT_FALSE(std::filesystem::exists(StorePath() + "-wal")) << "commits kept beside the file";
    const std::string copy = m_home + "/moved";
    WriteBytes(copy + "/quillet/registry.sqlite3", ReadBytes(StorePath()));
    setenv("XDG_CONFIG_HOME", copy.c_str(), 1);
    LONG seconds = 0;
    BOOL warning = TRUE;
    CLuString skin = ReadSettingsStore(seconds, warning);
    EXPECT_EQ(seconds, 7);
    EXPECT_TRUE(skin.EqualsNoCase(u"/skins/Copied"));
    setenv("XDG_CONFIG_HOME", m_home.c_str(), 1);
}

TEST_F(BrokenStoreTest, ReadOnlyStoreIsQueriedAndRefusesWrites)
{
    ASSERT_TRUE(WritePauseSetting(9));
    // Root ignores permissions: the tool then runs as nobody, for whom the
    // files are readable and nothing is writable.
    std::vector<std::string> asUser;
    if (geteuid() == 0) {
        asUser = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"};
        ASSERT_EQ(chown(StorePath().c_str(), 65534, 65534), 0); // so that its mode applies to nobody
    }
    for (std::filesystem::path p = m_home; p != p.parent_path() && p != std::filesystem::temp_directory_path();
         p = p.parent_path())
        chmod(p.c_str(), 0755);
    struct Row {
        const char* name;
        mode_t file, folder;
    };
    for (const Row& row : {Row{"ReadOnlyFile", 0444, 0755}, Row{"ReadOnlyFolder", 0644, 0555},
             Row{"ReadOnlyFileAndFolder", 0444, 0555}}) {
        chmod(StorePath().c_str(), row.file);
        chmod(StoreFolder().c_str(), row.folder);
        std::vector<std::string> query = asUser, add = asUser;
        for (const char* arg : {"query", "HKLM\\Software\\Quillet\\Settings", "/v", "Pause"})
            query.push_back(arg);
        for (const char* arg :
            {"add", "HKLM\\Software\\Quillet\\Settings", "/v", "Pause", "/t", "REG_DWORD", "/d", "3", "/f"})
            add.push_back(arg);
        query.insert(query.begin() + long(asUser.size()), BinPath("quillet-reg"));
        add.insert(add.begin() + long(asUser.size()), BinPath("quillet-reg"));
        ProcessResult read = RunProcess(query);
        EXPECT_EQ(read.exitCode, 0) << row.name << ": " << read.err;
        EXPECT_NE(read.out.find("Pause    REG_DWORD    0x9"), std::string::npos) << row.name << ": " << read.out;
        ProcessResult write = RunProcess(add);
        EXPECT_EQ(write.exitCode, 1) << row.name;
        EXPECT_NE(write.err.find("Access is denied"), std::string::npos) << row.name << ": " << write.err;
    }
    chmod(StoreFolder().c_str(), 0700);
    chmod(StorePath().c_str(), 0600);
    LONG seconds = 0;
    BOOL warning = FALSE;
    ReadSettingsStore(seconds, warning);
    EXPECT_EQ(seconds, 9) << "a refused write changed the store";
}
