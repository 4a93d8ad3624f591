// The mounted storage volumes, under the handheld platform's names for its
// storage cards: each volume is a folder entry (FILE_ATTRIBUTE_DIRECTORY |
// FILE_ATTRIBUTE_TEMPORARY) whose name is its mount point, a path that
// GetDiskFreeSpaceExW accepts (a file name, every byte kept, as
// FileNameToUtf16 gives it). Read from /proc/self/mountinfo.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file.h"

// Starts the enumeration and fills the first entry; the root file system
// always comes first. INVALID_HANDLE_VALUE when there is nothing to list.
HANDLE FindFirstFlashCard(LPWIN32_FIND_DATA lpFindFlashData);
// The next entry; FALSE with ERROR_NO_MORE_FILES after the last one.
// The handle is closed with FindClose.
BOOL FindNextFlashCard(HANDLE hFlashCard, LPWIN32_FIND_DATA lpFindFlashData);

// Who is asking: the media folders and the home that network and FUSE
// mounts must be at or below.
struct VolumeOwner {
    std::string home; // absolute; empty or "/" for none
    std::string user; // the account name under /run/media; empty for none
};

// The mount points that are storage volumes, in the order listed: the root
// file system first (listed even when the text has no line for it), then
// the others in mount order, each file system once. Only whole lines
// (ending in a line break) count; anything else in the text is skipped.
std::vector<std::string> StorageMountPoints(std::string_view mountinfo, const VolumeOwner& owner);
