// Picture names by screen size, and the load error box.
#include "gui_helpers.h"
#include "skin/SkinPaths.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinImagePath, NamesThePictureForTheScreen)
{
    struct Case {
        const char* screen;
        int number;
        const char16_t* ext;
        const char16_t* path;
    };
    const Case cases[] = {
        {"240x320", 1, u".png", u"/skins/Blue/1.png"},
        {"320x240", 1, u".png", u"/skins/Blue/1.png"},
        {"240x321", 1, u".png", u"/skins/Blue/1_VGA.png"},
        {"480x640", 3, u".bmp", u"/skins/Blue/3_VGA.bmp"},
        {"640x480", 4, u".jpg", u"/skins/Blue/4_VGA.jpg"},
    };
    for (const Case& c : cases) {
        ScopedEnv screen("QUILLET_SCREEN", c.screen);
        EXPECT_EQ(SkinImagePath(u"/skins/Blue", c.number, c.ext), CString(c.path)) << c.screen;
    }
    // A folder that ends in the separator is taken as it is.
    ScopedEnv screen("QUILLET_SCREEN", "240x320");
    EXPECT_EQ(SkinImagePath(u"/skins/Blue/", 5, u".png"), CString(u"/skins/Blue//5.png"));
}

TEST(LoadSkinImage, BadPicturesGiveNullAndOneBox)
{
    FixtureTree tree;
    tree.Write("garbage.png", QByteArray(300, '\x7f'));
    tree.Write("truncated.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    QImage(3, 2, QImage::Format_RGB32).save(tree.Path("good.bmp"));
    QImage(3, 2, QImage::Format_RGB32).save(tree.Path("good.jpg"));
    CWnd owner;
    for (const char* name : {"garbage.png", "truncated.png", "missing.png"}) {
        MessageBoxRecorder boxes;
        EXPECT_EQ(LoadSkinImage(&owner, CString(tree.Path(name).toStdU16String()), u"Quillet: Error"), nullptr);
        ASSERT_EQ(boxes.boxes.size(), 1u) << name;
        EXPECT_EQ(boxes.boxes[0].strText, CString(u"Can't load the picture"));
        EXPECT_EQ(boxes.boxes[0].strCaption, CString(u"Quillet: Error"));
        EXPECT_EQ(boxes.boxes[0].nType, UINT(MB_OK));
    }
    for (const char* name : {"good.bmp", "good.jpg"}) {
        MessageBoxRecorder boxes;
        HBITMAP h = LoadSkinImage(&owner, CString(tree.Path(name).toStdU16String()), u"Error");
        BITMAP bm{};
        EXPECT_TRUE(GetBitmapSize(h, &bm)) << name;
        EXPECT_EQ(bm.bmWidth, 3);
        EXPECT_EQ(bm.bmHeight, 2);
        EXPECT_TRUE(boxes.boxes.empty());
        DeleteObject(h);
    }
}

} // namespace
