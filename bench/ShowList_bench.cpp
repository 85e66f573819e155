// Show-list building and document start-up on the shipped library, on SQLite
// and, when a server is named, on PostgreSQL beside it.
#include <benchmark/benchmark.h>

#include <string>

#include "BothStores.h"
#include "HeadlessBenchMain.h"
#include "doc/VersiluxDoc.h"

namespace {

// The shipped library with a 40-item running order of every kind of item the
// demo has, one per store, made on first use and kept for the run.
TempDataSource& Library(const BenchStore& store) {
    static std::unique_ptr<TempDataSource> s_libraries[2];
    std::unique_ptr<TempDataSource>& library = s_libraries[store.bPostgreSQL ? 1 : 0];
    if (!library) {
        library = MakeOnStore<TempDataSource>(store, TempDataSource::Content::Library);
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
    library->MakeCurrent();
    return *library;
}

void BuildShowList40Items(benchmark::State& state, const BenchStore& store) {
    TempDataSource& source = Library(store);
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
void DocumentStartup(benchmark::State& state, const BenchStore& store) {
    Library(store);
    for (auto _ : state) {
        CVersiluxDoc doc;
        benchmark::DoNotOptimize(doc.m_nVPD);
    }
}

void Register(const char* name, void (*run)(benchmark::State&, const BenchStore&)) {
    for (const BenchStore& store : BenchStores()) {
        benchmark::RegisterBenchmark((std::string(name) + "/" + store.szName).c_str(), run, store)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(15)
            ->ReportAggregatesOnly(true);
    }
}

}  // namespace

int main(int argc, char** argv) {
    Register("BM_BuildShowList40Items", BuildShowList40Items);
    Register("BM_DocumentStartup", DocumentStartup);
    for (const BenchStore& store : BenchStores()) {
        Library(store);
    }
    return RunHeadlessBenchmarks(argc, argv);
}
