// Show-list building and document start-up on the shipped SQLite library.
#include <benchmark/benchmark.h>

#include "HeadlessBenchMain.h"
#include "doc/VersiluxDoc.h"
#include "support/TempDataSource.h"

namespace {

TempDataSource& Library() {
    static TempDataSource source(TempDataSource::Content::Library);
    static bool seeded = false;
    if (!seeded) {
        // A 40-item running order of every kind of item the demo has.
        source.Exec("INSERT INTO Schedules (Name, VPD) VALUES ('Bench 40', 1)");
        const long id = source.QueryNumber("SELECT max(ID) FROM Schedules");
        const long items = source.QueryNumber("SELECT count(*) FROM items WHERE VPD=1");
        for (int i = 0; i < 40; ++i) {
            source.Exec(wxString::Format(
                "INSERT INTO [schedule items] (Schedule_ID, [Item ID], Item_Order, Transpose) "
                "SELECT %ld, ID, %d, %d FROM items WHERE VPD=1 ORDER BY ID LIMIT 1 OFFSET %ld",
                id, i, i % 3 == 0 ? 2 : 999, i % items));
        }
        seeded = true;
    }
    return source;
}

void BM_BuildShowList40Items(benchmark::State& state) {
    TempDataSource& source = Library();
    CVersiluxDoc doc;
    doc.m_nScheduleID = static_cast<int>(source.QueryNumber("SELECT max(ID) FROM Schedules"));
    for (auto _ : state) {
        doc.BuildShowList();
        benchmark::DoNotOptimize(doc.GetLastEntry());
    }
    state.counters["entries"] = doc.GetLastEntry() + 1;
}
BENCHMARK(BM_BuildShowList40Items)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

void BM_DocumentStartup(benchmark::State& state) {
    Library();
    for (auto _ : state) {
        CVersiluxDoc doc;
        benchmark::DoNotOptimize(doc.m_nVPD);
    }
}
BENCHMARK(BM_DocumentStartup)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    return RunHeadlessBenchmarks(argc, argv);
}
