// Narrow-to-wide conversion: ASCII text takes a shorter way than the rest,
// and both must give what the platform's call gives.
#include <gtest/gtest.h>

#include <string>

#include "platform/codepage.h"

namespace {

struct Row {
    const char* name;
    UINT codePage;
    std::string bytes; // without a terminator
    std::u16string wide;
};

class Conversion : public testing::TestWithParam<Row> { };

TEST_P(Conversion, GivesTheSizeThenTheTextWithOrWithoutTheTerminator)
{
    const Row& row = GetParam();
    const int n = int(row.bytes.size());
    EXPECT_EQ(MultiByteToWideChar(row.codePage, 0, row.bytes.data(), n, nullptr, 0), int(row.wide.size()));
    std::u16string out(row.wide.size() + 4, u'#');
    const int written = MultiByteToWideChar(row.codePage, 0, row.bytes.data(), n, out.data(), int(out.size()));
    EXPECT_EQ(out.substr(0, size_t(written)), row.wide);
    // -1: up to the terminator, which is written too.
    const int withNul = MultiByteToWideChar(row.codePage, 0, row.bytes.c_str(), -1, out.data(), int(out.size()));
    EXPECT_EQ(withNul, int(row.wide.size()) + 1);
    EXPECT_EQ(out[row.wide.size()], u'\0');
    // Too small a room gives nothing.
    if (!row.wide.empty()) {
        EXPECT_EQ(MultiByteToWideChar(row.codePage, 0, row.bytes.data(), n, out.data(), int(row.wide.size()) - 1), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(CodePages, Conversion,
    testing::Values(Row{"AsciiAnsi", CP_ACP, "Free: 12.00 MB", u"Free: 12.00 MB"},
        Row{"AsciiUtf8", CP_UTF8, "/proc/meminfo", u"/proc/meminfo"},
        Row{"Ascii1252", 1252, "Skins\\Default", u"Skins\\Default"},
        Row{"CyrillicAnsi", CP_ACP, "\xcf\xe0\xec\xff\xf2\xfc", u"Память"},
        Row{"CyrillicUtf8", CP_UTF8, "\xd0\x9f\xd0\xb0\xd0\xbc", u"Пам"},
        Row{"AsciiThenCyrillic", CP_ACP, "RAM \xcf", u"RAM П"}, Row{"Latin1252", 1252, "caf\xe9", u"café"}),
    [](const testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

TEST(Conversion, RefusesAnUnknownCodePageEvenForAscii)
{
    char16_t out[8] = {};
    EXPECT_EQ(MultiByteToWideChar(437, 0, "abc", 3, out, 8), 0);
}

} // namespace
