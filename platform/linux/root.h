// Where the Linux readers find /sys and /proc. QUILLET_ROOT moves them onto a
// fixture tree, so tests and headless runs can stage any battery or memory.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// True when QUILLET_ROOT names a fixture tree: what is read there is not
// this machine.
bool UsingFixtureRoot();

// absolutePath under $QUILLET_ROOT when that is set and non-empty, else
// absolutePath itself.
std::string SystemPath(std::string_view absolutePath);

// The text of a small /sys or /proc file (looked up through SystemPath), at
// most maxBytes of it; nullopt when it cannot be opened or read.
std::optional<std::string> ReadSystemFile(std::string_view absolutePath, std::size_t maxBytes = 64 * 1024);

// The text without the blanks, tabs and line ends around it, as /sys and
// /proc files write their values.
std::string_view TrimBlanks(std::string_view text);
