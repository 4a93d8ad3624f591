#include "tools/quillet-reg/KeyPath.h"

#include <algorithm>
#include <cctype>

#include "platform/text.h"

namespace {

struct RootName {
    const char* shortName;
    const char* longName;
    HKEY key;
};

bool SameNoCase(const std::string& a, const char* b)
{
    return std::equal(a.begin(), a.end(), b, b + std::char_traits<char>::length(b),
        [](char x, char y) { return std::tolower(x) == std::tolower(y); });
}

const RootName kRoots[] = {
    {"HKLM", "HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {"HKCU", "HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {"HKCR", "HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    {"HKU", "HKEY_USERS", HKEY_USERS},
};

} // namespace

bool KeyPath::LostItsBackslashes(const std::string& text)
{
    if (text.find('\\') != std::string::npos)
        return false;
    for (const RootName& root : kRoots)
        for (const char* name : {root.longName, root.shortName}) {
            const size_t length = std::char_traits<char>::length(name);
            if (text.size() > length && SameNoCase(text.substr(0, length), name))
                return true;
        }
    return false;
}

std::optional<KeyPath> KeyPath::Parse(const std::string& text)
{
    size_t cut = std::min(text.find('\\'), text.size());
    std::string first = text.substr(0, cut);
    std::string rest = cut < text.size() ? text.substr(cut + 1) : std::string();
    while (!rest.empty() && rest.back() == '\\')
        rest.pop_back();
    for (const RootName& root : kRoots)
        if (SameNoCase(first, root.shortName) || SameNoCase(first, root.longName))
            return KeyPath{root.key, root.longName, Utf8ToUtf16(rest)};
    return std::nullopt;
}

std::string KeyPath::FullName() const
{
    return subKey.empty() ? rootName : rootName + "\\" + Utf16ToUtf8(subKey);
}

KeyPath KeyPath::Child(const std::u16string& name) const
{
    return KeyPath{root, rootName, subKey.empty() ? name : subKey + u"\\" + name};
}
