// Player files: exporting a 60-item schedule, and importing the file and
// building the show list from it.
#include <benchmark/benchmark.h>

#include "HeadlessBenchMain.h"
#include "LargeLibrary.h"
#include "doc/VersiluxDoc.h"

namespace {

// 60 items of about 1.5 KB each; every third is split into four screens.
struct Library {
    SmallLibrary lib;
    long nScheduleID = 0;
    wxString strPath;
    Library() {
        AddGeneratedItems(lib, 60, "1");
        lib.Exec(
            "UPDATE items SET Type=7, Field1=Field1||'&chorus'||char(13,10)||'&bridge&end', "
            "Heading2='line one'||char(13,10)||'line two', Field2='notes'||char(13,10) "
            "WHERE ID % 3 = 0");
        std::vector<long> ids;
        for (long id = 1; id <= 60; ++id) {
            ids.push_back(id);
        }
        nScheduleID = lib.AddSchedule("Bench 60", ids);
        strPath = lib.Source().Dir() + "/bench.vlp";
    }
};

Library& TheLibrary() {
    static Library library;
    return library;
}

void BM_ExportPlayerFile60Items(benchmark::State& state) {
    Library& library = TheLibrary();
    CVersiluxDoc doc;
    wxString error;
    for (auto _ : state) {
        if (!doc.ExportPlayerFile(static_cast<int>(library.nScheduleID), library.strPath, error)) {
            state.SkipWithError(error.utf8_str().data());
            break;
        }
    }
}
BENCHMARK(BM_ExportPlayerFile60Items)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

void BM_ImportAndBuildShowList60Items(benchmark::State& state) {
    Library& library = TheLibrary();
    CVersiluxDoc doc;
    wxString error;
    if (!doc.ExportPlayerFile(static_cast<int>(library.nScheduleID), library.strPath, error)) {
        state.SkipWithError(error.utf8_str().data());
        return;
    }
    for (auto _ : state) {
        if (doc.ImportPlayerFile(library.strPath, error) != CPlayerImport::Imported) {
            state.SkipWithError("import failed");
            break;
        }
        doc.BuildShowList();
        benchmark::DoNotOptimize(doc.GetLastEntry());
    }
    state.counters["entries"] = doc.GetLastEntry() + 1;
}
BENCHMARK(BM_ImportAndBuildShowList60Items)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    return RunHeadlessBenchmarks(argc, argv);
}
