#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <ostream>
#include <string>

#include "fixture_root.h"
#include "platform/disk.h"
#include "platform/memory.h"

namespace {

constexpr std::uint64_t KiB = 1024, GiB = KiB * KiB * KiB;
constexpr std::uint64_t MOST = std::numeric_limits<std::uint64_t>::max();

struct MeminfoCase {
    const char* name;
    const char* text;
    std::uint64_t total, available, swapTotal, swapFree;
    DWORD load;
};

const MeminfoCase kMeminfoCases[] = {
    {"UsesMemAvailable",
        "MemTotal:       16318440 kB\nMemFree:         1000000 kB\nMemAvailable:    8159220 kB\n"
        "Buffers:          100000 kB\nSwapTotal:       2097148 kB\nSwapFree:        1048574 kB\n",
        16318440 * KiB, 8159220 * KiB, 2097148 * KiB, 1048574 * KiB, 50},
    {"OldKernelFallsBackToMemFree", "MemTotal: 1000 kB\nMemFree: 250 kB\nSwapTotal: 0 kB\nSwapFree: 0 kB\n", 1000 * KiB,
        250 * KiB, 0, 0, 75},
    {"SixtyFourGiBKeeps64Bits", "MemTotal: 67108864 kB\nMemFree: 1 kB\nMemAvailable: 50331648 kB\n", 64 * GiB, 48 * GiB,
        0, 0, 25},
    // total - available must not wrap into a huge load.
    {"AvailableAboveTotalClamped", "MemTotal: 100 kB\nMemAvailable: 200 kB\n", 100 * KiB, 100 * KiB, 0, 0, 0},
    {"TruncatedBeforeMemAvailable", "MemTotal: 1000 kB\nMemFree: 500 kB\nMemAvail", 1000 * KiB, 500 * KiB, 0, 0, 50},
    {"TruncatedMidNumber", "MemTotal:       163", 0, 0, 0, 0, 0},
    {"Garbage",
        "\x7f"
        "ELF\x01\x02 MemTotal 12 kB\n::::\n",
        0, 0, 0, 0, 0},
    {"BeyondSixtyFourBitsIsGarbage", "MemTotal: 99999999999999999999999 kB\nMemFree: 1 kB\n", 0, 0, 0, 0, 0},
    {"KilobytesTimes1024Saturates", "MemTotal: 18446744073709551615 kB\nMemAvailable: 18446744073709551615 kB\n", MOST,
        MOST, 0, 0, 0},
};

void PrintTo(const MeminfoCase& c, std::ostream* os)
{
    *os << c.name;
}

class Meminfo : public testing::TestWithParam<MeminfoCase> { };

TEST_P(Meminfo, Parses)
{
    const MeminfoCase& c = GetParam();
    const MEMORYSTATUS status = MemoryStatusFromMeminfo(c.text);
    EXPECT_EQ(status.dwLength, sizeof(MEMORYSTATUS));
    EXPECT_EQ(status.dwTotalPhys, c.total);
    EXPECT_EQ(status.dwAvailPhys, c.available);
    EXPECT_EQ(status.dwTotalPageFile, c.swapTotal);
    EXPECT_EQ(status.dwAvailPageFile, c.swapFree);
    EXPECT_EQ(status.dwMemoryLoad, c.load);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Meminfo, testing::ValuesIn(kMeminfoCases), [](const auto& info) { return std::string(info.param.name); });

class FakeProc : public testing::Test {
protected:
    void WriteMeminfo(const std::string& text) { m_root.Write("/proc/meminfo", text); }
    FixtureRoot m_root;
};

TEST_F(FakeProc, GlobalMemoryStatusReadsMeminfoUnderRoot)
{
    WriteMeminfo("MemTotal: 2048 kB\nMemAvailable: 512 kB\n");
    MEMORYSTATUS status{};
    GlobalMemoryStatus(&status);
    EXPECT_EQ(status.dwTotalPhys, 2048 * KiB);
    EXPECT_EQ(status.dwAvailPhys, 512 * KiB);
}

TEST_F(FakeProc, MissingMeminfoGivesZeros)
{
    MEMORYSTATUS status{};
    status.dwTotalPhys = status.dwAvailPhys = 1;
    GlobalMemoryStatus(&status);
    EXPECT_EQ(status.dwTotalPhys + status.dwAvailPhys, 0u);
}

struct BlocksCase {
    const char* name;
    ULONGLONG blocks, freeBlocks, availableBlocks, blockSize;
    ULONGLONG total, totalFree, available;
};

const BlocksCase kBlocksCases[] = {
    {"Ext4Above4GiBWithReservedBlocks", 26214400, 13107200, 11796480, 4096, 100 * GiB, 50 * GiB, 45 * GiB},
    {"HugeCountsSaturate", MOST / 2, 3, 3, 4096, MOST, 3 * 4096, 3 * 4096},
};

void PrintTo(const BlocksCase& c, std::ostream* os)
{
    *os << c.name;
}

class DiskBlocks : public testing::TestWithParam<BlocksCase> { };

TEST_P(DiskBlocks, Converts)
{
    const BlocksCase& c = GetParam();
    const DiskSpace space = DiskSpaceFromBlocks(c.blocks, c.freeBlocks, c.availableBlocks, c.blockSize);
    EXPECT_EQ(space.totalBytes, c.total);
    EXPECT_EQ(space.totalFreeBytes, c.totalFree);
    EXPECT_EQ(space.freeBytesAvailableToCaller, c.available);
}

INSTANTIATE_TEST_SUITE_P(Figures, DiskBlocks, testing::ValuesIn(kBlocksCases),
    [](const auto& info) { return std::string(info.param.name); });

// The monitor keeps the low half of the counts; the halves must be where it looks.
TEST(UlargeInteger, HalvesMatchQuadPart)
{
    ULARGE_INTEGER value{};
    value.QuadPart = 5 * GiB + 7;
    EXPECT_EQ(value.HighPart, 1u);
    EXPECT_EQ(value.LowPart, DWORD(GiB + 7));
}

TEST(GetDiskFreeSpaceExW, RootFileSystem)
{
    ::unsetenv("QUILLET_ROOT");
    ULARGE_INTEGER available{}, total{}, totalFree{};
    ASSERT_EQ(GetDiskFreeSpaceExW(nullptr, &available, &total, &totalFree), TRUE);
    EXPECT_GT(total.QuadPart, 0u);
    EXPECT_GE(total.QuadPart, totalFree.QuadPart);
    EXPECT_GE(totalFree.QuadPart, available.QuadPart);
}

TEST(GetDiskFreeSpaceExW, SkipsNullOutputs)
{
    ULARGE_INTEGER total{};
    EXPECT_EQ(GetDiskFreeSpaceExW(u"/", nullptr, &total, nullptr), TRUE);
    EXPECT_GT(total.QuadPart, 0u);
}

TEST(GetDiskFreeSpaceExW, MissingFolderFailsWithZeros)
{
    ULARGE_INTEGER available{}, total{}, totalFree{};
    available.QuadPart = total.QuadPart = totalFree.QuadPart = 1;
    EXPECT_EQ(GetDiskFreeSpaceExW(u"/no/such/folder/\u0436", &available, &total, &totalFree), FALSE);
    EXPECT_EQ(available.QuadPart + total.QuadPart + totalFree.QuadPart, 0u);
}

} // namespace
