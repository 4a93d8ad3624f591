// CLuRegistry: defaults written back or not, wrong types and sizes, the
// existed flag that drives first-start writes, enumeration and tree deletion.
#include <gtest/gtest.h>

#include "lustring_text.h"
#include "support/LuRegistry.h"
#include "test_reg_home.h"

namespace {

constexpr LPCWSTR kKey = u"Software\\Quillet\\Test";

class LuRegistryTest : public RegHomeTest { };

} // namespace

TEST_F(LuRegistryTest, CreateFlagCreatesMissingKeyWithoutExistedFlag)
{
    CLuRegistry missing(HKEY_LOCAL_MACHINE, kKey, FALSE);
    EXPECT_EQ(missing.m_hKey, nullptr);
    EXPECT_FALSE(missing.WriteDword(u"x", 1)) << "writes without a key must fail";
    EXPECT_EQ(missing.ReadDword(u"x", 5), 5u);
    CLuRegistry created(HKEY_LOCAL_MACHINE, kKey, TRUE);
    EXPECT_NE(created.m_hKey, nullptr);
    EXPECT_FALSE(created.m_bExisted);
    EXPECT_EQ(created.m_dwDisposition, REG_CREATED_NEW_KEY);
    CLuRegistry existing(HKEY_LOCAL_MACHINE, kKey, TRUE);
    EXPECT_TRUE(existing.m_bExisted);
    EXPECT_TRUE(existing.Close());
    EXPECT_FALSE(existing.Close()) << "second Close has no key";
}

TEST_F(LuRegistryTest, ReadDwordOfMissingValueWritesDefaultUnlessNoWrite)
{
    CLuRegistry registry(HKEY_LOCAL_MACHINE, kKey, TRUE);
    EXPECT_EQ(registry.ReadDword(u"Zero", 0), 0u);
    EXPECT_EQ(registry.GetValueType(u"Zero"), 2) << "default 0 must be stored as a DWORD";
    EXPECT_EQ(registry.ReadDword(u"Quiet", REG_DEFAULT_NO_WRITE), REG_DEFAULT_NO_WRITE);
    EXPECT_FALSE(registry.ValueExists(u"Quiet"));
}

TEST_F(LuRegistryTest, ReadDwordByStoredSize)
{
    struct Row {
        const char* fault;
        std::vector<BYTE> stored;
        DWORD expected;
        DWORD sizeAfter;
    };
    const Row rows[] = {
        {"4 bytes of any type read as a number", {0x34, 0x12, 0, 0}, 0x1234, 4},
        {"shorter values read with zero high bytes", {7, 0}, 7, 2},
        {"longer than 4 bytes counts as missing and is overwritten", {1, 2, 3, 4, 5, 6, 7, 8}, 9, 4},
    };
    CLuRegistry registry(HKEY_LOCAL_MACHINE, kKey, TRUE);
    for (const Row& row : rows) {
        EXPECT_TRUE(registry.WriteBinary(u"v", row.stored.data(), DWORD(row.stored.size()))) << row.fault;
        EXPECT_EQ(registry.ReadDword(u"v", 9), row.expected) << row.fault;
        EXPECT_EQ(registry.GetValueSize(u"v"), row.sizeAfter) << row.fault;
    }
}

TEST_F(LuRegistryTest, ReadStringMissingWrongTypeAndDefaults)
{
    CLuRegistry registry(HKEY_LOCAL_MACHINE, kKey, TRUE);
    CLuString none = registry.ReadString(u"None", nullptr);
    EXPECT_EQ(static_cast<LPCWSTR>(none), nullptr);
    EXPECT_FALSE(registry.ValueExists(u"None")) << "a null default stores nothing";

    EXPECT_EQ(Text(registry.ReadString(u"Skin", u"/skins/a")), u"/skins/a");
    EXPECT_EQ(registry.GetValueSize(u"Skin"), 18u) << "default written with terminator, (8 + 1) x 2 bytes";
    EXPECT_EQ(Text(registry.ReadString(u"SKIN", u"other")), u"/skins/a");

    ASSERT_TRUE(registry.WriteDword(u"Number", 42));
    EXPECT_EQ(Text(registry.ReadString(u"Number", u"dflt")), u"dflt");
    EXPECT_EQ(registry.ReadDword(u"Number", REG_DEFAULT_NO_WRITE), 42u) << "wrong type must not be overwritten";
    EXPECT_FALSE(registry.WriteString(u"Null", nullptr));
}

TEST_F(LuRegistryTest, BinaryRoundTripAndSizeQuery)
{
    CLuRegistry registry(HKEY_LOCAL_MACHINE, kKey, TRUE);
    const BYTE data[5] = {1, 2, 3, 4, 5};
    ASSERT_TRUE(registry.WriteBinary(u"Bin", data, sizeof data));
    DWORD size = 0;
    EXPECT_TRUE(registry.ReadBinary(u"Bin", nullptr, size));
    EXPECT_EQ(size, 5u);
    BYTE small[4];
    size = sizeof small;
    EXPECT_FALSE(registry.ReadBinary(u"Bin", small, size));
    EXPECT_FALSE(registry.WriteBinary(u"Bin", nullptr, 3));
}

TEST_F(LuRegistryTest, ValueTypesAsCategories)
{
    const std::pair<DWORD, int> rows[] = {{REG_BINARY, 1}, {REG_DWORD, 2}, {REG_DWORD_BIG_ENDIAN, 2}, {REG_SZ, 3},
        {REG_EXPAND_SZ, 3}, {REG_MULTI_SZ, 4}, {REG_QWORD, 0}};
    CLuRegistry registry(HKEY_LOCAL_MACHINE, kKey, TRUE);
    const BYTE data[4] = {};
    for (auto [type, category] : rows) {
        RegSetValueExW(registry.m_hKey, u"t", 0, type, data, 4);
        EXPECT_EQ(registry.GetValueType(u"t"), category) << "type " << type;
    }
    EXPECT_EQ(registry.GetValueType(u"missing"), 0);
    RegSetValueExW(registry.m_hKey, nullptr, 0, REG_SZ, data, 2);
    EXPECT_FALSE(registry.ValueExists(nullptr)) << "null name is never a value here";
}

TEST_F(LuRegistryTest, EnumerationWalksAndClearsAtTheEnd)
{
    CLuRegistry registry(HKEY_LOCAL_MACHINE, kKey, TRUE);
    for (LPCWSTR child : {u"b", u"a"})
        CLuRegistry(registry.m_hKey, child, TRUE);
    CLuString name;
    ASSERT_TRUE(registry.EnumKeyFirst(name));
    EXPECT_EQ(Text(name), u"a");
    ASSERT_TRUE(registry.EnumKeyNext(name));
    EXPECT_EQ(Text(name), u"b");
    EXPECT_FALSE(registry.EnumKeyNext(name));
    EXPECT_EQ(Text(name), u"") << "a failed enumeration leaves a stale name";
    EXPECT_TRUE(registry.EnumKeyAt(name, 1));
    EXPECT_EQ(Text(name), u"b");

    registry.WriteDword(u"first", 1);
    registry.WriteDword(u"second", 2);
    ASSERT_TRUE(registry.EnumValueFirst(name));
    EXPECT_EQ(Text(name), u"first");
    ASSERT_TRUE(registry.EnumValueNext(name));
    EXPECT_FALSE(registry.EnumValueNext(name));
    EXPECT_EQ(Text(name), u"");
}

TEST_F(LuRegistryTest, DeleteKeyRemovesTheWholeTree)
{
    CLuRegistry root(HKEY_LOCAL_MACHINE, u"Software", TRUE);
    for (LPCWSTR path : {u"Tree\\a\\x", u"Tree\\a\\y", u"Tree\\b"})
        CLuRegistry(root.m_hKey, path, TRUE).WriteDword(u"v", 1);
    EXPECT_TRUE(root.KeyExists(u"Tree\\a\\y"));
    EXPECT_TRUE(root.DeleteKey(u"tree"));
    EXPECT_FALSE(root.KeyExists(u"Tree"));
    EXPECT_FALSE(root.DeleteKey(u"Tree")) << "a missing tree cannot be deleted";
}

TEST_F(LuRegistryTest, CopyConstructorOpensSubKeyOrReportsFailure)
{
    CLuRegistry source(HKEY_LOCAL_MACHINE, kKey, TRUE);
    source.m_strSubKey = u"Child";
    source.m_nEnumIndex = 5;
    CLuRegistry copy(source);
    EXPECT_NE(copy.m_hKey, nullptr);
    EXPECT_EQ(copy.m_nEnumIndex, 0u);
    EXPECT_EQ(Text(copy.m_strSubKey), u"Child");
    EXPECT_TRUE(source.KeyExists(u"child"));

    CLuRegistry keyless(HKEY_LOCAL_MACHINE, u"Software\\Absent", FALSE);
    EXPECT_EQ(CLuRegistry(keyless).m_hKey, nullptr);

    CLuRegistry(HKEY_LOCAL_MACHINE, u"Software", FALSE).DeleteKey(u"Quillet"); // source's key goes away
    testing::internal::CaptureStderr();
    CLuRegistry orphan(source);
    std::string debug = testing::internal::GetCapturedStderr();
    EXPECT_EQ(orphan.m_hKey, nullptr);
    EXPECT_EQ(debug, "CLuRegistry() Copy Constructor: Unable to create subkey: Child\n");
}
