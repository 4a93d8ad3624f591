// The settings dialog and the folder browser it opens: the delay's limits,
// the typed folder, what OK writes and in which order, browsing, the check
// boxes by a real tap, the layout by screen, and the monitor's settings
// command.
#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTreeWidget>

#include <optional>

#include "browser/FolderBrowserDlg.h"
#include "folder_fixture.h"
#include "framework/checkbox.h"
#include "monitor_fixture.h"
#include "platform/text.h"
#include "settings/SettingsDlg.h"
#include "skin/SkinPaths.h"
#include "support/LuRegistry.h"
#include "test_reg_process.h"

namespace {

constexpr LPCWSTR kSettingsKey = u"Software\\Quillet\\Settings";

CString DefaultSkin()
{
    return ProgramFolder() + u"Skins" + PATH_SEPARATOR + u"Default";
}

void Press(CWnd* pDlg, UINT nID)
{
    pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(WORD(nID), BN_CLICKED), 0);
}

bool IsOpen(CWnd* pDlg)
{
    return AfxWidget(pDlg->m_hWnd) && AfxWidget(pDlg->m_hWnd)->isVisible();
}

CString WindowText(CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    return text;
}

CString StoredSkinPath()
{
    return CString(
        static_cast<LPCWSTR>(CLuRegistry(HKEY_LOCAL_MACHINE, kSettingsKey, FALSE).ReadString(u"SkinPath", u"")));
}

// Answers modal dialogs through their own buttons, for the life of the object.
class ModalAnswer {
public:
    explicit ModalAnswer(AFX_MODAL_HOOK hook) : m_previous(AfxSetModalHook(std::move(hook))) { }
    ~ModalAnswer() { AfxSetModalHook(m_previous); }

private:
    AFX_MODAL_HOOK m_previous;
};

// Each case gets a hive of its own, and the default skin.
class SettingsDialog : public testing::Test {
protected:
    SettingsDialog() : m_screen("QUILLET_SCREEN", "240x320") { }

    void FreshHive()
    {
        m_config.reset();
        m_config.emplace("XDG_CONFIG_HOME", m_tree.Path(QStringLiteral("config%1").arg(++m_nHives)));
    }

    // The values under the key, in the order they were first written.
    static QStringList StoredNames()
    {
        CLuRegistry key(HKEY_LOCAL_MACHINE, kSettingsKey, FALSE);
        QStringList names;
        CLuString name;
        for (BOOL more = key.EnumValueFirst(name); more; more = key.EnumValueNext(name))
            names << QString::fromUtf16(static_cast<LPCWSTR>(name));
        return names;
    }

    static DWORD Stored(LPCWSTR name)
    {
        return CLuRegistry(HKEY_LOCAL_MACHINE, kSettingsKey, FALSE).ReadDword(name, REG_DEFAULT_NO_WRITE);
    }

    FixtureTree m_tree;
    ScopedEnv m_screen;
    std::optional<ScopedEnv> m_config;
    int m_nHives = 0;
    MessageBoxRecorder m_boxes;
};

TEST_F(SettingsDialog, DelayStaysBetweenTwoAndFifteen)
{
    struct Case {
        const char* name;
        int start;
        std::string taps; // u longer, d shorter
        int delay;
    };
    const Case cases[] = {
        {"LongestStaysAtFifteen", 15, "u", 15},
        {"ShortestStaysAtTwo", 2, "d", 2},
        {"ThirteenTapsFromFifteenReachTwo", 15, std::string(13, 'd'), 2},
        {"AFourteenthTapDoesNothing", 15, std::string(14, 'd'), 2},
        {"OneLongerFromTwo", 2, "u", 3},
    };
    FreshHive();
    for (const Case& c : cases) {
        CSettingsDlg dlg(RGB(1, 2, 3), c.start, FALSE, u".png", ProgramFolder(), DefaultSkin());
        ModalRecorder modal(IDCANCEL, [&](CDialog*) {
            for (const char tap : c.taps)
                Press(&dlg, tap == 'u' ? IDC_DELAY_UP : IDC_DELAY_DOWN);
            EXPECT_EQ(dlg.m_nDelay, c.delay) << c.name;
            EXPECT_EQ(dlg.ReadDelay(), c.delay) << c.name;
            CString label;
            label.Format(u"Задержка:  %d сек.", c.delay);
            EXPECT_EQ(WindowText(dlg.m_btnDelay), label) << c.name;
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL) << c.name;
    }
    EXPECT_TRUE(StoredNames().isEmpty()) << "nothing written without OK";
    EXPECT_TRUE(m_boxes.boxes.empty());
}

TEST_F(SettingsDialog, OkWritesTheThreeValuesInOrderOrStaysOpen)
{
    struct Case {
        const char* name;
        const char16_t* typed; // null: the folder is left as it is
        BOOL warning;
        bool tickBox;
        LONG_PTR result;
        const char16_t* stored; // null: nothing written
        DWORD storedWarning;
        UINT nIDSaid = 0; // why the folder was refused: the message of that rule
    };
    const Case cases[] = {
        {"UnchangedFolderIsWrittenAsItIs", nullptr, TRUE, false, IDOK, u"/skins/blue ", 1},
        {"BlanksAroundATypedFolderGo", u"  /Storage Card/Skin  ", FALSE, false, IDOK, u"/Storage Card/Skin", 0},
        {"TickedBoxIsWritten", u"/x", FALSE, true, IDOK, u"/x", 1},
        {"WhatTheUserTypesIsRead", u"keys:/typed/Skin ", FALSE, false, IDOK, u"/typed/Skin", 0},
        {"NoLeadingSeparatorStaysOpenSayingWhy", u"Storage Card/Skin", FALSE, false, IDCANCEL, nullptr, 0,
            IDS_SKIN_FOLDER_RELATIVE},
        {"BlanksAloneStayOpenSayingWhy", u"   ", FALSE, false, IDCANCEL, nullptr, 0, IDS_SKIN_FOLDER_EMPTY},
    };
    for (const Case& c : cases) {
        FreshHive();
        m_boxes.boxes.clear();
        CSettingsDlg dlg(RGB(1, 2, 3), 9, c.warning, u".png", ProgramFolder(), u"/skins/blue ");
        const ModalAnswer answer([&](CDialog* pDlg) {
            EXPECT_EQ(dlg.GetDlgItem(IDC_WARNING_CHECK)->SendMessage(BM_GETCHECK), c.warning) << c.name;
            if (c.tickBox)
                static_cast<QAbstractButton*>(AfxWidget(dlg.GetDlgItem(IDC_WARNING_CHECK)->m_hWnd))->click();
            const std::u16string typed = c.typed ? c.typed : u"";
            if (typed.starts_with(u"keys:")) {
                // Typed into the line itself, not set through the window text.
                auto* line = static_cast<QLineEdit*>(AfxWidget(dlg.m_editSkinFolder.m_hWnd));
                line->selectAll();
                line->insert(QString::fromStdU16String(typed.substr(5)));
            } else if (c.typed) {
                dlg.m_editSkinFolder.SetWindowText(c.typed);
            }
            Press(pDlg, IDOK);
            EXPECT_EQ(IsOpen(pDlg), c.result != IDOK) << c.name;
            if (IsOpen(pDlg))
                Press(pDlg, IDCANCEL);
        });
        EXPECT_EQ(dlg.DoModal(), c.result) << c.name;
        // The made-up skin folders have no pictures; besides that, only a refusal speaks.
        std::vector<CString> said;
        for (const AFX_MESSAGEBOX& box : m_boxes.boxes)
            if (!box.strText.str().starts_with(u"Can't load the picture"))
                said.push_back(box.strText);
        CString strWhy;
        if (c.nIDSaid)
            strWhy.LoadString(c.nIDSaid);
        EXPECT_EQ(said, c.nIDSaid ? std::vector<CString>{strWhy} : std::vector<CString>{}) << c.name;
        if (!c.stored) {
            EXPECT_TRUE(StoredNames().isEmpty()) << c.name;
            continue;
        }
        EXPECT_EQ(StoredNames(), QStringList({"SkinPath", "Pause", "SR_Message"})) << c.name;
        EXPECT_EQ(StoredSkinPath(), CString(c.stored)) << c.name;
        EXPECT_EQ(Stored(u"Pause"), 9u) << c.name;
        EXPECT_EQ(Stored(u"SR_Message"), c.storedWarning) << c.name;
    }
}

TEST_F(SettingsDialog, BrowsingSetsTheFolderAndCancelForgetsIt)
{
    FolderFixture folder;
    folder.Make({"Storage Card/Skins/Blue/", "Storage Card/readme.txt"});
    struct Case {
        const char* name;
        fs::path select; // empty: nothing selected
        int browserAnswer;
        CString shown;
    };
    const Case cases[] = {
        {"NothingSelectedGivesTheDefaultSkin", {}, IDOK, DefaultSkin()},
        {"SelectedFolderPath", folder.Root() / "Storage Card" / "Skins", IDOK,
            CString((folder.Root() / "Storage Card" / "Skins").u16string())},
        {"BrowserCancelKeepsTheFolder", folder.Root() / "Storage Card", IDCANCEL, CString(u"/old")},
    };
    for (const Case& c : cases) {
        FreshHive();
        CSettingsDlg dlg(RGB(1, 2, 3), 15, FALSE, u".png", ProgramFolder(), u"/old");
        int browsers = 0;
        const ModalAnswer answer([&](CDialog* pDlg) {
            if (auto* browser = dynamic_cast<CFolderBrowserDlg*>(pDlg)) {
                ++browsers;
                EXPECT_EQ(browser->m_nMode, bmFolder) << c.name;
                if (!c.select.empty())
                    browser->m_tree.SelectItem(OpenPath(browser->m_tree, c.select));
                Press(pDlg, UINT(c.browserAnswer));
                return;
            }
            Press(pDlg, IDC_BROWSE);
            EXPECT_EQ(WindowText(dlg.m_editSkinFolder), c.shown) << c.name;
            Press(pDlg, IDCANCEL);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL) << c.name;
        EXPECT_EQ(browsers, 1) << c.name;
        EXPECT_TRUE(StoredNames().isEmpty()) << c.name << ": cancel after browsing writes nothing";
    }
}

TEST_F(SettingsDialog, LayoutAndPicturesFollowTheScreen)
{
    struct Case {
        const char* screen;
        int buttonWidth, buttonHeight;
        const char* browserPicture;
    };
    const Case cases[] = {{"240x320", 64, 32, "5.png"}, {"480x640", 96, 64, "5_VGA.png"}};
    const QString shots = m_tree.Path("shots");
    ScopedEnv snapshot("QUILLET_SNAPSHOT", shots);
    FreshHive();
    for (const Case& c : cases) {
        ScopedEnv screen("QUILLET_SCREEN", c.screen);
        QDir(shots).removeRecursively();
        CSettingsDlg dlg(RGB(1, 2, 3), 15, FALSE, u".png", ProgramFolder(), DefaultSkin());
        const ModalAnswer answer([&](CDialog* pDlg) {
            CRect rc;
            pDlg->GetDlgItem(IDOK)->GetClientRect(&rc);
            EXPECT_EQ(rc.Width(), c.buttonWidth) << c.screen;
            EXPECT_EQ(rc.Height(), c.buttonHeight) << c.screen;
            if (auto* browser = dynamic_cast<CFolderBrowserDlg*>(pDlg)) {
                EXPECT_TRUE(PumpUntil([&] { return QFile::exists(shots + "/5.png"); })) << c.screen;
                BITMAP bm{};
                EXPECT_TRUE(GetBitmapSize(browser->m_hBackground, &bm)) << c.screen;
                const QImage picture(QString::fromStdU16String(DefaultSkin().str()) + "/" + c.browserPicture);
                EXPECT_EQ(QSize(bm.bmWidth, bm.bmHeight), picture.size()) << c.screen;
                // The tree fills the client area but for the margins and the buttons' band.
                CRect client, tree;
                browser->GetClientRect(&client);
                browser->m_tree.GetWindowRect(&tree);
                EXPECT_EQ(tree.Width(), client.Width() - (IsVgaScreen() ? 20 : 10)) << c.screen;
                Press(pDlg, IDCANCEL);
                return;
            }
            EXPECT_TRUE(PumpUntil([&] { return QFile::exists(shots + "/4.png"); })) << c.screen;
            Press(pDlg, IDC_BROWSE);
            Press(pDlg, IDCANCEL);
        });
        dlg.DoModal();
    }
    EXPECT_TRUE(m_boxes.boxes.empty()) << "the default skin has every picture";
}

// Where the item's check box is, found by hit testing across its row.
POINT StateIconOf(CTreeCtrl& tree, HTREEITEM hItem)
{
    CRect label;
    tree.GetItemRect(hItem, &label, TRUE);
    TVHITTESTINFO hti{};
    for (hti.pt = POINT{label.left, (label.top + label.bottom) / 2}; hti.pt.x >= 0; --hti.pt.x)
        if (tree.HitTest(&hti) == hItem && hti.flags == TVHT_ONITEMSTATEICON)
            return hti.pt;
    return POINT{-1, -1};
}

void Click(CTreeCtrl& tree, POINT pt)
{
    QWidget* viewport = static_cast<QTreeWidget*>(AfxWidget(tree.m_hWnd))->viewport();
    const QPointF local(pt.x, pt.y);
    const QPointF global = viewport->mapToGlobal(local);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, local, global, Qt::LeftButton,
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &event);
    }
}

TEST_F(SettingsDialog, BrowserCheckModesTakeTapsAndWarnWithoutFiles)
{
    FolderFixture folder;
    folder.Make({"pick/run.exe", "pick/notes.txt", "pick/sub/"});
    struct Case {
        const char* name;
        int mode;
        const char* tap; // item under "pick" whose box is tapped, or null
        QStringList files;
        const char16_t* warning;
        bool escape = false; // pressed as OK starts reading the ticked folders
    };
    const Case cases[] = {
        {"TapOnTheBoxTicksTheFile", bmCheckAll, "notes.txt", {"notes.txt"}, nullptr},
        {"ProgramsModeListsOnlyPrograms", bmCheckPrograms, "run.exe", {"run.exe"}, nullptr},
        {"NoFileWarnsAndStillCloses", bmCheckPrograms, nullptr, {}, u"Не выбран файл."},
        {"NoFileOrFolderWarnsAndStillCloses", bmCheckAllWithRom, "sub", {}, u"Не выбраны файлы и папки."},
        {"EscapeWhileReadingIsCancel", bmCheckAll, "sub", {}, nullptr, true},
    };
    for (const Case& c : cases) {
        MessageBoxRecorder boxes;
        CStringArray folders, files;
        CFolderBrowserDlg dlg(u".png", DefaultSkin(), c.mode, &folders, &files);
        const ModalAnswer answer([&](CDialog* pDlg) {
            const HTREEITEM hPick = OpenPath(dlg.m_tree, folder.Root() / "pick");
            EXPECT_NE(hPick, nullptr) << c.name;
            if (c.tap && hPick) {
                const HTREEITEM hItem = ChildNamed(dlg.m_tree, hPick, c.tap);
                dlg.m_tree.EnsureVisible(hItem);
                dlg.m_tree.EnsureVisible(hPick);
                const POINT pt = StateIconOf(dlg.m_tree, hItem);
                EXPECT_GE(pt.x, 0) << c.name;
                Click(dlg.m_tree, pt);
                PumpFor(5);
                EXPECT_EQ(dlg.m_tree.GetCheckState(hItem), csChecked) << c.name;
                EXPECT_EQ(dlg.m_tree.GetCheckState(hPick), csPartial) << c.name;
                // A tap on the name selects without ticking.
                CRect label;
                dlg.m_tree.GetItemRect(hPick, &label, TRUE);
                Click(dlg.m_tree, POINT{label.left + 2, (label.top + label.bottom) / 2});
                PumpFor(5);
                EXPECT_EQ(dlg.m_tree.GetCheckState(hPick), csPartial) << c.name;
            }
            if (c.escape)
                QCoreApplication::postEvent(
                    AfxWidget(dlg.m_tree.m_hWnd), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
            Press(pDlg, IDOK);
        });
        EXPECT_EQ(dlg.DoModal(), c.escape ? IDCANCEL : IDOK) << c.name;
        if (c.escape) {
            EXPECT_EQ(folders.GetSize(), 0) << c.name << ": the caller's lists untouched";
        }
        QStringList names;
        for (int i = 0; i < files.GetSize(); ++i)
            names << QString::fromStdU16String(files[i].str()).section(u'/', -1);
        EXPECT_EQ(names, c.files) << c.name;
        if (c.warning) {
            EXPECT_EQ(boxes.boxes.size(), 1u) << c.name;
            if (boxes.boxes.empty())
                continue;
            EXPECT_EQ(boxes.boxes[0].strText, CString(c.warning)) << c.name;
            EXPECT_EQ(boxes.boxes[0].strCaption, CString(u"Quillet")) << c.name;
            EXPECT_EQ(boxes.boxes[0].nType, UINT(0x30)) << c.name;
        } else {
            EXPECT_TRUE(boxes.boxes.empty()) << c.name;
        }
    }
}

TEST_F(SettingsDialog, BrowserKeepsTheFolderInUseOpenAndInViewTwentyLevelsDown)
{
    FolderFixture folder;
    fs::path deep = folder.Root();
    for (int i = 1; i <= 20; ++i)
        deep /= "level" + std::to_string(i);
    folder.Make({deep.lexically_relative(folder.Root()).string() + "/inside/"});
    for (const char* screen : {"240x320", "480x640"}) {
        ScopedEnv size("QUILLET_SCREEN", screen);
        CStringArray folders, files;
        CFolderBrowserDlg dlg(u".png", CString(deep.u16string()), bmFolder, &folders, &files);
        const ModalAnswer answer([&](CDialog* pDlg) {
            // It opens selected on the folder in use; a tap on its button opens it.
            auto* view = static_cast<QTreeWidget*>(AfxWidget(dlg.m_tree.m_hWnd));
            QTreeWidgetItem* item = view->currentItem();
            const QRect cell = view->visualItemRect(item);
            Click(dlg.m_tree, POINT{cell.left() - view->indentation() / 2, cell.center().y()});
            PumpFor(5);
            EXPECT_TRUE(item && item->isExpanded()) << screen;
            // Its name is whole (the column reaches past it) and in view.
            CRect label;
            dlg.m_tree.GetItemRect(dlg.m_tree.GetSelectedItem(), &label, TRUE);
            EXPECT_GE(view->visualItemRect(item).right() + 1, label.right) << screen;
            EXPECT_TRUE(label.left >= 0 && label.right <= view->viewport()->width()) << screen;
            Press(pDlg, IDOK);
        });
        EXPECT_EQ(dlg.DoModal(), IDOK) << screen;
        EXPECT_EQ(dlg.m_strResult, CString(deep.u16string())) << screen << ": the selection stays on it";
    }
}

using SettingsCommand = MonitorFixture;

TEST_F(SettingsCommand, OkClosesAndTheNextStartUsesTheSettings)
{
    struct Case {
        const char* name;
        UINT nCommand;
        int answer;
        bool closes;
    };
    const Case cases[] = {
        {"MenuItemThenCancelStaysOpenWithoutCountdown", ID_SETTINGS_MENU, IDCANCEL, false},
        {"ToolButtonThenOkCloses", ID_SETTINGS_TOOL, IDOK, true},
    };
    for (const Case& c : cases) {
        WritePauseSetting(15);
        CQuilletView* view = Start();
        EXPECT_NE(view, nullptr) << c.name;
        if (!view)
            continue;
        int opened = 0;
        const ModalAnswer answer([&](CDialog* pDlg) {
            ++opened;
            auto* settings = dynamic_cast<CSettingsDlg*>(pDlg);
            EXPECT_NE(settings, nullptr) << c.name;
            if (!settings) {
                Press(pDlg, IDCANCEL);
                return;
            }
            EXPECT_EQ(settings->m_strSkinFolder, view->m_strSkinFolder) << c.name;
            for (int i = 0; i < 13; ++i)
                Press(pDlg, IDC_DELAY_DOWN);
            settings->m_editSkinFolder.SetWindowText(u" " + view->m_strSkinFolder);
            Press(pDlg, UINT(c.answer));
        });
        Command(c.nCommand);
        EXPECT_EQ(opened, 1) << c.name;
        EXPECT_EQ(PumpUntil([] { return AfxGetMainWnd() == nullptr; }, c.closes ? 1000 : 50), c.closes) << c.name;
        if (!c.closes) {
            EXPECT_EQ(AfxGetTimerElapse(view->m_hWnd, AUTO_CLOSE_TIMER), 0u) << c.name;
            AfxGetMainWnd()->DestroyWindow();
            PumpFor(5);
            continue;
        }
        view = Start();
        EXPECT_NE(view, nullptr) << c.name;
        if (!view)
            continue;
        EXPECT_EQ(AfxGetTimerElapse(view->m_hWnd, AUTO_CLOSE_TIMER), 2000u) << c.name;
        EXPECT_EQ(view->m_strSkinFolder, CString(m_tree.Path("skin").toStdU16String())) << c.name;
        AfxGetMainWnd()->DestroyWindow();
        PumpFor(5);
    }
}

TEST_F(SettingsCommand, FolderNameThatIsNotUtf8IsStoredByteForByte)
{
    // "Skin-\xE9" is Latin-1: a byte UTF-8 cannot spell.
    FolderFixture folder;
    const fs::path skin = folder.Root() / "Skin-\xE9";
    fs::create_directory(skin);
    for (const fs::directory_entry& picture : fs::directory_iterator(DefaultSkin().str()))
        fs::copy(picture.path(), skin);
    const CString strSkin(FileNameToUtf16(skin.native()));
    ASSERT_NE(Start(), nullptr);
    const ModalAnswer answer([&](CDialog* pDlg) {
        if (auto* browser = dynamic_cast<CFolderBrowserDlg*>(pDlg))
            EXPECT_TRUE(browser->m_tree.SelectPath(strSkin));
        else
            Press(pDlg, IDC_BROWSE);
        Press(pDlg, IDOK);
    });
    Command(ID_SETTINGS_TOOL);
    EXPECT_TRUE(PumpUntil([] { return AfxGetMainWnd() == nullptr; }, 1000));
    EXPECT_EQ(FileNameFromUtf16(StoredSkinPath().str()), skin.native());

    // The next start finds the folder and every picture in it; quillet-reg shows the byte escaped.
    m_boxes.boxes.clear();
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_strSkinFolder, strSkin);
    EXPECT_TRUE(m_boxes.boxes.empty());
    const ProcessResult query = RunProcess(
        {BinPath("quillet-reg"), "query", "HKLM\\Software\\Quillet\\Settings", "/v", "SkinPath"});
    EXPECT_NE(
        query.out.find("    SkinPath    REG_SZ    " + folder.Root().string() + "/Skin-\\xe9\n"), std::string::npos)
        << query.out;
}

} // namespace
