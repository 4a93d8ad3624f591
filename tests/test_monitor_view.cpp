// The monitor screen end to end: read-outs, bars, taps and the countdown.
#include <QElapsedTimer>
#include <QMenu>
#include <QShortcut>
#include <QToolButton>

#include "monitor_fixture.h"
#include "res/resource.h"
#include "skin/SkinAboutDlg.h"
#include "skin/SkinPaths.h"

namespace {

using MonitorView = MonitorFixture;

CString WindowText(CWnd& w)
{
    CString s;
    w.GetWindowText(s);
    return s;
}

TEST_F(MonitorView, ShowsTheFiguresAndCyclesTheTextsOnTap)
{
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(m_boxes.boxes.empty());
    const char16_t* const memoryTexts[] = {
        u"Free:  12.00 MB", u"Total:  32.00 MB", u"Used:  20.00 MB", u"12.00  /  32.00 MB", u"Free:  12.00 MB"};
    for (int taps = 0; taps < int(std::size(memoryTexts)); ++taps) {
        EXPECT_EQ(WindowText(view->m_btnMemoryText), CString(memoryTexts[taps])) << "after " << taps << " taps";
        Tap(view->m_btnMemoryText);
    }
    EXPECT_EQ(view->m_barMemory.GetPos(), 38); // 37.5 % rounds up
    // The taps change texts only: the figures and the countdown stay.
    EXPECT_EQ(AfxGetTimerElapse(view->m_hWnd, AUTO_CLOSE_TIMER), 15000u);
    ASSERT_EQ(view->m_arrFigures.GetSize(), 4);
    EXPECT_EQ(view->m_arrFigures[0], 12582912u);
    Tap(view->m_btnStorageText);
    EXPECT_EQ(WindowText(view->m_btnStorageText).Left(8), CString(u"Total:  "));
    // Colours come from the skin's file; keys it lacks keep their defaults.
    EXPECT_EQ(view->m_clrMainText, RGB(1, 2, 3));
    EXPECT_EQ(view->m_clrBarLow, RGB(250, 200, 0));
    EXPECT_EQ(view->m_clrBarNormal, 0x00FF00u);
}

TEST_F(MonitorView, FiguresAreSixtyFourBitEndToEnd)
{
    WriteMeminfo(64L * 1024 * 1024, 6L * 1024 * 1024); // 6 GiB free of 64 GiB
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(WindowText(view->m_btnMemoryText), CString(u"Free:  6144.00 MB"));
    Tap(view->m_btnMemoryText);
    EXPECT_EQ(WindowText(view->m_btnMemoryText), CString(u"Total:  65536.00 MB"));
    Tap(view->m_btnMemoryText);
    EXPECT_EQ(WindowText(view->m_btnMemoryText), CString(u"Used:  59392.00 MB"));
    EXPECT_EQ(view->m_barMemory.GetPos(), 9); // 9.375 %
}

struct BatteryCase {
    const char* name;
    QByteArrayList main;
    QByteArrayList second;
    const char16_t* text;
    int fillColour; // 0 back, 1 normal, 2 low, 3 critical
    const char16_t* barText;
    int backupFill;
    int backupPos;
};

void PrintTo(const BatteryCase& c, std::ostream* os)
{
    *os << c.name;
}

class BatteryReadout : public MonitorFixture, public testing::WithParamInterface<BatteryCase> { };

TEST_P(BatteryReadout, MapsTheStateToTextAndBars)
{
    const BatteryCase& c = GetParam();
    if (!c.main.isEmpty())
        AddBattery("BAT0", c.main);
    if (!c.second.isEmpty())
        AddBattery("BAT1", c.second);
    // A wireless mouse's battery is the mouse's, not the machine's.
    AddBattery("hid-mouse-battery", {"scope=Device", "capacity=3"});
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    const COLORREF fills[] = {view->m_clrBarBack, view->m_clrBarNormal, view->m_clrBarLow, view->m_clrBarCritical};
    EXPECT_EQ(WindowText(view->m_btnBatteryText), CString(c.text));
    EXPECT_EQ(view->m_barBattery.m_clrBar, fills[c.fillColour]);
    EXPECT_EQ(view->m_barBattery.m_clrBack, view->m_clrBarBack);
    EXPECT_EQ(view->m_barBattery.m_strText, CString(c.barText));
    EXPECT_EQ(view->m_barBackup.m_clrBar, fills[c.backupFill]);
    EXPECT_EQ(view->m_barBackup.GetPos(), c.backupPos);
    EXPECT_TRUE(m_boxes.boxes.empty());
}

const BatteryCase kBatteryCases[] = {
    {"Charging", {"capacity=57", "status=Charging"}, {}, u"57%", 1, u"Подзарядка...", 0, 100},
    {"Full", {"capacity=100", "status=Full"}, {}, u"100%", 1, u"", 0, 100},
    {"Low", {"capacity=15", "status=Discharging"}, {}, u"15%", 2, u"", 0, 100},
    {"Critical", {"capacity=4", "status=Discharging"}, {}, u"4%", 3, u"", 0, 100},
    {"NoBatteryShowsNoNumber", {}, {}, u"No battery", 0, u"", 0, 100},
    {"LevelOnlyShowsItsRepresentativeLevel", {"capacity_level=Normal"}, {}, u"55%", 1, u"", 0, 100},
    {"LevelWordUnknownStaysUnknown", {"capacity_level=Unknown"}, {}, u"Unknown", 0, u"", 0, 100},
    {"SecondBatteryLow", {"capacity=80"}, {"capacity=10"}, u"80%", 1, u"", 2, 50},
    {"SecondBatteryCritical", {"capacity=80"}, {"capacity=2"}, u"80%", 1, u"", 3, 25},
};

INSTANTIATE_TEST_SUITE_P(Power, BatteryReadout, testing::ValuesIn(kBatteryCases),
    [](const auto& info) { return std::string(info.param.name); });

// What each tap or command does to the countdown.
struct TimerCase {
    const char* name;
    std::function<void(CQuilletView*)> act;
    bool running;
};

void PrintTo(const TimerCase& c, std::ostream* os)
{
    *os << c.name;
}

class TimerTable : public MonitorFixture, public testing::WithParamInterface<TimerCase> {
public:
    using MonitorFixture::Command;
    using MonitorFixture::Tap;
};

TEST_P(TimerTable, KeepsOrStopsTheCountdown)
{
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    GetParam().act(view);
    EXPECT_EQ(AfxGetTimerElapse(view->m_hWnd, AUTO_CLOSE_TIMER) != 0, GetParam().running);
}

const TimerCase kTimerCases[] = {
    {"MemoryText", [](CQuilletView* v) { TimerTable::Tap(v->m_btnMemoryText); }, true},
    {"StorageText", [](CQuilletView* v) { TimerTable::Tap(v->m_btnStorageText); }, true},
    {"BatteryIcon", [](CQuilletView* v) { TimerTable::Tap(v->m_btnBattery); }, true},
    {"BatteryText", [](CQuilletView* v) { TimerTable::Tap(v->m_btnBatteryText); }, true},
    {"MemoryIcon", [](CQuilletView* v) { TimerTable::Tap(v->m_btnMemory); }, true},
    {"StorageIcon", [](CQuilletView* v) { TimerTable::Tap(v->m_btnStorage); }, true},
    {"BackupIconKeepsOpen", [](CQuilletView* v) { TimerTable::Tap(v->m_btnBackup); }, false},
    {"KeepOpenTool", [](CQuilletView*) { TimerTable::Command(ID_KEEP_OPEN); }, false},
    {"AboutMenu", [](CQuilletView*) { TimerTable::Command(ID_ABOUT_MENU); }, false},
    {"SettingsTool", [](CQuilletView*) { TimerTable::Command(ID_SETTINGS_TOOL); }, false},
    {"MemoryDialog", [](CQuilletView* v) { TimerTable::Tap(v->m_btnMemoryDialog); }, false},
};

INSTANTIATE_TEST_SUITE_P(Actions, TimerTable, testing::ValuesIn(kTimerCases),
    [](const testing::TestParamInfo<TimerCase>& info) { return std::string(info.param.name); });

TEST_F(MonitorView, ClosesWhenTheDelayEnds)
{
    WritePauseSetting(2);
    QElapsedTimer clock;
    clock.start();
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(AfxGetTimerElapse(view->m_hWnd, AUTO_CLOSE_TIMER), 2000u);
    Tap(view->m_btnMemoryText);
    ASSERT_TRUE(PumpUntil([] { return AfxGetMainWnd() == nullptr; }, 5000));
    EXPECT_GE(clock.elapsed(), 1900);
}

TEST_F(MonitorView, ExitActionsCloseAtOnce)
{
    for (UINT nID : {UINT(IDC_EXIT), ID_EXIT_TOOL, UINT(ID_APP_EXIT)}) {
        CQuilletView* view = Start();
        EXPECT_NE(view, nullptr) << nID;
        if (!view)
            continue;
        if (nID == IDC_EXIT)
            Tap(view->m_btnExit);
        else
            Command(nID);
        EXPECT_TRUE(PumpUntil([] { return AfxGetMainWnd() == nullptr; }, 1000)) << nID;
    }
}

TEST_F(MonitorView, NewDocumentRunsTheInitialUpdateAgain)
{
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    Command(ID_KEEP_OPEN);
    Tap(view->m_btnMemoryText);
    WriteMeminfo(32768, 16384);
    Command(ID_FILE_NEW); // Ctrl+N
    EXPECT_EQ(AfxGetTimerElapse(view->m_hWnd, AUTO_CLOSE_TIMER), 15000u);
    // The text mode survives; the figures are new.
    EXPECT_EQ(WindowText(view->m_btnMemoryText), CString(u"Total:  32.00 MB"));
    EXPECT_EQ(view->m_barMemory.GetPos(), 50);
    Command(ID_FILE_SAVE); // Ctrl+S has no handler and does nothing
    EXPECT_NE(AfxGetMainWnd(), nullptr);
}

// A button shows the part of the picture under it.
void ExpectButtonShows(CWnd& parent, CWnd& button, const QImage& picture)
{
    CRect rc;
    button.GetWindowRect(&rc);
    parent.ScreenToClient(&rc);
    const QImage shown = Grab(button.m_hWnd);
    for (const QPoint& p : {QPoint(0, 0), QPoint(rc.Width() / 2, rc.Height() / 2), QPoint(rc.Width() - 1, 0)})
        EXPECT_EQ(PixelAt(shown, p.x(), p.y()), PixelAt(picture, rc.left + p.x(), rc.top + p.y()))
            << "control " << button.GetDlgCtrlID() << " at " << p.x() << "," << p.y();
}

struct StandInRow {
    const char* name;
    const char* missing; // the one picture the skin lacks; null: it has none at all
    const char* told;    // the file the one box names
    const char16_t* caption;
};

class StandIn : public MonitorFixture, public testing::WithParamInterface<StandInRow> { };

TEST_P(StandIn, DefaultSkinGivesThePictureAndTheBoxSaysSoOnce)
{
    const StandInRow& row = GetParam();
    const QString defaults = QString::fromStdU16String(DefaultSkinFolder().str());
    const QDir skin(m_tree.Path("skin"));
    QFile::remove(skin.filePath("1.png"));
    if (row.missing) {
        for (const QString& name : QDir(defaults).entryList({"*.png"}))
            QFile::copy(defaults + "/" + name, skin.filePath(name));
        QFile::remove(skin.filePath("1.png"));
        CoordinatePicture(240, 250).save(skin.filePath("1.png"));
        QFile::remove(skin.filePath(row.missing));
    }
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    ExpectButtonShows(
        *view, view->m_btnSoftReset, row.missing ? CoordinatePicture(240, 250) : QImage(defaults + "/1.png"));

    // The About box twice, and the screen read again: still the one box.
    int abouts = 0;
    ModalRecorder dialogs(IDOK, [&](CDialog* pDlg) {
        if (auto* about = dynamic_cast<CSkinAboutDlg*>(pDlg); about && abouts++ == 0)
            ExpectButtonShows(*about, about->m_btnIcon, QImage(defaults + "/3.png"));
    });
    Command(ID_ABOUT_TOOL);
    Command(ID_ABOUT_TOOL);
    Command(ID_FILE_NEW);
    EXPECT_EQ(abouts, 2);
    ASSERT_EQ(m_boxes.boxes.size(), 1u);
    EXPECT_EQ(QString::fromStdU16String(m_boxes.boxes[0].strText.str()),
        "Can't load the picture\nFolder: " + skin.path() + "\nFile: " + row.told +
            "\nThe default skin's picture stands in for it, and for any other picture this skin cannot give.");
    EXPECT_EQ(m_boxes.boxes[0].strCaption, CString(row.caption));
}

INSTANTIATE_TEST_SUITE_P(MissingPictures, StandIn,
    testing::Values(StandInRow{"SkinWithoutPictures", nullptr, "1.png", u"Error"},
        StandInRow{"SkinWithoutTheAboutPicture", "3.png", "3.png", u"Quillet: Error"}),
    [](const testing::TestParamInfo<StandInRow>& info) { return std::string(info.param.name); });

TEST_F(MonitorView, CommandBarCarriesTheMenuToolsAndAccelerators)
{
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    QWidget* frame = AfxWidget(AfxGetMainWnd()->m_hWnd);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Quillet"));
    auto* menu = frame->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    QStringList items;
    for (QAction* a : menu->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(items, QStringList({"Настройки", "-", "О программе...", "&Закрыть"}));
    QList<UINT> tools;
    for (QToolButton* b : frame->findChildren<QToolButton*>())
        if (b->property("afxCommand").isValid())
            tools << b->property("afxCommand").toUInt();
    EXPECT_EQ(tools, QList<UINT>({ID_KEEP_OPEN, ID_SETTINGS_TOOL, ID_ABOUT_TOOL, ID_EXIT_TOOL}));
    QStringList keys;
    for (QShortcut* s : frame->findChildren<QShortcut*>())
        keys << s->key().toString();
    EXPECT_TRUE(keys.contains("Ctrl+N") && keys.contains("Shift+F6") && keys.contains("Alt+Backspace"));

    menu->actions()[2]->trigger(); // "О программе..."
    EXPECT_EQ(m_dialogs.count, 1);
    EXPECT_EQ(AfxGetTimerElapse(view->m_hWnd, AUTO_CLOSE_TIMER), 0u);
    menu->actions()[3]->trigger(); // "&Закрыть"
    EXPECT_TRUE(PumpUntil([] { return AfxGetMainWnd() == nullptr; }, 1000));
}

TEST_F(MonitorView, UnreadablePowerTreeShowsTheBoxAndUnknown)
{
    m_root.Write("/sys/class/power_supply", "not a folder");
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(m_boxes.boxes.size(), 1u);
    EXPECT_EQ(m_boxes.boxes[0].strText, CString(u"No battery status"));
    EXPECT_EQ(m_boxes.boxes[0].strCaption, CString(u"Error"));
    EXPECT_EQ(m_boxes.boxes[0].nType, UINT(MB_OK | MB_TOPMOST));
    EXPECT_EQ(WindowText(view->m_btnBatteryText), CString(u"Unknown"));
    EXPECT_EQ(view->m_barBattery.m_clrBar, view->m_clrBarBack);
}

TEST_F(MonitorView, ImageButtonsShowThePictureUnderThem)
{
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    for (CImageButton* button : {&view->m_btnExit, &view->m_btnBattery, &view->m_btnMemoryDialog}) {
        CRect rc;
        button->GetWindowRect(&rc);
        view->ScreenToClient(&rc);
        const QImage image = Grab(button->m_hWnd);
        SCOPED_TRACE(testing::Message() << "control " << button->GetDlgCtrlID());
        EXPECT_EQ(PixelAt(image, 0, 0), RGB(BYTE(rc.left), BYTE(rc.top), 77));
        EXPECT_EQ(PixelAt(image, rc.Width() - 1, rc.Height() - 1), RGB(BYTE(rc.right - 1), BYTE(rc.bottom - 1), 77));
    }
}

} // namespace
