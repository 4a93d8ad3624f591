// A key as users write it: a root (HKLM or HKEY_LOCAL_MACHINE, HKCU, HKCR,
// HKU, any case) and a sub-key path with "\" separators.
#pragma once

#include <optional>
#include <string>

#include "platform/registry.h"

struct KeyPath {
    HKEY root = nullptr;
    std::string rootName;  // the long form, HKEY_LOCAL_MACHINE
    std::u16string subKey; // empty for the root itself

    static std::optional<KeyPath> Parse(const std::string& text);
    // A root name run into more letters with no "\" anywhere, as an unquoted
    // HKLM\Software comes out of the shell (HKLMSoftware).
    static bool LostItsBackslashes(const std::string& text);
    // Root and sub-key joined, as query and export print it.
    std::string FullName() const;
    KeyPath Child(const std::u16string& name) const;
};
