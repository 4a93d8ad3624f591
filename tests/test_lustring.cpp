// CLuString: the buffer rules that the registry wrapper writes through, and
// the text operations, one table row per fault each catches.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "lustring_text.h"
#include "support/LuString.h"

TEST(LuString, ReleasedAndEmptyStates)
{
    CLuString released(nullptr);
    EXPECT_EQ(static_cast<LPCWSTR>(released), nullptr);
    EXPECT_TRUE(released.EqualsNoCase(u""));
    EXPECT_TRUE(released.EqualsNoCase(CLuString(u"")));
    EXPECT_EQ(static_cast<LPCWSTR>(CLuString(released)), nullptr) << "a copy of a released string has a buffer";
    CLuString empty(u"");
    ASSERT_NE(static_cast<LPCWSTR>(empty), nullptr) << "an empty text keeps a buffer with its terminator";
    EXPECT_EQ(empty.GetCapacity(), 16u);
    empty = static_cast<LPCWSTR>(nullptr);
    EXPECT_EQ(static_cast<LPCWSTR>(empty), nullptr) << "a null text frees the buffer";
}

TEST(LuString, GetBuffer260OnEmptyGivesCapacity277)
{
    CLuString s;
    LPWSTR buffer = s.GetBuffer(260);
    EXPECT_EQ(s.GetCapacity(), 277u);
    buffer[261] = u'z'; // n + 2 characters are writable (AddressSanitizer checks)
    std::u16string(u"abc").copy(buffer, 3);
    buffer[3] = 0;
    EXPECT_EQ(s.ReleaseBuffer(-1), 3u);
    EXPECT_EQ(Text(s), u"abc");
}

TEST(LuString, ReleaseBufferBounds)
{
    CLuString s(u"abcdef"); // capacity 22
    EXPECT_EQ(s.ReleaseBuffer(100), 21u) << "length must stop below the capacity";
    EXPECT_EQ(s[21], u'\0');
    EXPECT_EQ(s.ReleaseBuffer(2), 2u);
    EXPECT_EQ(Text(s), u"ab");
    CLuString released;
    EXPECT_EQ(released.ReleaseBuffer(5), 0u) << "no buffer: nothing to count";
    EXPECT_EQ(static_cast<LPCWSTR>(released), nullptr);
    LPWSTR buffer = s.GetBuffer(0);
    for (DWORD i = 0; i < s.GetCapacity(); ++i)
        buffer[i] = u'x'; // a caller that overran the terminator
    EXPECT_EQ(s.ReleaseBuffer(-1), s.GetCapacity() - 1);
}

TEST(LuString, GrowsToExactNeedPlus16WithoutDoublingOrShrinking)
{
    struct Row {
        const char* fault;
        std::function<void(CLuString&)> step;
        DWORD capacity;
    };
    const Row rows[] = {
        {"assign sizes to need + 16", [](CLuString& s) { s = u"0123456789"; }, 26},
        {"fitting text must not reallocate", [](CLuString& s) { s = u"0123456789012345678901234"; }, 26},
        {"growth is not doubled", [](CLuString& s) { s = u"01234567890123456789012345"; }, 42},
        {"shorter text never shrinks", [](CLuString& s) { s = u"a"; }, 42},
        {"GetBuffer(n) reserves n + 1", [](CLuString& s) { s.GetBuffer(100); }, 117},
    };
    CLuString s;
    for (const Row& row : rows) {
        row.step(s);
        EXPECT_EQ(s.GetCapacity(), row.capacity) << row.fault;
    }
    EXPECT_EQ(s[2], u'2') << "growth must copy the old buffer beyond its terminator";
}

TEST(LuString, AppendCharReallocatesEvery16Characters)
{
    CLuString s(u"");
    int reallocations = 0;
    for (int i = 0; i < 64; ++i) {
        LPCWSTR before = s;
        s.AppendChar(u'a');
        reallocations += static_cast<LPCWSTR>(s) != before;
    }
    EXPECT_EQ(s.GetLength(), 64u);
    EXPECT_EQ(reallocations, 4);
}

TEST(LuString, AssignmentFromItselfOrItsOwnBuffer)
{
    CLuString s(u"hello world");
    const CLuString& self = s; // the same object under another name, as a caller may hold it
    s = self;
    EXPECT_EQ(Text(s), u"hello world");
    s = static_cast<LPCWSTR>(s) + 6;
    EXPECT_EQ(Text(s), u"world");
    s.Append(s);
    EXPECT_EQ(Text(s), u"worldworld");
}

TEST(LuString, CaseBlindComparisonFoldsAsciiOnly)
{
    EXPECT_TRUE(CLuString(u"SKIN.PNG").EqualsNoCase(u"skin.png"));
    EXPECT_FALSE(CLuString(u"skin.png").EqualsNoCase(u"skin.pn"));
    EXPECT_EQ(CLuString(u"_").CompareNoCase(u"a") < 0, true) << "folds to lower case as _wcsicmp";
    EXPECT_EQ(CLuString().CompareNoCase(nullptr), 0);
    EXPECT_EQ(CLuString(u"").CompareNoCase(nullptr), 1);
    EXPECT_EQ(CLuString().CompareNoCase(u""), -1);
    EXPECT_FALSE(CLuString(u"abc").StartsWithNoCase(nullptr));
    EXPECT_TRUE(CLuString(u"Abc").StartsWithNoCase(u"aB"));
    EXPECT_TRUE(CLuString(u"Abc").EndsWithNoCase(u"BC"));
    EXPECT_FALSE(CLuString(u"bc").EndsWithNoCase(u"abc"));
}

TEST(LuString, TextOperations)
{
    struct Row {
        const char* fault;
        std::function<std::u16string()> run;
        std::u16string expected;
    };
    auto str = [](auto s) { return Text(s); };
    auto num = [](int n) { return std::u16string(1, char16_t(u'0' + n + 1)); }; // -1 is "0"
    const Row rows[] = {
        {"Append on released string",
            [&] {
                CLuString s;
                s.Append(u"ab");
                return str(s);
            },
            u"ab"},
        {"Concat leaves the source",
            [&] {
                CLuString s(u"a");
                s.Concat(u"b");
                return str(s.Concat(u"c"));
            },
            u"ac"},
        {"CharAt past the end", [&] { return std::u16string(1, CLuString(u"ab").CharAt(2) + u'0'); }, u"0"},
        {"Left longer than text", [&] { return str(CLuString(u"abc").Left(9)); }, u"abc"},
        {"Mid count past end", [&] { return str(CLuString(u"abcdef").Mid(2, 99)); }, u"cdef"},
        {"Mid start past end", [&] { return str(CLuString(u"abc").Mid(4, 1)); }, u""},
        {"Right", [&] { return str(CLuString(u"abcdef").Right(2)); }, u"ef"},
        {"Find negative start", [&] { return num(CLuString(u"abab").Find(u"b", -5)); }, num(1)},
        {"Find start past end", [&] { return num(CLuString(u"ab").Find(u"", 3)); }, num(-1)},
        {"FindChar from start", [&] { return num(CLuString(u"abab").FindChar(u'a', 1)); }, num(2)},
        {"ReverseFind", [&] { return num(CLuString(u"abab").ReverseFind(u"ab")); }, num(2)},
        {"FindOneOf empty set", [&] { return num(CLuString(u"abc").FindOneOf(u"")); }, num(-1)},
        {"FindOneOf", [&] { return num(CLuString(u"abc").FindOneOf(u"xc")); }, num(2)},
        {"Contains case-blind", [&] { return num(CLuString(u"Hello").Contains(u"LL", false)); }, num(1)},
        {"Contains case-sensitive", [&] { return num(CLuString(u"Hello").Contains(u"LL", true)); }, num(0)},
        {"Trim spaces only",
            [&] {
                CLuString s(u"  \ta b\t  ");
                s.Trim();
                return str(s);
            },
            u"\ta b\t"},
        {"Lower ASCII only",
            [&] {
                CLuString s(u"AbЖ");
                s.MakeLowerAscii();
                return str(s);
            },
            u"abЖ"},
        {"Replace resumes after insert",
            [&] {
                CLuString s(u"aaa");
                s.Replace(u"a", u"bb");
                return str(s);
            },
            u"bbbbbb"},
        {"Replace refuses self-containing",
            [&] {
                CLuString s(u"ab");
                return num(s.Replace(u"a", u"xa"));
            },
            num(0)},
        {"Quote escapes quotes", [&] { return str(CLuString::Quote(u"a\"b", u'\'')); }, u"'a%22b'"},
        {"Unquote", [&] { return str(CLuString::Unquote(u"\"a%22b\"")); }, u"a\"b"},
        {"Unquote one-sided", [&] { return str(CLuString::Unquote(u"\"ab")); }, u"\"ab"},
        {"HtmlDecode order", [&] { return str(CLuString::HtmlDecode(u"&lt;&quot;&amp;&gt;")); }, u"<\"&amp;>"},
        {"UrlEncode", [&] { return str(CLuString(u"a b-Ж").UrlEncode()); }, u"a%20b%2d%416"},
        {"ToHex low byte", [&] { return str(CLuString::ToHex(u"A\u0416")); }, u"4116"},
        {"FromHex odd length", [&] { return str(CLuString::FromHex(u"414")); }, u""},
        {"FromHex non-digits count 0", [&] { return str(CLuString::FromHex(u"4g41")); }, u"@A"},
        {"TitleCase minor words",
            [&] {
                CLuString s(u"the end OF a tale. a new one");
                s.TitleCase();
                return str(s);
            },
            u"The End of a Tale. A New One"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.run(), row.expected) << row.fault;
}

TEST(LuString, NextTokenCutsQuotedAndDelimitedTokens)
{
    CLuString source(u"  \"a b\", c ;d"), token;
    ASSERT_TRUE(token.NextToken(source, u",;"));
    EXPECT_EQ(Text(token), u"a b") << "quote and the delimiter after it are dropped";
    ASSERT_TRUE(token.NextToken(source, u",;"));
    EXPECT_EQ(Text(token), u"c") << "token trimmed";
    ASSERT_TRUE(token.NextToken(source, u",;"));
    EXPECT_EQ(Text(token), u"d");
    EXPECT_FALSE(token.NextToken(source, u",;"));
}
