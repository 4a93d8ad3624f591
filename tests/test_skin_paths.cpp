// Picture names by screen size, and the load error box.
#include "gui_helpers.h"

#include "res/resource.h"
#include "skin/SkinPaths.h"
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray PngChunk(const char* type, const QByteArray& data)
{
    const QByteArray body = QByteArray(type) + data;
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : body) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    const quint32 size = qToBigEndian<quint32>(quint32(data.size()));
    const quint32 check = qToBigEndian<quint32>(~crc);
    return QByteArray(reinterpret_cast<const char*>(&size), 4) + body +
        QByteArray(reinterpret_cast<const char*>(&check), 4);
}

// A valid PNG start for a side x side picture, without its pixels.
QByteArray HugePngHeader(quint32 side)
{
    const quint32 big = qToBigEndian(side);
    const QByteArray ihdr = QByteArray(reinterpret_cast<const char*>(&big), 4).repeated(2) +
        QByteArray("\x08\x06\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", ihdr) +
        PngChunk("IDAT", QByteArray("\x78\x9c\x03\x00\x00\x00\x00\x01", 8)) + PngChunk("IEND", {});
}

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

TEST(LoadSkinImage, BadPicturesGiveNullOneBoxAndTheReasonOnStderr)
{
    FixtureTree tree;
    tree.Write("garbage.png", QByteArray(300, '\x7f'));
    tree.Write("truncated.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    QImage(3, 2, QImage::Format_RGB32).save(tree.Path("good.bmp"));
    QImage(3, 2, QImage::Format_RGB32).save(tree.Path("good.jpg"));
    // The name's type is only tried first: a picture misnamed or unnamed still loads.
    QImage(3, 2, QImage::Format_RGB32).save(tree.Path("png-in.bmp"), "PNG");
    QImage(3, 2, QImage::Format_RGB32).save(tree.Path("UPPER.PNG"), "PNG");
    QImage(3, 2, QImage::Format_RGB32).save(tree.Path("no-type"), "PNG");
    // A header that promises 20000 x 20000 pixels: 1.6 GB decoded.
    tree.Write("huge.png", HugePngHeader(20000));
    struct Case {
        const char* name;
        const char* reason;
    };
    CWnd owner;
    for (const Case& c : {Case{"garbage.png", "not a picture"}, Case{"truncated.png", "not a picture"},
             Case{"missing.png", "missing"}, Case{"huge.png", "too large"}}) {
        SCOPED_TRACE(c.name);
        MessageBoxRecorder boxes;
        testing::internal::CaptureStderr();
        EXPECT_EQ(LoadSkinImage(&owner, CString(tree.Path(c.name).toStdU16String()), IDS_QUILLET_ERROR), nullptr);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find(tree.Path(c.name).toStdString() + ": " + c.reason), std::string::npos) << err;
        EXPECT_EQ(boxes.boxes.size(), 1u);
        if (boxes.boxes.empty())
            continue;
        EXPECT_EQ(boxes.boxes[0].strText, CString(u"Can't load the picture"));
        EXPECT_EQ(boxes.boxes[0].strCaption, CString(u"Quillet: Error"));
        EXPECT_EQ(boxes.boxes[0].nType, UINT(MB_OK));
    }
    for (const char* name : {"good.bmp", "good.jpg", "png-in.bmp", "UPPER.PNG", "no-type"}) {
        SCOPED_TRACE(name);
        MessageBoxRecorder boxes;
        HBITMAP h = LoadSkinImage(&owner, CString(tree.Path(name).toStdU16String()), IDS_ERROR);
        BITMAP bm{};
        EXPECT_TRUE(GetBitmapSize(h, &bm));
        EXPECT_EQ(bm.bmWidth, 3);
        EXPECT_EQ(bm.bmHeight, 2);
        EXPECT_TRUE(boxes.boxes.empty());
        DeleteObject(h);
    }
}

} // namespace
