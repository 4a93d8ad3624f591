#include "platform/memory.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

#include "platform/linux/root.h"

namespace {

// The byte count of a value such as "16318440 kB"; nullopt for anything else,
// a line cut short by truncation included.
std::optional<std::uint64_t> KilobytesToBytes(std::string_view value)
{
    value = TrimBlanks(value);
    constexpr std::string_view unit = "kB";
    if (!value.ends_with(unit))
        return std::nullopt;
    value = TrimBlanks(value.substr(0, value.size() - unit.size()));
    std::uint64_t kilobytes = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), kilobytes);
    if (value.empty() || error != std::errc() || end != value.data() + value.size())
        return std::nullopt;
    constexpr std::uint64_t most = std::numeric_limits<std::uint64_t>::max();
    return kilobytes > most / 1024 ? most : kilobytes * 1024;
}

struct Meminfo {
    std::optional<std::uint64_t> memTotal, memFree, memAvailable, swapTotal, swapFree;
};

Meminfo ParseMeminfo(std::string_view text)
{
    Meminfo info;
    const std::pair<std::string_view, std::optional<std::uint64_t> Meminfo::*> keys[] = {
        {"MemTotal", &Meminfo::memTotal},
        {"MemFree", &Meminfo::memFree},
        {"MemAvailable", &Meminfo::memAvailable},
        {"SwapTotal", &Meminfo::swapTotal},
        {"SwapFree", &Meminfo::swapFree},
    };
    while (!text.empty()) {
        const auto newline = text.find('\n');
        const std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);

        const auto colon = line.find(':');
        if (colon == std::string_view::npos)
            continue;
        const std::string_view key = line.substr(0, colon);
        for (const auto& [name, field] : keys) {
            // The first line of a key counts; a repeated one is not the kernel's.
            if (key == name && !(info.*field))
                info.*field = KilobytesToBytes(line.substr(colon + 1));
        }
    }
    return info;
}

DWORD PercentUsed(std::uint64_t available, std::uint64_t total)
{
    if (total == 0)
        return 0;
    const long double used = static_cast<long double>(total - available);
    return static_cast<DWORD>(used * 100.0L / static_cast<long double>(total));
}

} // namespace

MEMORYSTATUS MemoryStatusFromMeminfo(std::string_view text)
{
    const Meminfo info = ParseMeminfo(text);
    MEMORYSTATUS status{};
    status.dwLength = sizeof(MEMORYSTATUS);

    const auto available = info.memAvailable ? info.memAvailable : info.memFree;
    if (info.memTotal && *info.memTotal > 0 && available) {
        status.dwTotalPhys = *info.memTotal;
        status.dwAvailPhys = std::min(*available, *info.memTotal);
        status.dwMemoryLoad = PercentUsed(status.dwAvailPhys, status.dwTotalPhys);
        status.dwTotalVirtual = status.dwTotalPhys;
        status.dwAvailVirtual = status.dwAvailPhys;
    }
    if (info.swapTotal && info.swapFree) {
        status.dwTotalPageFile = *info.swapTotal;
        status.dwAvailPageFile = std::min(*info.swapFree, *info.swapTotal);
    }
    return status;
}

void GlobalMemoryStatus(MEMORYSTATUS* lpBuffer)
{
    if (lpBuffer == nullptr)
        return;
    *lpBuffer = MemoryStatusFromMeminfo(ReadSystemFile("/proc/meminfo").value_or(std::string()));
}
