// What the level bar paints, pixel by pixel, and the image button's label formats.
#include "framework/imagelist_p.h"
#include "monitor_fixture.h"
#include "res/resource.h"

namespace {

constexpr COLORREF kBack = RGB(10, 20, 30);
constexpr COLORREF kFill = RGB(200, 100, 50);
constexpr COLORREF kText = RGB(0, 0, 255);

// Width of the filled part of the bar's middle row (inside its 1-pixel border).
int FillWidth(const QImage& image)
{
    int n = 0;
    while (n + 1 < image.width() - 1 && PixelAt(image, 1 + n, image.height() / 2) == kFill)
        ++n;
    return n;
}

bool HasColour(const QImage& image, COLORREF colour)
{
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x)
            if (PixelAt(image, x, y) == colour)
                return true;
    return false;
}

using LevelBar = MonitorFixture;

TEST_F(LevelBar, PaintsFillAndText)
{
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    CLevelBar& bar = view->m_barMemory;
    CRect rc;
    bar.GetClientRect(&rc);
    const int width = rc.Width();
    ASSERT_GT(width, 100);

    struct Case {
        const char* name;
        int lower, upper, pos;
        int fill; // -1: background only
    };
    const Case cases[] = {
        {"AtLowerBound", 0, 100, 0, 0},
        {"Half", 0, 100, 50, int(float(50) * float(width) / 100.0f)},
        {"FillIsTruncated", 0, 100, 57, int(float(57) * float(width) / 100.0f)},
        {"AtUpperBound", 0, 100, 100, width},
        {"OffsetRange", 50, 150, 100, int(float(50) * float(width) / 100.0f)},
        {"AboveRangeBackgroundOnly", 0, 100, 255, -1},
        {"BelowRangeBackgroundOnly", 10, 100, 5, -1},
    };
    for (const Case& c : cases) {
        bar.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(WORD(c.lower), WORD(c.upper)));
        bar.SetColors(kBack, kFill, kText, 1);
        bar.SetText(u"", 1);
        bar.SendMessage(PBM_SETPOS, WPARAM(c.pos), 0);
        const QImage image = Grab(bar.m_hWnd);
        EXPECT_EQ(PixelAt(image, 0, 0), RGB(0, 0, 0)) << c.name << ": border";
        if (c.fill < 0) {
            EXPECT_FALSE(HasColour(image, kFill)) << c.name;
        } else {
            EXPECT_EQ(FillWidth(image), c.fill) << c.name;
            if (c.fill < width) {
                EXPECT_EQ(PixelAt(image, 1 + c.fill, image.height() / 2), kBack) << c.name;
            }
        }
        // Text is drawn over the bar only when the position is in range.
        bar.SetText(u"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", 1);
        EXPECT_EQ(HasColour(Grab(bar.m_hWnd), kText), c.fill >= 0) << c.name;
    }
}

TEST(ImageButtonLabel, FormatsFromAlignment)
{
    // The skin's vertical -1 is the bottom; the label is always one line.
    constexpr UINT kLeftBottom = DT_LEFT | DT_BOTTOM | DT_SINGLELINE;
    constexpr UINT kLeftMiddle = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
    constexpr UINT kLeftTop = DT_LEFT | DT_TOP | DT_SINGLELINE;
    constexpr UINT kCentreBottom = DT_CENTER | DT_BOTTOM | DT_SINGLELINE;
    constexpr UINT kCentreMiddle = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    constexpr UINT kCentreTop = DT_CENTER | DT_TOP | DT_SINGLELINE;
    constexpr UINT kRightBottom = DT_RIGHT | DT_BOTTOM | DT_SINGLELINE;
    constexpr UINT kRightMiddle = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
    constexpr UINT kRightTop = DT_RIGHT | DT_TOP | DT_SINGLELINE;
    // An alignment out of range gives no flags: top left, wrapped.
    constexpr UINT kNoFlags = 0;
    struct Case {
        int h, v;
        UINT format;
    };
    const Case cases[] = {
        {-1, -1, kLeftBottom},
        {-1, 0, kLeftMiddle},
        {-1, 1, kLeftTop},
        {0, -1, kCentreBottom},
        {0, 0, kCentreMiddle},
        {0, 1, kCentreTop},
        {1, -1, kRightBottom},
        {1, 0, kRightMiddle},
        {1, 1, kRightTop},
        {2, 0, kNoFlags},
        {0, -2, kNoFlags},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CImageButton::LabelFormat(c.h, c.v), c.format) << c.h << "," << c.v;
}

} // namespace

namespace {

TEST(ImageList, CutsBitmapsAndTakesIcons)
{
    struct Case {
        const char* name;
        int cx;
        COLORREF mask;
        int count;
    };
    // The command-bar strip: four images of 16 × 16.
    const Case cases[] = {
        {"FourImagesOfSixteen", 16, CLR_NONE, 4},
        {"NarrowerRemainderDropped", 20, CLR_NONE, 3},
        {"MaskColourKeepsTheCount", 16, RGB(255, 0, 255), 4},
    };
    for (const Case& c : cases) {
        CImageList list;
        EXPECT_TRUE(list.Create(IDR_MAINFRAME, c.cx, 0, c.mask)) << c.name;
        EXPECT_EQ(list.GetImageCount(), c.count) << c.name;
    }
    CImageList missing;
    EXPECT_FALSE(missing.Create(9999, 16, 0, CLR_NONE));
    EXPECT_EQ(LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(9999)), nullptr);

    CImageList icons;
    ASSERT_TRUE(icons.Create(16, 16, ILC_MASK, 1, 0));
    HICON__ big{QImage(32, 32, QImage::Format_ARGB32)};
    EXPECT_EQ(icons.Add(&big), 0);
    EXPECT_EQ(icons.Add(&big), 1);
    EXPECT_EQ(icons.Replace(0, &big), 0);
    EXPECT_EQ(icons.Replace(2, &big), -1) << "no image 2 to replace";
    EXPECT_EQ(icons.GetImageCount(), 2);
    EXPECT_EQ(AfxImageListIcon(icons, 1).availableSizes().value(0), QSize(16, 16)) << "icons take the list's size";
}

} // namespace
