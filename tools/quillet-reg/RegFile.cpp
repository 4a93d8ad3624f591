#include "tools/quillet-reg/RegFile.h"

#include <optional>
#include <sstream>
#include <vector>

#include "platform/text.h"
#include "support/LuRegistry.h"
#include "tools/quillet-reg/KeyContents.h"
#include "tools/quillet-reg/ValueText.h"

namespace {

constexpr const char* kHeader = "Windows Registry Editor Version 5.00";
constexpr const char* kOldHeader = "REGEDIT4";

std::string AsUtf8(const std::string& bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return bytes.substr(3);
    if (!bytes.starts_with("\xFF\xFE"))
        return bytes;
    std::u16string text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
        text.push_back(char16_t(BYTE(bytes[i]) | BYTE(bytes[i + 1]) << 8));
    return Utf16ToUtf8(text);
}

std::string Trimmed(std::string line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.pop_back();
    size_t start = line.find_first_not_of(" \t");
    return start == std::string::npos ? std::string() : line.substr(start);
}

// Lines with the ",\" continuations of long hex data joined up.
std::vector<std::pair<int, std::string>> LogicalLines(const std::string& text)
{
    std::vector<std::pair<int, std::string>> lines;
    std::istringstream in(text);
    std::string raw;
    bool continues = false;
    for (int number = 1; std::getline(in, raw); ++number) {
        std::string line = Trimmed(raw);
        if (continues)
            lines.back().second += line;
        else
            lines.emplace_back(number, line);
        continues = lines.back().second.ends_with(",\\");
        if (continues)
            lines.back().second.pop_back();
    }
    return lines;
}

LONG ExportBlock(const KeyPath& key, std::ostream& out)
{
    HKEY handle = nullptr;
    LONG result = RegOpenKeyExW(key.root, key.subKey.c_str(), 0, KEY_READ, &handle);
    if (result != ERROR_SUCCESS)
        return result;
    std::vector<RegValue> values;
    std::vector<std::u16string> children;
    result = ReadValues(handle, values);
    if (result == ERROR_SUCCESS)
        result = ReadSubKeys(handle, children);
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS)
        return result;
    out << "[" << key.FullName() << "]\n";
    for (const RegValue& value : values)
        out << RegFileLine(value) << "\n";
    out << "\n";
    for (const std::u16string& child : children)
        if ((result = ExportBlock(key.Child(child), out)) != ERROR_SUCCESS)
            return result;
    return ERROR_SUCCESS;
}

// Deletes a tree; one that is already gone is what the file asked for.
LONG DeleteTree(const KeyPath& key)
{
    HKEY handle = nullptr;
    LONG result = RegOpenKeyExW(key.root, key.subKey.c_str(), 0, KEY_ALL_ACCESS, &handle);
    if (result != ERROR_SUCCESS)
        return result == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : result;
    RegCloseKey(handle);
    return CLuRegistry::DeleteKeyTree(key.root, key.subKey.c_str()) ? ERROR_SUCCESS : ERROR_CANTWRITE;
}

} // namespace

void WriteEmptyRegFile(std::ostream& out)
{
    out << kHeader << "\n\n";
}

LONG ExportKey(const KeyPath& key, std::ostream& out)
{
    std::ostringstream text;
    LONG result = ExportBlock(key, text);
    if (result == ERROR_SUCCESS)
        out << kHeader << "\n\n" << text.str();
    return result;
}

namespace {

// One change a .reg file asks for, checked before anything is applied.
struct Change {
    enum Kind { CreateKey, DeleteKey, SetValue, DeleteValue } kind;
    KeyPath key;
    RegValue value;
};

// Reads every line; on the first bad one sets problem and gives nothing.
std::vector<Change> ParseChanges(const std::string& bytes, std::string& problem)
{
    std::vector<Change> changes;
    std::optional<KeyPath> current;
    bool headerSeen = false;
    for (const auto& [number, line] : LogicalLines(AsUtf8(bytes))) {
        auto fail = [&, number = number](const std::string& why) {
            problem = "line " + std::to_string(number) + ": " + why;
            return std::vector<Change>();
        };
        if (line.empty() || line.starts_with(';'))
            continue;
        if (!headerSeen) {
            headerSeen = line == kHeader || line == kOldHeader;
            if (!headerSeen)
                return fail(std::string("not a registry file (expected \"") + kHeader + "\")");
            continue;
        }
        if (line.starts_with('[')) {
            bool remove = line.starts_with("[-");
            std::optional<KeyPath> key = line.ends_with(']')
                ? KeyPath::Parse(line.substr(remove ? 2 : 1, line.size() - (remove ? 3 : 2)))
                : std::nullopt;
            if (!key || (remove && key->subKey.empty())) // a root holds values but is never deleted
                return fail("bad key line " + line);
            changes.push_back({remove ? Change::DeleteKey : Change::CreateKey, *key, {}});
            current = remove ? std::nullopt : key;
            continue;
        }
        RegValue value;
        bool remove = false;
        std::string why = ParseRegFileLine(line, value, remove);
        if (why.empty() && !current)
            why = "a value before any [KEY] line";
        if (!why.empty())
            return fail(why);
        changes.push_back({remove ? Change::DeleteValue : Change::SetValue, *current, std::move(value)});
    }
    if (!headerSeen)
        problem = "empty file, not a registry file";
    return changes;
}

LONG Apply(const std::vector<Change>& changes)
{
    HKEY current = nullptr;
    LONG result = ERROR_SUCCESS;
    for (const Change& change : changes) {
        if (change.kind == Change::DeleteKey || change.kind == Change::CreateKey) {
            RegCloseKey(current);
            current = nullptr;
            result = change.kind == Change::DeleteKey
                ? DeleteTree(change.key)
                : RegCreateKeyExW(change.key.root, change.key.subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &current, nullptr);
        } else if (change.kind == Change::DeleteValue) {
            result = RegDeleteValueW(current, change.value.name.c_str());
            if (result == ERROR_FILE_NOT_FOUND)
                result = ERROR_SUCCESS;
        } else {
            const RegValue& v = change.value;
            result = RegSetValueExW(current, v.name.c_str(), 0, v.type, v.data.data(), DWORD(v.data.size()));
        }
        if (result != ERROR_SUCCESS)
            break;
    }
    RegCloseKey(current);
    return result;
}

} // namespace

size_t CheckRegFile(const std::string& bytes, std::string& problem)
{
    return ParseChanges(bytes, problem).size();
}

LONG ImportRegFile(const std::string& bytes, std::string& problem)
{
    const std::vector<Change> changes = ParseChanges(bytes, problem);
    if (!problem.empty())
        return ERROR_SUCCESS;
    return RegRunInOneTransaction([&] { return Apply(changes); });
}
