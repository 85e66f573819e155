// One full show screen on a 1920x1080 memory bitmap with real fonts: a
// 12-line chord verse fitted from a Normal Font of 72 points; and the same
// verse fitted from a size far beyond any screen. Counters give
// the texts measured per screen (asked by the layout, and those that reached
// the device because they were not remembered).
#include "GuiBenchMain.h"

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <cstdio>

#include "db/SqlText.h"
#include "doc/VersiluxDoc.h"
#include "support/TempDataSource.h"
#include "view/ScreenRenderer.h"
#include "view/WxCanvas.h"

namespace {

const char* const kVerse =
    "A|{G}mazing |{G7}grace! How |{C}sweet the |{G}sound\r\n"
    "That |{G}saved a |{Em}wretch like |{D}me!\r\n"
    "I |{G}once was |{G7}lost, but |{C}now am |{G}found,\r\n"
    "Was |{Em}blind, but |{D7}now I |{G}see.\r\n"
    "'Twas {G}grace that {G7}taught my {C}heart to {G}fear,\r\n"
    "And {G}grace my {Em}fears re{D}lieved,\r\n"
    "How {G}precious {G7}did that {C}grace ap{G}pear\r\n"
    "The {Em}hour I {D7}first be{G}lieved.\r\n"
    "Through {G}many {G7}dangers, {C}toils and {G}snares,\r\n"
    "I {G}have al{Em}ready {D}come,\r\n"
    "'Tis {G}grace hath {G7}brought me {C}safe thus {G}far,\r\n"
    "And {Em}grace will {D7}lead me {G}home.";

struct Fixture {
    TempDataSource source{TempDataSource::Content::Library};
    std::unique_ptr<CVersiluxDoc> doc;
    CShowState state;
    wxBitmap bitmap{1920, 1080, 24};

    Fixture() {
        source.Exec("UPDATE config SET [Normal Font]=720, [Max Font]=900");
        source.Exec(wxString::Format(
            "INSERT INTO items (Title, Heading1, Heading2, Field1, Field2, Type, Subtype, "
            "Background, Foreground, Foreground2, VPD, Transpose, PreferFlats) VALUES "
            "('Bench verse', '', '', '%s', '', 7, 3, 1, 2, 8, 1, 2, 0)",
            EscapeSqlLiteral(kVerse)));
        source.Exec("INSERT INTO Schedules (Name, VPD) VALUES ('Bench verse', 1)");
        source.Exec(
            "INSERT INTO [schedule items] (Schedule_ID, [Item ID], Item_Order, Transpose) "
            "SELECT (SELECT max(ID) FROM Schedules), max(ID), 0, 999 FROM items");
        doc = std::make_unique<CVersiluxDoc>();
        doc->m_nScheduleID = static_cast<int>(source.QueryNumber("SELECT max(ID) FROM Schedules"));
        doc->BuildShowList();
        state.m_rcShow = wxRect(0, 0, 1920, 1080);
        state.m_nNextEntry = 0;
    }
};

Fixture& Verse() {
    static Fixture fixture;
    return fixture;
}

void ShowVerse(benchmark::State& state, FitSearch search) {
    Fixture& f = Verse();
    CScreenRenderer renderer(*f.doc, f.state);
    renderer.m_fitSearch = search;
    long measured = 0;
    long reached = 0;
    long screens = 0;
    for (auto _ : state) {
        wxMemoryDC dc(f.bitmap);
        WxCanvas canvas(dc, wxSize(96, 96));
        renderer.ShowScreen(canvas, 0);
        measured += canvas.GetMeasureCount();
        reached += canvas.GetDeviceMeasureCount();
        ++screens;
    }
    state.counters["measured"] = static_cast<double>(measured) / screens;
    state.counters["device"] = static_cast<double>(reached) / screens;
}

void BM_ShowScreenChordVerse(benchmark::State& state) {
    ShowVerse(state, FitSearch::Pruned);
}
BENCHMARK(BM_ShowScreenChordVerse)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

// The same screen when every size is measured line by line.
void BM_ShowScreenChordVerseWalk(benchmark::State& state) {
    ShowVerse(state, FitSearch::Walk);
}
BENCHMARK(BM_ShowScreenChordVerseWalk)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

// One fit of the verse from a configured size of 7200 points (72000 tenths)
// into the whole screen: sizes too high for the box make no font.
void BM_FitFromHugeSize(benchmark::State& state) {
    wxBitmap bitmap(100, 100, 24);
    wxMemoryDC dc(bitmap);
    long sizes = 0;
    long fits = 0;
    for (auto _ : state) {
        WxCanvas canvas(dc, wxSize(96, 96));
        const CFitResult fit =
            FitTextToBox(canvas, kVerse, 72000, wxSize(1920, 1080), 2, false, FitSearch::Pruned);
        benchmark::DoNotOptimize(fit);
        sizes += fit.nSize;
        ++fits;
    }
    state.counters["size"] = static_cast<double>(sizes) / fits;
}
BENCHMARK(BM_FitFromHugeSize)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    return RunGuiBenchmarks(argc, argv, "ShowScreen_bench", [] { Verse().doc.reset(); });
}
