#include "platform/volumes.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

#include "platform/error.h"
#include "platform/linux/handle.h"
#include "platform/linux/root.h"
#include "platform/text.h"

namespace {

// A mount table larger than this is not a machine's.
constexpr std::size_t kMountinfoLimit = 16 * 1024 * 1024;

struct Mount {
    std::string device; // major:minor of the file system
    std::string root;   // the part of the file system mounted here
    std::string point;
    std::string type;
    std::string source;
};

// Kernel file systems and images: nothing a person keeps files on.
bool IsSystemType(std::string_view type)
{
    static constexpr std::string_view kTypes[] = {"proc", "sysfs", "tmpfs", "devtmpfs", "overlay", "squashfs", "erofs",
        "cgroup", "cgroup2", "devpts", "mqueue", "securityfs", "debugfs", "tracefs", "pstore", "bpf", "configfs",
        "fusectl", "hugetlbfs", "autofs", "binfmt_misc", "efivarfs", "ramfs", "rpc_pipefs", "nsfs", "selinuxfs", "nfsd",
        "aufs", "binder", "ecryptfs"};
    return std::find(std::begin(kTypes), std::end(kTypes), type) != std::end(kTypes);
}

bool IsRemoteType(std::string_view type)
{
    static constexpr std::string_view kTypes[] = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "ceph",
        "glusterfs", "lustre", "9p", "virtiofs", "fuse", "fuseblk"};
    return type.starts_with("fuse.") || std::find(std::begin(kTypes), std::end(kTypes), type) != std::end(kTypes);
}

// By whole components: /home/alice2 is not below /home/alice.
bool IsAtOrBelow(std::string_view path, std::string_view base)
{
    while (base.size() > 1 && base.back() == '/')
        base.remove_suffix(1);
    if (base == "/")
        return true;
    return path == base || (path.starts_with(base) && path.size() > base.size() && path[base.size()] == '/');
}

bool HasHiddenComponent(std::string_view path)
{
    return path.find("/.") != std::string_view::npos;
}

bool IsSystemPlace(std::string_view point, const VolumeOwner& owner)
{
    static constexpr std::string_view kPlaces[] = {"/boot", "/efi", "/snap", "/proc", "/sys", "/dev", "/var/lib/docker",
        "/var/lib/containers", "/var/lib/kubelet"};
    for (std::string_view place : kPlaces)
        if (IsAtOrBelow(point, place))
            return true;
    const bool userMedia = !owner.user.empty() && IsAtOrBelow(point, "/run/media/" + owner.user);
    return IsAtOrBelow(point, "/run") && !userMedia;
}

bool IsPersonalPlace(std::string_view point, const VolumeOwner& owner)
{
    const bool home = owner.home.size() > 1 && owner.home.front() == '/' && IsAtOrBelow(point, owner.home);
    const bool userMedia = !owner.user.empty() && IsAtOrBelow(point, "/run/media/" + owner.user);
    return home || userMedia || IsAtOrBelow(point, "/media") || IsAtOrBelow(point, "/mnt");
}

bool IsBlockDevice(const Mount& m)
{
    // Real block devices have a major number; btrfs shows an anonymous one.
    return m.source.starts_with("/dev/") || !m.device.starts_with("0:");
}

bool IsStorage(const Mount& m, const VolumeOwner& owner)
{
    if (!m.point.starts_with('/') || HasHiddenComponent(m.point) || IsSystemPlace(m.point, owner) ||
        IsSystemType(m.type))
        return false;
    // A part of a file system bound elsewhere (containers bind single
    // files) is not a volume; a btrfs subvolume is.
    if (m.root != "/" && m.type != "btrfs")
        return false;
    return IsBlockDevice(m) || (IsRemoteType(m.type) && IsPersonalPlace(m.point, owner));
}

// mountinfo writes blanks, tabs, line breaks and backslashes as \ooo.
std::string Unescape(std::string_view field)
{
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        const auto octal = [&](std::size_t k) { return k < field.size() && field[k] >= '0' && field[k] <= '7'; };
        if (field[i] == '\\' && octal(i + 1) && octal(i + 2) && octal(i + 3)) {
            out += char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) | (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

// "36 35 98:0 /mnt1 /mnt/parent rw,noatime master:1 - ext3 /dev/root rw"
bool ParseLine(std::string_view line, Mount& m)
{
    std::vector<std::string_view> fields;
    for (std::size_t from = 0; from <= line.size();) {
        const std::size_t blank = std::min(line.find(' ', from), line.size());
        fields.push_back(line.substr(from, blank - from));
        from = blank + 1;
    }
    const auto dash = std::find(fields.begin() + std::min<std::size_t>(fields.size(), 6), fields.end(), "-");
    if (dash == fields.end() || dash + 1 == fields.end())
        return false;
    m.device = fields[2];
    m.root = Unescape(fields[3]);
    m.point = Unescape(fields[4]);
    m.type = *(dash + 1);
    m.source = dash + 2 != fields.end() ? Unescape(*(dash + 2)) : std::string();
    return true;
}

std::vector<Mount> ParseMounts(std::string_view text)
{
    std::vector<Mount> mounts;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
        Mount m;
        if (ParseLine(text.substr(0, end), m))
            mounts.push_back(std::move(m));
        text.remove_prefix(end + 1);
    }
    return mounts;
}

VolumeOwner CurrentOwner()
{
    VolumeOwner owner;
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found) {
        owner.home = found->pw_dir ? found->pw_dir : "";
        owner.user = found->pw_name ? found->pw_name : "";
    }
    if (const char* home = std::getenv("HOME"); home && *home == '/')
        owner.home = home;
    return owner;
}

struct VolumeSearch : KernelObject {
    std::vector<std::u16string> names;
    std::size_t next = 0;
};

bool Fill(VolumeSearch& search, LPWIN32_FIND_DATA lpFindFlashData)
{
    if (search.next >= search.names.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return false;
    }
    const std::u16string& name = search.names[search.next++];
    *lpFindFlashData = WIN32_FIND_DATAW{};
    lpFindFlashData->dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_TEMPORARY;
    std::copy(name.begin(), name.end(), lpFindFlashData->cFileName);
    return true;
}

} // namespace

std::vector<std::string> StorageMountPoints(std::string_view mountinfo, const VolumeOwner& owner)
{
    const std::vector<Mount> mounts = ParseMounts(mountinfo);
    // A later mount on the same point hides the earlier one.
    std::map<std::string_view, std::size_t> last;
    for (std::size_t i = 0; i < mounts.size(); ++i)
        last[mounts[i].point] = i;
    const auto inEffect = [&](std::size_t i) { return last[mounts[i].point] == i; };
    std::vector<std::string> points{"/"};
    std::set<std::string> devices;
    for (std::size_t i = 0; i < mounts.size(); ++i)
        if (mounts[i].point == "/" && inEffect(i))
            devices.insert(mounts[i].device);
    for (std::size_t i = 0; i < mounts.size(); ++i) {
        const Mount& m = mounts[i];
        if (m.point != "/" && inEffect(i) && IsStorage(m, owner) && devices.insert(m.device).second)
            points.push_back(m.point);
    }
    return points;
}

HANDLE FindFirstFlashCard(LPWIN32_FIND_DATA lpFindFlashData)
{
    if (!lpFindFlashData) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    // An unreadable table still has the root file system.
    const std::string text = ReadSystemFile("/proc/self/mountinfo", kMountinfoLimit).value_or(std::string());
    auto* search = new VolumeSearch;
    for (const std::string& point : StorageMountPoints(text, CurrentOwner())) {
        std::u16string name = FileNameToUtf16(point);
        // A name that does not fit the record cannot be measured by it.
        if (name.size() < MAX_PATH)
            search->names.push_back(std::move(name));
    }
    if (!Fill(*search, lpFindFlashData)) {
        delete search;
        return INVALID_HANDLE_VALUE;
    }
    return HandleOf(search);
}

BOOL FindNextFlashCard(HANDLE hFlashCard, LPWIN32_FIND_DATA lpFindFlashData)
{
    auto* search = ObjectOf<VolumeSearch>(hFlashCard);
    if (!search || !lpFindFlashData) {
        SetLastError(search ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return Fill(*search, lpFindFlashData) ? TRUE : FALSE;
}
