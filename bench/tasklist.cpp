// Task list benchmark: with at least N processes running (this program
// starts them), how long filling the memory dialog's task list from /proc
// takes, side by side with `ps -A -o comm=` on the same machine in the same
// run; and how long opening the dialog takes until its first paint has
// ended, without its fixed 50 ms wait. Prints medians and the ratio.
//
// bench_tasklist [PROCESSES] [RUNS]; QUILLET_SNAPSHOT=DIR also saves the
// dialog as DIR/2.png.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "framework/app.h"
#include "framework/hwnd_p.h"
#include "framework/listview.h"
#include "memory/MemoryDlg.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

constexpr double kFixedWaitMs = 50; // the dialog's own wait before it reads the volumes

// Idle processes to list; they end by themselves should this program not.
std::vector<pid_t> StartProcesses(int count)
{
    std::vector<pid_t> pids;
    char sleep[] = "sleep";
    char seconds[] = "600";
    char* argv[] = {sleep, seconds, nullptr};
    for (int i = 0; i < count; ++i) {
        pid_t pid = 0;
        if (posix_spawnp(&pid, "sleep", nullptr, nullptr, argv, environ) != 0)
            break;
        pids.push_back(pid);
    }
    return pids;
}

void StopProcesses(const std::vector<pid_t>& pids)
{
    for (pid_t pid : pids)
        kill(pid, SIGKILL);
    for (pid_t pid : pids)
        waitpid(pid, nullptr, 0);
}

// One run of ps listing every process's name, its output thrown away.
double RunPs()
{
    char ps[] = "ps";
    char all[] = "-A";
    char format[] = "-o";
    char comm[] = "comm=";
    char* argv[] = {ps, all, format, comm, nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = 0;
    double ms = -1;
    if (posix_spawnp(&pid, "ps", &actions, nullptr, argv, environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
            ms = Ms(Clock::now() - start);
    }
    posix_spawn_file_actions_destroy(&actions);
    return ms;
}

// Runs the dialog until its first paint has ended, then runs the step with
// it open; returns the time from the start to the end of that paint.
double OpenDialog(const CString& strSkin, const std::function<void(CMemoryDlg&)>& step)
{
    CMemoryDlg dlg(RGB(22, 46, 122), RGB(24, 34, 58), RGB(226, 233, 242), RGB(88, 196, 120), u".png", strSkin);
    const auto start = Clock::now();
    double ms = 0;
    struct FirstPaint : QObject {
        CMemoryDlg* pDlg = nullptr;
        std::function<void()> painted;
        bool eventFilter(QObject* o, QEvent* e) override
        {
            QWidget* dialog = AfxWidget(pDlg->m_hWnd);
            if (e->type() == QEvent::Paint && painted && dialog && o->isWidgetType() &&
                static_cast<QWidget*>(o)->window() == dialog)
                // Queued: runs once the window's paint is over.
                QTimer::singleShot(0, this, std::exchange(painted, nullptr));
            return false;
        }
    } watcher;
    watcher.pDlg = &dlg;
    watcher.painted = [&] {
        ms = Ms(Clock::now() - start);
        step(dlg);
        dlg.EndDialog(IDCANCEL);
    };
    QCoreApplication::instance()->installEventFilter(&watcher);
    dlg.DoModal();
    QCoreApplication::instance()->removeEventFilter(&watcher);
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    AfxWinInit(argc, argv);
    const int wanted = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int runs = std::max(1, argc > 2 ? std::atoi(argv[2]) : 15);
    const CString strSkin(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Skins/Default")).toStdU16String());

    const std::vector<pid_t> children = StartProcesses(wanted);
    std::vector<double> fill, ps, open;
    int lines = 0;
    for (int i = 0; i < runs; ++i) {
        ps.push_back(RunPs());
        open.push_back(OpenDialog(strSkin, [&](CMemoryDlg& dlg) {
            const auto start = Clock::now();
            dlg.FillTaskList();
            fill.push_back(Ms(Clock::now() - start));
            lines = int(::SendMessage(dlg.m_hTaskList, LVM_GETITEMCOUNT, 0, 0));
        }) - kFixedWaitMs);
    }
    StopProcesses(children);

    std::printf(
        "processes started: %zu, lines in the task list: %d, runs: %d (medians)\n", children.size(), lines, runs);
    std::printf("fill the task list:      %8.2f ms\n", Median(fill));
    std::printf("ps -A -o comm=:          %8.2f ms\n", Median(ps));
    std::printf("ratio to ps:             %8.2f   (aim: at most 1.5)\n", Median(fill) / Median(ps));
    std::printf("open to first paint:     %8.2f ms  (without the 50 ms wait; aim: at most 60)\n", Median(open));
    return 0;
}
