// Start-up as a person sees it: on an X server of its own (Xvfb), the time
// from exec to the window's mapping and to the first frame of content in it,
// for Quillet and for the bare window, run alternately in one run.
// bench_first_frame QUILLET BARE_WINDOW [RUNS]; prints the medians and ratios.
//
// The server's root is black and the toolkit leaves a new window's background
// alone, so the window holds content once a pixel in it is not black.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "paired_runs.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Starts Xvfb on a free display; returns its pid and sets the display's name.
pid_t StartServer(std::string& display)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-br", "-nolisten", "tcp",
            static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (number.empty())
        return -1;
    display = ":" + number;
    return pid;
}

// Waits up to the deadline for the next event.
bool NextEvent(Display* dpy, XEvent& event, Clock::time_point deadline)
{
    while (!XPending(dpy)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd pfd{ConnectionNumber(dpy), POLLIN, 0};
        poll(&pfd, 1, int(left));
    }
    XNextEvent(dpy, &event);
    return true;
}

// True when a pixel that is not black lies in the strip; the strip is read
// small, so that looking does not keep the server from the program.
bool StripHasContent(Display* dpy, Window window, int x, int y, unsigned width, unsigned height)
{
    XImage* image = XGetImage(dpy, window, x, y, width, height, AllPlanes, ZPixmap);
    if (!image)
        return false;
    bool content = false;
    for (int j = 0; j < image->height && !content; ++j)
        for (int i = 0; i < image->width && !content; ++i)
            content = (XGetPixel(image, i, j) & 0xffffff) != 0;
    XDestroyImage(image);
    return content;
}

// The toolkit puts a window's first frame whole, at once: a cross through the
// window's middle shows it as soon as any of it is there.
bool HasContent(Display* dpy, Window window, int width, int height)
{
    return StripHasContent(dpy, window, 0, height / 2, unsigned(width), 1) ||
        StripHasContent(dpy, window, width / 2, 0, 1, unsigned(height));
}

struct Sample {
    double mappedMs = 0;
    double contentMs = 0;
    long maxRssKb = 0;
};

int IgnoreErrors(Display*, XErrorEvent*)
{
    return 0; // a window that went away while it was looked at
}

bool RunOnce(Display* dpy, const char* program, Sample& sample)
{
    XSync(dpy, True); // forget the events of the runs before
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (!freopen("/dev/null", "w", stdout))
            _exit(127);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto deadline = start + std::chrono::seconds(20);
    Window window = 0;
    XEvent event;
    while (!window && NextEvent(dpy, event, deadline))
        if (event.type == MapNotify)
            window = event.xmap.window;
    const auto mapped = Clock::now();
    XWindowAttributes attributes{};
    if (window && !XGetWindowAttributes(dpy, window, &attributes))
        window = 0;
    bool content = false;
    while (
        window && !(content = HasContent(dpy, window, attributes.width, attributes.height)) && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    const auto shown = Clock::now();
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    sample.mappedMs = Ms(start, mapped);
    sample.contentMs = Ms(start, shown);
    sample.maxRssKb = usage.ru_maxrss;
    return content;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = PairedRuns(argc, argv, 7);
    if (!runs)
        return 2;
    std::string display;
    const pid_t server = StartServer(display);
    if (server < 0) {
        std::fprintf(stderr, "cannot start Xvfb\n");
        return 1;
    }
    setenv("DISPLAY", display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    unsetenv("QUILLET_SNAPSHOT");
    Display* dpy = XOpenDisplay(display.c_str());
    if (!dpy) {
        kill(server, SIGTERM);
        std::fprintf(stderr, "cannot open the display %s\n", display.c_str());
        return 1;
    }
    XSetErrorHandler(IgnoreErrors);
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    std::vector<Sample> samples[2];
    int failed = -1;
    for (int i = 0; i < runs + 1 && failed < 0; ++i)
        for (int which = 0; which < 2 && failed < 0; ++which) {
            Sample s;
            if (!RunOnce(dpy, argv[1 + which], s))
                failed = which;
            else if (i > 0) // the first round warms the file cache
                samples[which].push_back(s);
        }
    XCloseDisplay(dpy);
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
    if (failed >= 0) {
        std::fprintf(stderr, "%s showed no content in a mapped window\n", argv[1 + failed]);
        return 1;
    }
    double mapped[2], content[2], rss[2];
    for (int which = 0; which < 2; ++which) {
        std::vector<double> m, c, r;
        for (const Sample& s : samples[which]) {
            m.push_back(s.mappedMs);
            c.push_back(s.contentMs);
            r.push_back(s.maxRssKb / 1024.0);
        }
        mapped[which] = Median(m);
        content[which] = Median(c);
        rss[which] = Median(r);
    }
    std::printf("%-14s %12s %13s %14s\n", "program", "mapped (ms)", "content (ms)", "peak RSS (MiB)");
    std::printf("%-14s %12.1f %13.1f %14.1f\n", "quillet", mapped[0], content[0], rss[0]);
    std::printf("%-14s %12.1f %13.1f %14.1f\n", "bare window", mapped[1], content[1], rss[1]);
    std::printf("ratio %.2fx to content, %+.1f MiB memory (medians of %d runs each, Xvfb)\n", content[0] / content[1],
        rss[0] - rss[1], runs);
    return 0;
}
