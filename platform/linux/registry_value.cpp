#include "platform/linux/registry_value.h"

#include <string>

#include "platform/registry.h"
#include "platform/text.h"

namespace {

// A string round-trips through UTF-8 only when it is valid UTF-16 with
// exactly one terminating zero at its end.
bool IsPlainString(const std::vector<BYTE>& bytes, std::u16string& text)
{
    if (bytes.size() < 2 || bytes.size() % 2 != 0)
        return false;
    text.clear();
    for (size_t i = 0; i < bytes.size(); i += 2)
        text.push_back(char16_t(bytes[i] | (bytes[i + 1] << 8)));
    if (text.back() != 0)
        return false;
    text.pop_back();
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == 0)
            return false;
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF)
                return false;
            ++i;
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            return false;
        }
    }
    return true;
}

} // namespace

void BindValueData(SqlStatement& statement, int index, DWORD type, const std::vector<BYTE>& bytes)
{
    std::u16string text;
    if ((type == REG_SZ || type == REG_EXPAND_SZ) && IsPlainString(bytes, text)) {
        statement.Bind(index, Utf16ToUtf8(text));
    } else if (type == REG_DWORD && bytes.size() == 4) {
        statement.Bind(index,
            std::int64_t(DWORD(bytes[0]) | DWORD(bytes[1]) << 8 | DWORD(bytes[2]) << 16 | DWORD(bytes[3]) << 24));
    } else {
        statement.BindBlob(index, bytes);
    }
}

std::vector<BYTE> ColumnValueData(const SqlStatement& statement, int column)
{
    switch (statement.Type(column)) {
    case SQLITE_TEXT: {
        std::u16string text = Utf8ToUtf16(statement.Text(column));
        std::vector<BYTE> bytes;
        bytes.reserve((text.size() + 1) * 2);
        for (char16_t c : text) {
            bytes.push_back(BYTE(c & 0xFF));
            bytes.push_back(BYTE(c >> 8));
        }
        bytes.insert(bytes.end(), {0, 0});
        return bytes;
    }
    case SQLITE_INTEGER: {
        DWORD value = DWORD(statement.Int(column));
        return {BYTE(value), BYTE(value >> 8), BYTE(value >> 16), BYTE(value >> 24)};
    }
    default:
        return statement.Blob(column);
    }
}
