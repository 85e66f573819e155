// From a key reaching the main view to the new screen complete in the display
// window's bitmap (its copy to the window follows at the next paint), at 1920x1080 on the demo
// schedules: every screen but the menu, over and over. The counters give the
// median and the worst key over all screens.
#include "GuiBenchMain.h"

#include <wx/app.h>
#include <wx/stopwatch.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "doc/VersiluxDoc.h"
#include "support/ShellFixture.h"
#include "support/WaitFor.h"
#include "view/VersiluxView.h"

namespace {

void ShowKeys(benchmark::State& state, long nSchedule) {
    ShellFixture shell;
    shell.Doc().m_pConfigSet->m_Full_Screen = true;
    shell.SelectSchedule(nSchedule);
    if (!shell.GoAndWaitForFirstScreen()) {
        state.SkipWithError("the first screen did not arrive");
        return;
    }
    CVersiluxView& view = shell.View();
    // The menu entry opens a dialog: the walk turns back at the end notice.
    const int nNotice = shell.Doc().GetLastEntry() - 1;
    std::vector<double> samples;
    for (auto _ : state) {
        const int key = view.GetShowState().m_nNextEntry > nNotice ? WXK_HOME : WXK_DOWN;
        wxStopWatch clock;
        view.OnKeyDown(key);
        samples.push_back(static_cast<double>(clock.TimeInMicro().GetValue()) / 1000.0);
        state.PauseTiming();
        ProcessPending();
        state.ResumeTiming();
    }
    std::sort(samples.begin(), samples.end());
    state.counters["median_ms"] = samples[samples.size() / 2];
    state.counters["worst_ms"] = samples.back();
    state.counters["screens"] = nNotice + 1;
}

void BM_ShowKeySundayMorning(benchmark::State& state) {
    ShowKeys(state, 1);
}
BENCHMARK(BM_ShowKeySundayMorning)->Unit(benchmark::kMillisecond)->Iterations(200);

void BM_ShowKeyEveningChords(benchmark::State& state) {
    ShowKeys(state, 2);
}
BENCHMARK(BM_ShowKeyEveningChords)->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace

int main(int argc, char** argv) {
    return RunGuiBenchmarks(argc, argv, "ShowKey_bench");
}
