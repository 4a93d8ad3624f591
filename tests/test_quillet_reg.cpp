// quillet-reg run as a subprocess against a temporary hive: output format,
// the confirmations without a terminal, and export/import round trips.
#include <gtest/gtest.h>

#include "support/LuRegistry.h"
#include "test_reg_home.h"
#include "test_reg_process.h"

namespace {

constexpr const char* kKey = "HKLM\\Software\\Quillet\\Settings";

class QuilletRegTest : public RegHomeTest {
protected:
    static ProcessResult Reg(std::vector<std::string> args)
    {
        args.insert(args.begin(), BinPath("quillet-reg"));
        return RunProcess(args);
    }

    static void Add(const std::string& name, const std::string& type, const std::string& data)
    {
        ProcessResult result = Reg({"add", kKey, "/v", name, "/t", type, "/d", data, "/f"});
        ASSERT_EQ(result.exitCode, 0) << result.err;
    }
};

} // namespace

TEST_F(QuilletRegTest, QueryPrintsKeyAndValueLines)
{
    Add("SkinPath", "REG_SZ", "/home/u/Skins/Blue");
    Add("Pause", "REG_DWORD", "15");
    Add("SR_Message", "REG_DWORD", "0x1");
    ProcessResult query = Reg({"query", "hkey_local_machine\\software\\quillet\\settings"});
    ASSERT_EQ(query.exitCode, 0) << query.err;
    EXPECT_EQ(query.out,
        "\nHKEY_LOCAL_MACHINE\\software\\quillet\\settings\n"
        "    SkinPath    REG_SZ    /home/u/Skins/Blue\n"
        "    Pause    REG_DWORD    0xf\n"
        "    SR_Message    REG_DWORD    0x1\n");
    ProcessResult one = Reg({"query", kKey, "/v", "pause"});
    EXPECT_EQ(one.out, "\nHKEY_LOCAL_MACHINE\\Software\\Quillet\\Settings\n    Pause    REG_DWORD    0xf\n");
}

TEST_F(QuilletRegTest, FailuresExitWithOneLine)
{
    struct Row {
        const char* fault;
        std::vector<std::string> args;
        int exitCode; // 2: the command line itself is wrong
    };
    Add("Pause", "REG_DWORD", "15");
    const Row rows[] = {
        {"missing key", {"query", "HKLM\\Software\\Nothing"}, 1},
        {"unknown root", {"query", "HKXX\\Software"}, 2},
        {"DWORD that is not a number", {"add", kKey, "/v", "Pause", "/t", "REG_DWORD", "/d", "fifteen"}, 2},
        {"DWORD over 32 bits", {"add", kKey, "/v", "Pause", "/t", "REG_DWORD", "/d", "4294967296"}, 2},
        {"unknown command", {"frobnicate", kKey}, 2},
        {"root key delete", {"delete", "HKLM", "/f"}, 2},
    };
    for (const Row& row : rows) {
        ProcessResult result = Reg(row.args);
        EXPECT_EQ(result.exitCode, row.exitCode) << row.fault;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << row.fault << ": " << result.err;
    }
}

TEST_F(QuilletRegTest, ReadingWithoutSettingsMakesNothing)
{
    unsetenv("XDG_RUNTIME_DIR");                  // nor does it need a graphical session
    const std::string exported = m_home + ".reg"; // beside the configuration folder
    ProcessResult query = Reg({"query", kKey});
    EXPECT_EQ(query.exitCode, 1);
    EXPECT_EQ(query.err,
        "ERROR: There are no settings yet: " + StorePath() +
            " does not exist (Quillet makes it at its first start).\n");
    EXPECT_EQ(Reg({"export", kKey, exported}).exitCode, 0);
    EXPECT_EQ(ReadBytes(exported), "Windows Registry Editor Version 5.00\n\n");
    EXPECT_TRUE(std::filesystem::is_empty(m_home));
    std::filesystem::remove(exported);
}

TEST_F(QuilletRegTest, BytesThatAreNotUtf8ShowEscapedAndGoBack)
{
    struct Row {
        const char* name;
        std::string typed; // "add /d", and what "query" shows
        std::u16string stored;
        std::string regLine;
    };
    const Row rows[] = {
        {"EscapedByte", "/caf\\xe9", u"/caf\xDCE9", "\"V\"=\"/caf\\xe9\""},
        {"BackslashThatWouldReadAsAnEscape", "C:\\x5cxe9", u"C:\\xe9", "\"V\"=\"C:\\\\xe9\""},
        {"OtherBackslashesStay", "C:\\S\\x41", u"C:\\S\\x41", "\"V\"=\"C:\\\\S\\\\x41\""},
    };
    const std::string file = m_home + "/v.reg";
    const auto stored = [] {
        return std::u16string(static_cast<LPCWSTR>(
            CLuRegistry(HKEY_LOCAL_MACHINE, u"Software\\Quillet\\Settings", FALSE).ReadString(u"V", u"")));
    };
    for (const Row& row : rows) {
        Add("V", "REG_SZ", row.typed);
        EXPECT_EQ(stored(), row.stored) << row.name;
        EXPECT_NE(Reg({"query", kKey, "/v", "V"}).out.find("REG_SZ    " + row.typed + "\n"), std::string::npos)
            << row.name;
        std::filesystem::remove(file);
        Reg({"export", kKey, file});
        EXPECT_NE(ReadBytes(file).find(row.regLine + "\n"), std::string::npos) << row.name << ": " << ReadBytes(file);
        Add("V", "REG_SZ", "replaced");
        Reg({"import", file});
        EXPECT_EQ(stored(), row.stored) << row.name << ": imported";
    }
}

TEST_F(QuilletRegTest, OverwriteAndDeleteNeedForceWithoutTerminal)
{
    Add("Pause", "REG_DWORD", "15");
    EXPECT_EQ(Reg({"add", kKey, "/v", "Pause", "/t", "REG_DWORD", "/d", "3"}).exitCode, 1);
    EXPECT_EQ(Reg({"delete", kKey, "/v", "Pause"}).exitCode, 1);
    EXPECT_EQ(Reg({"delete", kKey}).exitCode, 1);
    EXPECT_NE(Reg({"query", kKey, "/v", "Pause"}).out.find("0xf"), std::string::npos) << "changed without /f";
    EXPECT_EQ(Reg({"delete", kKey, "/v", "Pause", "/f"}).exitCode, 0);
    EXPECT_EQ(Reg({"query", kKey, "/v", "Pause"}).exitCode, 1);
}

TEST_F(QuilletRegTest, ExportDeleteImportRoundTrip)
{
    Add("SkinPath", "REG_SZ", "C:\\Skins \"Blue\"");
    Add("Pause", "REG_DWORD", "15");
    ASSERT_EQ(Reg({"add", kKey + std::string("\\Sub"), "/ve", "/t", "REG_BINARY", "/d", "00ff7f", "/f"}).exitCode, 0);
    ASSERT_EQ(Reg({"add", kKey + std::string("\\Sub"), "/v", "List", "/t", "REG_MULTI_SZ", "/d", "a\\0b"}).exitCode, 0);
    std::string first = m_home + "/first.reg", second = m_home + "/second.reg";
    ASSERT_EQ(Reg({"export", "HKLM\\Software\\Quillet", first}).exitCode, 0);
    EXPECT_EQ(ReadBytes(first),
        "Windows Registry Editor Version 5.00\n\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Quillet]\n\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Quillet\\Settings]\n"
        "\"SkinPath\"=\"C:\\\\Skins \\\"Blue\\\"\"\n"
        "\"Pause\"=dword:0000000f\n\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Quillet\\Settings\\Sub]\n"
        "@=hex:00,ff,7f\n"
        "\"List\"=hex(7):61,00,00,00,62,00,00,00,00,00\n\n");
    ASSERT_EQ(Reg({"delete", "HKLM\\Software\\Quillet", "/f"}).exitCode, 0);
    ASSERT_EQ(Reg({"query", kKey}).exitCode, 1);
    ProcessResult import = Reg({"import", first});
    ASSERT_EQ(import.exitCode, 0) << import.err;
    ASSERT_EQ(Reg({"export", "HKLM\\Software\\Quillet", second}).exitCode, 0);
    EXPECT_EQ(ReadBytes(second), ReadBytes(first));
    EXPECT_EQ(Reg({"export", "HKLM\\Software\\Quillet", second}).exitCode, 1) << "overwrote without /y";
}

TEST_F(QuilletRegTest, ImportsWindowsFilesAndRejectsBadLines)
{
    std::string text = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\W]\r\n"
                       "\"Long\"=hex:01,02,\\\r\n  03\r\n\"Gone\"=-\r\n";
    std::string utf16 = "\xFF\xFE";
    for (char c : text)
        utf16 += std::string{c, '\0'};
    WriteBytes(m_home + "/win.reg", utf16);
    ProcessResult import = Reg({"import", m_home + "/win.reg"});
    ASSERT_EQ(import.exitCode, 0) << import.err;
    EXPECT_NE(Reg({"query", "HKLM\\Software\\W", "/v", "Long"}).out.find("REG_BINARY    010203"), std::string::npos);

    WriteBytes(m_home + "/bad.reg", "Windows Registry Editor Version 5.00\n[HKLM\\Software\\W]\n\"x\"=word:1\n");
    ProcessResult bad = Reg({"import", m_home + "/bad.reg"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_NE(bad.err.find("line 3"), std::string::npos) << bad.err;
    WriteBytes(m_home + "/none.reg", "hello\n");
    EXPECT_EQ(Reg({"import", m_home + "/none.reg"}).exitCode, 1);
}

TEST_F(QuilletRegTest, BadImportAppliesNothing)
{
    Add("Pause", "REG_DWORD", "15");
    WriteBytes(m_home + "/half.reg",
        "Windows Registry Editor Version 5.00\n\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Quillet\\Settings]\n\"Pause\"=dword:00000003\n"
        "[HKEY_LOCAL_MACHINE\\Software\\New]\n\"a\"=\"b\"\n"
        "\"broken\"=dword:xyz\n");
    ProcessResult import = Reg({"import", m_home + "/half.reg"});
    EXPECT_EQ(import.exitCode, 1);
    EXPECT_NE(import.err.find("line 7"), std::string::npos) << import.err;
    EXPECT_NE(Reg({"query", kKey, "/v", "Pause"}).out.find("0xf"), std::string::npos) << "a line before the bad one";
    EXPECT_EQ(Reg({"query", "HKLM\\Software\\New"}).exitCode, 1) << "a key before the bad line";
}

TEST_F(QuilletRegTest, MessagesSayWhatWentWrong)
{
    std::filesystem::create_directories(m_home + "/folder.reg");
    struct Row {
        const char* fault;
        std::vector<std::string> args;
        const char* says;
        int exitCode = 2; // 2: the command line itself is wrong
    };
    const Row rows[] = {
        {"UnquotedKey", {"query", "HKLMSoftwareQuilletSettings"}, "quoted"},
        {"UnquotedLongRoot", {"query", "HKEY_LOCAL_MACHINESoftware"}, "quoted"},
        {"FolderImported", {"import", m_home + "/folder.reg"}, "is a folder", 1},
        {"RepeatedOption", {"query", kKey, "/v", "Pause", "/v", "SkinPath"}, "Invalid syntax: /v is given twice"},
        {"RepeatedForce", {"delete", kKey, "/f", "/f"}, "Invalid syntax: /f is given twice"},
        {"NameAndDefaultTogether", {"query", kKey, "/v", "Pause", "/ve"}, "Invalid syntax: /v and /ve"},
    };
    for (const Row& row : rows) {
        ProcessResult result = Reg(row.args);
        EXPECT_EQ(result.exitCode, row.exitCode) << row.fault;
        EXPECT_NE(result.err.find(row.says), std::string::npos) << row.fault << ": " << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << row.fault << ": " << result.err;
    }
}
