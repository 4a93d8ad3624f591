#include "tools/quillet-reg/ValueText.h"

#include <cctype>
#include <charconv>
#include <cstdio>

#include "platform/text.h"

namespace {

struct TypeEntry {
    DWORD type;
    const char* name;
};

constexpr TypeEntry kTypes[] = {
    {REG_NONE, "REG_NONE"},
    {REG_SZ, "REG_SZ"},
    {REG_EXPAND_SZ, "REG_EXPAND_SZ"},
    {REG_BINARY, "REG_BINARY"},
    {REG_DWORD, "REG_DWORD"},
    {REG_DWORD_BIG_ENDIAN, "REG_DWORD_BIG_ENDIAN"},
    {REG_LINK, "REG_LINK"},
    {REG_MULTI_SZ, "REG_MULTI_SZ"},
    {REG_QWORD, "REG_QWORD"},
};

std::u16string CharsOf(const std::vector<BYTE>& data)
{
    std::u16string text;
    for (size_t i = 0; i + 1 < data.size(); i += 2)
        text.push_back(char16_t(data[i] | data[i + 1] << 8));
    return text;
}

std::vector<BYTE> BytesOf(const std::u16string& text)
{
    std::vector<BYTE> data;
    for (char16_t c : text) {
        data.push_back(BYTE(c));
        data.push_back(BYTE(c >> 8));
    }
    return data;
}

std::uint64_t LittleEndian(const std::vector<BYTE>& data)
{
    std::uint64_t value = 0;
    for (size_t i = data.size(); i-- > 0;)
        value = value << 8 | data[i];
    return value;
}

std::string HexBytes(const std::vector<BYTE>& data, const char* separator, const char* format)
{
    std::string text;
    char digits[4];
    for (size_t i = 0; i < data.size(); ++i) {
        std::snprintf(digits, sizeof digits, format, data[i]);
        text += (i ? separator : "") + std::string(digits);
    }
    return text;
}

// Two hexadecimal digits per byte, with or without commas between them.
std::optional<std::vector<BYTE>> ParseHexBytes(std::string_view text, bool commas)
{
    std::vector<BYTE> data;
    while (!text.empty()) {
        if (commas && !data.empty()) {
            if (text.front() != ',')
                return std::nullopt;
            text.remove_prefix(1);
        }
        unsigned byte = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + std::min<size_t>(2, text.size()), byte, 16);
        if (text.size() < 2 || error != std::errc() || end != text.data() + 2)
            return std::nullopt;
        data.push_back(BYTE(byte));
        text.remove_prefix(2);
    }
    return data;
}

// A string fits a quoted .reg string when it is one zero-terminated line.
bool IsPlainText(const RegValue& value, std::u16string& text)
{
    text = CharsOf(value.data);
    if (value.data.size() % 2 != 0 || text.empty() || text.back() != 0)
        return false;
    text.pop_back();
    return text.find_first_of(std::u16string_view(u"\0\r\n", 3)) == std::u16string::npos;
}

bool IsHexDigit(char c)
{
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// The byte a "\xNN" at the start of text stands for: one of a file name that
// is not UTF-8 (0x80 to 0xFF), or a backslash (0x5c); nullopt for anything else.
std::optional<char> EscapedByte(std::string_view text)
{
    if (text.size() < 4 || text[0] != '\\' || text[1] != 'x' || !IsHexDigit(text[2]) || !IsHexDigit(text[3]))
        return std::nullopt;
    unsigned byte = 0;
    std::from_chars(text.data() + 2, text.data() + 4, byte, 16);
    return byte == 0x5C || byte >= 0x80 ? std::optional<char>(char(byte)) : std::nullopt;
}

// Reads a quoted, backslash-escaped text at the start of rest and consumes
// it, as the bytes it stands for.
std::optional<std::string> Unquoted(std::string_view& rest)
{
    if (rest.empty() || rest.front() != '"')
        return std::nullopt;
    std::string out;
    for (size_t i = 1; i < rest.size(); ++i) {
        if (rest[i] == '"') {
            rest.remove_prefix(i + 1);
            return out;
        }
        if (const std::optional<char> byte = EscapedByte(rest.substr(i))) {
            out += *byte;
            i += 3;
            continue;
        }
        if (rest[i] == '\\' && i + 1 < rest.size())
            ++i;
        out += rest[i];
    }
    return std::nullopt;
}

// Text as query shows it: each byte of a file name that is not UTF-8 as \xNN,
// and a backslash that would read as such an escape as \x5c. In a quoted
// .reg string every backslash and quote is escaped instead.
std::string EscapedText(std::u16string_view text, bool bQuoted)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF;
        // One character as a file name spells it: a lone byte of 0x80 or
        // more is a byte that is not UTF-8.
        const std::string bytes = FileNameFromUtf16(text.substr(i, pair ? 2 : 1));
        i += pair ? 1 : 0;
        if (bytes.size() == 1 && static_cast<unsigned char>(bytes[0]) >= 0x80) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned char>(bytes[0]));
            out += escape;
        } else if (bQuoted && (bytes == "\\" || bytes == "\"")) {
            out += "\\" + bytes;
        } else if (bytes == "\\" && EscapedByte('\\' + Utf16ToUtf8(text.substr(i + 1, 3)))) {
            out += "\\x5c"; // it would read as an escape
        } else {
            out += bytes;
        }
    }
    return out;
}

// What an unquoted escaped text stands for, its bytes read as a file name.
std::u16string UnescapedText(std::string_view text)
{
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        if (const std::optional<char> byte = EscapedByte(text.substr(i))) {
            bytes += *byte;
            i += 3;
        } else {
            bytes += text[i];
        }
    }
    return FileNameToUtf16(bytes);
}

} // namespace

std::string TypeName(DWORD type)
{
    for (const TypeEntry& entry : kTypes)
        if (entry.type == type)
            return entry.name;
    return "REG_TYPE_" + std::to_string(type);
}

std::optional<DWORD> TypeFromName(const std::string& name)
{
    for (const TypeEntry& entry : kTypes)
        if (name == entry.name)
            return entry.type;
    return std::nullopt;
}

std::string DisplayData(const RegValue& value)
{
    switch (value.type) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
        std::u16string text = CharsOf(value.data);
        return EscapedText(text.substr(0, text.find(u'\0')), false);
    }
    case REG_MULTI_SZ: {
        std::u16string text = CharsOf(value.data);
        while (!text.empty() && text.back() == 0)
            text.pop_back();
        std::string out;
        for (size_t from = 0; from <= text.size();) {
            const size_t at = std::min(text.find(u'\0', from), text.size());
            out += (from ? "\\0" : "") + EscapedText(std::u16string_view(text).substr(from, at - from), false);
            from = at + 1;
        }
        return out;
    }
    case REG_DWORD:
    case REG_QWORD:
        if (value.data.size() == (value.type == REG_DWORD ? 4u : 8u)) {
            char number[24];
            std::snprintf(number, sizeof number, "0x%llx", static_cast<unsigned long long>(LittleEndian(value.data)));
            return number;
        }
        [[fallthrough]];
    default:
        return HexBytes(value.data, "", "%02X");
    }
}

std::optional<std::vector<BYTE>> DataFromText(DWORD type, const std::string& text)
{
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        return BytesOf(UnescapedText(text) + u'\0');
    case REG_MULTI_SZ: {
        std::u16string list;
        for (size_t from = 0; from <= text.size();) {
            size_t at = std::min(text.find("\\0", from), text.size());
            list += UnescapedText(std::string_view(text).substr(from, at - from)) + u'\0';
            from = at + 2;
        }
        return BytesOf(list + u'\0');
    }
    case REG_DWORD:
    case REG_QWORD: {
        bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
        std::uint64_t number = 0;
        auto [end, error] = std::from_chars(
            text.data() + (hex ? 2 : 0), text.data() + text.size(), number, hex ? 16 : 10);
        if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
            (type == REG_DWORD && number > 0xFFFFFFFFu))
            return std::nullopt;
        std::vector<BYTE> data;
        for (size_t i = 0; i < (type == REG_DWORD ? 4u : 8u); ++i)
            data.push_back(BYTE(number >> (8 * i)));
        return data;
    }
    default:
        return ParseHexBytes(text, false);
    }
}

std::string RegFileLine(const RegValue& value)
{
    std::string line = value.name.empty() ? "@=" : '"' + EscapedText(value.name, true) + "\"=";
    std::u16string text;
    if (value.type == REG_SZ && IsPlainText(value, text))
        return line + "\"" + EscapedText(text, true) + "\"";
    if (value.type == REG_DWORD && value.data.size() == 4) {
        char number[16];
        std::snprintf(number, sizeof number, "dword:%08x", unsigned(LittleEndian(value.data)));
        return line + number;
    }
    if (value.type == REG_BINARY)
        return line + "hex:" + HexBytes(value.data, ",", "%02x");
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", unsigned(value.type));
    return line + prefix + HexBytes(value.data, ",", "%02x");
}

std::string ParseRegFileLine(const std::string& line, RegValue& value, bool& remove)
{
    std::string_view rest(line);
    remove = false;
    if (rest.starts_with('@')) {
        value.name.clear();
        rest.remove_prefix(1);
    } else if (std::optional<std::string> name = Unquoted(rest)) {
        value.name = FileNameToUtf16(*name);
    } else {
        return "expected \"name\"= or @=";
    }
    if (!rest.starts_with('='))
        return "expected = after the value name";
    rest.remove_prefix(1);
    if (rest == "-") {
        remove = true;
        return "";
    }
    if (rest.starts_with('"')) {
        std::optional<std::string> text = Unquoted(rest);
        if (!text || !rest.empty())
            return "unterminated string";
        value.type = REG_SZ;
        value.data = BytesOf(FileNameToUtf16(*text) + u'\0');
        return "";
    }
    if (rest.starts_with("dword:")) {
        std::optional<std::vector<BYTE>> data = DataFromText(REG_DWORD, "0x" + std::string(rest.substr(6)));
        if (!data || rest.size() != 14)
            return "dword: needs 8 hexadecimal digits";
        value.type = REG_DWORD;
        value.data = *data;
        return "";
    }
    unsigned type = REG_BINARY;
    if (rest.starts_with("hex(")) {
        size_t close = rest.find("):");
        auto [end, error] = std::from_chars(rest.data() + 4, rest.data() + std::min(close, rest.size()), type, 16);
        if (close == std::string_view::npos || error != std::errc() || end != rest.data() + close)
            return "bad hex(type):";
        rest.remove_prefix(close + 2);
    } else if (rest.starts_with("hex:")) {
        rest.remove_prefix(4);
    } else {
        return "unknown value data";
    }
    std::optional<std::vector<BYTE>> data = ParseHexBytes(rest, true);
    if (!data)
        return "bad hexadecimal bytes";
    value.type = type;
    value.data = *data;
    return "";
}
