// Watches an X server from outside the programs being measured, so that every clock is timed
// the same way, whatever toolkit draws it.
//
//   xwatch flips <seconds> <label>=<window id> ...
//       Times, for each labelled window (and its subwindows), every change of its pixels
//       (XDamage) against CLOCK_REALTIME. Changes less than 250 ms apart form one burst: one
//       redraw. Prints one line per label:
//           <label> <bursts> <median ms> <p99 ms> <max ms> <skipped> <doubled>
//       where a burst's lateness is its first change after the wall-clock second boundary, a
//       skipped second is one with no burst, and a doubled second one with more than one.
//       The first two seconds are left out (a window may still be settling).
//   xwatch startup <timeout seconds> <program> [arguments...]
//       Starts the program and prints "<ms> <pid>": the time from just before its exec to the
//       first top-level window mapped on the screen. The program is left running. Exit status
//       1 if no window came in time.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

double seconds(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// Waits until the X connection has input or the deadline (on `clock`) passes; false at the deadline.
bool waitForInput(Display *display, clockid_t clock, double deadline)
{
    while (XPending(display) == 0) {
        const double left = deadline - seconds(clock);
        if (left <= 0)
            return false;
        pollfd fd{XConnectionNumber(display), POLLIN, 0};
        if (poll(&fd, 1, int(std::ceil(left * 1000))) < 0 && errno != EINTR)
            return false;
    }
    return true;
}

void watchTree(Display *display, Window window, std::map<Window, std::size_t> &owner, std::size_t label)
{
    XDamageCreate(display, window, XDamageReportRawRectangles);
    owner[window] = label;
    Window root = 0;
    Window parent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count) == 0)
        return;
    for (unsigned int i = 0; i < count; ++i)
        watchTree(display, children[i], owner, label);
    if (children != nullptr)
        XFree(children);
}

double percentile(std::vector<double> sorted, double p)
{
    if (sorted.empty())
        return std::nan("");
    const std::size_t rank = std::size_t(std::ceil(p * double(sorted.size())));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

struct Watched
{
    std::string label;
    std::vector<double> changes; // CLOCK_REALTIME, seconds
};

int flips(Display *display, double duration, int count, char **targets)
{
    int damageEvent = 0;
    int damageError = 0;
    if (XDamageQueryExtension(display, &damageEvent, &damageError) == 0) {
        std::fprintf(stderr, "xwatch: the X server has no DAMAGE extension\n");
        return 2;
    }
    std::vector<Watched> watched;
    std::map<Window, std::size_t> owner;
    for (int i = 0; i < count; ++i) {
        const char *target = targets[i];
        const char *equals = std::strchr(target, '=');
        if (equals == nullptr) {
            std::fprintf(stderr, "xwatch: expected <label>=<window id>, got %s\n", target);
            return 2;
        }
        watched.push_back({std::string(target, equals), {}});
        watchTree(display, Window(std::strtoul(equals + 1, nullptr, 0)), owner, watched.size() - 1);
    }
    XSync(display, False);

    const double start = seconds(CLOCK_REALTIME);
    const double settled = std::floor(start) + 2;
    const double end = start + duration;
    while (waitForInput(display, CLOCK_REALTIME, end)) {
        const double arrived = seconds(CLOCK_REALTIME); // one stamp for what is queued now
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != damageEvent + XDamageNotify)
                continue;
            const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
            const auto found = owner.find(damage.drawable);
            if (found != owner.end() && arrived >= settled)
                watched[found->second].changes.push_back(arrived);
        }
    }

    const long firstSecond = long(settled);
    const long lastSecond = long(std::floor(end)) - 1; // the last whole second watched
    for (const Watched &w : watched) {
        std::vector<double> lateness;
        std::map<long, int> perSecond;
        double burstStart = -1;
        for (const double t : w.changes) {
            if (burstStart >= 0 && t - burstStart < 0.25)
                continue;
            burstStart = t;
            const long second = long(std::floor(t));
            if (second > lastSecond)
                break;
            lateness.push_back((t - double(second)) * 1000);
            ++perSecond[second];
        }
        int skipped = 0;
        int doubled = 0;
        for (long s = firstSecond; s <= lastSecond; ++s) {
            const auto found = perSecond.find(s);
            if (found == perSecond.end())
                ++skipped;
            else
                doubled += found->second - 1;
        }
        std::sort(lateness.begin(), lateness.end());
        std::printf("%s %zu %.2f %.2f %.2f %d %d\n", w.label.c_str(), lateness.size(), percentile(lateness, 0.5),
            percentile(lateness, 0.99), lateness.empty() ? std::nan("") : lateness.back(), skipped, doubled);
    }
    return 0;
}

int startup(Display *display, double timeout, char **command)
{
    XSelectInput(display, XDefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const double begun = seconds(CLOCK_MONOTONIC);
    const pid_t pid = fork();
    if (pid == -1) {
        std::perror("xwatch: fork");
        return 2;
    }
    if (pid == 0) {
        close(XConnectionNumber(display));
        execvp(command[0], command);
        std::perror("xwatch: exec");
        _exit(127);
    }
    while (waitForInput(display, CLOCK_MONOTONIC, begun + timeout)) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && event.xmap.override_redirect == False) {
            std::printf("%.2f %d\n", (seconds(CLOCK_MONOTONIC) - begun) * 1000, int(pid));
            return 0;
        }
    }
    std::fprintf(stderr, "xwatch: %s mapped no window within %g s\n", command[0], timeout);
    std::printf("nan %d\n", int(pid));
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr,
            "usage: xwatch flips <seconds> <label>=<window id>...\n"
            "       xwatch startup <timeout seconds> <program> [arguments...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "xwatch: cannot open display %s\n", XDisplayName(nullptr));
        return 2;
    }
    const std::string mode = argv[1];
    const double limit = std::atof(argv[2]);
    if (mode == "flips")
        return flips(display, limit, argc - 3, argv + 3);
    if (mode == "startup")
        return startup(display, limit, argv + 3);
    std::fprintf(stderr, "xwatch: unknown mode %s\n", argv[1]);
    return 2;
}
