// Modal dialogs: how they end, data exchange both ways, and the About box.
#include <QKeyEvent>
#include <QPushButton>

#include "browser/FolderBrowserDlg.h"
#include "framework/checkbox.h"
#include "memory/MemoryDlg.h"
#include "monitor_fixture.h"
#include "res/resource.h"
#include "settings/SettingsDlg.h"
#include "skin/SkinAboutDlg.h"
#include "skin/SkinPaths.h"

namespace {

const AFX_DLGITEM kItems[] = {
    {u"Button", u"Warn", 1033, 2, 2, 60, 10, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0},
};
const AFX_DLGTEMPLATE kTemplate = {
    900, WS_POPUP | WS_CAPTION, WS_EX_CAPTIONOKBTN, 80, 40, u"Test", u"System", 8, kItems, std::size(kItems)};

class CCheckDlg : public CDialog {
public:
    CCheckDlg() : CDialog(900) { InitModalIndirect(&kTemplate); }
    int m_nCheck = 0;
    int m_nInitChecked = -1;
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_nInitChecked = int(GetDlgItem(1033)->SendMessage(BM_GETCHECK));
        return TRUE;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Check(pDX, 1033, m_nCheck); }
};

TEST(ModalDialog, EndsAndExchangesData)
{
    struct Case {
        const char* name;
        int initial;
        std::function<void(CDialog*)> act;
        LONG_PTR result;
        int saved;
    };
    const auto click = [](CDialog* d) {
        static_cast<QAbstractButton*>(AfxWidget(d->GetDlgItem(1033)->m_hWnd))->click();
    };
    const Case cases[] = {
        {"CaptionOkSavesTheCheck", 0,
            [&](CDialog* d) {
                click(d);
                AfxWidget(d->m_hWnd)->findChild<QPushButton*>()->click();
            },
            IDOK, 1},
        {"EscapeCancelsAndSavesNothing", 1,
            [&](CDialog* d) {
                click(d);
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QCoreApplication::sendEvent(AfxWidget(d->m_hWnd), &escape);
            },
            IDCANCEL, 1},
        {"CloseButtonCancels", 1, [](CDialog* d) { d->SendMessage(WM_CLOSE); }, IDCANCEL, 1},
        {"OkCommandFromAControl", 1,
            [&](CDialog* d) {
                click(d);
                d->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            },
            IDOK, 0},
    };
    for (const Case& c : cases) {
        CCheckDlg dlg;
        dlg.m_nCheck = c.initial;
        bool ended = false;
        const AFX_MODAL_HOOK previous = AfxSetModalHook([&](CDialog* d) {
            c.act(d);
            ended = true;
        });
        EXPECT_EQ(dlg.DoModal(), c.result) << c.name;
        AfxSetModalHook(previous);
        EXPECT_TRUE(ended) << c.name;
        EXPECT_EQ(dlg.m_nInitChecked, c.initial) << c.name << ": value to control";
        EXPECT_EQ(dlg.m_nCheck, c.saved) << c.name << ": control to value";
        EXPECT_FALSE(IsWindow(dlg.m_hWnd)) << c.name;
    }
}

// Each control shows the text its template gives it (the dialog its title).
TEST(DialogTemplate, EveryControlKeepsItsCreationText)
{
    const AFX_DLGITEM items[] = {
        {u"Edit", u"/skins/Blue", 1040, 2, 2, 60, 10, WS_CHILD | WS_BORDER, 0},
        {u"Button", u"Browse", 1041, 2, 14, 30, 10, WS_CHILD | BS_PUSHBUTTON, 0},
        {u"Button", u"FLASH", 1042, 34, 14, 30, 10, WS_CHILD | BS_OWNERDRAW, 0},
        {u"Button", u"Warn", 1043, 2, 26, 60, 10, WS_CHILD | BS_AUTOCHECKBOX, 0},
        {u"Static", u"Folder:", 1044, 2, 38, 60, 10, WS_CHILD, 0},
    };
    const AFX_DLGTEMPLATE dialog = {
        901, WS_POPUP | WS_CAPTION, 0, 80, 60, u"Texts", u"System", 8, items, std::size(items)};
    CDialog dlg(901);
    dlg.InitModalIndirect(&dialog);
    const auto textOf = [](const CWnd* pWnd) {
        CString text;
        if (pWnd)
            pWnd->GetWindowText(text);
        return text;
    };
    ModalRecorder modal(IDCANCEL, [&](CDialog* d) {
        EXPECT_EQ(textOf(d), CString(u"Texts"));
        // The edit field's text is the line it shows.
        for (const AFX_DLGITEM& item : items)
            EXPECT_EQ(textOf(d->GetDlgItem(int(item.nID))), CString(item.lpszText)) << "control " << item.nID;
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST(UnattendedMessageBox, SavedPrintedAndAnsweredWithItsDefault)
{
    FixtureTree tree;
    ScopedEnv shots("QUILLET_SNAPSHOT", tree.Path("shots"));
    struct Case {
        const char* name;
        UINT nType;
        int answer;
        const char* button; // the toolkit's word, in the language chosen
    };
    const Case cases[] = {
        {"YesIsTheFirstButton", MB_YESNO | MB_ICONQUESTION, IDYES, "&Yes"},
        {"SecondButtonAsDefault", MB_YESNO | MB_DEFBUTTON2, IDNO, "&No"},
        {"Ok", MB_OK | MB_TOPMOST, IDOK, "OK"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::internal::CaptureStderr();
        EXPECT_EQ(AfxShowMessageBox(nullptr, u"Sure?", u"Quillet", c.nType), c.answer);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find("message box \"Quillet\": Sure?"), std::string::npos) << err;
        const QString printed = QStringLiteral("answered ") +
            QCoreApplication::translate("QPlatformTheme", c.button).remove(u'&');
        EXPECT_NE(err.find(printed.toStdString()), std::string::npos) << err;
        const QString picture = tree.Path(QStringLiteral("shots/messagebox-%1.png").arg(++n));
        EXPECT_NE(err.find(picture.toStdString()), std::string::npos) << err;
        EXPECT_FALSE(QImage(picture).isNull());
    }
}

using AboutBox = MonitorFixture;

TEST_F(AboutBox, PictureFontsAndColoursFollowTheScreenAndSkin)
{
    struct Case {
        const char* screen;
        const char* picture;
        LONG large, small;
    };
    for (const Case& c : {Case{"240x320", "3.png", 24, 16}, Case{"480x640", "3_VGA.png", 48, 32}}) {
        SCOPED_TRACE(c.screen);
        ScopedEnv screen("QUILLET_SCREEN", c.screen);
        CoordinatePicture(300, 300).save(m_tree.Path(QStringLiteral("skin/") + c.picture));
        CSkinAboutDlg dlg(RGB(1, 2, 3), u".png", CString(m_tree.Path("skin").toStdU16String()));
        ModalRecorder modal(IDOK, [&](CDialog*) {
            EXPECT_NE(dlg.m_hBackground, nullptr);
            LOGFONTW lf{};
            dlg.m_fontLarge.GetLogFont(&lf);
            EXPECT_EQ(lf.lfHeight, c.large);
            EXPECT_EQ(lf.lfWeight, FW_BOLD);
            dlg.m_fontSmall.GetLogFont(&lf);
            EXPECT_EQ(lf.lfHeight, c.small);
            EXPECT_EQ(dlg.m_btnName.m_clrLabel, RGB(1, 2, 3));
            EXPECT_EQ(dlg.m_btnCredit.m_clrLabel, RGB(1, 2, 3));
            EXPECT_EQ(dlg.m_btnIcon.m_hBackground, dlg.m_hBackground);
            CString credit;
            dlg.m_btnCredit.GetWindowText(credit);
            EXPECT_EQ(credit.GetLength(), 14);
            EXPECT_EQ(credit.Left(6), CString(u"Автор:"));
            // The icon area shows the picture's own pixels.
            CRect rc;
            dlg.m_btnIcon.GetWindowRect(&rc);
            dlg.ScreenToClient(&rc);
            EXPECT_EQ(PixelAt(Grab(dlg.m_btnIcon.m_hWnd), 0, 0), RGB(BYTE(rc.left), BYTE(rc.top), 77));
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(modal.count, 1);
    }
    EXPECT_TRUE(m_boxes.boxes.empty());
}

TEST_F(AboutBox, StaysAboveTheMainWindowAndCannotBeMinimised)
{
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    QWidget* main = AfxWidget(AfxGetMainWnd()->m_hWnd)->window();
    ModalRecorder modal(IDOK, [&](CDialog* d) {
        QWidget* w = AfxWidget(d->m_hWnd);
        EXPECT_TRUE(w->isWindow());
        EXPECT_EQ(w->parentWidget(), main) << "owned by the main window";
        EXPECT_FALSE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_TRUE(w->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_TRUE(w->isModal());
    });
    Command(ID_ABOUT_MENU);
    EXPECT_EQ(modal.count, 1);
}

TEST_F(AboutBox, MissingPictureIsToldOnceAStart)
{
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    Command(ID_ABOUT_MENU);
    Command(ID_ABOUT_TOOL);
    EXPECT_EQ(m_dialogs.count, 2);
    // The default skin stands in for the fixture skin's missing picture.
    ASSERT_EQ(m_boxes.boxes.size(), 1u);
    EXPECT_TRUE(m_boxes.boxes[0].strText.str().starts_with(u"Can't load the picture\nFolder: "));
    EXPECT_EQ(m_boxes.boxes[0].strCaption, CString(u"Quillet: Error"));
    // The countdown stays stopped after the box is closed.
    EXPECT_EQ(AfxGetTimerElapse(view->m_hWnd, AUTO_CLOSE_TIMER), 0u);
}

// Each skinned dialog opened twice from one object: the second opening loads
// its picture and fonts anew, and what the first loaded is released (the
// sanitizer build's leak checker fails the row otherwise).
struct SkinnedDialog {
    const char* name;
    int screen;
    std::function<std::unique_ptr<CSkinDialog>(const CString& strSkinFolder)> make;
};

const SkinnedDialog kSkinnedDialogs[] = {
    {"About", 3, [](const CString& folder) { return std::make_unique<CSkinAboutDlg>(0, u".png", folder); }},
    {"Memory", 2, [](const CString& folder) { return std::make_unique<CMemoryDlg>(0, 0, 0, 0, u".png", folder); }},
    {"Settings", 4,
        [](const CString& folder) {
            return std::make_unique<CSettingsDlg>(0, 15, FALSE, u".png", ProgramFolder(), folder);
        }},
    {"FolderBrowser", 5,
        [](const CString& folder) {
            return std::make_unique<CFolderBrowserDlg>(u".png", folder, bmFolder, nullptr, nullptr);
        }},
};

void PrintTo(const SkinnedDialog& dialog, std::ostream* os)
{
    *os << dialog.name;
}

class OpenedTwice : public MonitorFixture, public testing::WithParamInterface<SkinnedDialog> { };

TEST_P(OpenedTwice, LeaksNothing)
{
    CoordinatePicture(300, 300).save(m_tree.Path(QStringLiteral("skin/%1.png").arg(GetParam().screen)));
    const std::unique_ptr<CSkinDialog> dlg = GetParam().make(CString(m_tree.Path("skin").toStdU16String()));
    ModalRecorder modal(IDCANCEL);
    EXPECT_EQ(dlg->DoModal(), IDCANCEL);
    EXPECT_EQ(dlg->DoModal(), IDCANCEL);
    EXPECT_TRUE(m_boxes.boxes.empty()) << "a picture was missing";
}

INSTANTIATE_TEST_SUITE_P(SkinnedDialogs, OpenedTwice, testing::ValuesIn(kSkinnedDialogs),
    [](const testing::TestParamInfo<SkinnedDialog>& info) { return std::string(info.param.name); });

} // namespace
