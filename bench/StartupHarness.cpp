// Starts the real program as a user does, on the X display of $DISPLAY, and measures the time
// from the process start to its main window being mapped, with the about window closed the
// moment it maps; then its resident memory; then closes it as the title bar's close button
// would and checks that it ends cleanly. Each run starts with a fresh home folder (a first run).
//
//   xvfb-run -a build/bin/zavolin_bench_startup [--runs N] [--program PATH]

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr double StartTargetMs = 300;
constexpr double MemoryTargetMb = 150;
constexpr auto EventLimit = std::chrono::seconds(20);
// The main window's title starts with the program's title and two blanks.
constexpr const char* MainTitlePrefix = "Zavolin  ";

struct Run {
    double aboutMs = 0; // the about window mapped
    double mappedMs = 0;
    double rssMb = 0;
    double peakMb = 0;
    bool endedCleanly = false;
};

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string windowName(Display* display, Window window) {
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string name;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data) {
        name.assign(reinterpret_cast<const char*>(data), count);
        XFree(data);
    }
    return name;
}

// Asks the window to close, as a window manager does for the title bar's close button.
void requestClose(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// A value of /proc/<pid>/status in megabytes ("VmRSS", "VmHWM").
double statusMegabytes(pid_t pid, const std::string& field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::strtod(line.c_str() + field.size() + 1, nullptr) / 1024.0;
    return 0;
}

// The next MapNotify of a top-level window, or nothing when the limit passes.
std::optional<Window> nextMapped(Display* display, Clock::time_point limit) {
    const int fd = ConnectionNumber(display);
    while (Clock::now() < limit) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify)
                return event.xmap.window;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait{0, 20000};
        select(fd + 1, &readable, nullptr, nullptr, &wait);
    }
    return std::nullopt;
}

bool waitForExit(pid_t pid, std::chrono::seconds limit, int* status) {
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
        if (waitpid(pid, status, WNOHANG) == pid)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(pid, SIGKILL);
    waitpid(pid, status, 0);
    return false;
}

std::optional<Run> runOnce(Display* display, const std::string& program, int index) {
    char home[] = "/tmp/zavolin-startup-XXXXXX";
    if (!mkdtemp(home)) {
        std::perror("mkdtemp");
        return std::nullopt;
    }
    std::vector<std::string> variables{std::string("HOME=") + home,
                                       std::string("XDG_CONFIG_HOME=") + home + "/config",
                                       std::string("XDG_DATA_HOME=") + home + "/data",
                                       std::string("XDG_CACHE_HOME=") + home + "/cache"};
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        if (entry.rfind("HOME=", 0) != 0 && entry.rfind("XDG_", 0) != 0)
            variables.push_back(entry);
    }
    std::vector<char*> environment;
    for (std::string& v : variables)
        environment.push_back(v.data());
    environment.push_back(nullptr);
    std::string programCopy = program;
    char* arguments[] = {programCopy.data(), nullptr};

    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, arguments, environment.data()) != 0) {
        std::perror(program.c_str());
        return std::nullopt;
    }

    Run run;
    const Clock::time_point limit = start + EventLimit;
    std::optional<Window> main;
    while (!main) {
        const std::optional<Window> mapped = nextMapped(display, limit);
        if (!mapped)
            break;
        const std::string name = windowName(display, *mapped);
        if (name.rfind(MainTitlePrefix, 0) == 0) {
            run.mappedMs = msSince(start);
            main = mapped;
        } else {
            // The about window: closed at once.
            if (run.aboutMs == 0)
                run.aboutMs = msSince(start);
            requestClose(display, *mapped);
        }
    }
    int status = 0;
    if (!main) {
        std::fprintf(stderr, "run %d: no main window was mapped within %lld s\n", index,
                     static_cast<long long>(EventLimit.count()));
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return std::nullopt;
    }
    // Memory once the start has settled.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    run.rssMb = statusMegabytes(pid, "VmRSS");
    run.peakMb = statusMegabytes(pid, "VmHWM");
    requestClose(display, *main);
    run.endedCleanly = waitForExit(pid, std::chrono::seconds(10), &status) && WIFEXITED(status) &&
                       WEXITSTATUS(status) == 0;
    XSelectInput(display, DefaultRootWindow(display), NoEventMask);
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    int runs = 10;
    std::string program = ZAVOLIN_PROGRAM;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (argument == "--program" && i + 1 < argc)
            program = argv[++i];
        else {
            std::fprintf(stderr, "usage: %s [--runs N] [--program PATH]\n", argv[0]);
            return 2;
        }
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "No X display: run it as  xvfb-run -a %s\n", argv[0]);
        return 1;
    }
    std::vector<double> mapped;
    std::vector<double> rss;
    std::vector<double> peak;
    int unclean = 0;
    for (int i = 1; i <= runs; ++i) {
        const std::optional<Run> run = runOnce(display, program, i);
        if (!run)
            return 1;
        std::printf("run %2d: about window after %6.1f ms, main window after %6.1f ms, resident "
                    "%5.1f MB (peak %5.1f MB)%s\n",
                    i, run->aboutMs, run->mappedMs, run->rssMb, run->peakMb,
                    run->endedCleanly ? "" : ", did NOT end cleanly");
        mapped.push_back(run->mappedMs);
        rss.push_back(run->rssMb);
        peak.push_back(run->peakMb);
        unclean += run->endedCleanly ? 0 : 1;
    }
    XCloseDisplay(display);
    const double startMs = median(mapped);
    const double peakMb = *std::max_element(peak.begin(), peak.end());
    std::printf("start to main window: median %.1f ms, min %.1f ms, max %.1f ms (target <= %.0f ms)"
                " %s\n",
                startMs, *std::min_element(mapped.begin(), mapped.end()),
                *std::max_element(mapped.begin(), mapped.end()), StartTargetMs,
                startMs <= StartTargetMs ? "met" : "MISSED");
    std::printf("resident memory: median %.1f MB, peak %.1f MB (target <= %.0f MB) %s\n",
                median(rss), peakMb, MemoryTargetMb, peakMb <= MemoryTargetMb ? "met" : "MISSED");
    if (unclean)
        std::printf("%d of %d runs did not end cleanly\n", unclean, runs);
    return unclean ? 1 : 0;
}
