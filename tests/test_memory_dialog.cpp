// The memory dialog: volume rows, the task list in its order, and ending
// processes through it: only children of this test, by names of their own.
#include <QCursor>
#include <QGuiApplication>
#include <QTimer>

#include "child_process.h"
#include "framework/listview.h"
#include "memory/MemoryDlg.h"
#include "monitor_fixture.h"
#include "platform/disk.h"
#include "res/resource.h"

namespace {

class MemoryDialog : public testing::Test {
protected:
    MemoryDialog() : m_screen("QUILLET_SCREEN", "240x320")
    {
        QDir().mkpath(m_tree.Path("skin"));
        CoordinatePicture(300, 400).save(m_tree.Path("skin/2.png"));
    }

    // Opens the dialog, runs the check once it is up, then closes it.
    void Run(const std::function<void(CMemoryDlg&)>& check)
    {
        CMemoryDlg dlg(RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), RGB(10, 11, 12), u".png",
            CString(m_tree.Path("skin").toStdU16String()));
        ModalRecorder modal(IDCANCEL, [&](CDialog*) { check(dlg); });
        dlg.DoModal();
        EXPECT_EQ(modal.count, 1);
    }

    static void Tap(CMemoryDlg& dlg, UINT nID) { dlg.SendMessage(WM_COMMAND, MAKEWPARAM(WORD(nID), BN_CLICKED), 0); }

    static std::vector<std::u16string> Lines(const CMemoryDlg& dlg)
    {
        std::vector<std::u16string> lines;
        const int n = int(::SendMessage(dlg.m_hTaskList, LVM_GETITEMCOUNT));
        for (int i = 0; i < n; ++i) {
            WCHAR text[256] = {};
            LVITEMW item{};
            item.pszText = text;
            item.cchTextMax = 256;
            ::SendMessage(dlg.m_hTaskList, LVM_GETITEMTEXTW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
            lines.emplace_back(text);
        }
        return lines;
    }

    // Picks the first line of that name, as a tap would; false when there is none.
    static bool Select(const CMemoryDlg& dlg, const std::string& name)
    {
        const auto lines = Lines(dlg);
        const auto found = std::find(lines.begin(), lines.end(), std::u16string(name.begin(), name.end()));
        if (found == lines.end())
            return false;
        LVITEMW state{};
        state.state = state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        const WPARAM line = WPARAM(found - lines.begin());
        ::SendMessage(dlg.m_hTaskList, LVM_SETITEMSTATE, line, reinterpret_cast<LPARAM>(&state));
        ::SendMessage(dlg.m_hTaskList, LVM_SETSELECTIONMARK, 0, LPARAM(line));
        return true;
    }

    static CString Text(CWnd& wnd)
    {
        CString text;
        wnd.GetWindowText(text);
        return text;
    }

    FixtureTree m_tree;
    ScopedEnv m_screen;
};

TEST_F(MemoryDialog, VolumeRowsCycleTheirTextsAndShowTheirShare)
{
    struct Volume {
        const char16_t* name;
        ULONGLONG free, total;
        const char16_t* texts[4]; // modes 0 to 3, then 0 again
        int bar;
    };
    const Volume volumes[] = {
        {u"/media/card", 10485760, 31457280,
            {u"Free:  10.0 MB", u"Total:  30.0 MB", u"Used:  20.0 MB", u"10.0  /  30.0 MB"}, 33},
        // Figures that could not be read: no division by zero.
        {u"/mnt/gone", 0, 0, {u"Free:  0.0 MB", u"Total:  0.0 MB", u"Used:  0.0 MB", u"0.0  /  0.0 MB"}, 0},
        // Beyond 32 bits the figures stay whole.
        {u"/data", 3ULL << 30, 6ULL << 30,
            {u"Free:  3072.0 MB", u"Total:  6144.0 MB", u"Used:  3072.0 MB", u"3072.0  /  6144.0 MB"}, 50},
    };
    Run([&](CMemoryDlg& dlg) {
        CImageButton* texts[] = {&dlg.m_btnVolumeText1, &dlg.m_btnVolumeText2, &dlg.m_btnVolumeText3};
        CLevelBar* bars[] = {&dlg.m_barVolume1, &dlg.m_barVolume2, &dlg.m_barVolume3};
        const UINT taps[] = {IDC_VOLUME_TEXT1, IDC_VOLUME_TEXT2, IDC_VOLUME_TEXT3};
        for (int count = 0; count <= 3; ++count) {
            dlg.m_nVolumeCount = count;
            dlg.m_arrVolumeNames.RemoveAll();
            dlg.m_arrVolumeFigures.RemoveAll();
            for (int k = 0; k < count; ++k) {
                dlg.m_arrVolumeNames.Add(volumes[k].name);
                dlg.m_arrVolumeFigures.Add(volumes[k].free);
                dlg.m_arrVolumeFigures.Add(volumes[k].total);
            }
            dlg.m_nVolumeTextMode1 = dlg.m_nVolumeTextMode2 = dlg.m_nVolumeTextMode3 = 0;
            // As a fresh dialog's bars: an empty row leaves its bar's text alone.
            for (CLevelBar* pBar : bars)
                pBar->SetText(u"", 0);
            dlg.UpdateVolumeText1();
            dlg.UpdateVolumeText2();
            dlg.UpdateVolumeText3();
            dlg.UpdateVolumeBars();
            for (int k = 0; k < 3; ++k) {
                SCOPED_TRACE(testing::Message() << count << " volumes, row " << k + 1);
                if (k >= count) {
                    EXPECT_EQ(Text(*texts[k]), CString(u"-------"));
                    EXPECT_EQ(texts[k]->m_nHAlign, 0);
                    EXPECT_EQ(bars[k]->GetPos(), 0);
                    EXPECT_TRUE(bars[k]->m_strText.IsEmpty());
                    Tap(dlg, taps[k]);
                    EXPECT_EQ(Text(*texts[k]), CString(u"-------")) << "a tap on an empty row";
                    continue;
                }
                EXPECT_EQ(bars[k]->GetPos(), volumes[k].bar);
                EXPECT_EQ(bars[k]->m_strText, CString(volumes[k].name));
                EXPECT_EQ(bars[k]->m_clrBar, RGB(10, 11, 12));
                for (int tap = 0; tap <= 4; ++tap) {
                    EXPECT_EQ(Text(*texts[k]), CString(volumes[k].texts[tap % 4])) << "after " << tap << " taps";
                    EXPECT_EQ(texts[k]->m_nHAlign, -1);
                    Tap(dlg, taps[k]);
                }
            }
        }
        // An unchanged text is not set again (which would also align it anew).
        dlg.m_btnVolumeText1.m_nHAlign = 1;
        dlg.UpdateVolumeText1();
        EXPECT_EQ(dlg.m_btnVolumeText1.m_nHAlign, 1);
    });
}

TEST_F(MemoryDialog, FixtureMachineVolumesAndTaskListOrder)
{
    FixtureRoot root;
    // Five volumes: the root file system and four cards; three rows show.
    // Card 2's folder has gone since it was mounted.
    std::string mountinfo = "26 1 8:1 / / rw - ext4 /dev/sda1 rw\n";
    for (int i = 1; i <= 4; ++i) {
        const QString folder = m_tree.Path(QStringLiteral("card%1").arg(i));
        if (i != 2)
            QDir().mkpath(folder);
        mountinfo += std::to_string(40 + i) + " 26 8:" + std::to_string(16 * i) + " / " + folder.toStdString() +
            " rw - vfat /dev/sd" + char('a' + i) + "1 rw\n";
    }
    root.Write("/proc/self/mountinfo", mountinfo);
    // Snapshot order is id order; names equal but for case keep it.
    const char* names[] = {"Zeta", "alpha", "Alpha", "beta", "ALPHA"};
    for (int i = 0; i < 5; ++i) {
        root.Write("/proc/" + std::to_string(10 + i) + "/stat",
            std::to_string(10 + i) + " (" + names[i] + ") S 1 1 1 0 -1 4194560 0 0 0 0 0 0 0 0 20 0 1 0 77 1 1\n");
        root.Write("/proc/" + std::to_string(10 + i) + "/cmdline", names[i]);
    }

    MessageBoxRecorder boxes(IDYES);
    Run([&](CMemoryDlg& dlg) {
        EXPECT_EQ(dlg.m_nVolumeCount, 5);
        EXPECT_EQ(Text(dlg.m_btnVolumeText1).Left(6), CString(u"Free: "));
        EXPECT_EQ(dlg.m_barVolume1.m_strText, CString(u"/"));
        EXPECT_EQ(dlg.m_barVolume2.m_strText, CString(m_tree.Path("card1").toStdU16String()));
        EXPECT_EQ(dlg.m_barVolume3.m_strText, CString(m_tree.Path("card2").toStdU16String()));
        ULARGE_INTEGER total{};
        GetDiskFreeSpaceExW(CString(m_tree.Path("card1").toStdU16String()), nullptr, &total, nullptr);
        EXPECT_EQ(dlg.m_arrVolumeFigures[3], total.QuadPart);
        EXPECT_EQ(Text(dlg.m_btnVolumeText3), CString(u"Free:  0.0 MB"));
        EXPECT_EQ(dlg.m_barVolume3.GetPos(), 0);

        const std::vector<std::u16string> sorted{u"alpha", u"Alpha", u"ALPHA", u"beta", u"Zeta"};
        EXPECT_EQ(Lines(dlg), sorted);
        // The fixture's processes are not this machine's: they cannot be opened.
        ASSERT_TRUE(Select(dlg, "Alpha"));
        Tap(dlg, IDC_KILL_TASK);
        ASSERT_EQ(boxes.boxes.size(), 2u);
        EXPECT_EQ(boxes.boxes[0].strText, CString(u"Вы хотите \"убить\" процесс 'Alpha'?"));
        EXPECT_EQ(boxes.boxes[1].strText, CString(u"Процесс не был \"убит\"."));
        EXPECT_EQ(boxes.boxes[1].strCaption, CString(u"Quillet"));
        EXPECT_EQ(boxes.boxes[1].nType, UINT(0x10));
        EXPECT_EQ(::SendMessage(dlg.m_hTaskList, LVM_GETSELECTIONMARK), 1) << "the list is kept";
    });
}

TEST_F(MemoryDialog, EndTask)
{
    struct Case {
        const char* name;
        std::vector<std::string> children; // copies by name
        bool ignoreTerm;
        const char* select; // null: no line picked
        int answer;
        std::vector<int> endedBy; // per child: the signal that ended it, 0 still running
        const char16_t* count;    // what the question adds, or null
    };
    const std::string two = NamedChild::UniqueName("two");
    const std::string stubborn = NamedChild::UniqueName("stubborn");
    const std::string upper = NamedChild::UniqueName("Case");
    const std::string lower = NamedChild::UniqueName("case");
    const std::string kept = NamedChild::UniqueName("kept");
    const Case cases[] = {
        {"TwoCopiesBothEndAndTheQuestionSaysSo", {two, two}, false, two.c_str(), IDYES, {SIGTERM, SIGTERM},
            u"\nБудут завершены все процессы с этим именем: 2"},
        {"IgnoresTheRequestEndedOutright", {stubborn}, true, stubborn.c_str(), IDYES, {SIGKILL}, nullptr},
        {"OnlyTheExactCase", {upper, lower}, false, upper.c_str(), IDYES, {SIGTERM, 0}, nullptr},
        {"AnswerNoEndsNothing", {kept}, false, kept.c_str(), IDNO, {0}, nullptr},
        {"NoSelectionDoesNothing", {kept}, false, nullptr, IDYES, {0}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::unique_ptr<NamedChild>> children;
        for (const std::string& child : c.children)
            children.push_back(std::make_unique<NamedChild>(child, c.ignoreTerm));
        MessageBoxRecorder boxes(c.answer);
        Run([&](CMemoryDlg& dlg) {
            if (c.select && !Select(dlg, c.select)) {
                ADD_FAILURE() << "no line " << c.select;
                return;
            }
            const int before = int(::SendMessage(dlg.m_hTaskList, LVM_GETITEMCOUNT));
            Tap(dlg, IDC_KILL_TASK);
            EXPECT_EQ(int(boxes.boxes.size()), c.select ? 1 : 0) << "only the question";
            if (c.select && boxes.boxes.size() == 1) {
                EXPECT_EQ(boxes.boxes[0].strText,
                    CString(u"Вы хотите \"убить\" процесс '") +
                        CString(QString::fromStdString(c.select).toStdU16String()) + u"'?" + (c.count ? c.count : u""));
                EXPECT_EQ(boxes.boxes[0].strCaption, CString(u"Quillet"));
                EXPECT_EQ(boxes.boxes[0].nType, UINT(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2)) << "No by default";
            }
            const bool ended = c.endedBy[0] != 0;
            const auto lines = Lines(dlg);
            const std::u16string selected = QString::fromStdString(c.select ? c.select : kept).toStdU16String();
            EXPECT_EQ(std::count(lines.begin(), lines.end(), selected) == 0, ended) << "the list is read again";
            if (ended && before > 1) {
                EXPECT_EQ(::SendMessage(dlg.m_hTaskList, LVM_GETSELECTIONMARK), 0);
            }
        });
        for (size_t i = 0; i < children.size(); ++i) {
            if (c.endedBy[i]) {
                EXPECT_EQ(children[i]->Reap(), c.endedBy[i]) << "child " << i;
            } else {
                EXPECT_TRUE(children[i]->Running()) << "child " << i;
            }
        }
    }
}

TEST_F(MemoryDialog, AfterAnEndingEnterOnTheQuestionEndsNothing)
{
    // Sorted before any other program, so that the line picked after the
    // ending is ours: should Enter still end it, only our child is hit.
    NamedChild first("!" + NamedChild::UniqueName("first"));
    NamedChild ended(NamedChild::UniqueName("ended"));
    Run([&](CMemoryDlg& dlg) {
        {
            MessageBoxRecorder yes(IDYES);
            ASSERT_TRUE(Select(dlg, NamedChild::UniqueName("ended")));
            Tap(dlg, IDC_KILL_TASK);
        }
        ASSERT_EQ(::SendMessage(dlg.m_hTaskList, LVM_GETSELECTIONMARK), 0) << "line 0 picked for the user";
        const std::string atTop = QString::fromStdU16String(Lines(dlg).at(0)).toStdString();
        if (atTop != "!" + NamedChild::UniqueName("first"))
            GTEST_SKIP() << atTop << " sorts before the test's child";
        const EnterAnswers enter;
        Tap(dlg, IDC_KILL_TASK);
    });
    EXPECT_EQ(ended.Reap(), SIGTERM);
    EXPECT_TRUE(first.Running());
}

TEST_F(MemoryDialog, TwentyStubbornCopiesEndTogetherWhileTheWindowAnswers)
{
    const std::string name = NamedChild::UniqueName("twenty");
    std::vector<std::unique_ptr<NamedChild>> children;
    for (int i = 0; i < 20; ++i)
        children.push_back(std::make_unique<NamedChild>(name, true));
    MessageBoxRecorder boxes(IDYES);
    QElapsedTimer clock;
    qint64 longestGap = 0;
    int ticks = 0;
    qint64 lastTick = -1; // gaps between ticks: reading the list before and after is not waiting
    bool bBusyCursor = false;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        ++ticks;
        if (lastTick >= 0)
            longestGap = std::max(longestGap, clock.elapsed() - lastTick);
        lastTick = clock.elapsed();
        const QCursor* cursor = QGuiApplication::overrideCursor();
        bBusyCursor = bBusyCursor || (cursor && cursor->shape() == Qt::WaitCursor);
    });
    Run([&](CMemoryDlg& dlg) {
        ASSERT_TRUE(Select(dlg, name));
        ticker.start(10);
        clock.start();
        Tap(dlg, IDC_KILL_TASK);
        ticker.stop();
    });
    EXPECT_LT(clock.elapsed(), 3000) << "one deadline for all, not one each";
    EXPECT_GE(ticks, 10) << "the window's timers ran while it waited";
    EXPECT_LE(longestGap, 100);
    EXPECT_TRUE(bBusyCursor);
    for (size_t i = 0; i < children.size(); ++i)
        EXPECT_EQ(children[i]->Reap(), SIGKILL) << "child " << i;
}

TEST_F(MemoryDialog, EmptyListEndsNothing)
{
    FixtureRoot root;
    root.Write("/proc/meminfo", "MemTotal: 1 kB\n");
    MessageBoxRecorder boxes(IDYES);
    Run([&](CMemoryDlg& dlg) {
        EXPECT_EQ(::SendMessage(dlg.m_hTaskList, LVM_GETITEMCOUNT), 0);
        ::SendMessage(dlg.m_hTaskList, LVM_SETSELECTIONMARK, 0, 0);
        Tap(dlg, IDC_KILL_TASK);
        Tap(dlg, IDC_REFRESH_TASKS);
    });
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MemoryDialog, SnapshotOfScreenTwo)
{
    ScopedEnv snapshot("QUILLET_SNAPSHOT", m_tree.Path("shots"));
    QSize size;
    Run([&](CMemoryDlg& dlg) {
        size = AfxWidget(dlg.m_hWnd)->size();
        EXPECT_TRUE(PumpUntil([&] { return QFile::exists(m_tree.Path("shots/2.png")); }));
    });
    EXPECT_EQ(QImage(m_tree.Path("shots/2.png")).size(), size);
}

using MemoryDialogFromMonitor = MonitorFixture;

TEST_F(MemoryDialogFromMonitor, ListButtonOpensItAndStopsTheCountdown)
{
    CQuilletView* view = Start();
    ASSERT_NE(view, nullptr);
    CMemoryDlg* opened = nullptr;
    ModalRecorder modal(IDCANCEL, [&](CDialog* pDlg) { opened = dynamic_cast<CMemoryDlg*>(pDlg); });
    Tap(view->m_btnMemoryDialog);
    EXPECT_EQ(modal.count, 1);
    EXPECT_NE(opened, nullptr);
    EXPECT_EQ(AfxGetTimerElapse(view->m_hWnd, AUTO_CLOSE_TIMER), 0u);
    // The fixture skin has no picture for screen 2.
    ASSERT_EQ(m_boxes.boxes.size(), 1u);
    EXPECT_TRUE(m_boxes.boxes[0].strText.str().starts_with(u"Can't load the picture\n"));
    EXPECT_EQ(m_boxes.boxes[0].strCaption, CString(u"Quillet: Error"));
}

} // namespace
