// Texts that fit on both screen sizes: the longest read-outs that real
// machines give are drawn smaller rather than cut at their button's edge, and
// the command bar's and the battery bar's texts grow with the large screen.
#include <QToolButton>

#include "monitor_fixture.h"

namespace {

class TextFit : public MonitorFixture {
protected:
    TextFit() { CoordinatePicture(480, 500).save(m_tree.Path("skin/1_VGA.png")); }
};

// Pixels where the label's colour (1, 2, 3) covers the picture, whose blue is always 77.
bool IsInk(COLORREF c)
{
    return GetBValue(c) < 20;
}

TEST_F(TextFit, LongestReadoutsFitTheirButtonsOnBothScreens)
{
    const char16_t* const texts[] = {
        u"246040.12  /  246047.97 MB", // a 258 GB disk, free over total
        u"Total:  246047.97 MB",
        u"23733.52  /  24105.20 MB", // 24 GB of memory
    };
    for (const char* screen : {"240x320", "480x640"}) {
        ScopedEnv size("QUILLET_SCREEN", screen);
        CQuilletView* view = Start();
        ASSERT_NE(view, nullptr) << screen;
        for (CImageButton* button : {&view->m_btnStorageText, &view->m_btnMemoryText}) {
            CRect rc;
            button->GetWindowRect(&rc);
            view->ScreenToClient(&rc);
            for (const char16_t* text : texts) {
                SCOPED_TRACE(std::string(screen) + " " + QString::fromUtf16(text).toStdString());
                button->SetWindowText(text);
                const QImage image = Grab(button->m_hWnd);
                int ink = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        ink += IsInk(PixelAt(image, x, y));
                EXPECT_GT(ink, 20) << "the text is drawn";
                // The last two columns show the picture only: nothing was cut at the edge.
                for (int x = image.width() - 2; x < image.width(); ++x)
                    for (int y = 0; y < image.height(); ++y)
                        ASSERT_EQ(PixelAt(image, x, y), RGB(BYTE(rc.left + x), BYTE(rc.top + y), 77))
                            << "at " << x << "," << y;
            }
        }
        AfxGetMainWnd()->DestroyWindow();
        PumpFor(5);
    }
}

// Height in rows of the ink of a text drawn in the given colour.
int InkRows(const QImage& image, COLORREF text)
{
    int top = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelAt(image, x, y) == text) {
                top = top < 0 ? y : top;
                bottom = y;
            }
    return top < 0 ? 0 : bottom - top + 1;
}

TEST_F(TextFit, BarAndCommandBarTextsGrowWithTheLargeScreen)
{
    AddBattery("BAT0", {"capacity=50", "status=Charging"});
    int rows[2] = {};
    int pixels[2] = {};
    int i = 0;
    for (const char* screen : {"240x320", "480x640"}) {
        ScopedEnv size("QUILLET_SCREEN", screen);
        CQuilletView* view = Start();
        ASSERT_NE(view, nullptr) << screen;
        rows[i] = InkRows(Grab(view->m_barBattery.m_hWnd), view->m_barBattery.m_clrText);
        const auto buttons = AfxWidget(AfxGetMainWnd()->m_hWnd)->findChildren<QToolButton*>();
        ASSERT_FALSE(buttons.isEmpty());
        for (QToolButton* button : buttons)
            if (button->menu())
                pixels[i] = QFontInfo(button->font()).pixelSize();
        AfxGetMainWnd()->DestroyWindow();
        PumpFor(5);
        ++i;
    }
    EXPECT_GT(rows[0], 4) << "the charging text is drawn";
    EXPECT_GE(rows[1], rows[0] * 17 / 10) << "the charging text is twice as large";
    EXPECT_EQ(pixels[0], 12);
    EXPECT_EQ(pixels[1], 24) << "the menu title is twice as large";
}

} // namespace
