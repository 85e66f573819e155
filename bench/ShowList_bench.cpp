// Show-list building and document start-up on the shipped library, on the
// store VERSILUX_TEST_STORE names (bench/both-stores runs it on each).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "BothStores.h"
#include "HeadlessBenchMain.h"
#include "doc/VersiluxDoc.h"

namespace {

// The shipped library with a 40-item running order of every kind of item the
// demo has, made on first use and kept for the run.
TempDataSource& Library() {
    static std::unique_ptr<TempDataSource> library;
    if (!library) {
        library = std::make_unique<TempDataSource>(TempDataSource::Content::Library);
        TempDataSource& source = *library;
        source.Exec("INSERT INTO Schedules (Name, VPD) VALUES ('Bench 40', 1)");
        const long id = source.QueryNumber("SELECT max(ID) FROM Schedules");
        const long items = source.QueryNumber("SELECT count(*) FROM items WHERE VPD=1");
        for (int i = 0; i < 40; ++i) {
            source.Exec(wxString::Format(
                "INSERT INTO [schedule items] (Schedule_ID, [Item ID], Item_Order, Transpose) "
                "SELECT %ld, ID, %d, %d FROM items WHERE VPD=1 ORDER BY ID LIMIT 1 OFFSET %ld",
                id, i, i % 3 == 0 ? 2 : 999, i % items));
        }
    }
    return *library;
}

void BuildShowList40Items(benchmark::State& state) {
    TempDataSource& source = Library();
    CVersiluxDoc doc;
    doc.m_nScheduleID = static_cast<int>(source.QueryNumber("SELECT max(ID) FROM Schedules"));
    for (auto _ : state) {
        doc.BuildShowList();
        benchmark::DoNotOptimize(doc.GetLastEntry());
    }
    state.counters["entries"] = doc.GetLastEntry() + 1;
}

// Opening the document on the data source: connecting, reading the settings,
// the palette and the VPDs, and opening its record sets.
void DocumentStartup(benchmark::State& state) {
    Library();
    for (auto _ : state) {
        CVersiluxDoc doc;
        benchmark::DoNotOptimize(doc.m_nVPD);
    }
}

void Register(const char* name, void (*run)(benchmark::State&)) {
    benchmark::RegisterBenchmark((std::string(name) + "/" + ThisBenchStore().szName).c_str(), run)
        ->Unit(benchmark::kMillisecond)
        // On a server the work is in another process: counting this one's
        // CPU time would run thousands of iterations to fill a repetition.
        ->UseRealTime()
        ->Repetitions(15)
        ->ReportAggregatesOnly(true);
}

}  // namespace

int main(int argc, char** argv) {
    Register("BM_BuildShowList40Items", BuildShowList40Items);
    Register("BM_DocumentStartup", DocumentStartup);
    Library();
    return RunHeadlessBenchmarks(argc, argv);
}
