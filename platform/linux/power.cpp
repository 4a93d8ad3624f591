#include "platform/power.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <tuple>
#include <utility>

#include "platform/linux/root.h"

namespace {

constexpr std::string_view kSupplyFolder = "/sys/class/power_supply";

// sysfs attributes are at most a page long; anything beyond is not ours.
constexpr std::size_t kAttributeLimit = 4096;

// A whole decimal number and nothing else; nullopt for garbage, an empty text
// or a value beyond 64 bits.
std::optional<std::int64_t> ParseNumber(std::string_view text)
{
    text = TrimBlanks(text);
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// now / full as a percent, truncated; nullopt when either is missing or the
// ratio has no meaning (full of 0, negative values).
std::optional<int> Ratio(std::string_view nowText, std::string_view fullText)
{
    const auto now = ParseNumber(nowText);
    const auto full = ParseNumber(fullText);
    if (!now || !full || *now < 0 || *full <= 0)
        return std::nullopt;
    if (*now >= *full)
        return 100;
    // long double keeps now * 100 from overflowing for any 64-bit value.
    const long double percent = static_cast<long double>(*now) * 100.0L / static_cast<long double>(*full);
    return std::min(100, static_cast<int>(percent));
}

// A battery that reports only a level word stands at the level UPower gives
// that word, so the bar and its colour show; "Unknown" stays unknown.
std::optional<int> PercentFromLevel(std::string_view level)
{
    static constexpr std::pair<std::string_view, int> kLevels[] = {
        {"Full", 100}, {"High", 70}, {"Normal", 55}, {"Low", 10}, {"Critical", 5}};
    level = TrimBlanks(level);
    for (const auto& [word, percent] : kLevels)
        if (level == word)
            return percent;
    return std::nullopt;
}

std::optional<int> Percent(const PowerSupply& battery)
{
    if (const auto capacity = ParseNumber(battery.capacity))
        return static_cast<int>(std::clamp<std::int64_t>(*capacity, 0, 100));
    if (const auto percent = Ratio(battery.energy_now, battery.energy_full))
        return percent;
    if (const auto percent = Ratio(battery.charge_now, battery.charge_full))
        return percent;
    return PercentFromLevel(battery.capacity_level);
}

BYTE Flag(const PowerSupply& battery, std::optional<int> percent)
{
    if (TrimBlanks(battery.status) == "Charging")
        return BATTERY_FLAG_CHARGING;
    if (!percent)
        return BATTERY_FLAG_UNKNOWN;
    if (*percent > 20)
        return BATTERY_FLAG_HIGH;
    if (*percent > 5)
        return BATTERY_FLAG_LOW;
    return BATTERY_FLAG_CRITICAL;
}

// A peripheral's own supply (mouse, keyboard, pen) says nothing about the
// machine's power.
bool IsSystemSupply(const PowerSupply& supply)
{
    return TrimBlanks(supply.scope) != "Device";
}

bool IsBattery(const PowerSupply& supply)
{
    // Only an explicit 0 means absent: many drivers have no "present" file.
    return TrimBlanks(supply.type) == "Battery" && IsSystemSupply(supply) && ParseNumber(supply.present) != 0;
}

bool IsLineSupply(const PowerSupply& supply)
{
    // Older kernels name the USB charger kinds in "type" itself (USB_DCP, ...).
    const std::string_view type = TrimBlanks(supply.type);
    return (type == "Mains" || type == "USB" || type.starts_with("USB_")) && IsSystemSupply(supply);
}

SYSTEM_POWER_STATUS_EX UnknownStatus()
{
    SYSTEM_POWER_STATUS_EX status{};
    status.ACLineStatus = AC_LINE_UNKNOWN;
    status.BatteryFlag = BATTERY_FLAG_UNKNOWN;
    status.BatteryLifePercent = BATTERY_PERCENTAGE_UNKNOWN;
    status.BatteryLifeTime = BATTERY_LIFE_UNKNOWN;
    status.BatteryFullLifeTime = BATTERY_LIFE_UNKNOWN;
    status.BackupBatteryFlag = BATTERY_FLAG_UNKNOWN;
    status.BackupBatteryLifePercent = BATTERY_PERCENTAGE_UNKNOWN;
    status.BackupBatteryLifeTime = BATTERY_LIFE_UNKNOWN;
    status.BackupBatteryFullLifeTime = BATTERY_LIFE_UNKNOWN;
    return status;
}

// Flag and percent of one battery, or "no battery" when there is none.
std::pair<BYTE, BYTE> Reading(const PowerSupply* battery)
{
    if (battery == nullptr)
        return {BATTERY_FLAG_NO_BATTERY, BATTERY_PERCENTAGE_UNKNOWN};
    const auto percent = Percent(*battery);
    return {Flag(*battery, percent), percent ? static_cast<BYTE>(*percent) : BATTERY_PERCENTAGE_UNKNOWN};
}

PowerSupply ReadSupply(const std::string& name)
{
    static constexpr std::pair<std::string_view, std::string PowerSupply::*> files[] = {
        {"type", &PowerSupply::type},
        {"scope", &PowerSupply::scope},
        {"present", &PowerSupply::present},
        {"status", &PowerSupply::status},
        {"capacity", &PowerSupply::capacity},
        {"capacity_level", &PowerSupply::capacity_level},
        {"energy_now", &PowerSupply::energy_now},
        {"energy_full", &PowerSupply::energy_full},
        {"charge_now", &PowerSupply::charge_now},
        {"charge_full", &PowerSupply::charge_full},
        {"online", &PowerSupply::online},
    };
    PowerSupply supply;
    supply.name = name;
    const std::string folder = std::string(kSupplyFolder) + "/" + name + "/";
    for (const auto& [file, field] : files)
        supply.*field = ReadSystemFile(folder + std::string(file), kAttributeLimit).value_or(std::string());
    return supply;
}

} // namespace

SYSTEM_POWER_STATUS_EX PowerStatusFromSupplies(std::vector<PowerSupply> supplies)
{
    std::sort(
        supplies.begin(), supplies.end(), [](const PowerSupply& a, const PowerSupply& b) { return a.name < b.name; });

    std::vector<const PowerSupply*> batteries;
    std::optional<bool> online;
    for (const PowerSupply& supply : supplies) {
        if (IsBattery(supply))
            batteries.push_back(&supply);
        if (IsLineSupply(supply)) {
            // Any one supply online powers the machine.
            if (const auto value = ParseNumber(supply.online); value == 0 || value == 1)
                online = online.value_or(false) || *value == 1;
        }
    }

    SYSTEM_POWER_STATUS_EX status = UnknownStatus();
    if (online)
        status.ACLineStatus = *online ? AC_LINE_ONLINE : AC_LINE_OFFLINE;
    std::tie(status.BatteryFlag, status.BatteryLifePercent) = Reading(batteries.size() > 0 ? batteries[0] : nullptr);
    std::tie(status.BackupBatteryFlag, status.BackupBatteryLifePercent) = Reading(
        batteries.size() > 1 ? batteries[1] : nullptr);
    return status;
}

BOOL GetSystemPowerStatusEx(PSYSTEM_POWER_STATUS_EX pstatusPowerEx, BOOL /*fUpdate*/)
{
    if (pstatusPowerEx == nullptr)
        return FALSE;
    *pstatusPowerEx = UnknownStatus();

    std::error_code error;
    std::filesystem::directory_iterator folder(SystemPath(kSupplyFolder), error);
    if (error)
        return FALSE;
    std::vector<PowerSupply> supplies;
    for (; folder != std::filesystem::directory_iterator(); folder.increment(error))
        supplies.push_back(ReadSupply(folder->path().filename().string()));
    if (error)
        return FALSE;
    *pstatusPowerEx = PowerStatusFromSupplies(std::move(supplies));
    return TRUE;
}
