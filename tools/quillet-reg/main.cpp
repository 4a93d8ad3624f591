// quillet-reg: query, add, delete, export and import registry keys in the
// manner of the Windows "reg" command. Exit status 0 on success, 1 on any
// failure and 2 on a command line that is wrong, each with one "ERROR: ..."
// line on standard error.
//
// Overwriting a value, deleting, and exporting over an existing file need a
// confirmation: a question when standard input is a terminal, otherwise /f
// (/y for export); without it the command fails and changes nothing.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

#include "platform/console.h"
#include "platform/text.h"
#include "support/LuRegistry.h"
#include "tools/quillet-reg/KeyContents.h"
#include "tools/quillet-reg/KeyPath.h"
#include "tools/quillet-reg/RegFile.h"
#include "tools/quillet-reg/ValueText.h"

namespace {

constexpr const char* kUsage =
    "Usage:\n"
    "  quillet-reg query KEY [/v NAME | /ve]\n"
    "  quillet-reg add KEY [/v NAME | /ve] [/t REG_SZ|REG_EXPAND_SZ|REG_MULTI_SZ|REG_DWORD|REG_QWORD|REG_BINARY]\n"
    "                  [/d DATA] [/f]\n"
    "  quillet-reg delete KEY [/v NAME | /ve] [/f]\n"
    "  quillet-reg export KEY FILE [/y]\n"
    "  quillet-reg import FILE\n"
    "KEY is ROOT\\Sub\\Key with ROOT one of HKLM, HKCU, HKCR, HKU (or their HKEY_ names).\n"
    "REG_DWORD data is decimal or 0x-hexadecimal; REG_BINARY data is hexadecimal digits;\n"
    "REG_MULTI_SZ strings are separated by \\0. In strings, \\xNN (80 to ff) is a byte of a\n"
    "file name that is not UTF-8, and \\x5c a backslash that would read as such an escape.\n"
    "Without /f (/y), overwriting or deleting asks on a terminal and fails otherwise.\n";

struct Options {
    std::vector<std::string> words;
    std::optional<std::string> valueName; // "" with /ve: the default value
    std::string type = "REG_SZ";
    std::string data;
    bool force = false;
};

int Fail(const std::string& message)
{
    std::cerr << "ERROR: " << message << "\n";
    return 1;
}

// A command line that is wrong, as opposed to a command that failed.
int Misuse(const std::string& message)
{
    Fail(message);
    return 2;
}

// Reading never makes a hive; without one there are no settings yet.
bool NoHiveYet()
{
    std::error_code ec;
    return !std::filesystem::exists(RegStorePath(), ec) && !ec;
}

int FailNoHive()
{
    return Fail(
        "There are no settings yet: " + RegStorePath() + " does not exist (Quillet makes it at its first start).");
}

std::string ErrorText(LONG code)
{
    std::string store = RegStorePath();
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
        return "The system was unable to find the specified registry key or value.";
    case ERROR_BADDB:
        return "The registry store " + store +
            " is not a registry database; it was left untouched "
            "(move it aside to start afresh).";
    case ERROR_CANTOPEN:
        return "The registry store " + store + " cannot be opened or created.";
    case ERROR_ACCESS_DENIED:
        return "Access is denied to the registry store " + store + ".";
    case ERROR_CANTREAD:
        return "The registry store " + store + " could not be read.";
    case ERROR_CANTWRITE:
        return "The registry store " + store + " could not be written.";
    case ERROR_DISK_FULL:
        return "The disk that holds " + store + " is full.";
    case ERROR_INVALID_PARAMETER:
        return "Invalid key or value name.";
    default:
        return "Registry error " + std::to_string(code) + ".";
    }
}

bool Confirm(const std::string& question, bool given, const char* flag)
{
    if (given)
        return true;
    if (!IsInputInteractive()) {
        Fail(question + ": add " + flag + " to confirm (standard input is not a terminal).");
        return false;
    }
    std::cout << question << " (Yes/No)? " << std::flush;
    std::string answer;
    std::getline(std::cin, answer);
    if (!answer.empty() && (answer[0] == 'y' || answer[0] == 'Y'))
        return true;
    Fail("The operation was cancelled.");
    return false;
}

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return text;
}

// Reads /v NAME, /ve, /t TYPE, /d DATA, /f, /y (also with "-") around the
// plain words; anything else, such as a file path, is a plain word.
std::optional<Options> ParseOptions(int argc, char** argv, std::string& why)
{
    Options options;
    std::set<std::string> seen;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        std::string flag = (arg.size() > 1 && (arg[0] == '/' || arg[0] == '-')) ? Upper(arg.substr(1)) : "";
        bool takesValue = flag == "V" || flag == "T" || flag == "D";
        if (takesValue && i + 1 >= argc) {
            why = arg + " needs a value";
            return std::nullopt;
        }
        const bool known = takesValue || flag == "VE" || flag == "F" || flag == "Y";
        if (known && !seen.insert(flag).second) {
            why = arg + " is given twice";
            return std::nullopt;
        }
        if (seen.contains("V") && seen.contains("VE")) {
            why = "/v and /ve cannot be given together";
            return std::nullopt;
        }
        if (flag == "V")
            options.valueName = argv[++i];
        else if (flag == "T")
            options.type = Upper(argv[++i]);
        else if (flag == "D")
            options.data = argv[++i];
        else if (flag == "VE")
            options.valueName = "";
        else if (flag == "F" || flag == "Y")
            options.force = true;
        else // file paths start with "/" too
            options.words.push_back(arg);
    }
    return options;
}

bool SameNoCase(std::u16string_view a, std::u16string_view b)
{
    auto lower = [](char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; };
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(), [&](char16_t x, char16_t y) { return lower(x) == lower(y); });
}

std::string ValueLine(const RegValue& value)
{
    std::string name = value.name.empty() ? "(Default)" : Utf16ToUtf8(value.name);
    return "    " + name + "    " + TypeName(value.type) + "    " + DisplayData(value);
}

int Query(const KeyPath& key, const Options& options)
{
    HKEY handle = nullptr;
    LONG result = RegOpenKeyExW(key.root, key.subKey.c_str(), 0, KEY_READ, &handle);
    if (result == ERROR_FILE_NOT_FOUND && NoHiveYet())
        return FailNoHive();
    if (result != ERROR_SUCCESS)
        return Fail(ErrorText(result));
    std::vector<RegValue> values;
    std::vector<std::u16string> children;
    result = ReadValues(handle, values);
    if (result == ERROR_SUCCESS && options.valueName) {
        // The stored spelling of the name is shown, as the hive ignores case.
        std::u16string wanted = Utf8ToUtf16(*options.valueName);
        std::erase_if(values, [&](const RegValue& value) { return !SameNoCase(value.name, wanted); });
        if (values.empty())
            result = ERROR_FILE_NOT_FOUND;
    } else if (result == ERROR_SUCCESS) {
        result = ReadSubKeys(handle, children);
    }
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS)
        return Fail(ErrorText(result));
    std::cout << "\n" << key.FullName() << "\n";
    for (const RegValue& value : values)
        std::cout << ValueLine(value) << "\n";
    if (!children.empty())
        std::cout << "\n";
    for (const std::u16string& child : children)
        std::cout << key.Child(child).FullName() << "\n";
    return 0;
}

int Add(const KeyPath& key, const Options& options)
{
    std::optional<DWORD> type = TypeFromName(options.type);
    std::optional<std::vector<BYTE>> data;
    if (type)
        data = DataFromText(*type, options.data);
    if (options.valueName && (!type || !data))
        return Misuse(
            !type ? "unsupported type " + options.type : "data \"" + options.data + "\" does not fit " + options.type);
    HKEY handle = nullptr;
    LONG result = RegCreateKeyExW(
        key.root, key.subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &handle, nullptr);
    if (result == ERROR_SUCCESS && options.valueName) {
        std::u16string name = Utf8ToUtf16(*options.valueName);
        result = RegQueryValueExW(handle, name.c_str(), nullptr, nullptr, nullptr, nullptr);
        bool exists = result == ERROR_SUCCESS;
        if (result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND) {
            result = ERROR_SUCCESS;
            if (exists && !Confirm("Value " + *options.valueName + " exists, overwrite", options.force, "/f")) {
                RegCloseKey(handle);
                return 1;
            }
            result = RegSetValueExW(handle, name.c_str(), 0, *type, data->data(), DWORD(data->size()));
        }
    }
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS)
        return Fail(ErrorText(result));
    std::cout << "The operation completed successfully.\n";
    return 0;
}

int Delete(const KeyPath& key, const Options& options)
{
    HKEY handle = nullptr;
    LONG result = RegOpenKeyExW(key.root, key.subKey.c_str(), 0, KEY_ALL_ACCESS, &handle);
    if (result == ERROR_SUCCESS && options.valueName) {
        std::u16string name = Utf8ToUtf16(*options.valueName);
        result = RegQueryValueExW(handle, name.c_str(), nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_SUCCESS) {
            if (!Confirm("Delete the registry value " + *options.valueName, options.force, "/f")) {
                RegCloseKey(handle);
                return 1;
            }
            result = RegDeleteValueW(handle, name.c_str());
        }
    }
    RegCloseKey(handle);
    if (result == ERROR_FILE_NOT_FOUND && NoHiveYet())
        return FailNoHive();
    if (result != ERROR_SUCCESS)
        return Fail(ErrorText(result));
    if (!options.valueName) {
        if (!Confirm("Permanently delete the registry key " + key.FullName(), options.force, "/f"))
            return 1;
        if (!CLuRegistry::DeleteKeyTree(key.root, key.subKey.c_str()))
            return Fail(ErrorText(ERROR_CANTWRITE));
    }
    std::cout << "The operation completed successfully.\n";
    return 0;
}

int Export(const KeyPath& key, const std::string& file, const Options& options)
{
    std::ostringstream text;
    LONG result = ExportKey(key, text);
    // No hive yet: an export of nothing, which imports as no change.
    if (result == ERROR_FILE_NOT_FOUND && NoHiveYet()) {
        text.str("");
        WriteEmptyRegFile(text);
        result = ERROR_SUCCESS;
    }
    if (result != ERROR_SUCCESS)
        return Fail(ErrorText(result));
    if (std::filesystem::exists(file) && !Confirm("File " + file + " exists, overwrite", options.force, "/y"))
        return 1;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text.str();
    out.close();
    if (!out)
        return Fail("cannot write " + file + ".");
    std::cout << "The operation completed successfully.\n";
    return 0;
}

int Import(const std::string& file)
{
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec))
        return Fail(file + " is a folder, not a registry file.");
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in)
        return Fail("cannot read " + file + ".");
    std::string problem;
    LONG result = ImportRegFile(bytes.str(), problem);
    if (!problem.empty())
        return Fail(file + ": " + problem);
    if (result != ERROR_SUCCESS)
        return Fail(ErrorText(result));
    std::cout << "The operation completed successfully.\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        std::string arg = Upper(argv[i]);
        if (arg == "/?" || arg == "-?" || arg == "--HELP" || arg == "-H" || (i == 1 && arg == "HELP")) {
            std::cout << kUsage;
            return 0;
        }
    }
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::cout << "quillet-reg " QUILLET_VERSION "\n";
        return 0;
    }
    std::string why;
    std::optional<Options> options = ParseOptions(argc, argv, why);
    if (!options)
        return Misuse("Invalid syntax: " + why + ". Type \"quillet-reg /?\" for usage.");
    const std::vector<std::string>& words = options->words;
    std::string command = words.empty() ? "" : Upper(words[0]);
    size_t wanted = (command == "EXPORT") ? 3 : 2;
    if (words.size() != wanted ||
        (command != "QUERY" && command != "ADD" && command != "DELETE" && command != "EXPORT" && command != "IMPORT"))
        return Misuse("Invalid syntax. Type \"quillet-reg /?\" for usage.");
    if (command == "IMPORT")
        return Import(words[1]);
    std::optional<KeyPath> key = KeyPath::Parse(words[1]);
    if (!key && KeyPath::LostItsBackslashes(words[1]))
        return Misuse("Invalid key name " + words[1] +
            ": it has no backslashes. The shell removes them unless the key is quoted, as in "
            "'HKLM\\Software\\Quillet\\Settings'.");
    if (!key)
        return Misuse("Invalid key name " + words[1] + " (it starts with HKLM, HKCU, HKCR or HKU).");
    if (command == "QUERY")
        return Query(*key, *options);
    if (command == "ADD")
        return Add(*key, *options);
    if (command == "DELETE" && !options->valueName && key->subKey.empty())
        return Misuse("A root key cannot be deleted.");
    if (command == "DELETE")
        return Delete(*key, *options);
    return Export(*key, words[2], *options);
}
