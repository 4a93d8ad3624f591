#include "tools/quillet-reg/KeyContents.h"

namespace {

constexpr DWORD kMaxValueNameChars = 16384;
constexpr DWORD kMaxKeyNameChars = 256;
constexpr int kMaxRetries = 8; // another program may grow a value between size and read

} // namespace

LONG ReadValues(HKEY key, std::vector<RegValue>& values)
{
    std::u16string name(kMaxValueNameChars, u'\0');
    for (DWORD index = 0;; ++index) {
        RegValue value;
        LONG result = ERROR_MORE_DATA;
        for (int attempt = 0; result == ERROR_MORE_DATA && attempt < kMaxRetries; ++attempt) {
            DWORD nameChars = kMaxValueNameChars, size = 0;
            result = RegEnumValueW(key, index, name.data(), &nameChars, nullptr, &value.type, nullptr, &size);
            if (result != ERROR_SUCCESS)
                break;
            value.data.resize(size);
            nameChars = kMaxValueNameChars;
            result = RegEnumValueW(key, index, name.data(), &nameChars, nullptr, &value.type, value.data.data(), &size);
            value.data.resize(size);
            value.name.assign(name.data(), nameChars);
        }
        if (result == ERROR_NO_MORE_ITEMS)
            return ERROR_SUCCESS;
        if (result != ERROR_SUCCESS)
            return result;
        values.push_back(std::move(value));
    }
}

LONG ReadSubKeys(HKEY key, std::vector<std::u16string>& names)
{
    for (DWORD index = 0;; ++index) {
        WCHAR name[kMaxKeyNameChars];
        DWORD chars = kMaxKeyNameChars;
        LONG result = RegEnumKeyExW(key, index, name, &chars, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS)
            return ERROR_SUCCESS;
        if (result != ERROR_SUCCESS)
            return result;
        names.emplace_back(name, chars);
    }
}
