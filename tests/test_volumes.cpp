// Which mounts are storage volumes, and the enumeration over them.
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "fixture_root.h"
#include "platform/disk.h"
#include "platform/error.h"
#include "platform/text.h"
#include "platform/volumes.h"

namespace {

using Points = std::vector<std::string>;

const VolumeOwner kAlice{"/home/alice", "alice"};

TEST(StorageMountPoints, Machines)
{
    struct Case {
        const char* name;
        const char* mountinfo;
        Points points;
    };
    const Case cases[] = {
        {"LaptopBtrfsSubvolumesOnceEfiLeftOut",
            "26 1 0:25 /@ / rw,relatime shared:1 - btrfs /dev/nvme0n1p2 rw,ssd,subvol=/@\n"
            "27 26 0:25 /@home /home rw,relatime shared:2 - btrfs /dev/nvme0n1p2 rw,subvol=/@home\n"
            "28 26 259:1 / /boot/efi rw,relatime shared:3 - vfat /dev/nvme0n1p1 rw\n"
            "29 26 0:26 / /tmp rw shared:4 - tmpfs tmpfs rw\n"
            "30 26 0:27 / /run rw shared:5 - tmpfs tmpfs rw\n"
            "31 26 0:29 / /proc rw shared:6 - proc proc rw\n"
            "32 26 259:3 / /data rw shared:7 - ext4 /dev/nvme0n1p3 rw\n"
            "33 26 0:25 /@snapshots /.snapshots rw shared:8 - btrfs /dev/nvme0n1p2 rw\n"
            "34 26 0:40 /@backup /mnt/backup rw shared:9 - btrfs /dev/sda1 rw,subvol=/@backup\n",
            {"/", "/data", "/mnt/backup"}},
        {"UsbStickUnderRunMediaWithABlank",
            "26 1 8:2 / / rw - ext4 /dev/sda2 rw\n"
            "40 30 8:17 / /run/media/alice/USB\\040STICK rw,nosuid,nodev - vfat /dev/sdb1 rw\n"
            "41 30 8:33 / /run/media/alice2/OTHER rw - vfat /dev/sdc1 rw\n"
            "42 30 8:49 / /run/media/bob/THEIRS rw - vfat /dev/sdd1 rw\n"
            "43 30 0:45 / /run/user/1000/doc rw - fuse.portal portal rw\n",
            {"/", "/run/media/alice/USB STICK"}},
        {"SnapSquashfsLoopsLeftOut",
            "26 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
            "50 26 7:0 / /snap/core22/1033 ro,nodev - squashfs /dev/loop0 ro\n"
            "51 26 7:1 / /snap/firefox/2000 ro,nodev - squashfs /dev/loop1 ro\n"
            "52 26 7:2 / /media/image ro - squashfs /dev/loop2 ro\n",
            {"/"}},
        {"OverlayContainerRootWithBoundFiles",
            "600 500 0:52 / / rw,relatime - overlay overlay rw,lowerdir=/l,upperdir=/u,workdir=/w\n"
            "601 600 0:55 / /proc rw - proc proc rw\n"
            "602 600 0:56 / /dev rw - tmpfs tmpfs rw\n"
            "610 600 254:1 /var/lib/docker/containers/abc/resolv.conf /etc/resolv.conf rw - ext4 /dev/vda1 rw\n"
            "611 600 254:1 /var/lib/docker/containers/abc/hostname /etc/hostname rw - ext4 /dev/vda1 rw\n"
            "612 600 254:1 /home/alice/project /work rw - ext4 /dev/vda1 rw\n"
            "613 600 254:2 / /data rw - ext4 /dev/vdb rw\n"
            "614 600 254:3 / /var/lib/containers/storage rw - ext4 /dev/vdc rw\n",
            {"/", "/data"}},
        {"NfsHomeNetworkOnlyInPersonalPlaces",
            "26 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
            "70 26 0:60 / /home/alice rw - nfs4 server:/export/alice rw\n"
            "71 26 0:61 / /home/alice2 rw - nfs4 server:/export/alice2 rw\n"
            "72 26 0:62 / /srv/share rw - nfs server:/share rw\n"
            "73 26 0:63 / /mnt/nas rw - cifs //nas/share rw\n"
            "74 70 0:64 / /home/alice/.cache/gvfs rw - fuse.gvfsd-fuse gvfsd-fuse rw\n"
            "75 70 0:65 / /home/alice/remote rw - fuse.sshfs alice@host: rw\n",
            {"/", "/home/alice", "/mnt/nas", "/home/alice/remote"}},
        {"NoRootLineStillListsRoot", "32 26 8:3 / /data rw - ext4 /dev/sda3 rw\n", {"/", "/data"}},
        {"LastRootLineIsInEffect",
            "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
            "2 1 8:2 / / rw - ext4 /dev/sda2 rw\n"
            "3 2 8:1 / /mnt/old rw - ext4 /dev/sda1 rw\n"
            "4 2 8:2 / /mnt/again rw - ext4 /dev/sda2 rw\n",
            {"/", "/mnt/old"}},
        {"SameFileSystemTwiceListedAtFirstMount",
            "26 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
            "40 26 8:17 / /media/a rw - ext4 /dev/sdb1 rw\n"
            "41 26 8:17 / /mnt/b rw - ext4 /dev/sdb1 rw\n",
            {"/", "/media/a"}},
        {"OvermountedPointOnlyItsLastMount",
            "26 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
            "40 26 8:17 / /media/card rw - vfat /dev/sdb1 rw\n"
            "41 26 8:33 / /media/card rw - vfat /dev/sdc1 rw\n",
            {"/", "/media/card"}},
        {"EscapesDecoded",
            "26 1 8:1 / / rw - ext4 /dev/sda1 rw\n40 26 8:17 / /media/a\\011b\\134c rw - vfat /dev/sdb1 rw\n",
            {"/", "/media/a\tb\\c"}},
        {"TruncatedLastLineAndGarbageSkipped",
            "garbage\n\n26 1 8:1 / / rw - ext4 /dev/sda1 rw\n1 2 3 4 5 6 7\n40 26 8:17 / /media/x rw - ext4 /dev/sdb1 "
            "rw\n"
            "41 26 8:33 / /media/y rw - ext4 /dev/sd",
            {"/", "/media/x"}},
        {"Empty", "", {"/"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StorageMountPoints(c.mountinfo, kAlice), c.points) << c.name;
}

TEST(StorageMountPoints, WithoutAHomeNetworkMountsOnlyInMediaFolders)
{
    const char* text = "26 1 8:1 / / rw - ext4 /dev/sda1 rw\n70 26 0:60 / /srv rw - nfs4 s:/x rw\n"
                       "71 26 0:61 / /media/nfs rw - nfs4 s:/y rw\n";
    EXPECT_EQ(StorageMountPoints(text, VolumeOwner{"/", ""}), (Points{"/", "/media/nfs"}));
}

class FlashCards : public testing::Test {
protected:
    std::vector<std::u16string> Names()
    {
        std::vector<std::u16string> names;
        WIN32_FIND_DATA data{};
        HANDLE h = FindFirstFlashCard(&data);
        if (h == INVALID_HANDLE_VALUE)
            return names;
        do {
            EXPECT_EQ(data.dwFileAttributes, FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_TEMPORARY);
            names.push_back(data.cFileName);
        } while (FindNextFlashCard(h, &data));
        EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_MORE_FILES));
        EXPECT_EQ(FindClose(h), TRUE);
        return names;
    }
    FixtureRoot m_root;
};

TEST_F(FlashCards, UnreadableMountTableStillHasTheRoot)
{
    EXPECT_EQ(Names(), std::vector<std::u16string>{u"/"});
}

TEST_F(FlashCards, NamesAreMountPointsAsWideText)
{
    m_root.Write("/proc/self/mountinfo",
        "26 1 8:1 / / rw - ext4 /dev/sda1 rw\n40 26 8:17 / /media/\xD0\xBA\xD0\xB0\\040\xFF rw - vfat /dev/sdb1 rw\n");
    // The byte that is not UTF-8 is kept (as a lone surrogate), so the name still leads to the mount.
    EXPECT_EQ(Names(), (std::vector<std::u16string>{u"/", u"/media/ка \xDCFF"}));
}

TEST_F(FlashCards, MountPointNotUtf8IsMeasured)
{
    const std::filesystem::path point = m_root.Path("/media/card\xFF");
    std::filesystem::create_directories(point);
    m_root.Write("/proc/self/mountinfo",
        "26 1 8:1 / / rw - ext4 /dev/sda1 rw\n40 26 8:17 / " + point.string() + " rw - vfat /dev/sdb1 rw\n");
    const std::vector<std::u16string> names = Names();
    ULARGE_INTEGER free{}, total{};
    const BOOL bMeasured = names.size() == 2 && GetDiskFreeSpaceExW(names[1].c_str(), &free, &total, nullptr);
    // The toolkit's temporary folder cannot remove a name that is not UTF-8.
    std::filesystem::remove(point);
    EXPECT_EQ(names.size(), 2u);
    EXPECT_TRUE(bMeasured);
    EXPECT_GT(total.QuadPart, 0u);
}

// Threads of this process now.
size_t ThreadCount()
{
    const std::filesystem::directory_iterator tasks("/proc/self/task");
    return size_t(std::distance(begin(tasks), end(tasks)));
}

TEST(VolumeMeter, APathThatHangsHoldsUpOnceAndOneThread)
{
    // "/hang" answers only once let go; every other path at once.
    std::mutex mutex;
    std::condition_variable letGo;
    bool bLetGo = false;
    std::atomic<int> hangCalls = 0;
    const DiskSpace space{1, 2, 3};
    const size_t threadsBefore = ThreadCount();
    {
        VolumeMeter meter(
            [&](const std::string& path) -> std::optional<DiskSpace> {
                if (path == "/hang") {
                    ++hangCalls;
                    std::unique_lock lock(mutex);
                    letGo.wait(lock, [&] { return bLetGo; });
                }
                return space;
            },
            std::chrono::milliseconds(50));
        EXPECT_EQ(meter.Measure("/ok").value_or(DiskSpace{}).totalBytes, 2u);
        EXPECT_FALSE(meter.Measure("/hang")) << "no answer in time";
        for (int i = 0; i < 20; ++i) {
            EXPECT_FALSE(meter.Measure("/hang")) << "remembered, not asked again";
            EXPECT_EQ(meter.Measure("/ok").value_or(DiskSpace{}).totalBytes, 2u) << "the others still answer";
        }
        EXPECT_EQ(hangCalls, 1);
        EXPECT_LE(ThreadCount(), threadsBefore + 2) << "the one caught and the one serving";
        {
            const std::lock_guard lock(mutex);
            bLetGo = true;
        }
        letGo.notify_all();
        // Once it has answered, it is measured again.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        std::optional<DiskSpace> answer;
        while (!(answer = meter.Measure("/hang")) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        EXPECT_TRUE(answer);
        EXPECT_EQ(hangCalls, 2);
    }
    // The meter gone, its workers end.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (ThreadCount() > threadsBefore && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(ThreadCount(), threadsBefore);
}

} // namespace
