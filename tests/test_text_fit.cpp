// Texts that fit on both screen sizes and in both languages: every label of
// every skinned window, the longest read-outs that real machines give among
// them, is drawn smaller rather than cut at its button's edge; and the
// command bar's and the battery bar's texts grow with the large screen.
#include <QToolButton>

#include "framework/language.h"
#include "memory/MemoryDlg.h"
#include "monitor_fixture.h"
#include "res/resource.h"
#include "settings/SettingsDlg.h"
#include "skin/SkinAboutDlg.h"

namespace {

// Pixels where the label's colour (1, 2, 3) covers the picture, whose blue is always 77.
bool IsInk(COLORREF c)
{
    return GetBValue(c) < 20;
}

// The label is drawn, and its button's last two columns show the picture
// only: nothing was cut at the edge, which a text needing a size below the
// fitting's floor would be.
void ExpectWhole(CWnd& button, const std::string& what)
{
    CRect rc;
    button.GetWindowRect(&rc);
    button.GetParent()->ScreenToClient(&rc);
    const QImage image = Grab(button.m_hWnd);
    int ink = 0, cut = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ink += IsInk(PixelAt(image, x, y));
        for (int x = image.width() - 2; x < image.width(); ++x)
            cut += PixelAt(image, x, y) != RGB(BYTE(rc.left + x), BYTE(rc.top + y), 77);
    }
    EXPECT_GT(ink, 20) << what << " is drawn";
    EXPECT_EQ(cut, 0) << what << " is cut at its edge";
}

std::string ShownText(CWnd& button)
{
    CString text;
    button.GetWindowText(text);
    return QString::fromStdU16String(text.str()).toStdString();
}

// A 258 GB disk nearly empty: the longest figures of every read-out format.
constexpr ULONGLONG kLargestTotal = 258'000'000'000ull;
constexpr ULONGLONG kLargestFree = 257'990'000'000ull;

struct Fit {
    const char* name;
    const char* locale;
    const char* screen;
    friend void PrintTo(const Fit& row, std::ostream* os) { *os << row.name; }
};

class TextFit : public MonitorFixture, public testing::WithParamInterface<Fit> {
protected:
    TextFit()
    {
        for (const char* picture : {"1_VGA", "2", "2_VGA", "3", "3_VGA", "4", "4_VGA"})
            CoordinatePicture(480, 500).save(m_tree.Path(QStringLiteral("skin/%1.png").arg(picture)));
    }
    ~TextFit() override { AfxSetLanguage("ru_RU"); }
};

TEST_P(TextFit, EveryLabelOfEveryWindowFits)
{
    AfxSetLanguage(GetParam().locale);
    ScopedEnv size("QUILLET_SCREEN", GetParam().screen);
    ModalRecorder dialogs(IDCANCEL, [](CDialog* pDlg) {
        if (auto* pAbout = dynamic_cast<CSkinAboutDlg*>(pDlg)) {
            for (CImageButton* pLabel :
                {&pAbout->m_btnName, &pAbout->m_btnVersion, &pAbout->m_btnNotice, &pAbout->m_btnCredit})
                ExpectWhole(*pLabel, ShownText(*pLabel));
        } else if (auto* pSettings = dynamic_cast<CSettingsDlg*>(pDlg)) {
            for (CImageButton* pLabel : {&pSettings->m_btnDelay, &pSettings->m_btnWarning})
                ExpectWhole(*pLabel, ShownText(*pLabel));
        } else if (auto* pMemory = dynamic_cast<CMemoryDlg*>(pDlg)) {
            pMemory->m_nVolumeCount = 1;
            pMemory->m_arrVolumeFigures.RemoveAll();
            pMemory->m_arrVolumeFigures.Add(kLargestFree);
            pMemory->m_arrVolumeFigures.Add(kLargestTotal);
            for (int nMode = 0; nMode < 4; ++nMode) {
                pMemory->m_nVolumeTextMode1 = nMode;
                pMemory->UpdateVolumeText1();
                ExpectWhole(pMemory->m_btnVolumeText1, ShownText(pMemory->m_btnVolumeText1));
            }
        }
    });
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    for (UINT nID : {IDS_NO_BATTERY, IDS_UNKNOWN_LEVEL}) {
        CString strText;
        strText.LoadString(nID);
        view->m_btnBatteryText.SetWindowText(strText);
        ExpectWhole(view->m_btnBatteryText, ShownText(view->m_btnBatteryText));
    }
    view->m_arrFigures.RemoveAll();
    for (const ULONGLONG figure : {kLargestFree, kLargestTotal, kLargestFree, kLargestTotal})
        view->m_arrFigures.Add(figure);
    for (int nMode = 0; nMode < 4; ++nMode) {
        view->m_nMemoryTextMode = view->m_nStorageTextMode = nMode;
        view->UpdateMemoryText();
        view->UpdateStorageText();
        ExpectWhole(view->m_btnMemoryText, ShownText(view->m_btnMemoryText));
        ExpectWhole(view->m_btnStorageText, ShownText(view->m_btnStorageText));
    }
    for (UINT nID : {UINT(IDC_MEMORY_DIALOG), ID_ABOUT_MENU, ID_SETTINGS_MENU})
        Command(nID);
    EXPECT_EQ(dialogs.count, 3);
}

INSTANTIATE_TEST_SUITE_P(LanguagesAndSizes, TextFit,
    testing::Values(Fit{"EnglishSmall", "en_US", "240x320"}, Fit{"EnglishLarge", "en_US", "480x640"},
        Fit{"RussianSmall", "ru_RU", "240x320"}, Fit{"RussianLarge", "ru_RU", "480x640"}),
    [](const testing::TestParamInfo<Fit>& info) { return std::string(info.param.name); });

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

class TextGrowth : public MonitorFixture {
protected:
    TextGrowth() { CoordinatePicture(480, 500).save(m_tree.Path("skin/1_VGA.png")); }
};

TEST_F(TextGrowth, BarAndCommandBarTextsGrowWithTheLargeScreen)
{
    AddBattery("BAT0", {"capacity=50", "status=Charging"});
    int rows[2] = {};
    int pixels[2] = {};
    const char* const screens[] = {"240x320", "480x640"};
    for (int i = 0; i < 2; ++i) {
        ScopedEnv size("QUILLET_SCREEN", screens[i]);
        CQuilletView* view = Start();
        EXPECT_NE(view, nullptr) << screens[i];
        if (!view)
            continue;
        rows[i] = InkRows(Grab(view->m_barBattery.m_hWnd), view->m_barBattery.m_clrText);
        for (QToolButton* button : AfxWidget(AfxGetMainWnd()->m_hWnd)->findChildren<QToolButton*>())
            if (button->menu())
                pixels[i] = QFontInfo(button->font()).pixelSize();
        AfxGetMainWnd()->DestroyWindow();
        PumpFor(5);
    }
    EXPECT_GT(rows[0], 4) << "the charging text is drawn";
    EXPECT_GE(rows[1], rows[0] * 17 / 10) << "the charging text is twice as large";
    EXPECT_EQ(pixels[0], 12);
    EXPECT_EQ(pixels[1], 24) << "the menu title is twice as large";
}

} // namespace
