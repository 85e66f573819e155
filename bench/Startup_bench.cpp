// How long the program takes to put its first window on the screen, beside a
// program that shows one bare frame with the same toolkit (BareFrame): the
// difference is the program's own start-up. Run it under
//   xvfb-run -a -s "-screen 0 3840x2160x24" build/bench/Startup_bench
//
// A run forks, notes the time in the child just before exec, and ends when
// the X server reports the map of the child's first top-level window: the
// benchmark listens on the root window (SubstructureNotify) on a connection
// of its own; without a window manager the program's frames are children of
// the root. The program is then ended with SIGTERM. The program runs on a
// temporary data source of its own (HOME, XDG_DATA_HOME and ODBCINI in a
// temporary folder); one run before the timed ones creates its default data
// source, as the first start on a new machine does. Counters: startup_ms
// (median) and worst_ms.
#include "HeadlessBenchMain.h"
#include "TimedRuns.h"

#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "support/TempDataSource.h"

// The X headers come last: their macros break the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

constexpr int kTimeoutMs = 30000;

double NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// The process that owns window w as the window says, or 0 when it does not say.
long WindowPid(Display* pDisplay, Window w) {
    const Atom pidAtom = XInternAtom(pDisplay, "_NET_WM_PID", False);
    Atom type = 0;
    int nFormat = 0;
    unsigned long nItems = 0;
    unsigned long nAfter = 0;
    unsigned char* pData = nullptr;
    long nPid = 0;
    if (XGetWindowProperty(pDisplay, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &nFormat, &nItems,
                           &nAfter, &pData) == Success &&
        pData != nullptr) {
        if (nFormat == 32 && nItems == 1) {
            nPid = *reinterpret_cast<long*>(pData);  // format 32 comes as long
        }
        XFree(pData);
    }
    return nPid;
}

void EndChild(pid_t pid) {
    kill(pid, SIGTERM);
    const double t0 = NowMs();
    while (waitpid(pid, nullptr, WNOHANG) == 0) {
        if (NowMs() - t0 > 5000) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return;
        }
        usleep(1000);
    }
}

// Milliseconds from exec of strExe to the map of its first top-level
// window, or a negative number when none came.
double TimeToFirstWindow(const char* pszExe) {
    // The server may turn a connection away while the last run's is closing.
    Display* pDisplay = nullptr;
    for (int nTry = 0; pDisplay == nullptr && nTry < 50; ++nTry) {
        pDisplay = XOpenDisplay(nullptr);
        if (pDisplay == nullptr) {
            usleep(20000);
        }
    }
    if (pDisplay == nullptr) {
        return -1.0;
    }
    const Window root = DefaultRootWindow(pDisplay);
    XSelectInput(pDisplay, root, SubstructureNotifyMask);
    XSync(pDisplay, False);
    // The child writes its time before exec where the parent can read it.
    void* pShared =
        mmap(nullptr, sizeof(double), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (pShared == MAP_FAILED) {
        XCloseDisplay(pDisplay);
        return -1.0;
    }
    auto* pExecAt = static_cast<volatile double*>(pShared);
    *pExecAt = 0.0;
    const pid_t pid = fork();
    if (pid == 0) {
        *pExecAt = NowMs();
        execl(pszExe, pszExe, static_cast<char*>(nullptr));
        _exit(127);
    }
    double mappedAt = -1.0;
    if (pid > 0) {
        const double t0 = NowMs();
        pollfd fd{ConnectionNumber(pDisplay), POLLIN, 0};
        while (mappedAt < 0 && NowMs() - t0 < kTimeoutMs) {
            if (XPending(pDisplay) == 0) {
                poll(&fd, 1, 100);
                continue;
            }
            XEvent event;
            XNextEvent(pDisplay, &event);
            if (event.type != MapNotify || event.xmap.override_redirect) {
                continue;
            }
            // A window that names no process counts only once the child runs:
            // the toolkit of an earlier run may still map one on its way out.
            const long nOwner = WindowPid(pDisplay, event.xmap.window);
            const double now = NowMs();
            if (nOwner == pid || (nOwner == 0 && *pExecAt > 0.0 && now > *pExecAt)) {
                mappedAt = now;
            }
        }
        EndChild(pid);
    }
    const double ms = mappedAt < 0 || *pExecAt <= 0.0 ? -1.0 : mappedAt - *pExecAt;
    munmap(pShared, sizeof(double));
    XCloseDisplay(pDisplay);
    return ms;
}

void Startup(benchmark::State& state, const char* pszExe) {
    // The program must not touch the user's own data source.
    TempDataSource folder(TempDataSource::Content::NoDataSource);
    if (TimeToFirstWindow(pszExe) < 0) {
        state.SkipWithError("no window came (no display? run it under xvfb-run)");
        return;
    }
    std::vector<double> samples;
    for (auto _ : state) {
        const double ms = TimeToFirstWindow(pszExe);
        if (ms < 0) {
            state.SkipWithError("no window came");
            break;
        }
        state.SetIterationTime(ms / 1000.0);
        samples.push_back(ms);
    }
    CountMedianAndWorst(state, samples, "startup_ms");
}

BENCHMARK_CAPTURE(Startup, Versilux, VERSILUX_EXE)
    ->Name("BM_Startup/Versilux")
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Startup, BareFrame, BARE_FRAME_EXE)
    ->Name("BM_Startup/BareFrame")
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunHeadlessBenchmarks(argc, argv);
}
