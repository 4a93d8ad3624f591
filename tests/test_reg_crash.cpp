// Writers killed with SIGKILL at random points, and two writers at once:
// the hive must open afterwards with every value complete, holding the data
// of the last acknowledged write or of the one in flight, and concurrent
// writers must never fail on a lock.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include "support/LuRegistry.h"
#include "test_reg_home.h"
#include "test_reg_process.h"
#include "test_reg_writer.h"

namespace {

struct Stored {
    bool present = false;
    DWORD generation = 0;
};

// Which iteration's string a value holds; a torn or foreign text is "present, generation 0".
Stored StoredText(CLuRegistry& registry, LPCWSTR name, DWORD low, DWORD high)
{
    if (!registry.ValueExists(name))
        return {};
    CLuString value = registry.ReadString(name, nullptr);
    std::u16string text = value ? static_cast<LPCWSTR>(value) : u"";
    for (DWORD i = low; i <= high; ++i)
        if (i > 0 && text == WriterText(i))
            return {true, i};
    return {true, 0};
}

Stored StoredBytes(CLuRegistry& registry, LPCWSTR name, DWORD low, DWORD high)
{
    DWORD size = registry.GetValueSize(name);
    if (size == 0)
        return {};
    std::vector<BYTE> bytes(size);
    if (!registry.ReadBinary(name, bytes.data(), size))
        return {true, 0};
    for (DWORD i = low; i <= high; ++i)
        if (i > 0 && bytes == WriterBytes(i))
            return {true, i};
    return {true, 0};
}

DWORD AckedNumber(const std::string& line)
{
    return DWORD(std::stoul(line));
}

} // namespace

class RegCrashTest : public RegHomeTest { };

TEST_F(RegCrashTest, KilledWriterLeavesEachValueOldOrNew)
{
    constexpr int kKills = 40;
    constexpr int kMostAcksBeforeKill = 4;
    constexpr int kLongestDelayUs = 20000; // about one iteration of four synced commits
    unsigned seed = std::random_device()();
    std::mt19937 random(seed);
    SCOPED_TRACE("seed " + std::to_string(seed));

    DWORD done = 0;     // the last iteration whose "KD" the hive holds
    DWORD lastDone = 0; // and its "Last", written after "KD"
    int verified = 0, midIteration = 0, acks = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        int wanted = int(random() % (kMostAcksBeforeKill + 1)); // 0: killed while starting or creating the hive
        ChildProcess writer({BinPath("test_reg_writer"), "K", std::to_string(done + 1), "1000000"});
        DWORD acked = done;
        std::string line;
        for (int n = 0; n < wanted && writer.ReadLine(line); ++n)
            acked = AckedNumber(line);
        // Not a wait for anything: a random moment inside the next iteration's writes.
        std::this_thread::sleep_for(std::chrono::microseconds(random() % kLongestDelayUs));
        writer.Kill();
        EXPECT_EQ(writer.Wait(), -SIGKILL) << "the writer stopped by itself: a write failed";
        while (writer.ReadLine(line)) // acknowledgements already in the pipe
            acked = AckedNumber(line);
        acks += int(acked - done);

        // A fresh process first: it plays back a journal the writer left.
        ProcessResult fresh = RunProcess({BinPath("quillet-reg"), "query", "HKLM\\Software\\QuilletTest"});
        EXPECT_TRUE(fresh.exitCode == 0 || fresh.err.find("unable to find") != std::string::npos ||
            fresh.err.find("no settings yet") != std::string::npos)
            << fresh.err;
        CLuRegistry registry(HKEY_LOCAL_MACHINE, kWriterKey, FALSE);
        DWORD d = registry.ValueExists(u"KD") ? registry.ReadDword(u"KD", REG_DEFAULT_NO_WRITE) : 0;
        EXPECT_TRUE(d == acked || d == acked + 1) << "KD " << d << " after acknowledging " << acked;
        Stored text = StoredText(registry, u"KS", d, d + 1);
        Stored bytes = StoredBytes(registry, u"KB", d, d + 1);
        if (d > 0) {
            EXPECT_TRUE(text.present && text.generation != 0) << "KS torn or lost at " << d;
            EXPECT_TRUE(bytes.present && bytes.generation != 0) << "KB torn or lost at " << d;
            // Unchanged when this writer never got that far, else its last or last-but-one iteration.
            DWORD last = registry.ReadDword(u"Last", REG_DEFAULT_NO_WRITE);
            EXPECT_TRUE(last == lastDone || last == d || last + 1 == d) << "Last " << last << " with KD " << d;
            lastDone = last;
        }
        EXPECT_FALSE(text.present && text.generation == 0) << "KS torn";
        EXPECT_FALSE(bytes.present && bytes.generation == 0) << "KB torn";
        // Each kill starts from the store the one before left: the first broken one ends the run.
        if (HasFailure())
            break;
        if (text.generation > d || bytes.generation > d)
            ++midIteration;
        done = d;
        ++verified;
    }
    // A fresh process opens the hive too.
    ProcessResult query = RunProcess({BinPath("quillet-reg"), "query", "HKLM\\Software\\QuilletTest", "/v", "KD"});
    EXPECT_EQ(query.exitCode, 0) << query.err;

    std::printf(
        "[ figures  ] %d kills, %d stores verified, %d iterations of 4 writes acknowledged, %d kills mid-iteration, "
        "last iteration %u\n",
        kKills, verified, acks, midIteration, unsigned(done));
    RecordProperty("kills", kKills);
    RecordProperty("verified", verified);
}

TEST_F(RegCrashTest, TwoWritersOnOneKeyBothSucceed)
{
    constexpr int kRounds = 3;
    constexpr DWORD kIterations = 25;
    std::string base = m_home;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        // A fresh folder each round, so the two also race to create the hive.
        std::string home = base + "/round" + std::to_string(round);
        setenv("XDG_CONFIG_HOME", home.c_str(), 1);
        std::string count = std::to_string(kIterations);
        ChildProcess a({BinPath("test_reg_writer"), "A", "1", count});
        ChildProcess b({BinPath("test_reg_writer"), "B", "1", count});
        std::string line;
        while (a.ReadLine(line)) { }
        while (b.ReadLine(line)) { }
        EXPECT_EQ(a.Wait(), 0);
        EXPECT_EQ(b.Wait(), 0);

        CLuRegistry registry(HKEY_LOCAL_MACHINE, kWriterKey, FALSE);
        EXPECT_EQ(registry.ReadDword(u"AD", REG_DEFAULT_NO_WRITE), kIterations);
        EXPECT_EQ(registry.ReadDword(u"BD", REG_DEFAULT_NO_WRITE), kIterations);
        EXPECT_EQ(registry.ReadDword(u"Last", REG_DEFAULT_NO_WRITE), kIterations);
        EXPECT_TRUE(registry.ReadString(u"BS", nullptr).EqualsNoCase(WriterText(kIterations).c_str()));
    }
    std::printf("[ figures  ] %d rounds x 2 processes x %u iterations x 4 writes = %u writes, all succeeded\n", kRounds,
        unsigned(kIterations), unsigned(kRounds * 2 * kIterations * 4));
    setenv("XDG_CONFIG_HOME", base.c_str(), 1);
}
