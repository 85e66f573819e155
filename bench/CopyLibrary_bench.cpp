// Copying a 20,000-item library (with ten years of weekly schedules and a
// filled search table) from SQLite to a new SQLite file and, when
// VERSILUX_TEST_PG names a server, to a new PostgreSQL database: both
// figures in one run.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <wx/filefn.h>
#include <wx/utils.h>
#include <chrono>
#include <memory>
#include <vector>

#include "HeadlessBenchMain.h"
#include "LargeLibrary.h"
#include "TimedRuns.h"
#include "db/DataFiles.h"
#include "db/LibraryCopy.h"
#include "odbc/DataSourceRegistry.h"
#include "odbc/Database.h"

namespace {

constexpr int kItems = 20000;

SmallLibrary& Library() {
    static std::unique_ptr<SmallLibrary> library;
    if (!library) {
        library = std::make_unique<SmallLibrary>();
        AddGeneratedItems(*library, kItems, "1 + (i % 2) * 2");
        library->Exec(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 520) "
            "INSERT INTO Schedules (Name, VPD) SELECT printf('Week %03d', i), 1 FROM n");
        library->Exec(
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 5199) "
            "INSERT INTO [schedule items] (Schedule_ID, [Item ID], Item_Order, Transpose) "
            "SELECT 1 + i / 10, 1 + (i * 7919) % 20000, i % 10, 999 FROM n");
        library->Exec(
            "INSERT INTO tempsearch (ID, VPD, Field1, Title) SELECT ID, VPD, Field1, "
            "Title FROM items WHERE Subtype=3");
    }
    return *library;
}

// Times one copy into a store made fresh by makeTarget (its connect string).
template <typename MakeTarget, typename DropTarget>
void TimeCopies(benchmark::State& state, MakeTarget makeTarget, DropTarget dropTarget) {
    Library();  // made before the first timed copy
    CDatabase source;
    source.OpenEx("DSN=Versilux");
    std::vector<double> samples;
    for (auto _ : state) {
        const wxString connect = makeTarget();
        double ms = 0;
        {
            CDatabase target;
            target.OpenEx(connect);
            const auto start = std::chrono::steady_clock::now();
            CopyLibrary(source, target, GetShippedDataDir());
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
        }
        dropTarget();
        state.SetIterationTime(ms / 1000);
        samples.push_back(ms);
    }
    state.counters["items"] = kItems;
    CountMedianAndWorst(state, samples, "median_ms");
}

void ToSqlite(benchmark::State& state) {
    const wxString file = Library().Source().Dir() + "/copy-target.db";
    TimeCopies(
        state,
        [&] {
            if (wxFileExists(file)) {
                wxRemoveFile(file);
            }
            return "Driver=" + FindSqliteDriver() + ";Database=" + file + ";";
        },
        [&] {
            if (wxFileExists(file)) {
                wxRemoveFile(file);
            }
        });
}

void ToPostgreSQL(benchmark::State& state) {
    wxString server;
    if (!wxGetEnv("VERSILUX_TEST_PG", &server) || server.empty()) {
        state.SkipWithError("VERSILUX_TEST_PG is not set");
        return;
    }
    const wxString name = wxString::Format("cli_bench_copy_%d", static_cast<int>(getpid()));
    auto run = [&](const wxString& sql) {
        CDatabase db;
        db.OpenEx(server);
        db.ExecuteSQL(sql);
    };
    TimeCopies(
        state,
        [&] {
            run("DROP DATABASE IF EXISTS " + name);
            run("CREATE DATABASE " + name);
            wxString connect = server;
            connect.Replace("Database=postgres", "Database=" + name);
            return connect;
        },
        [&] { run("DROP DATABASE IF EXISTS " + name); });
}

}  // namespace

BENCHMARK(ToSqlite)
    ->Name("CopyLibrary/20000_items/SQLite_to_SQLite")
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ToPostgreSQL)
    ->Name("CopyLibrary/20000_items/SQLite_to_PostgreSQL")
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return RunHeadlessBenchmarks(argc, argv);
}
