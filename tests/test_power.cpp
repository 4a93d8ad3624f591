#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/power.h"

namespace {

namespace fs = std::filesystem;

// A /sys and /proc tree in a temporary folder that the readers see as "/".
class FakeRoot {
public:
    FakeRoot() { ::setenv("QUILLET_ROOT", dir_.path().toStdString().c_str(), 1); }
    ~FakeRoot() { ::unsetenv("QUILLET_ROOT"); }
    FakeRoot(const FakeRoot&) = delete;
    FakeRoot& operator=(const FakeRoot&) = delete;

    fs::path Path(std::string_view absolutePath) const
    {
        return fs::path(dir_.path().toStdString()) / fs::path(absolutePath).relative_path();
    }
    void Write(std::string_view absolutePath, std::string_view text) const
    {
        const fs::path path = Path(absolutePath);
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }

private:
    QTemporaryDir dir_;
};

struct Supply {
    std::string name;
    std::string files; // "type=Battery;capacity=15": one line per file, as sysfs writes them
};

// Lays the supplies out the way sysfs does: device folders, linked from the class folder.
void AddSupplies(const FakeRoot& root, const std::vector<Supply>& supplies)
{
    fs::create_directories(root.Path("/sys/class/power_supply"));
    for (const Supply& supply : supplies) {
        const std::string device = "/sys/devices/power/" + supply.name;
        std::string_view files = supply.files;
        while (!files.empty()) {
            const auto end = std::min(files.find(';'), files.size());
            const std::string_view entry = files.substr(0, end);
            const auto equals = entry.find('=');
            root.Write(device + "/" + std::string(entry.substr(0, equals)),
                       std::string(entry.substr(equals + 1)) + "\n");
            files.remove_prefix(std::min(end + 1, files.size()));
        }
        fs::create_directory_symlink(root.Path(device), root.Path("/sys/class/power_supply/" + supply.name));
    }
}

struct PowerCase {
    const char* name;
    std::vector<Supply> supplies;
    BYTE ac, flag, percent, backupFlag, backupPercent;
};

constexpr BYTE NONE = BATTERY_FLAG_NO_BATTERY, UNKNOWN = 255;

const PowerCase kPowerCases[] = {
    {"ChargingBeatsLevel", {{"BAT0", "type=Battery;status=Charging;capacity=15"}}, UNKNOWN, 8, 15, NONE, UNKNOWN},
    {"FullBattery", {{"BAT0", "type=Battery;status=Full;capacity=100"}}, UNKNOWN, 1, 100, NONE, UNKNOWN},
    {"LowAt15", {{"BAT0", "type=Battery;status=Discharging;capacity=15"}}, UNKNOWN, 2, 15, NONE, UNKNOWN},
    {"CriticalAt3", {{"BAT0", "type=Battery;capacity=3"}}, UNKNOWN, 4, 3, NONE, UNKNOWN},
    {"TwentyIsStillLow", {{"BAT0", "type=Battery;capacity=20"}}, UNKNOWN, 2, 20, NONE, UNKNOWN},
    {"TwentyOneIsHigh", {{"BAT0", "type=Battery;capacity=21"}}, UNKNOWN, 1, 21, NONE, UNKNOWN},
    {"FiveIsCritical", {{"BAT0", "type=Battery;capacity=5"}}, UNKNOWN, 4, 5, NONE, UNKNOWN},
    {"SixIsLow", {{"BAT0", "type=Battery;capacity=6"}}, UNKNOWN, 2, 6, NONE, UNKNOWN},
    {"CapacityOver100Clamped", {{"BAT0", "type=Battery;capacity=150"}}, UNKNOWN, 1, 100, NONE, UNKNOWN},
    {"NegativeCapacityClamped", {{"BAT0", "type=Battery;capacity=-7"}}, UNKNOWN, 4, 0, NONE, UNKNOWN},
    {"EnergyWithoutCapacity", {{"BAT0", "type=Battery;energy_now=30000000;energy_full=60000000"}},
     UNKNOWN, 1, 50, NONE, UNKNOWN},
    {"ChargeWithoutEnergy", {{"BAT0", "type=Battery;charge_now=1000;charge_full=10000"}}, UNKNOWN, 2, 10, NONE, UNKNOWN},
    {"EnergyFullZeroFallsToCharge",
     {{"BAT0", "type=Battery;energy_now=5;energy_full=0;charge_now=3;charge_full=4"}}, UNKNOWN, 1, 75, NONE, UNKNOWN},
    {"LevelOnly", {{"BAT0", "type=Battery;capacity_level=Low"}}, UNKNOWN, 2, UNKNOWN, NONE, UNKNOWN},
    {"LevelUnknown", {{"BAT0", "type=Battery;capacity_level=Unknown"}}, UNKNOWN, UNKNOWN, UNKNOWN, NONE, UNKNOWN},
    {"GarbageCapacityFallsBack", {{"BAT0", "type=Battery;capacity=4x2;energy_now=1;energy_full=2"}},
     UNKNOWN, 1, 50, NONE, UNKNOWN},
    {"TruncatedCapacityUsesLevel", {{"BAT0", "type=Battery;capacity=;capacity_level=Critical"}},
     UNKNOWN, 4, UNKNOWN, NONE, UNKNOWN},
    {"HugeNumbersDoNotOverflow",
     {{"BAT0", "type=Battery;capacity=99999999999999999999999;energy_now=9223372036854775807;"
               "energy_full=9223372036854775807"}},
     UNKNOWN, 1, 100, NONE, UNKNOWN},
    {"NoSuppliesAtAll", {}, UNKNOWN, NONE, UNKNOWN, NONE, UNKNOWN},
    {"MainsOnlyDesktop", {{"AC", "type=Mains;online=1"}}, 1, NONE, UNKNOWN, NONE, UNKNOWN},
    {"MainsOffline", {{"AC", "type=Mains;online=0"}, {"BAT0", "type=Battery;capacity=70"}}, 0, 1, 70, NONE, UNKNOWN},
    {"UsbOnlineWinsOverMainsOffline", {{"AC", "type=Mains;online=0"}, {"usb", "type=USB;online=1"}},
     1, NONE, UNKNOWN, NONE, UNKNOWN},
    {"MouseBatteryIgnored", {{"hid-00:1f:20-battery", "type=Battery;scope=Device;capacity=90"}},
     UNKNOWN, NONE, UNKNOWN, NONE, UNKNOWN},
    {"NotPresentIgnored", {{"BAT0", "type=Battery;present=0;capacity=90"}}, UNKNOWN, NONE, UNKNOWN, NONE, UNKNOWN},
    {"SecondBatteryIsBackup", {{"BAT0", "type=Battery;capacity=80"}, {"BAT1", "type=Battery;capacity=4"}},
     UNKNOWN, 1, 80, 4, 4},
    {"NameOrderPicksMain", {{"BAT1", "type=Battery;capacity=90"}, {"BAT0", "type=Battery;capacity=10"}},
     UNKNOWN, 2, 10, 1, 90},
};

class PowerStatus : public testing::TestWithParam<PowerCase> {};

TEST_P(PowerStatus, ReadsTree)
{
    const PowerCase& c = GetParam();
    FakeRoot root;
    AddSupplies(root, c.supplies);

    SYSTEM_POWER_STATUS_EX status{};
    ASSERT_EQ(GetSystemPowerStatusEx(&status, TRUE), TRUE);
    EXPECT_EQ(status.ACLineStatus, c.ac);
    EXPECT_EQ(status.BatteryFlag, c.flag);
    EXPECT_EQ(status.BatteryLifePercent, c.percent);
    EXPECT_EQ(status.BackupBatteryFlag, c.backupFlag);
    EXPECT_EQ(status.BackupBatteryLifePercent, c.backupPercent);
    EXPECT_EQ(status.BatteryLifeTime, BATTERY_LIFE_UNKNOWN);
    EXPECT_EQ(status.BackupBatteryFullLifeTime, BATTERY_LIFE_UNKNOWN);
}

INSTANTIATE_TEST_SUITE_P(Supplies, PowerStatus, testing::ValuesIn(kPowerCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The directory listing may come in any order; the parser must not rely on it.
TEST(PowerStatusFromSupplies, MainBatteryIsFirstByNameWhateverTheListOrder)
{
    PowerSupply bat0{.name = "BAT0", .type = "Battery", .capacity = "10"};
    PowerSupply bat1{.name = "BAT1", .type = "Battery", .capacity = "90"};
    const auto status = PowerStatusFromSupplies({bat1, bat0});
    EXPECT_EQ(status.BatteryLifePercent, 10);
    EXPECT_EQ(status.BackupBatteryLifePercent, 90);
}

void ExpectFailsAllUnknown()
{
    SYSTEM_POWER_STATUS_EX status{};
    EXPECT_EQ(GetSystemPowerStatusEx(&status, FALSE), FALSE);
    EXPECT_EQ(status.ACLineStatus, AC_LINE_UNKNOWN);
    EXPECT_EQ(status.BatteryFlag, BATTERY_FLAG_UNKNOWN);
    EXPECT_EQ(status.BatteryLifePercent, BATTERY_PERCENTAGE_UNKNOWN);
    EXPECT_EQ(status.BackupBatteryFlag, BATTERY_FLAG_UNKNOWN);
    EXPECT_EQ(status.BackupBatteryLifePercent, BATTERY_PERCENTAGE_UNKNOWN);
}

TEST(GetSystemPowerStatusEx, FailsWithoutSupplyFolder)
{
    FakeRoot root;
    root.Write("/sys/class/other", "");
    ExpectFailsAllUnknown();
}

TEST(GetSystemPowerStatusEx, FailsWhenSupplyFolderIsAFile)
{
    FakeRoot root;
    root.Write("/sys/class/power_supply", "BAT0\n");
    ExpectFailsAllUnknown();
}

} // namespace
