// The Reg* calls against a fresh hive: the platform contracts the wrapper and
// the tool rely on.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <vector>

#include "platform/registry.h"
#include "test_reg_home.h"

namespace {

class RegistryStoreTest : public RegHomeTest {
protected:
    HKEY Create(LPCWSTR path, DWORD* disposition = nullptr)
    {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, &key, disposition),
            ERROR_SUCCESS);
        return key;
    }

    static LONG Set(HKEY key, LPCWSTR name, DWORD type, const std::vector<BYTE>& data)
    {
        return RegSetValueExW(key, name, 0, type, data.data(), DWORD(data.size()));
    }
};

std::vector<BYTE> Bytes(std::u16string_view text)
{
    std::vector<BYTE> data(
        reinterpret_cast<const BYTE*>(text.data()), reinterpret_cast<const BYTE*>(text.data() + text.size()));
    return data;
}

// A string value as the wrapper writes it: characters and terminator.
std::vector<BYTE> Sz(std::u16string text)
{
    text.push_back(0);
    return Bytes(text);
}

} // namespace

TEST_F(RegistryStoreTest, HiveIsCreatedPrivateUnderXdgConfigHome)
{
    RegCloseKey(Create(u"Software"));
    struct stat st = {};
    ASSERT_EQ(stat(StorePath().c_str(), &st), 0) << RegStorePath();
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(RegStorePath(), StorePath());
}

TEST_F(RegistryStoreTest, CreateReportsNewThenExistingKey)
{
    DWORD disposition = 0;
    HKEY key = Create(u"Software\\Quillet\\Settings", &disposition);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    RegCloseKey(key);
    key = Create(u"Software\\Quillet\\Settings", &disposition);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    RegCloseKey(key);
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Nothing", 0, KEY_ALL_ACCESS, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr) << "a failed open must not leave the old handle";
}

TEST_F(RegistryStoreTest, KeyAndValueNamesIgnoreAsciiCase)
{
    HKEY key = Create(u"Software\\Quillet");
    ASSERT_EQ(Set(key, u"Pause", REG_DWORD, {15, 0, 0, 0}), ERROR_SUCCESS);
    ASSERT_EQ(Set(key, u"PAUSE", REG_DWORD, {7, 0, 0, 0}), ERROR_SUCCESS) << "must overwrite, not add";
    HKEY other = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\quillet", 0, KEY_ALL_ACCESS, &other), ERROR_SUCCESS);
    DWORD value = 0, size = 4;
    EXPECT_EQ(
        RegQueryValueExW(other, u"pause", nullptr, nullptr, reinterpret_cast<LPBYTE>(&value), &size), ERROR_SUCCESS);
    EXPECT_EQ(value, 7u);
    WCHAR name[16];
    DWORD chars = 16;
    ASSERT_EQ(RegEnumValueW(other, 0, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(std::u16string(name), u"Pause") << "the first spelling stays";
    chars = 16;
    EXPECT_EQ(RegEnumValueW(other, 1, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
    RegCloseKey(other);
    RegCloseKey(key);
}

TEST_F(RegistryStoreTest, SizeOnlyQueryAndTooSmallBuffer)
{
    HKEY key = Create(u"Software");
    ASSERT_EQ(Set(key, u"S", REG_SZ, Sz(u"abc")), ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    ASSERT_EQ(RegQueryValueExW(key, u"S", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 8u);
    BYTE buffer[8];
    std::memset(buffer, 0xAA, sizeof buffer);
    size = 7;
    EXPECT_EQ(RegQueryValueExW(key, u"S", nullptr, &type, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 8u) << "the needed size comes back";
    size = 8;
    EXPECT_EQ(RegQueryValueExW(key, u"S", nullptr, nullptr, buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(buffer)), u"abc");
    EXPECT_EQ(RegQueryValueExW(key, u"S", nullptr, nullptr, buffer, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegQueryValueExW(key, u"Missing", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
}

TEST_F(RegistryStoreTest, ValuesKeepTypeAndExactBytes)
{
    struct Row {
        const char* fault;
        DWORD type;
        std::vector<BYTE> data;
    };
    const Row rows[] = {
        {"plain string", REG_SZ, Sz(u"Skins/Ж\U0001F600")},
        {"string without terminator", REG_SZ, Bytes(u"ab")},
        {"string of odd size", REG_SZ, {0x61, 0x00, 0x62}},
        {"string with lone surrogate", REG_SZ,
            Bytes(std::u16string_view(u"\xD800"
                                      u"a\0",
                3))},
        {"string with inner zero", REG_SZ, Bytes(std::u16string_view(u"a\0b\0", 4))},
        {"dword", REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"short dword", REG_DWORD, {1, 2}},
        {"empty binary", REG_BINARY, {}},
        {"binary", REG_BINARY, {0, 1, 2, 0xFF}},
        {"unknown type", 12345, {9, 8, 7}},
        {"multi-string", REG_MULTI_SZ, Bytes(std::u16string_view(u"a\0b\0\0", 5))},
    };
    HKEY key = Create(u"Software\\Types");
    for (const Row& row : rows) {
        EXPECT_EQ(Set(key, u"v", row.type, row.data), ERROR_SUCCESS) << row.fault;
        std::vector<BYTE> back(row.data.size() + 4);
        DWORD type = 0, size = DWORD(back.size());
        const LONG read = RegQueryValueExW(key, u"v", nullptr, &type, back.data(), &size);
        EXPECT_EQ(read, ERROR_SUCCESS) << row.fault;
        if (read != ERROR_SUCCESS)
            continue;
        back.resize(size);
        EXPECT_EQ(type, row.type) << row.fault;
        EXPECT_EQ(back, row.data) << row.fault;
    }
    RegCloseKey(key);
}

TEST_F(RegistryStoreTest, EnumerationOrderAndEnd)
{
    HKEY key = Create(u"Software\\E");
    for (LPCWSTR child : {u"beta", u"Alpha", u"gamma"})
        RegCloseKey(Create((std::u16string(u"Software\\E\\") + child).c_str()));
    for (LPCWSTR value : {u"z", u"a", u"m"})
        Set(key, value, REG_DWORD, {1, 0, 0, 0});
    Set(key, u"z", REG_DWORD, {2, 0, 0, 0});
    std::u16string keys, values;
    WCHAR name[32];
    DWORD chars = 32;
    for (DWORD i = 0; RegEnumKeyExW(key, i, name, &chars, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS; ++i)
        keys += std::u16string(name) + u",", chars = 32;
    for (DWORD i = 0; RegEnumValueW(key, i, name, &chars, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS; ++i)
        values += std::u16string(name) + u",", chars = 32;
    EXPECT_EQ(keys, u"Alpha,beta,gamma,") << "sub-keys in case-blind name order";
    EXPECT_EQ(values, u"z,a,m,") << "values in the order first set, kept on overwrite";
    chars = 5; // "Alpha" needs 6 with its terminator
    EXPECT_EQ(RegEnumKeyExW(key, 0, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
    EXPECT_EQ(RegEnumKeyExW(key, 3, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
    RegCloseKey(key);
}

TEST_F(RegistryStoreTest, DeleteKeyRefusesSubKeysAndStalesOpenHandles)
{
    HKEY parent = Create(u"Software\\P");
    HKEY child = Create(u"Software\\P\\C");
    EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"Software\\P"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKeyW(parent, u"c"), ERROR_SUCCESS);
    EXPECT_EQ(Set(child, u"x", REG_DWORD, {0, 0, 0, 0}), ERROR_KEY_DELETED) << "must not write into a lost row";
    EXPECT_EQ(RegDeleteKeyW(parent, u"C"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(child), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(child), ERROR_INVALID_HANDLE) << "double close";
    EXPECT_EQ(RegCloseKey(nullptr), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegOpenKeyExW(child, nullptr, 0, KEY_ALL_ACCESS, &child), ERROR_INVALID_HANDLE) << "closed handle";
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
    RegCloseKey(parent);
}

TEST_F(RegistryStoreTest, StaleHandleDoesNotReachTheKeyInItsPlace)
{
    HKEY first = Create(u"Software\\First");
    RegCloseKey(first);
    HKEY second = Create(u"Software\\Second");
    // The same slot of the handle table, a new generation.
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(second) & 0xFFFFFFFF, reinterpret_cast<UINT_PTR>(first) & 0xFFFFFFFF);
    EXPECT_NE(second, first);
    EXPECT_EQ(Set(first, u"x", REG_DWORD, {1, 0, 0, 0}), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueExW(second, u"x", nullptr, nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(first), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(second), ERROR_SUCCESS);
}
