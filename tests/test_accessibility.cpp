// Screen readers and the keyboard: each control's name, role and value as
// the toolkit's accessibility interfaces give them, the tab order, Return,
// the menu keys, the focus mark, the countdown under use, and actions that
// return at once.
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <optional>

#include "browser/FolderBrowserDlg.h"
#include "framework/checkbox.h"
#include "framework/language.h"
#include "memory/MemoryDlg.h"
#include "monitor_fixture.h"
#include "res/resource.h"
#include "settings/SettingsDlg.h"
#include "skin/Readout.h"
#include "skin/SkinAboutDlg.h"
#include "skin/SkinPaths.h"

namespace {

using Role = QAccessible::Role;
constexpr Role kButton = QAccessible::Button, kLabel = QAccessible::StaticText, kPicture = QAccessible::Graphic,
               kBar = QAccessible::ProgressBar;

QAccessibleInterface* Accessible(const CWnd& wnd)
{
    return QAccessible::queryAccessibleInterface(AfxWidget(wnd.m_hWnd));
}

QString Name(const CWnd& wnd)
{
    return Accessible(wnd)->text(QAccessible::Name);
}

QList<QToolButton*> BarButtons()
{
    return AfxWidget(AfxGetMainWnd()->m_hWnd)->findChildren<QToolButton*>();
}

// Stands in for a screen reader: records what the framework tells it.
class ScreenReader {
public:
    ScreenReader()
    {
        m_previous = AfxSetAccessibleHook([this](QAccessibleEvent* e) { events.push_back({e->object(), e->type()}); });
    }
    ~ScreenReader() { AfxSetAccessibleHook(m_previous); }
    std::vector<std::pair<QObject*, QAccessible::Event>> events;

private:
    AFX_ACCESSIBLE_HOOK m_previous;
};

enum class Window { Main, Memory, Settings, Browser, About };

// The names as the sources give them, in English.
class Accessibility : public MonitorFixture {
protected:
    Accessibility() { AfxSetLanguage("en_US"); }
    ~Accessibility() override { AfxSetLanguage("ru_RU"); }

    std::unique_ptr<CDialog> NewDialog(Window window)
    {
        const CString skin(m_tree.Path("skin").toStdU16String());
        switch (window) {
        case Window::Memory:
            return std::make_unique<CMemoryDlg>(0, 0, 0, 0, u".png", skin);
        case Window::Settings:
            return std::make_unique<CSettingsDlg>(0, 15, 0, u".png", ProgramFolder(), skin);
        case Window::Browser:
            return std::make_unique<CFolderBrowserDlg>(u".png", skin, bmFolder, &m_folders, &m_files);
        default:
            return std::make_unique<CSkinAboutDlg>(0, u".png", skin);
        }
    }

    // Opens the window, runs the check while it is up, then closes it.
    void With(Window window, const std::function<void(QWidget*)>& check)
    {
        if (window == Window::Main) {
            CQuilletView* view = Start();
            ASSERT_NE(view, nullptr);
            check(AfxWidget(view->m_hWnd));
            return;
        }
        ModalRecorder modal(IDCANCEL, [&](CDialog* d) { check(AfxWidget(d->m_hWnd)); });
        NewDialog(window)->DoModal();
        EXPECT_EQ(modal.count, 1);
    }

    // The main window, made the active one as a person's desktop would.
    CQuilletView* StartActive()
    {
        CQuilletView* view = Start();
        QWidget* frame = AfxWidget(AfxGetMainWnd()->m_hWnd);
        frame->activateWindow();
        EXPECT_TRUE(PumpUntil([&] { return frame->isActiveWindow(); }));
        return view;
    }

    CStringArray m_folders, m_files;
};

struct ControlsCase {
    const char* name;
    Window window;
    std::map<UINT, Role> roles; // every control of the window, by id
};

class Controls : public Accessibility, public testing::WithParamInterface<ControlsCase> { };

TEST_P(Controls, EachIsNamedAndSaysWhatItIs)
{
    const ControlsCase& c = GetParam();
    With(c.window, [&](QWidget* window) {
        size_t seen = 0;
        for (QObject* o : window->children()) {
            const AfxWindowRecord* r = AfxRecord(AfxHandleOf(qobject_cast<QWidget*>(o)));
            if (!r)
                continue;
            ++seen;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
            EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << r->id;
            EXPECT_EQ(a->role(), c.roles.at(r->id)) << r->id;
            // What only shows something is no stop on the keyboard's way; buttons are.
            const bool reads = a->role() == kLabel || a->role() == kPicture || a->role() == kBar;
            if (reads || a->role() == kButton || a->role() == QAccessible::CheckBox) {
                EXPECT_EQ(a->state().focusable, !reads) << r->id;
                EXPECT_EQ(a->actionInterface()->actionNames().isEmpty(), reads) << r->id;
            }
        }
        EXPECT_EQ(seen, c.roles.size());
    });
    if (c.window != Window::Main)
        return;
    // The command bar: the menu, the four tools and the close button.
    const QList<QToolButton*> buttons = BarButtons();
    ASSERT_EQ(buttons.size(), 6);
    for (int i = 0; i < buttons.size(); ++i) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(buttons[i]);
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << "button " << i;
        EXPECT_EQ(a->role(), buttons[i]->menu() ? QAccessible::ButtonMenu : kButton) << "button " << i;
        EXPECT_TRUE(a->state().focusable) << "button " << i;
    }
}

const ControlsCase kControlsCases[] = {
    {"MainScreen", Window::Main,
        {{IDC_ICON_BATTERY, kPicture}, {IDC_BATTERY_TEXT, kLabel}, {IDC_ICON_BACKUP, kButton}, {IDC_BAR_BATTERY, kBar},
            {IDC_BAR_BACKUP, kBar}, {IDC_ICON_MEMORY, kPicture}, {IDC_MEMORY_TEXT, kButton}, {IDC_BAR_MEMORY, kBar},
            {IDC_ICON_STORAGE, kPicture}, {IDC_STORAGE_TEXT, kButton}, {IDC_BAR_STORAGE, kBar},
            {IDC_MEMORY_DIALOG, kButton}, {IDC_BACKLIGHT, kButton}, {IDC_SOFT_RESET, kButton}, {IDC_POWER_OFF, kButton},
            {IDC_EXIT, kButton}}},
    // The task list keeps the toolkit's own interface (items, selection), a tree table.
    {"MemoryDialog", Window::Memory,
        {{IDC_TASK_LIST, QAccessible::Tree}, {IDC_REFRESH_TASKS, kButton}, {IDC_KILL_TASK, kButton},
            {IDC_VOLUME_ICON1, kPicture}, {IDC_VOLUME_TEXT1, kButton}, {IDC_VOLUME_BAR1, kBar},
            {IDC_VOLUME_ICON2, kPicture}, {IDC_VOLUME_TEXT2, kButton}, {IDC_VOLUME_BAR2, kBar},
            {IDC_VOLUME_ICON3, kPicture}, {IDC_VOLUME_TEXT3, kButton}, {IDC_VOLUME_BAR3, kBar}}},
    {"SettingsDialog", Window::Settings,
        {{IDC_SKIN_FOLDER, QAccessible::EditableText}, {IDC_BROWSE, kButton}, {IDC_DELAY_DOWN, kButton},
            {IDC_DELAY_TEXT, kLabel}, {IDC_DELAY_UP, kButton}, {IDC_WARNING_LABEL, kLabel},
            {IDC_WARNING_CHECK, QAccessible::CheckBox}, {IDOK, kButton}, {IDCANCEL, kButton}}},
    {"FolderBrowser", Window::Browser, {{IDOK, kButton}, {IDCANCEL, kButton}, {IDC_FOLDER_TREE, QAccessible::Tree}}},
    {"AboutBox", Window::About,
        {{IDC_ABOUT_ICON, kPicture}, {IDC_ABOUT_NAME, kLabel}, {IDC_ABOUT_VERSION, kLabel}, {IDC_ABOUT_NOTICE, kLabel},
            {IDC_ABOUT_CREDIT, kLabel}}},
};

INSTANTIATE_TEST_SUITE_P(Windows, Controls, testing::ValuesIn(kControlsCases),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Accessibility, BarsTellTheFiguresTheReadoutsShow)
{
    AddBattery("BAT0", {"capacity=57"});
    AddBattery("BAT1", {"capacity=10"});
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Name(view->m_btnBatteryText), "Main battery: 57%");
    EXPECT_EQ(Name(view->m_btnMemoryText), "Memory: Free: 12.00 MB");
    const int storage = PercentOf(view->m_arrFigures[2], view->m_arrFigures[3]);
    const struct {
        CLevelBar& bar;
        const char* name;
        int value;
    } bars[] = {{view->m_barBattery, "Main battery", 57}, {view->m_barBackup, "Second battery", 50},
        {view->m_barMemory, "Memory", 38}, {view->m_barStorage, "Storage", storage}};
    for (const auto& b : bars) {
        QAccessibleValueInterface* value = Accessible(b.bar)->valueInterface();
        EXPECT_EQ(Name(b.bar), b.name);
        EXPECT_EQ(value->currentValue().toInt(), b.value) << b.name;
        EXPECT_EQ(value->minimumValue().toInt(), 0) << b.name;
        EXPECT_EQ(value->maximumValue().toInt(), 100) << b.name;
        EXPECT_EQ(Accessible(b.bar)->text(QAccessible::Value), QStringLiteral("%1%").arg(b.value)) << b.name;
    }

    // The memory dialog's rows go by their volumes; an empty row says so.
    With(Window::Memory, [](QWidget* w) {
        auto& dlg = *static_cast<CMemoryDlg*>(CWnd::FromHandlePermanent(AfxHandleOf(w)));
        dlg.m_nVolumeCount = 1;
        dlg.m_arrVolumeNames.RemoveAll();
        dlg.m_arrVolumeNames.Add(u"/media/card");
        dlg.m_arrVolumeFigures.RemoveAll();
        dlg.m_arrVolumeFigures.Add(10485760);
        dlg.m_arrVolumeFigures.Add(31457280);
        dlg.UpdateVolumeText1();
        dlg.UpdateVolumeBars();
        EXPECT_EQ(Name(dlg.m_btnVolumeText1), "/media/card: Free: 10.0 MB");
        EXPECT_EQ(Name(dlg.m_barVolume1), "/media/card");
        EXPECT_EQ(Accessible(dlg.m_barVolume1)->valueInterface()->currentValue().toInt(), 33);
        EXPECT_EQ(Name(dlg.m_btnVolumeText2), "No volume") << "its dashes say nothing";
        EXPECT_EQ(Name(dlg.m_barVolume2), "No volume");
    });
}

TEST_F(Accessibility, TheCheckBoxLabelNamesAndTogglesIt)
{
    With(Window::Settings, [](QWidget* w) {
        CWnd* pDlg = CWnd::FromHandlePermanent(AfxHandleOf(w));
        CWnd* pBox = pDlg->GetDlgItem(IDC_WARNING_CHECK);
        CWnd* pLabel = pDlg->GetDlgItem(IDC_WARNING_LABEL);
        EXPECT_EQ(Name(*pBox), Name(*pLabel));
        EXPECT_EQ(Accessible(*pBox)->relations(QAccessible::Label).value(0).first, Accessible(*pLabel));
        const LRESULT before = pBox->SendMessage(BM_GETCHECK);
        static_cast<QAbstractButton*>(AfxWidget(pLabel->m_hWnd))->click();
        EXPECT_NE(pBox->SendMessage(BM_GETCHECK), before);
    });
}

TEST_F(Accessibility, TabWalksTheScreenInReadingOrderThroughTheCommandBar)
{
    CQuilletView* view = StartActive();
    ASSERT_NE(view, nullptr);
    QList<QWidget*> expected;
    for (UINT nID : {IDC_ICON_BACKUP, IDC_MEMORY_TEXT, IDC_STORAGE_TEXT, IDC_MEMORY_DIALOG, IDC_BACKLIGHT,
             IDC_SOFT_RESET, IDC_POWER_OFF, IDC_EXIT})
        expected << AfxWidget(view->GetDlgItem(int(nID))->m_hWnd);
    for (QToolButton* b : BarButtons())
        expected << b;
    // The window's first stop has the focus; Tab goes round once and back to it.
    QList<QWidget*> walked{QApplication::focusWidget()};
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget();
    }
    EXPECT_EQ(walked, expected + QList<QWidget*>{expected.front()});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), expected.back());
}

TEST_F(Accessibility, ReturnPressesTheFocusedOrTheDefaultButton)
{
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    QWidget* memoryText = AfxWidget(view->m_btnMemoryText.m_hWnd);
    memoryText->setFocus();
    {
        ScreenReader reader;
        QTest::keyClick(memoryText, Qt::Key_Return);
        // The read-out's new text is told, not only drawn.
        const std::pair<QObject*, QAccessible::Event> changed{memoryText, QAccessible::NameChanged};
        EXPECT_EQ(std::count(reader.events.begin(), reader.events.end(), changed), 1);
    }
    EXPECT_EQ(Name(view->m_btnMemoryText), "Memory: Total: 32.00 MB") << "the focused button";
    // From where each dialog puts the focus: the folder, the folder tree, the OK bar.
    const AFX_MODAL_HOOK previous = AfxSetModalHook(
        [](CDialog* d) { QTest::keyClick(AfxWidget(d->m_hWnd)->focusWidget(), Qt::Key_Enter, Qt::KeypadModifier); });
    for (const Window window : {Window::Settings, Window::Browser, Window::About})
        EXPECT_EQ(NewDialog(window)->DoModal(), IDOK) << int(window);
    AfxSetModalHook(previous);
}

TEST_F(Accessibility, F10TheMenuKeyAndShowMenuOpenTheMenu)
{
    ASSERT_NE(StartActive(), nullptr);
    QToolButton* menuButton = nullptr;
    for (QToolButton* b : BarButtons())
        menuButton = b->menu() ? b : menuButton;
    ASSERT_NE(menuButton, nullptr);
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"F10", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10); }},
        {"Menu key", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Menu); }},
        {"show menu action",
            [&] {
                QAccessible::queryAccessibleInterface(menuButton)
                    ->actionInterface()
                    ->doAction(QAccessibleActionInterface::showMenuAction());
            }},
    };
    QWidget* window = menuButton->window();
    for (const auto& [way, open] : ways) {
        // Shortcuts reach only the active window: the last step's menu must be
        // gone and the window active again before the next key. The headless
        // platform may hand the activation back before the menu's own has
        // been delivered, so ask for it again as a window manager would.
        EXPECT_TRUE(PumpUntil(
            [&] {
                if (QApplication::activePopupWidget())
                    return false;
                if (QApplication::activeWindow() != window)
                    window->activateWindow();
                return QApplication::activeWindow() == window;
            },
            5000))
            << way;
        open();
        // It opens once the key or the action has returned, and runs until closed.
        bool opened = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (QApplication::activePopupWidget() == menuButton->menu()) {
                opened = true;
                menuButton->menu()->close();
            }
        });
        poll.start(5);
        EXPECT_TRUE(PumpUntil([&] { return opened; })) << way;
    }
}

TEST_F(Accessibility, TheFocusMarkShowsOnTheFocusedButtonOnly)
{
    CQuilletView* view = StartActive();
    ASSERT_NE(view, nullptr);
    std::vector<HWND> controls;
    std::vector<QImage> plain;
    for (QObject* o : AfxWidget(view->m_hWnd)->children()) {
        controls.push_back(AfxHandleOf(qobject_cast<QWidget*>(o)));
        plain.push_back(Grab(controls.back()));
    }
    // Tab from the first stop: the read-outs, ringed in the skin's text
    // colour; then the task list's icon, in the desktop's highlight colour.
    const QColor highlight = AfxWidget(view->m_hWnd)->palette().color(QPalette::Highlight);
    const std::pair<CImageButton*, COLORREF> steps[] = {{&view->m_btnMemoryText, view->m_clrMainText},
        {&view->m_btnStorageText, view->m_clrMainText},
        {&view->m_btnMemoryDialog, RGB(highlight.red(), highlight.green(), highlight.blue())}};
    for (const auto& [focused, ring] : steps) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (size_t i = 0; i < controls.size(); ++i) {
            const QImage now = Grab(controls[i]);
            if (controls[i] != focused->m_hWnd) {
                EXPECT_EQ(now, plain[i]) << "control " << i;
                continue;
            }
            for (const QPoint p :
                {QPoint(0, 0), QPoint(1, now.height() / 2), QPoint(now.width() - 2, now.height() - 1)})
                EXPECT_EQ(PixelAt(now, p.x(), p.y()), ring) << "control " << i;
            EXPECT_EQ(PixelAt(now, 2, 2), PixelAt(plain[i], 2, 2)) << "control " << i << ": inside the ring";
        }
    }
}

TEST_F(Accessibility, UseRestartsARunningCountdown)
{
    WritePauseSetting(2);
    const struct {
        const char* name;
        std::function<void(CQuilletView*)> act; // a second into the two-second countdown
        bool running;                           // after it
        bool screenReader;
    } cases[] = {
        {"key press", [](CQuilletView* v) { QTest::keyClick(AfxWidget(v->m_hWnd), Qt::Key_Down); }, true, false},
        {"pointer press", [](CQuilletView* v) { QTest::mouseClick(AfxWidget(v->m_btnBattery.m_hWnd), Qt::LeftButton); },
            true, false},
        {"stopped stays stopped",
            [](CQuilletView* v) {
                v->OnKeepOpen();
                QTest::keyClick(AfxWidget(v->m_hWnd), Qt::Key_Down);
            },
            false, false},
        // The countdown ends, and the window stays until it is closed.
        {"screen reader keeps it open", [](CQuilletView*) { PumpFor(1500); }, false, true},
    };
    for (const auto& c : cases) {
        std::optional<ScreenReader> reader;
        if (c.screenReader)
            reader.emplace();
        CQuilletView* view = Start();
        EXPECT_NE(view, nullptr) << c.name;
        if (!view)
            continue;
        PumpFor(1000);
        c.act(view);
        EXPECT_EQ(AfxGetTimerElapse(view->m_hWnd, AUTO_CLOSE_TIMER) != 0, c.running) << c.name;
        // Without a restart it would have closed a second from now.
        PumpFor(c.running ? 1500 : 0);
        EXPECT_NE(AfxGetMainWnd(), nullptr) << c.name << ": closed while in use";
        if (c.running)
            EXPECT_TRUE(PumpUntil([] { return AfxGetMainWnd() == nullptr; }, 2000)) << c.name;
        else if (CWnd* pMain = AfxGetMainWnd())
            pMain->DestroyWindow();
        PumpFor(5);
    }
}

TEST_F(Accessibility, PressOnAToolButtonReturnsBeforeItsDialogCloses)
{
    ASSERT_NE(Start(), nullptr);
    for (QToolButton* b : BarButtons())
        if (b->property("afxCommand").toUInt() == ID_ABOUT_TOOL) {
            QAccessibleInterface* about = QAccessible::queryAccessibleInterface(b);
            EXPECT_EQ(about->text(QAccessible::Name), "About");
            about->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
    EXPECT_EQ(m_dialogs.count, 0) << "the box opens after the action returns";
    EXPECT_TRUE(PumpUntil([&] { return m_dialogs.count == 1; }));
}

} // namespace
