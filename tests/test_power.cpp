#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "fixture_root.h"
#include "platform/power.h"

namespace {

namespace fs = std::filesystem;

struct Supply {
    std::string name;
    std::string files; // "type=Battery;capacity=15": one line per file, as sysfs writes them
};

// Lays the supplies out the way sysfs does: device folders, linked from the class folder.
void AddSupplies(const FixtureRoot& root, const std::vector<Supply>& supplies)
{
    fs::create_directories(root.Path("/sys/class/power_supply"));
    for (const Supply& supply : supplies) {
        const std::string device = "/sys/devices/power/" + supply.name;
        std::string_view files = supply.files;
        while (!files.empty()) {
            const auto end = std::min(files.find(';'), files.size());
            const std::string_view entry = files.substr(0, end);
            const auto equals = entry.find('=');
            root.Write(
                device + "/" + std::string(entry.substr(0, equals)), std::string(entry.substr(equals + 1)) + "\n");
            files.remove_prefix(std::min(end + 1, files.size()));
        }
        fs::create_directory_symlink(root.Path(device), root.Path("/sys/class/power_supply/" + supply.name));
    }
}

constexpr BYTE HIGH = BATTERY_FLAG_HIGH, LOW = BATTERY_FLAG_LOW, CRITICAL = BATTERY_FLAG_CRITICAL,
               CHARGING = BATTERY_FLAG_CHARGING, NONE = BATTERY_FLAG_NO_BATTERY, UNKNOWN = 255;

struct PowerCase {
    const char* name;
    std::vector<Supply> supplies;
    BYTE ac, flag, percent, backupFlag = NONE, backupPercent = UNKNOWN;
};

const PowerCase kPowerCases[] = {
    {"ChargingBeatsLevel", {{"BAT0", "type=Battery;status=Charging;capacity=15"}}, UNKNOWN, CHARGING, 15},
    {"FullBattery", {{"BAT0", "type=Battery;status=Full;capacity=100"}}, UNKNOWN, HIGH, 100},
    {"LowAt15", {{"BAT0", "type=Battery;status=Discharging;capacity=15"}}, UNKNOWN, LOW, 15},
    {"CriticalAt3", {{"BAT0", "type=Battery;capacity=3"}}, UNKNOWN, CRITICAL, 3},
    {"TwentyIsStillLow", {{"BAT0", "type=Battery;capacity=20"}}, UNKNOWN, LOW, 20},
    {"FiveIsCritical", {{"BAT0", "type=Battery;capacity=5"}}, UNKNOWN, CRITICAL, 5},
    {"CapacityOver100Clamped", {{"BAT0", "type=Battery;capacity=150"}}, UNKNOWN, HIGH, 100},
    {"NegativeCapacityClamped", {{"BAT0", "type=Battery;capacity=-7"}}, UNKNOWN, CRITICAL, 0},
    {"EnergyWithoutCapacity", {{"BAT0", "type=Battery;energy_now=30000000;energy_full=60000000"}}, UNKNOWN, HIGH, 50},
    {"ChargeWithoutEnergy", {{"BAT0", "type=Battery;charge_now=1000;charge_full=10000"}}, UNKNOWN, LOW, 10},
    {"EnergyFullZeroFallsToCharge", {{"BAT0", "type=Battery;energy_now=5;energy_full=0;charge_now=3;charge_full=4"}},
        UNKNOWN, HIGH, 75},
    {"LevelFullOnly", {{"BAT0", "type=Battery;capacity_level=Full"}}, UNKNOWN, HIGH, 100},
    {"LevelHighOnly", {{"BAT0", "type=Battery;capacity_level=High"}}, UNKNOWN, HIGH, 70},
    {"LevelNormalOnly", {{"BAT0", "type=Battery;capacity_level=Normal"}}, UNKNOWN, HIGH, 55},
    {"LevelLowOnly", {{"BAT0", "type=Battery;capacity_level=Low"}}, UNKNOWN, LOW, 10},
    {"LevelCriticalOnly", {{"BAT0", "type=Battery;capacity_level=Critical"}}, UNKNOWN, CRITICAL, 5},
    {"LevelUnknownStaysUnknown", {{"BAT0", "type=Battery;capacity_level=Unknown"}}, UNKNOWN, UNKNOWN, UNKNOWN},
    {"LevelLosesToACountedCharge", {{"BAT0", "type=Battery;charge_now=9;charge_full=10;capacity_level=Low"}}, UNKNOWN,
        HIGH, 90},
    {"GarbageCapacityFallsBack", {{"BAT0", "type=Battery;capacity=4x2;energy_now=1;energy_full=2"}}, UNKNOWN, HIGH, 50},
    {"EmptyCapacityIsNotZero", {{"BAT0", "type=Battery;capacity=;capacity_level=Bogus"}}, UNKNOWN, UNKNOWN, UNKNOWN},
    {"HugeNumbersDoNotOverflow",
        {{"BAT0",
            "type=Battery;capacity=99999999999999999999;energy_now=4611686018427387904;"
            "energy_full=9223372036854775807"}},
        UNKNOWN, HIGH, 50},
    {"DesktopWithoutBattery", {{"AC", "type=Mains;online=1"}}, AC_LINE_ONLINE, NONE, UNKNOWN},
    {"MainsOffline", {{"AC", "type=Mains;online=0"}, {"BAT0", "type=Battery;capacity=70"}}, AC_LINE_OFFLINE, HIGH, 70},
    {"UsbOnlineWinsOverMainsOffline", {{"AC", "type=Mains;online=0"}, {"usb", "type=USB;online=1"}}, AC_LINE_ONLINE,
        NONE, UNKNOWN},
    {"MouseBatteryIgnored", {{"hid-00:1f:20-battery", "type=Battery;scope=Device;capacity=90"}}, UNKNOWN, NONE,
        UNKNOWN},
    {"NotPresentIgnored", {{"BAT0", "type=Battery;present=0;capacity=90"}}, UNKNOWN, NONE, UNKNOWN},
    {"SecondBatteryIsBackup", {{"BAT0", "type=Battery;capacity=80"}, {"BAT1", "type=Battery;capacity=4"}}, UNKNOWN,
        HIGH, 80, CRITICAL, 4},
};

void PrintTo(const PowerCase& c, std::ostream* os)
{
    *os << c.name;
}

class PowerStatus : public testing::TestWithParam<PowerCase> { };

TEST_P(PowerStatus, ReadsTree)
{
    const PowerCase& c = GetParam();
    FixtureRoot root;
    AddSupplies(root, c.supplies);

    SYSTEM_POWER_STATUS_EX status{};
    ASSERT_EQ(GetSystemPowerStatusEx(&status, TRUE), TRUE);
    EXPECT_EQ(status.ACLineStatus, c.ac);
    EXPECT_EQ(status.BatteryFlag, c.flag);
    EXPECT_EQ(status.BatteryLifePercent, c.percent);
    EXPECT_EQ(status.BackupBatteryFlag, c.backupFlag);
    EXPECT_EQ(status.BackupBatteryLifePercent, c.backupPercent);
    EXPECT_EQ(status.BatteryLifeTime, BATTERY_LIFE_UNKNOWN);
}

INSTANTIATE_TEST_SUITE_P(Supplies, PowerStatus, testing::ValuesIn(kPowerCases),
    [](const auto& info) { return std::string(info.param.name); });

// The directory listing comes in any order; the main battery must not depend on it.
TEST(PowerStatusFromSupplies, MainBatteryIsFirstByNameWhateverTheListOrder)
{
    const auto status = PowerStatusFromSupplies(
        {{.name = "BAT1", .type = "Battery", .capacity = "90"}, {.name = "BAT0", .type = "Battery", .capacity = "10"}});
    EXPECT_EQ(status.BatteryLifePercent, 10);
    EXPECT_EQ(status.BackupBatteryLifePercent, 90);
}

TEST(GetSystemPowerStatusEx, FailsWithAllUnknownWhenSupplyFolderIsMissingOrAFile)
{
    for (const bool asFile : {false, true}) {
        SCOPED_TRACE(asFile ? "the supply folder is a file" : "no supply folder");
        FixtureRoot root;
        root.Write(asFile ? "/sys/class/power_supply" : "/sys/class/other", "BAT0\n");
        SYSTEM_POWER_STATUS_EX status{};
        EXPECT_EQ(GetSystemPowerStatusEx(&status, FALSE), FALSE);
        EXPECT_EQ(status.ACLineStatus, AC_LINE_UNKNOWN);
        EXPECT_EQ(status.BatteryFlag, BATTERY_FLAG_UNKNOWN);
        EXPECT_EQ(status.BatteryLifePercent, BATTERY_PERCENTAGE_UNKNOWN);
        EXPECT_EQ(status.BackupBatteryFlag, BATTERY_FLAG_UNKNOWN);
    }
}

} // namespace
