// Power status of the main and the backup battery and of the mains supply,
// under the handheld platform's names, read from /sys/class/power_supply.
#pragma once

#include <string>
#include <vector>

#include "platform/types.h"

struct SYSTEM_POWER_STATUS_EX {
    BYTE ACLineStatus;       // AC_LINE_*
    BYTE BatteryFlag;        // one BATTERY_FLAG_* value
    BYTE BatteryLifePercent; // 0..100, BATTERY_PERCENTAGE_UNKNOWN if unknown
    BYTE Reserved1;
    DWORD BatteryLifeTime;     // seconds, BATTERY_LIFE_UNKNOWN if unknown
    DWORD BatteryFullLifeTime; // seconds, BATTERY_LIFE_UNKNOWN if unknown
    BYTE Reserved2;
    BYTE BackupBatteryFlag;
    BYTE BackupBatteryLifePercent;
    BYTE Reserved3;
    DWORD BackupBatteryLifeTime;
    DWORD BackupBatteryFullLifeTime;
};
using PSYSTEM_POWER_STATUS_EX = SYSTEM_POWER_STATUS_EX*;

constexpr BYTE BATTERY_FLAG_HIGH = 1;
constexpr BYTE BATTERY_FLAG_LOW = 2;
constexpr BYTE BATTERY_FLAG_CRITICAL = 4;
constexpr BYTE BATTERY_FLAG_CHARGING = 8;
constexpr BYTE BATTERY_FLAG_NO_BATTERY = 0x80;
constexpr BYTE BATTERY_FLAG_UNKNOWN = 0xFF;
constexpr BYTE BATTERY_PERCENTAGE_UNKNOWN = 255;
constexpr BYTE AC_LINE_OFFLINE = 0;
constexpr BYTE AC_LINE_ONLINE = 1;
constexpr BYTE AC_LINE_UNKNOWN = 0xFF;
constexpr DWORD BATTERY_LIFE_UNKNOWN = 0xFFFFFFFF;

// Fills the record from the power supplies of the system. The first battery in
// name order is the main battery, the second stands in for the backup battery.
// Returns FALSE, with every field unknown, when the supplies cannot be listed.
// fUpdate is ignored: sysfs values are always current.
BOOL GetSystemPowerStatusEx(PSYSTEM_POWER_STATUS_EX pstatusPowerEx, BOOL fUpdate);

// The text of the files of one /sys/class/power_supply/NAME folder, as read
// (trailing newline included); an empty text where the file is missing.
struct PowerSupply {
    std::string name{};           // the folder name, e.g. "BAT0", "AC"
    std::string type{};           // "Battery", "Mains", "USB", ...
    std::string scope{};          // "Device" for peripherals such as a wireless mouse
    std::string present{};        // "0" when the battery is out
    std::string status{};         // "Charging", "Discharging", "Full", ...
    std::string capacity{};       // percent
    std::string capacity_level{}; // "Full", "High", "Normal", "Low", "Critical", ...
    std::string energy_now{};     // µWh
    std::string energy_full{};
    std::string charge_now{}; // µAh
    std::string charge_full{};
    std::string online{}; // "1" or "0" for a mains or USB supply
};

// The record that the given supplies add up to, in any order; never fails.
SYSTEM_POWER_STATUS_EX PowerStatusFromSupplies(std::vector<PowerSupply> supplies);
