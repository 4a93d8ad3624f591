// The skin's colour file: keys found anywhere, values read at fixed distances.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "skin/SkinColourFile.h"

namespace {

constexpr COLORREF kUnset = 0x12345678;

struct ColourCase {
    const char* name;
    const char* text;
    const char16_t* key;
    int result;
    COLORREF colour;
};

const ColourCase kColourCases[] = {
    {"CanonicalEntry", "MainTextColor = (0,0,145);\n", u"MainTextColor", 0, 0x00910000},
    {"OtherKeysUntouched", "MainTextColor = (0,0,145);\n", u"BarLowColor", 1, kUnset},
    {"NoBlanksLosesTwoRedDigits", "BarLowColor=(255,255,0);", u"BarLowColor", 0, RGB(5, 255, 0)},
    {"MissingBracketLosesLastBlueDigit", "MainTextColor = (0,0,145;", u"MainTextColor", 0, RGB(0, 0, 14)},
    {"MissingSemicolonReadsUpToNextOne", "BarBackColor = (1,2,3)\nBarLowColor = (4,5,6);", u"BarBackColor", 0,
        RGB(1, 2, 3)},
    {"NoSemicolonAtAll", "BarBackColor = (1,2,3)", u"BarBackColor", 4, kUnset},
    {"NoSecondComma", "BarBackColor = (1,2;", u"BarBackColor", 3, kUnset},
    {"NoComma", "BarBackColor = (1;", u"BarBackColor", 2, kUnset},
    {"KeyAtEndOfText", "BarBackColor", u"BarBackColor", 2, kUnset},
    {"ValuesKeepLowEightBits", "BarTextColor = (256,-1,300);", u"BarTextColor", 0, RGB(0, 255, 44)},
    {"HugeNumberIsDefinedNotUndefined", "BarTextColor = (99999999999999999999999,7,8);", u"BarTextColor", 0,
        RGB(255, 7, 8)},
    {"NonDigitsReadAsZero", "BarTextColor = (red,green,blue);", u"BarTextColor", 0, RGB(0, 0, 0)},
    {"KeyInsideCommentWins", "; the MainTextColor entry below\nMainTextColor = (1,2,3);", u"MainTextColor", 0,
        RGB(0, 2, 3)},
    {"KeyInsideLongerWord", "XBarLowColorX = (9,9,9);\nBarLowColor = (1,2,3);", u"BarLowColor", 0, RGB(0, 9, 9)},
    {"KeysAreCaseSensitive", "maintextcolor = (1,2,3);", u"MainTextColor", 1, kUnset},
};

void PrintTo(const ColourCase& c, std::ostream* os)
{
    *os << c.name;
}

class ColourFile : public testing::TestWithParam<ColourCase> { };

TEST_P(ColourFile, ReadsExactlyWhatTheFormatSays)
{
    const ColourCase& c = GetParam();
    COLORREF colour = kUnset;
    EXPECT_EQ(ReadSkinColour(SkinTextFromBytes(c.text), c.key, colour), c.result);
    EXPECT_EQ(colour, c.colour);
}

INSTANTIATE_TEST_SUITE_P(Entries, ColourFile, testing::ValuesIn(kColourCases),
    [](const auto& info) { return std::string(info.param.name); });

struct TypeCase {
    const char* name;
    const char* text;
    int result;
    const char16_t* ext;
};

const TypeCase kTypeCases[] = {
    {"Png", "SkinType = (.png);", 0, u".png"},
    {"Bmp", "SkinType = (.bmp);", 0, u".bmp"},
    {"Jpg", "SkinType = (.jpg);", 0, u".jpg"},
    {"UpperCaseIsNotKnown", "SkinType = (.JPG);", 0, u".png"},
    {"UnknownTypeFallsBackToPng", "SkinType = (.gif);", 0, u".png"},
    {"TextEndsEarly", "SkinType = (.b", 0, u".png"},
    {"MissingKeyKeepsExtension", "MainTextColor = (0,0,145);", 1, u".bmp"},
};

void PrintTo(const TypeCase& c, std::ostream* os)
{
    *os << c.name;
}

class ImageType : public testing::TestWithParam<TypeCase> { };

TEST_P(ImageType, ChoosesTheExtension)
{
    const TypeCase& c = GetParam();
    CString ext = u".bmp";
    EXPECT_EQ(ReadSkinImageType(SkinTextFromBytes(c.text), ext), c.result);
    EXPECT_EQ(ext, CString(c.ext));
}

INSTANTIATE_TEST_SUITE_P(
    SkinType, ImageType, testing::ValuesIn(kTypeCases), [](const auto& info) { return std::string(info.param.name); });

TEST(ColourFileText, BadFilesGiveNoEntries)
{
    QTemporaryDir dir;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return CString(dir.filePath(name).toStdU16String());
    };
    // UTF-16: the first NUL byte ends the text.
    const QByteArray utf16 = QByteArray("M\0a\0i\0n\0", 8) + QByteArray("T\0e\0x\0t\0", 8);
    EXPECT_EQ(ReadSkinTextFile(write("utf16.ini", utf16)), CString(u"M"));
    EXPECT_TRUE(ReadSkinTextFile(write("empty.ini", QByteArray())).IsEmpty());
    EXPECT_TRUE(ReadSkinTextFile(CString(dir.filePath("missing.ini").toStdU16String())).IsEmpty());
    EXPECT_TRUE(ReadSkinTextFile(CString(dir.path().toStdU16String())).IsEmpty());
    // Far too large to be a colour file: read as none rather than held whole.
    QByteArray huge("MainTextColor = (1,2,3);\n");
    huge.resize(17 * 1024 * 1024, ' ');
    EXPECT_TRUE(ReadSkinTextFile(write("huge.ini", huge)).IsEmpty());
    // Bytes above 0x7F are the Cyrillic code page; the entries still read.
    const CString text = ReadSkinTextFile(write("cp1251.ini", "\xD6\xE2\xE5\xF2 MainTextColor = (1,2,3);"));
    EXPECT_EQ(text.Left(4), CString(u"Цвет"));
    COLORREF colour = 0;
    EXPECT_EQ(ReadSkinColour(text, u"MainTextColor", colour), 0);
    EXPECT_EQ(colour, RGB(1, 2, 3));
}

} // namespace
