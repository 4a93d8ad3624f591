// The framework's core: where commands go, how windows end, and the faults
// once mended in it, each a row named after the fault it would catch again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/app.h"
#include "framework/button.h"
#include "framework/frame.h"
#include "framework/snapshot.h"
#include "framework/view.h"
#include "gui_helpers.h"

namespace {

// What the windows of a test saw, in order.
std::vector<std::string> g_log;

class CLoggedWnd : public CWnd {
public:
    explicit CLoggedWnd(std::string name) : m_name(std::move(name)) { }
    void OnDestroy()
    {
        g_log.push_back("destroy " + m_name);
        CWnd::OnDestroy();
    }
    void PostNcDestroy() override { g_log.push_back("gone " + m_name + (m_hWnd ? " attached" : "")); }
    void OnTimer(UINT_PTR) { g_log.push_back("timer " + m_name); }
    std::string m_name;

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLoggedWnd, CWnd)
    ON_WM_DESTROY()
    ON_WM_TIMER()
END_MESSAGE_MAP()

// A window that ends itself from one of its own handlers and deletes its object.
class CSelfDeletingWnd : public CWnd {
public:
    void OnClose()
    {
        // The nested message reaches this object while the outer one is handled.
        SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"closing"));
        DestroyWindow();
    }
    void PostNcDestroy() override { delete this; }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfDeletingWnd, CWnd)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

// A frame and a view of its own, to see which map a command reaches.
class CTestView : public CView {
public:
    void OnViewCommand() { g_log.push_back("view"); }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestView, CView)
    ON_COMMAND(901, &CTestView::OnViewCommand)
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd {
public:
    void OnFrameCommand() { g_log.push_back("frame"); }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_COMMAND(900, &CTestFrame::OnFrameCommand)
END_MESSAGE_MAP()

// A control that hears its own notifications back from its parent.
class CNotifyingCtrl : public CWnd {
public:
    void OnClicked(NMHDR* pNMHDR, LRESULT* pResult)
    {
        g_log.push_back("control " + std::to_string(pNMHDR->idFrom));
        *pResult = 5;
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyingCtrl, CWnd)
    ON_NOTIFY_REFLECT(NM_CLICK, &CNotifyingCtrl::OnClicked)
END_MESSAGE_MAP()

const AFX_DLGTEMPLATE kEmptyDialog = {950, WS_POPUP | WS_CAPTION, 0, 40, 20, u"Test", u"System", 8, nullptr, 0};

RECT Rect(int x, int y, int cx, int cy)
{
    return RECT{x, y, x + cx, y + cy};
}

TEST(Wnd, CommandsReachTheFrameThenTheViewThenTheApplication)
{
    CCreateContext context{RUNTIME_CLASS(CTestView), nullptr};
    auto* pFrame = new CTestFrame;
    ASSERT_TRUE(pFrame->LoadFrame(0, nullptr, &context));
    const HWND hFrame = pFrame->m_hWnd;
    CWinApp* app = AfxGetApp();
    ASSERT_NE(app, nullptr);
    app->m_pMainWnd = pFrame;

    struct Row {
        const char* name;
        UINT nID;
        std::vector<std::string> log;
    };
    const Row rows[] = {
        {"FrameOwnCommand", 900, {"frame"}},
        {"ViewCommandThroughTheFrame", 901, {"view"}},
        {"UnhandledCommandDoesNothing", 57681, {}},
    };
    for (const Row& row : rows) {
        g_log.clear();
        ::SendMessage(hFrame, WM_COMMAND, MAKEWPARAM(WORD(row.nID), 0), 0);
        EXPECT_EQ(g_log, row.log) << row.name;
    }
    // Exit is the application's: it closes the main window.
    ::SendMessage(hFrame, WM_COMMAND, MAKEWPARAM(WORD(ID_APP_EXIT), 0), 0);
    EXPECT_FALSE(IsWindow(hFrame));
    EXPECT_EQ(app->m_pMainWnd, nullptr);
}

TEST(Wnd, NotificationsGoBackToTheControlThatSentThem)
{
    CWnd parent;
    CNotifyingCtrl control;
    ASSERT_TRUE(parent.CreateEx(0, AFX_WNDCLASS_GENERIC, u"", WS_POPUP, Rect(0, 0, 80, 60), nullptr, 0));
    ASSERT_TRUE(control.Create(AFX_WNDCLASS_GENERIC, u"", WS_VISIBLE, Rect(10, 20, 30, 30), &parent, 42));
    struct Row {
        const char* name;
        UINT code;
        std::vector<std::string> log;
        LRESULT result;
    };
    const Row rows[] = {
        {"ReflectedToTheControlsOwnMap", NM_CLICK, {"control 42"}, 5},
        {"UnhandledCodeIsDefault", UINT(-3), {}, 0},
    };
    for (const Row& row : rows) {
        g_log.clear();
        NMHDR hdr{control.m_hWnd, 42, row.code};
        EXPECT_EQ(parent.SendMessage(WM_NOTIFY, 42, reinterpret_cast<LPARAM>(&hdr)), row.result) << row.name;
        EXPECT_EQ(g_log, row.log) << row.name;
    }
    // Points move between a window, its child and the screen.
    POINT pt{3, 4};
    MapWindowPoints(control.m_hWnd, parent.m_hWnd, &pt, 1);
    EXPECT_EQ(pt.x, 13);
    EXPECT_EQ(pt.y, 24);
    MapWindowPoints(parent.m_hWnd, nullptr, &pt, 1);
    MapWindowPoints(nullptr, control.m_hWnd, &pt, 1);
    EXPECT_EQ(pt.x, 3);
    EXPECT_EQ(pt.y, 4);
}

TEST(Wnd, ParentEndsBeforeItsChildrenAndEveryObjectIsDetachedFirst)
{
    CLoggedWnd parent("parent"), first("first"), second("second");
    ASSERT_TRUE(parent.CreateEx(0, AFX_WNDCLASS_GENERIC, u"", WS_POPUP, Rect(0, 0, 50, 50), nullptr, 0));
    ASSERT_TRUE(first.CreateEx(0, AFX_WNDCLASS_BUTTON, u"", WS_CHILD, Rect(0, 0, 10, 10), &parent, 1));
    ASSERT_TRUE(second.CreateEx(0, AFX_WNDCLASS_GENERIC, u"", WS_CHILD, Rect(10, 0, 10, 10), &parent, 2));
    const HWND hFirst = first.m_hWnd;
    g_log.clear();
    parent.DestroyWindow();
    // Destroy messages from the top down; cleanup only once no object holds a window.
    ASSERT_EQ(g_log.size(), 6u);
    EXPECT_EQ(g_log[0], "destroy parent");
    EXPECT_EQ(std::vector<std::string>(g_log.begin() + 3, g_log.end()),
        (std::vector<std::string>{"gone first", "gone second", "gone parent"}));
    EXPECT_EQ(first.m_hWnd, nullptr);
    EXPECT_FALSE(IsWindow(hFirst));
}

// Each row is a fault that was mended once.
struct MendedFault {
    const char* name;
    std::function<void()> check;
};

void PrintTo(const MendedFault& row, std::ostream* os)
{
    *os << row.name;
}

class MendedFaults : public testing::TestWithParam<MendedFault> { };

TEST_P(MendedFaults, StayMended)
{
    GetParam().check();
}

const MendedFault kMendedFaults[] = {
    {"StaleHandleIsNoWindow",
        [] {
            CLoggedWnd wnd("stale");
            ASSERT_TRUE(wnd.CreateEx(0, AFX_WNDCLASS_GENERIC, u"x", WS_POPUP, Rect(0, 0, 10, 10), nullptr, 0));
            const HWND h = wnd.m_hWnd;
            wnd.DestroyWindow();
            PumpFor(20); // the widget is deleted: the handle now points at freed memory
            EXPECT_FALSE(IsWindow(h));
            EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
            EXPECT_EQ(::SendMessage(h, WM_GETTEXTLENGTH), 0);
            EXPECT_FALSE(::PostMessage(h, WM_CLOSE));
            EXPECT_EQ(AfxGetTimerElapse(h, 1), 0u);
        }},
    {"WindowDeletedInItsOwnHandler",
        [] {
            auto* pWnd = new CSelfDeletingWnd;
            ASSERT_TRUE(pWnd->CreateEx(0, AFX_WNDCLASS_GENERIC, u"", WS_POPUP, Rect(0, 0, 10, 10), nullptr, 0));
            const HWND h = pWnd->m_hWnd;
            // The object is gone when the handler returns; nothing may touch it after.
            ::SendMessage(h, WM_CLOSE);
            EXPECT_FALSE(IsWindow(h));
        }},
    {"TimersStopWhenTheWindowGoes",
        [] {
            auto* pWnd = new CLoggedWnd("timed");
            ASSERT_TRUE(pWnd->CreateEx(0, AFX_WNDCLASS_GENERIC, u"", WS_POPUP, Rect(0, 0, 10, 10), nullptr, 0));
            pWnd->SetTimer(7, 1, nullptr);
            pWnd->DestroyWindow();
            delete pWnd;
            g_log.clear();
            PumpFor(30);
            EXPECT_TRUE(g_log.empty());
        }},
    {"QuitAskedBeforeTheLoopDoesNotEndTheNextDialog",
        [] {
            AfxGetApp()->PostQuitMessage(0);
            CDialog dlg(950);
            dlg.InitModalIndirect(&kEmptyDialog);
            ModalRecorder modal(IDOK);
            EXPECT_EQ(dlg.DoModal(), IDOK);
            EXPECT_EQ(modal.count, 1);
        }},
    {"EndDialogWhileInitialisingEndsAtOnce",
        [] {
            struct CEndsAtOnce : CDialog {
                CEndsAtOnce() : CDialog(950) { InitModalIndirect(&kEmptyDialog); }
                BOOL OnInitDialog() override
                {
                    EndDialog(IDCANCEL);
                    return TRUE;
                }
            } dlg;
            ModalRecorder modal(IDOK);
            EXPECT_EQ(dlg.DoModal(), IDCANCEL);
            PumpFor(20);
            EXPECT_EQ(modal.count, 0);
        }},
    {"BorderOnlyInsideChildWindows",
        [] {
            CWnd top, child;
            ASSERT_TRUE(top.CreateEx(
                0, AFX_WNDCLASS_GENERIC, u"", WS_POPUP | WS_CAPTION | WS_BORDER, Rect(0, 0, 60, 40), nullptr, 0));
            ASSERT_TRUE(
                child.CreateEx(0, AFX_WNDCLASS_GENERIC, u"", WS_CHILD | WS_BORDER, Rect(0, 0, 30, 20), &top, 1));
            CRect rc;
            top.GetClientRect(&rc);
            EXPECT_EQ(rc.Width(), 60);
            EXPECT_EQ(rc.Height(), 40);
            child.GetClientRect(&rc);
            EXPECT_EQ(rc.Width(), 28);
            EXPECT_EQ(rc.Height(), 18);
        }},
};

INSTANTIATE_TEST_SUITE_P(Wnd, MendedFaults, testing::ValuesIn(kMendedFaults),
    [](const testing::TestParamInfo<MendedFault>& info) { return std::string(info.param.name); });

TEST(WindowHandles, StaleHandleIsRefusedAfterANewWindowTakesItsSlot)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // earlier windows' slots
    CWnd first, second;
    ASSERT_TRUE(first.CreateEx(0, AFX_WNDCLASS_GENERIC, u"first", WS_POPUP, Rect(0, 0, 10, 10), nullptr, 0));
    const HWND hOld = first.m_hWnd;
    first.DestroyWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the widget is gone
    ASSERT_TRUE(second.CreateEx(0, AFX_WNDCLASS_GENERIC, u"second", WS_POPUP, Rect(0, 0, 10, 10), nullptr, 0));
    const HWND hNew = second.m_hWnd;
    // The same slot of the window table, a new generation.
    EXPECT_EQ(UINT_PTR(hNew) & 0xFFFFFFFF, UINT_PTR(hOld) & 0xFFFFFFFF);
    EXPECT_NE(hNew, hOld);
    EXPECT_FALSE(IsWindow(hOld));
    EXPECT_EQ(CWnd::FromHandlePermanent(hOld), nullptr);
    EXPECT_EQ(::SendMessage(hOld, WM_GETTEXTLENGTH), 0);
    EXPECT_EQ(::SendMessage(hNew, WM_GETTEXTLENGTH), 6);
}

// A window registered for a snapshot may be painted before its siblings: the
// paint is reported once the whole window has been painted, not inside it.
TEST(Wnd, SnapshotPaintIsReportedAfterTheWholeWindowIsPainted)
{
    QTemporaryDir dir;
    ScopedEnv snapshot("QUILLET_SNAPSHOT", dir.path());
    CWnd top, first, second;
    ASSERT_TRUE(top.CreateEx(0, AFX_WNDCLASS_GENERIC, u"", WS_POPUP, Rect(0, 0, 60, 40), nullptr, 0));
    ASSERT_TRUE(first.CreateEx(0, AFX_WNDCLASS_GENERIC, u"", WS_CHILD | WS_VISIBLE, Rect(0, 0, 30, 40), &top, 1));
    ASSERT_TRUE(second.CreateEx(0, AFX_WNDCLASS_GENERIC, u"", WS_CHILD | WS_VISIBLE, Rect(30, 0, 30, 40), &top, 2));
    top.ShowWindow(SW_SHOW);
    PumpFor(50);
    AfxRegisterSnapshot(&first, 7);

    testing::internal::CaptureStdout();
    AfxWidget(top.m_hWnd)->repaint(); // the whole window, both children included
    EXPECT_EQ(testing::internal::GetCapturedStdout().find("painted:"), std::string::npos);
    testing::internal::CaptureStdout();
    PumpUntil([&] { return QFile::exists(dir.filePath("7.png")); }, 5000);
    const std::string after = testing::internal::GetCapturedStdout();
    EXPECT_NE(after.find("painted: 7"), std::string::npos) << after;
    EXPECT_LT(after.find("painted: 7"), after.find("snapshot: ")) << after;
}

} // namespace
