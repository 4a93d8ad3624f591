// Any mount table must give a list that starts with the root file system,
// holds only absolute paths and names no mount point twice.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

#include "platform/volumes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto points = StorageMountPoints(text, VolumeOwner{"/home/alice", "alice"});
    if (points.empty() || points.front() != "/")
        std::abort();
    std::set<std::string> seen;
    for (const std::string& point : points)
        if (point.empty() || point.front() != '/' || !seen.insert(point).second)
            std::abort();
    return 0;
}
