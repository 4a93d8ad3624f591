// How long the window stops answering: the longest stall of the event loop
// (the longest gap between ticks of a 1 ms timer, the work's own start and
// end counted as ticks) while the memory dialog ends 20 copies of a program
// that ignore SIGTERM, while the folder tree opens a folder of 100,000 files
// and a folder beside which one of 100,000 files lies, and while it collects
// a ticked tree of 100,000 folders; with each the time the whole work took.
// It uses only what every version of the program has, so that bench/compare
// can build it against an earlier one and print both side by side.
//
// bench_responsiveness DIR [RUNS]: the folders are made in DIR once and kept;
// each figure is the median of RUNS (3) runs.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "browser/FolderTree.h"
#include "framework/app.h"
#include "memory/MemoryDlg.h"

namespace {

namespace fs = std::filesystem;

struct Stall {
    double longest; // ms
    double total;   // ms
};

// Runs the work, then the event loop until settled() holds, with a timer
// ticking every millisecond.
Stall MeasureOnce(const std::function<void()>& work, const std::function<bool()>& settled)
{
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    const auto tick = [&] {
        longest = std::max(longest, clock.nsecsElapsed() - last);
        last = clock.nsecsElapsed();
    };
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, tick);
    ticker.start(1);
    clock.start();
    work();
    while (!settled())
        QCoreApplication::processEvents();
    tick();
    return Stall{longest / 1e6, clock.nsecsElapsed() / 1e6};
}

// The medians of RUNS runs, each prepared anew without the clock.
int g_nRuns = 3;

Stall Measure(
    const std::function<void()>& prepare, const std::function<void()>& work,
    const std::function<bool()>& settled = [] { return true; })
{
    std::vector<double> longest, total;
    for (int i = 0; i < g_nRuns; ++i) {
        prepare();
        const Stall run = MeasureOnce(work, settled);
        longest.push_back(run.longest);
        total.push_back(run.total);
    }
    std::sort(longest.begin(), longest.end());
    std::sort(total.begin(), total.end());
    return Stall{longest[longest.size() / 2], total[total.size() / 2]};
}

void Print(const char* what, const Stall& stall)
{
    std::printf("%s: longest stall (ms)\t%.1f\n%s: whole work (ms)\t%.1f\n", what, stall.longest, what, stall.total);
    std::fflush(stdout);
}

// Copies of sleep under a name of their own, ignoring SIGTERM (an ignored
// signal stays ignored across exec).
std::vector<pid_t> StartStubborn(const fs::path& program, int count)
{
    fs::copy_file("/bin/sleep", program, fs::copy_options::overwrite_existing);
    const auto previous = std::signal(SIGTERM, SIG_IGN);
    std::vector<pid_t> pids;
    std::string path = program.string();
    char seconds[] = "600";
    char* argv[] = {path.data(), seconds, nullptr};
    for (int i = 0; i < count; ++i) {
        pid_t pid = 0;
        if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) == 0)
            pids.push_back(pid);
    }
    std::signal(SIGTERM, previous);
    return pids;
}

void MakeFiles(const fs::path& folder, int count)
{
    fs::create_directories(folder);
    for (int i = 0; i < count; ++i)
        std::ofstream(folder / ("file" + std::to_string(i))) << "";
}

// Made once: a marker says the folder is whole.
void MakeOnce(const fs::path& folder, const std::function<void()>& make)
{
    if (fs::exists(folder / ".made"))
        return;
    fs::remove_all(folder);
    make();
    std::ofstream(folder / ".made") << "";
}

struct TreeWindow {
    TreeWindow(bool bCheckBoxes)
    {
        parent.CreateEx(0, AFX_WNDCLASS_GENERIC, u"", WS_POPUP | WS_VISIBLE, RECT{0, 0, 240, 320}, nullptr, 0);
        tree.Create(AFX_WNDCLASS_TREEVIEW, u"",
            WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_LINESATROOT | (bCheckBoxes ? TVS_CHECKBOXES : 0),
            RECT{0, 0, 240, 320}, &parent, 1);
        tree.Fill(!bCheckBoxes, false, u"");
    }
    ~TreeWindow()
    {
        parent.DestroyWindow();
        QCoreApplication::processEvents();
    }

    // Opens the folders down to the folder's parent; returns the folder's item.
    HTREEITEM Reach(const fs::path& folder)
    {
        HTREEITEM h = TVI_ROOT;
        for (const fs::path& part : folder.relative_path()) {
            if (h != TVI_ROOT)
                tree.Expand(h, TVE_EXPAND);
            HTREEITEM c = tree.GetChildItem(h);
            while (c && tree.GetItemText(c) != CString(part.u16string()))
                c = tree.GetNextSiblingItem(c);
            h = c;
        }
        return h;
    }

    bool Settled(HTREEITEM hParent)
    {
        // The last folder of the level is looked into last.
        HTREEITEM hLast = nullptr;
        for (HTREEITEM c = tree.GetChildItem(hParent); c; c = tree.GetNextSiblingItem(c))
            hLast = c;
        TVITEMW item{};
        item.mask = TVIF_CHILDREN;
        item.hItem = hLast;
        tree.SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        return !hLast || item.cChildren == 0;
    }

    CWnd parent;
    CFolderTree tree;
};

} // namespace

int main(int argc, char** argv)
{
    AfxWinInit(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_responsiveness DIR [RUNS]\n");
        return 2;
    }
    const fs::path work = fs::absolute(argv[1]);
    g_nRuns = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    fs::create_directories(work);

    {
        const std::string name = "qt-bench-stubborn-" + std::to_string(::getpid());
        const CString strName(std::u16string(name.begin(), name.end()));
        std::vector<pid_t> pids;
        const auto reap = [&] {
            for (pid_t pid : pids) {
                ::kill(pid, SIGKILL);
                ::waitpid(pid, nullptr, 0);
            }
            pids.clear();
        };
        CMemoryDlg dlg(0, 0, 0, 0, u".png", u"");
        Print("end 20 copies that ignore SIGTERM",
            Measure(
                [&] {
                    reap();
                    pids = StartStubborn(work / name, 20);
                },
                [&] { dlg.KillTasksByName(strName); }));
        reap();
    }

    std::unique_ptr<TreeWindow> window;
    HTREEITEM hItem = nullptr;
    const auto open = [&](const fs::path& folder, bool bCheckBoxes) {
        return [&, folder, bCheckBoxes] {
            window.reset();
            window = std::make_unique<TreeWindow>(bCheckBoxes);
            hItem = window->Reach(folder);
        };
    };
    const auto expand = [&] { window->tree.Expand(hItem, TVE_EXPAND); };

    const fs::path files = work / "files100000";
    MakeOnce(files, [&] { MakeFiles(files, 100000); });
    Print("open a folder of 100,000 files (folders only)", Measure(open(files, false), expand));

    // Its expand button is looked for after the first screenful of folders.
    const fs::path beside = work / "beside";
    MakeOnce(beside, [&] {
        for (int i = 0; i < 100; ++i)
            fs::create_directories(beside / ("folder" + std::to_string(1000 + i)));
        MakeFiles(beside / "zz-100000-files", 100000);
    });
    Print("open a folder beside one of 100,000 files (folders only)",
        Measure(open(beside, false), expand, [&] { return window->Settled(hItem); }));

    const fs::path ticked = work / "folders100000";
    MakeOnce(ticked, [&] {
        for (int i = 0; i < 100; ++i)
            for (int j = 0; j < 1000; ++j)
                fs::create_directories(ticked / std::to_string(i) / std::to_string(j));
    });
    CStringArray arrFiles, arrFolders;
    Print("collect a ticked tree of 100,000 folders",
        Measure(
            [&] {
                open(ticked, true)();
                window->tree.OnStateIconClick(hItem);
                QCoreApplication::processEvents();
                arrFiles.RemoveAll();
                arrFolders.RemoveAll();
            },
            [&] { window->tree.CollectChecked(arrFiles, arrFolders); }));
    if (arrFolders.GetSize() != 100101)
        std::fprintf(stderr, "collected %d folders of 100101\n", int(arrFolders.GetSize()));
    window.reset();
    return 0;
}
