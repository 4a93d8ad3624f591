// The settings key: first start, missing and out-of-range values, and the
// three writes of the settings dialog.
#include <gtest/gtest.h>

#include "support/LuRegistry.h"
#include "support/SettingsStore.h"
#include "test_reg_home.h"

namespace {

constexpr LPCWSTR kSettings = u"Software\\Quillet\\Settings";

class SettingsStoreTest : public RegHomeTest {
protected:
    struct Read {
        std::u16string skinPath;
        LONG seconds = -1;
        BOOL warning = -1;
    };

    static Read ReadSettings()
    {
        Read read;
        CLuString path = ReadSettingsStore(read.seconds, read.warning);
        read.skinPath = static_cast<LPCWSTR>(path) ? static_cast<LPCWSTR>(path) : u"";
        return read;
    }

    static CLuRegistry Key() { return CLuRegistry(HKEY_LOCAL_MACHINE, kSettings, TRUE); }
};

} // namespace

TEST_F(SettingsStoreTest, FirstStartWritesDefaults)
{
    Read read = ReadSettings();
    EXPECT_EQ(read.skinPath, u"");
    EXPECT_EQ(read.seconds, 15);
    EXPECT_EQ(read.warning, FALSE);
    CLuRegistry key(HKEY_LOCAL_MACHINE, kSettings, FALSE);
    EXPECT_EQ(key.GetValueType(u"SkinPath"), 3);
    EXPECT_EQ(key.GetValueSize(u"SkinPath"), 2u) << "empty string with its terminator";
    EXPECT_EQ(key.ReadDword(u"Pause", REG_DEFAULT_NO_WRITE), 15u);
    EXPECT_EQ(key.ReadDword(u"SR_Message", REG_DEFAULT_NO_WRITE), 0u);
}

TEST_F(SettingsStoreTest, ExistingKeyWithoutValues)
{
    CLuRegistry(HKEY_LOCAL_MACHINE, kSettings, TRUE).Close();
    Read read = ReadSettings();
    EXPECT_EQ(read.seconds, 15) << "missing Pause reads as 0, used as 15";
    CLuRegistry key(HKEY_LOCAL_MACHINE, kSettings, FALSE);
    EXPECT_EQ(key.ReadDword(u"Pause", REG_DEFAULT_NO_WRITE), 0u) << "missing Pause is stored as 0";
    EXPECT_EQ(key.ReadDword(u"SR_Message", REG_DEFAULT_NO_WRITE), 0u);
    EXPECT_FALSE(key.ValueExists(u"SkinPath")) << "a missing skin path is not written";
}

TEST_F(SettingsStoreTest, PauseAndWarningRanges)
{
    struct Row {
        const char* fault;
        DWORD pause;
        DWORD warning;
        LONG seconds;
        BOOL warn;
    };
    const Row rows[] = {
        {"below range", 1, 0, 15, FALSE},
        {"above range", 16, 1, 15, TRUE},
        {"lowest kept", 2, 0, 2, FALSE},
        {"highest kept", 15, 0, 15, FALSE},
        {"zero", 0, 0, 15, FALSE},
        {"huge is not negative", 0xFFFFFFFF, 0, 15, FALSE},
        {"SR_Message 2 behaves as 0", 5, 2, 5, FALSE},
    };
    for (const Row& row : rows) {
        CLuRegistry key = Key();
        key.WriteDword(u"Pause", row.pause);
        key.WriteDword(u"SR_Message", row.warning);
        key.Close();
        Read read = ReadSettings();
        EXPECT_EQ(read.seconds, row.seconds) << row.fault;
        EXPECT_EQ(read.warning, row.warn) << row.fault;
        EXPECT_EQ(Key().ReadDword(u"Pause", REG_DEFAULT_NO_WRITE), row.pause) << row.fault << ": mended on disk";
    }
}

TEST_F(SettingsStoreTest, OversizedPauseCountsAsMissing)
{
    const BYTE eight[8] = {5, 0, 0, 0, 0, 0, 0, 0};
    Key().WriteBinary(u"Pause", eight, sizeof eight);
    EXPECT_EQ(ReadSettings().seconds, 15);
    EXPECT_EQ(Key().ReadDword(u"Pause", REG_DEFAULT_NO_WRITE), 0u) << "overwritten with 0";
}

TEST_F(SettingsStoreTest, WritesAreReadAtNextStart)
{
    ReadSettings();
    EXPECT_TRUE(WriteSkinPathSetting(u"/home/u/Skins/Blue"));
    EXPECT_TRUE(WritePauseSetting(7));
    EXPECT_TRUE(WriteSoftResetWarningSetting(1));
    Read read = ReadSettings();
    EXPECT_EQ(read.skinPath, u"/home/u/Skins/Blue");
    EXPECT_EQ(read.seconds, 7);
    EXPECT_EQ(read.warning, TRUE);
    EXPECT_FALSE(WriteSkinPathSetting(nullptr));
}
