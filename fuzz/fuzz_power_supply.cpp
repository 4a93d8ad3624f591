// Any file contents of any supplies must give a record whose values are among
// those the monitor knows. Input: supplies separated by "\n\n", the files of
// one supply by "\n", in the order of PowerSupply's fields.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/power.h"

namespace {

std::string_view Next(std::string_view& text, std::string_view separator)
{
    const auto end = text.find(separator);
    const std::string_view piece = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + separator.size());
    return piece;
}

bool KnownFlag(BYTE flag)
{
    return flag == BATTERY_FLAG_HIGH || flag == BATTERY_FLAG_LOW || flag == BATTERY_FLAG_CRITICAL ||
        flag == BATTERY_FLAG_CHARGING || flag == BATTERY_FLAG_NO_BATTERY || flag == BATTERY_FLAG_UNKNOWN;
}

bool KnownPercent(BYTE percent)
{
    return percent <= 100 || percent == BATTERY_PERCENTAGE_UNKNOWN;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<PowerSupply> supplies;
    while (!text.empty() && supplies.size() < 16) {
        std::string_view files = Next(text, "\n\n");
        PowerSupply supply;
        for (std::string* field : {&supply.name, &supply.type, &supply.scope, &supply.present, &supply.status,
                 &supply.capacity, &supply.capacity_level, &supply.energy_now, &supply.energy_full, &supply.charge_now,
                 &supply.charge_full, &supply.online})
            *field = std::string(Next(files, "\n"));
        supplies.push_back(std::move(supply));
    }
    const SYSTEM_POWER_STATUS_EX status = PowerStatusFromSupplies(std::move(supplies));
    const BYTE ac = status.ACLineStatus;
    if (!KnownFlag(status.BatteryFlag) || !KnownFlag(status.BackupBatteryFlag) ||
        !KnownPercent(status.BatteryLifePercent) || !KnownPercent(status.BackupBatteryLifePercent) ||
        (ac != AC_LINE_OFFLINE && ac != AC_LINE_ONLINE && ac != AC_LINE_UNKNOWN))
        std::abort();
    return 0;
}
