// How long the operator waits: from a key pressed on the display window to the
// new screen in the window (painted, and the X server done with it), at
// 1920x1080 and 3840x2160, on the two demo schedules and on five large
// photographs. Run it under
//   xvfb-run -a -s "-screen 0 3840x2160x24" build/bench/ShowKey_bench
// so both window sizes fit on the screen.
//
// Keys are real X key events (XTest) sent to the display window after the X
// focus was put on it and the toolkit reported the focus on the window's
// surface. Where that cannot be had (no XTEST extension, or the focus never
// arrives) the key goes to the surface as a wxKeyEvent instead; the counter
// xtest then reads 0, and those figures leave out the X server's part.
//
// Between keys the event loop runs for 100 ms, as between a person's keys,
// so work the program does while idle is done and not counted. A key is
// complete when the show position is the new one, the window has been
// painted since the key (within the handling of the key that draws; the last
// of a burst draws where the burst ends) and the X server has done the copy;
// this is checked before the program's own idle work (see ShownProbe).
// Counters: median_ms, worst_ms (over all keys), screens (show entries up to
// the end notice), width, height (the window's client size, checked), and at
// 1920x1080 rss_before_go_mb and rss_mb (resident memory before Go and after
// the walk; the process is shared by all the benchmarks, so compare the two).
// BM_KeyFloor is the same key on a bare display window that puts up a screen
// already on the X server from its own key handler: what this X server needs
// in any case. BM_ShowKeyDrawnOnKey draws every screen when its key comes.
// The burst benchmarks send ten Down keys at once and time until the window
// shows the last one (burst_ms); a schedule with fewer screens takes fewer
// keys (counter keys).
#include "GuiBenchMain.h"
#include "TimedRuns.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "doc/VersiluxDoc.h"
#include "show/FullScreenWnd.h"
#include "support/ShellFixture.h"
#include "view/VersiluxView.h"

// The X headers come last: their macros (None, Status, Bool...) break the
// headers above.
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPauseMs = 100;
constexpr int kKeyTimeoutMs = 30000;
constexpr int kBurstKeys = 10;
constexpr long kSundayMorning = 1;
constexpr long kEveningChords = 2;
constexpr long kPhotographs = -1;  // made by the benchmark

double MsSince(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

void PumpOnce() {
    wxTheApp->ProcessPendingEvents();
    wxTheApp->ProcessIdle();
    wxYield();
}

// The event loop for nMs of wall time, as between a person's keys.
void PumpFor(int nMs) {
    const Clock::time_point t0 = Clock::now();
    while (MsSince(t0) < nMs) {
        PumpOnce();
    }
}

bool PumpUntil(const std::function<bool()>& done, int nTimeoutMs) {
    const Clock::time_point t0 = Clock::now();
    while (!done()) {
        if (MsSince(t0) > nTimeoutMs) {
            return done();
        }
        PumpOnce();
    }
    return true;
}

double ResidentMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;  // the line says kB
        }
    }
    return 0.0;
}

// A 4000x3000 photograph that does not compress to nothing: a gradient
// across, one down, and noise, different for each nSeed.
bool WritePhotograph(const wxString& strPath, unsigned nSeed) {
    constexpr int w = 4000;
    constexpr int h = 3000;
    wxImage image(w, h, false);
    unsigned char* p = image.GetData();
    std::minstd_rand noise(nSeed);
    const int r0 = static_cast<int>(nSeed * 53 % 200);
    const int b0 = static_cast<int>(nSeed * 97 % 200);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int n = static_cast<int>(noise() % 48) - 24;
            p[0] = static_cast<unsigned char>(std::clamp(r0 + x * 55 / w + n, 0, 255));
            p[1] = static_cast<unsigned char>(std::clamp(y * 255 / h + n, 0, 255));
            p[2] = static_cast<unsigned char>(std::clamp(b0 + (x + y) * 55 / (w + h) - n, 0, 255));
            p += 3;
        }
    }
    image.SetOption(wxIMAGE_OPTION_QUALITY, 90);
    return image.SaveFile(strPath, wxBITMAP_TYPE_JPEG);
}

// Five photographs in the data source's folder, five picture items and a
// schedule of them; the schedule's ID, or 0 when a picture was not written.
long AddPhotographSchedule(TempDataSource& source) {
    if (!wxImage::FindHandler(wxBITMAP_TYPE_JPEG)) {
        wxInitAllImageHandlers();
    }
    source.Exec("INSERT INTO Schedules (Name, VPD) VALUES ('Five Photographs', 1)");
    const long nSchedule = source.QueryNumber("SELECT max(ID) FROM Schedules");
    for (unsigned i = 1; i <= 5; ++i) {
        const wxString strName = wxString::Format("photograph%u.jpg", i);
        const wxString strPath = source.Dir() + "/" + strName;
        if (!WritePhotograph(strPath, i)) {
            return 0;
        }
        source.Exec(wxString::Format(
            "INSERT INTO items (Title, Heading1, Heading2, Heading2_alt, Type, Subtype, "
            "Background, Foreground, Foreground2, VPD, FileName) "
            "VALUES ('Photograph %u', '%s', 'Benchmark photograph', '', 50, 4, 1, 2, 3, 1, '%s')",
            i, strPath, strName));
        const long nItem = source.QueryNumber("SELECT max(ID) FROM items");
        source.Exec(wxString::Format(
            "INSERT INTO [schedule items] (Schedule_ID, [Item ID], Item_Order, Transpose) "
            "VALUES (%ld, %ld, %u, 999)",
            nSchedule, nItem, i - 1));
    }
    return nSchedule;
}

// Notes when the window first shows the screen of a position: at the idle
// event the application object gets right after the posted keys have been
// handled (the window is painted and the copy sent within the key's
// handling), before the windows' idle work (menu updates, drawing the next
// screens ahead), with the X server done with the copy.
class ShownProbe {
  public:
    ShownProbe(CFullScreenWnd& wnd, const CVersiluxView& view, Display* pDisplay)
        : m_wnd(wnd), m_view(view), m_pDisplay(pDisplay) {
        wxTheApp->Bind(wxEVT_IDLE, &ShownProbe::OnIdle, this);
    }
    ~ShownProbe() { wxTheApp->Unbind(wxEVT_IDLE, &ShownProbe::OnIdle, this); }
    ShownProbe(const ShownProbe&) = delete;
    ShownProbe& operator=(const ShownProbe&) = delete;

    void Arm(int nEntry) {
        m_nEntry = nEntry;
        m_nPaintsBefore = m_wnd.GetPaintCount();
        m_bShown = false;
    }
    // Checks now as well: the screen may be up before any idle event.
    bool Shown() {
        Check();
        return m_bShown;
    }
    Clock::time_point When() const { return m_tShown; }

  private:
    void OnIdle(wxIdleEvent& event) {
        Check();
        event.Skip();
    }
    void Check() {
        if (!m_bShown && m_wnd.GetPaintCount() > m_nPaintsBefore &&
            m_view.GetShowState().m_nNextEntry == m_nEntry) {
            XSync(m_pDisplay, False);
            m_tShown = Clock::now();
            m_bShown = true;
        }
    }

    CFullScreenWnd& m_wnd;
    const CVersiluxView& m_view;
    Display* m_pDisplay;
    int m_nEntry = -1;
    unsigned m_nPaintsBefore = 0;
    bool m_bShown = false;
    Clock::time_point m_tShown;
};

// Delivers keys to the display window: real X key events when the window
// has the focus, otherwise key events to its surface.
class KeyPresser {
  public:
    KeyPresser(Display* pDisplay, CFullScreenWnd& wnd) : m_pDisplay(pDisplay), m_wnd(wnd) {
        int nEvent = 0;
        int nError = 0;
        int nMajor = 0;
        int nMinor = 0;
        if (m_pDisplay == nullptr ||
            !XTestQueryExtension(m_pDisplay, &nEvent, &nError, &nMajor, &nMinor)) {
            return;
        }
        GdkWindow* pGdk = gtk_widget_get_window(m_wnd.GetHandle());
        if (pGdk == nullptr) {
            return;
        }
        XSetInputFocus(m_pDisplay, gdk_x11_window_get_xid(pGdk), RevertToParent, CurrentTime);
        XFlush(m_pDisplay);
        m_bXTest = PumpUntil([this] { return wxWindow::FindFocus() == m_wnd.GetSurface(); }, 2000);
        if (!m_bXTest) {
            std::fprintf(stderr,
                         "ShowKey_bench: no focus on the display window, keys go as events\n");
        }
    }

    bool IsXTest() const { return m_bXTest; }

    void Press(int nKeyCode) {
        if (!m_bXTest) {
            wxKeyEvent event(wxEVT_KEY_DOWN);
            event.m_keyCode = nKeyCode;
            event.SetEventObject(m_wnd.GetSurface());
            m_wnd.GetSurface()->ProcessWindowEvent(event);
            return;
        }
        const KeySym sym = nKeyCode == WXK_HOME ? XK_Home : XK_Down;
        const KeyCode code = XKeysymToKeycode(m_pDisplay, sym);
        XTestFakeKeyEvent(m_pDisplay, code, True, CurrentTime);
        XTestFakeKeyEvent(m_pDisplay, code, False, CurrentTime);
    }

    void Flush() {
        if (m_bXTest) {
            XFlush(m_pDisplay);
        }
    }

    // Waits until the X server has handled everything sent to it.
    void Sync() {
        if (m_pDisplay != nullptr) {
            XSync(m_pDisplay, False);
        }
    }

  private:
    Display* m_pDisplay;
    CFullScreenWnd& m_wnd;
    bool m_bXTest = false;
};

struct Case {
    long nSchedule;
    int nWidth;
    int nHeight;
    bool bBurst;
    int nRuns;
    bool bDrawAhead = true;
};

void ShowKeys(benchmark::State& state, Case c) {
    ShellFixture shell(TempDataSource::Content::Library, false);
    long nSchedule = c.nSchedule;
    if (nSchedule == kPhotographs) {
        nSchedule = AddPhotographSchedule(shell.Source());
        if (nSchedule == 0) {
            state.SkipWithError("the photographs were not written");
            return;
        }
    }
    if (!shell.Open()) {
        state.SkipWithError("the program did not open");
        return;
    }
    // A placed window of exactly the size asked for, its whole client area
    // the show area.
    CConfigSet& config = *shell.Doc().m_pConfigSet;
    config.m_Full_Screen = false;
    config.m_BlankScreen = false;
    config.m_Top = 0;
    config.m_Left = 0;
    config.m_Bottom = c.nHeight;
    config.m_Right = c.nWidth;
    shell.SelectSchedule(nSchedule);
    const double rssBeforeGo = ResidentMb();
    if (!shell.GoAndWaitForFirstScreen()) {
        state.SkipWithError("the first screen did not arrive");
        return;
    }
    CVersiluxView& view = shell.View();
    auto* wnd = dynamic_cast<CFullScreenWnd*>(shell.Display());
    const wxRect rcWhole(0, 0, c.nWidth, c.nHeight);
    if (wnd == nullptr || !PumpUntil(
                              [&] {
                                  return wnd->GetClientSize() == rcWhole.GetSize() &&
                                         view.GetShowState().m_rcShow == rcWhole;
                              },
                              2000)) {
        state.SkipWithError("the display window is not of the size asked for");
        return;
    }
    KeyPresser keys(wxGetX11Display(), *wnd);
    // The menu entry opens a dialog: the walk turns back at the end notice.
    const int nNotice = shell.Doc().GetLastEntry() - 1;
    const int nBurst = std::min(kBurstKeys, nNotice);
    const auto position = [&view] { return view.GetShowState().m_nNextEntry; };
    ShownProbe probe(*wnd, view, wxGetX11Display());
    view.SetDrawAhead(c.bDrawAhead);
    // Waits until the window has been painted with the show at nEntry.
    const auto shown = [&](int) { return PumpUntil([&] { return probe.Shown(); }, kKeyTimeoutMs); };

    std::vector<double> samples;
    for (auto _ : state) {
        PumpFor(kPauseMs);
        if (c.bBurst && position() + nBurst > nNotice + 1) {
            probe.Arm(1);
            keys.Press(WXK_HOME);
            keys.Flush();
            if (!shown(1)) {
                state.SkipWithError("Home did not reach the window");
                break;
            }
            PumpFor(kPauseMs);
        }
        const int nKey = position() > nNotice ? WXK_HOME : WXK_DOWN;
        const int nTarget = c.bBurst ? position() + nBurst : nKey == WXK_HOME ? 1 : position() + 1;
        probe.Arm(nTarget);
        const Clock::time_point t0 = Clock::now();
        for (int i = 0; i < (c.bBurst ? nBurst : 1); ++i) {
            keys.Press(nKey);
        }
        keys.Flush();
        const bool bShown = shown(nTarget);
        const double ms = std::chrono::duration<double, std::milli>(probe.When() - t0).count();
        if (!bShown) {
            state.SkipWithError("the key did not reach the window");
            break;
        }
        state.SetIterationTime(ms / 1000.0);
        samples.push_back(ms);
    }
    if (samples.empty()) {
        return;
    }
    CountMedianAndWorst(state, samples, c.bBurst ? "burst_ms" : "median_ms");
    state.counters["screens"] = nNotice + 1;
    state.counters["width"] = wnd->GetClientSize().x;
    state.counters["height"] = wnd->GetClientSize().y;
    state.counters["xtest"] = keys.IsXTest() ? 1 : 0;
    if (c.bBurst) {
        state.counters["keys"] = nBurst;
    } else if (c.nWidth == 1920 && c.bDrawAhead) {
        state.counters["rss_before_go_mb"] = rssBeforeGo;
        state.counters["rss_mb"] = ResidentMb();
    }
}

// The floor under the figures above: a display window with two screens ready
// on the X server whose own key handler puts up the other one at once, with
// no show behind it. What is left is the key's way from the X server to the
// program and the server's copy into the window.
void KeyFloor(benchmark::State& state, int nWidth, int nHeight) {
    auto* wnd = new CFullScreenWnd;  // belongs to wx once created
    if (!wnd->CreateDisplay(nullptr, nullptr)) {
        delete wnd;
        state.SkipWithError("no display window");
        return;
    }
    wnd->TogglePlacement(false, 0, 0, nHeight, nWidth);
    if (!PumpUntil([&] { return wnd->GetClientSize() == wxSize(nWidth, nHeight); }, 2000)) {
        wnd->DestroyDisplay();
        state.SkipWithError("the display window is not of the size asked for");
        return;
    }
    std::vector<std::shared_ptr<CPreparedScreen>> screens;
    for (const wxColour& colour : {*wxBLUE, *wxRED}) {
        wxBitmap bmp(nWidth, nHeight, 24);
        {
            wxMemoryDC dc(bmp);
            dc.SetBackground(wxBrush(colour));
            dc.Clear();
        }
        screens.push_back(wnd->PrepareScreen(bmp));
    }
    size_t nNext = 0;
    const auto onKey = [&](wxKeyEvent&) {
        wnd->PresentScreen(screens[nNext]);
        nNext = 1 - nNext;
    };
    wnd->GetSurface()->Bind(wxEVT_KEY_DOWN, onKey);  // called before the window's own
    KeyPresser keys(wxGetX11Display(), *wnd);
    std::vector<double> samples;
    for (auto _ : state) {
        PumpFor(kPauseMs);
        const unsigned nPaints = wnd->GetPaintCount();
        const Clock::time_point t0 = Clock::now();
        keys.Press(WXK_DOWN);
        keys.Flush();
        if (!PumpUntil([&] { return wnd->GetPaintCount() > nPaints; }, kKeyTimeoutMs)) {
            state.SkipWithError("the key did not reach the window");
            break;
        }
        keys.Sync();
        const double ms = MsSince(t0);
        state.SetIterationTime(ms / 1000.0);
        samples.push_back(ms);
    }
    CountMedianAndWorst(state, samples, "median_ms");
    state.counters["xtest"] = keys.IsXTest() ? 1 : 0;
    wnd->GetSurface()->Unbind(wxEVT_KEY_DOWN, onKey);
    wnd->DestroyDisplay();
    PumpFor(kPauseMs);
}

void Register(const char* pszSchedule, long nSchedule) {
    for (const auto& [nWidth, nHeight] : {std::pair(1920, 1080), std::pair(3840, 2160)}) {
        const std::string name = std::string("BM_ShowKey/") + pszSchedule + "/" +
                                 std::to_string(nWidth) + "x" + std::to_string(nHeight);
        const Case c{nSchedule, nWidth, nHeight, false, 60};
        benchmark::RegisterBenchmark(name.c_str(), ShowKeys, c)
            ->Iterations(c.nRuns)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    // For comparison: every screen drawn when its key comes.
    const Case direct{nSchedule, 1920, 1080, false, 60, false};
    benchmark::RegisterBenchmark(
        (std::string("BM_ShowKeyDrawnOnKey/") + pszSchedule + "/1920x1080").c_str(), ShowKeys,
        direct)
        ->Iterations(direct.nRuns)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    const std::string name = std::string("BM_ShowKeyBurst/") + pszSchedule + "/1920x1080";
    const Case c{nSchedule, 1920, 1080, true, 10};
    benchmark::RegisterBenchmark(name.c_str(), ShowKeys, c)
        ->Iterations(c.nRuns)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
    Register("SundayMorning", kSundayMorning);
    Register("EveningChords", kEveningChords);
    Register("Photographs", kPhotographs);
    for (const auto& [nWidth, nHeight] : {std::pair(1920, 1080), std::pair(3840, 2160)}) {
        benchmark::RegisterBenchmark(
            ("BM_KeyFloor/" + std::to_string(nWidth) + "x" + std::to_string(nHeight)).c_str(),
            KeyFloor, nWidth, nHeight)
            ->Iterations(60)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    return RunGuiBenchmarks(argc, argv, "ShowKey_bench");
}
