// The framework string: printf formatting with the wide conventions, and
// searching; the arrays that hold strings and figures.
#include <gtest/gtest.h>

#include "framework/array.h"
#include "framework/string.h"

namespace {

CString Fmt(LPCWSTR format, auto... args)
{
    CString s;
    s.Format(format, args...);
    return s;
}

TEST(FrameworkString, FormatFollowsWidePrintf)
{
    EXPECT_EQ(Fmt(u"%d%s", 57, u"%"), CString(u"57%"));
    EXPECT_EQ(Fmt(u"Free:  %0.2lf MB", 12.0), CString(u"Free:  12.00 MB"));
    EXPECT_EQ(Fmt(u"%0.2lf  /  %0.2lf MB", 1.005, 32.0), CString(u"1.00  /  32.00 MB"));
    EXPECT_EQ(Fmt(u"%5s|%-5s|%.2s", u"ab", u"cd", u"xyz"), CString(u"   ab|cd   |xy"));
    EXPECT_EQ(Fmt(u"%c%c", int(u'Ж'), int(u'x')), CString(u"Жx"));
    EXPECT_EQ(Fmt(u"%hs %s", "narrow", u"широкий"), CString(u"narrow широкий"));
    EXPECT_EQ(Fmt(u"%x %X %08.3f %%", 255u, 255u, 3.14159), CString(u"ff FF 0003.142 %"));
    EXPECT_EQ(Fmt(u"%lld %llu", -5000000000LL, 18446744073709551615ULL), CString(u"-5000000000 18446744073709551615"));
    EXPECT_EQ(Fmt(u"%s", static_cast<LPCWSTR>(nullptr)), CString(u"(null)"));
    EXPECT_EQ(Fmt(u"trailing %"), CString(u"trailing "));
}

TEST(FrameworkString, FindAndPieces)
{
    const CString s = u"SkinType = (.png);";
    EXPECT_EQ(s.Find(u"Type"), 4);
    EXPECT_EQ(s.Find(u'='), 9);
    EXPECT_EQ(s.Find(u'x'), -1);
    EXPECT_EQ(s.Find(u';', 100), -1); // a start past the end finds nothing
    EXPECT_EQ(s.Mid(12, 4), CString(u".png"));
    EXPECT_EQ(s.Mid(16, 100), CString(u");"));
    EXPECT_EQ(s.Mid(100, 4), CString());
    EXPECT_EQ(s.Mid(3, -1), CString());
    EXPECT_EQ(s.Left(4), CString(u"Skin"));
    EXPECT_EQ(s.Right(2), CString(u");"));
    CString t = u"  x  ";
    EXPECT_EQ(t.TrimLeft().TrimRight(), CString(u"x"));
}

TEST(FrameworkArray, IndexGivesTheElementItself)
{
    CStringArray names;
    names.Add(u"FLASH");
    names[0] = u"SD"; // stored, not set on a copy
    EXPECT_EQ(names.GetAt(0), CString(u"SD"));
    EXPECT_EQ(&names[0], names.GetData());
#ifndef NDEBUG
    // Caught where it happens, not as an exception out of the event loop.
    EXPECT_DEATH(names.GetAt(1), "nIndex");
#endif
}

} // namespace
