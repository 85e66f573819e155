// Phrase search, the search table's rebuild and the usage statistics on
// generated libraries: songs and chord charts of about 1.5 KB, verses with
// chords, and years of weekly schedules. The phrase searches run on the store
// VERSILUX_TEST_STORE names (bench/both-stores runs them on each), the rest
// on SQLite only.
#include <benchmark/benchmark.h>

#include <wx/init.h>

#include <functional>
#include <random>
#include <string>

#include "BothStores.h"
#include "db/SqlText.h"
#include "doc/VersiluxDoc.h"
#include "odbc/Database.h"
#include "support/SmallLibrary.h"

namespace {

const char* const kWords[] = {
    "grace", "love",  "light",   "lord",  "holy",     "praise", "glory", "king",  "heaven",
    "earth", "mercy", "shine",   "sing",  "heart",    "soul",   "peace", "joy",   "hope",
    "faith", "night", "morning", "river", "mountain", "wonder", "name",  "power", "throne",
    "o",     "the",   "and",     "of",    "my",       "we",     "thy",   "to",    "in",
};
const char* const kChords[] = {"C", "G", "D", "Am", "Em", "F", "Bb", "E7", "Dsus4", "G/B"};

// One verse line of eight words; a chart marks a chord before some words.
wxString Line(std::mt19937& random, bool bChords) {
    wxString line;
    for (int w = 0; w < 8; ++w) {
        if (bChords && random() % 3 == 0) {
            line << "{" << kChords[random() % std::size(kChords)] << "}";
        }
        line << kWords[random() % std::size(kWords)] << (w < 7 ? " " : "");
    }
    return line;
}

// About 1.5 KB of verses; one text in a hundred holds the searched line.
wxString Text(std::mt19937& random, bool bChords, bool bPlanted) {
    wxString text;
    int n = 0;
    while (text.length() < 1500) {
        if (bPlanted && n == 5) {
            text << (bChords ? "{G}Amazing {C}grace how {G}sweet the sound\r\n"
                             : "Amazing grace how sweet the sound\r\n");
        } else {
            text << Line(random, bChords) << "\r\n";
        }
        if (++n % 4 == 0) {
            text << "\r\n";
        }
    }
    return text;
}

class Library {
  public:
    // Tops the library up to nEach songs and nEach chord charts.
    void Grow(int nEach) {
        if (m_nEach >= nEach) {
            return;
        }
        CDatabase db;
        db.OpenEx("ODBC;DSN=Versilux");
        CTransaction transaction(db);
        for (; m_nEach < nEach; ++m_nEach) {
            const bool bPlanted = m_nEach % 100 == 7;
            for (int subtype : {1, 3}) {
                db.ExecuteSQL(wxString::Format(
                    "INSERT INTO items (Title, Field1, Type, Subtype, VPD) VALUES ('%s %05d', "
                    "'%s', 1, %d, %d)",
                    subtype == 1 ? "Song" : "Chart", m_nEach,
                    EscapeSqlLiteral(Text(m_random, subtype == 3, bPlanted)), subtype,
                    1 + m_nEach % 2));
            }
        }
        transaction.Commit();
    }
    // Weekly schedules of ten items each, until there are nSchedules.
    void AddSchedules(int nSchedules) {
        if (m_nSchedules >= nSchedules) {
            return;
        }
        CDatabase db;
        db.OpenEx("ODBC;DSN=Versilux");
        CTransaction transaction(db);
        const int nItems = 2 * m_nEach;
        for (int s = m_nSchedules; s < nSchedules; ++s) {
            db.ExecuteSQL(
                wxString::Format("INSERT INTO Schedules (Name, VPD) VALUES ('Week %05d', 1)", s));
            for (int i = 0; i < 10; ++i) {
                // Favourites come back often, the rest now and then.
                const int item = i < 4 ? 1 + static_cast<int>(m_random() % 60)
                                       : 1 + static_cast<int>(m_random() % nItems);
                db.ExecuteSQL(wxString::Format(
                    "INSERT INTO [schedule items] (Schedule_ID, [Item ID], Item_Order, "
                    "Transpose) VALUES ((SELECT max(ID) FROM Schedules), %d, %d, 999)",
                    item, i));
            }
        }
        transaction.Commit();
        m_nSchedules = nSchedules;
    }

  private:
    SmallLibrary m_library;  // documents open it by its data source name
    std::mt19937 m_random{20261209};
    int m_nEach = 0;
    int m_nSchedules = 0;
};

void Search(benchmark::State& state, bool bCharts) {
    CVersiluxDoc doc;
    if (bCharts) {
        doc.RebuildTempSearch();
    }
    size_t nFound = 0;
    for (auto _ : state) {
        doc.RunPhraseSearch("grace how sweet", false, bCharts);
        nFound = doc.GetSearchResults().size();
        benchmark::DoNotOptimize(nFound);
    }
    state.counters["found"] = static_cast<double>(nFound);
}

void RebuildTempSearch(benchmark::State& state) {
    CVersiluxDoc doc;
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.RebuildTempSearch());
    }
}

void Statistics(benchmark::State& state, CStatistics kind) {
    CVersiluxDoc doc;
    for (auto _ : state) {
        doc.RunStatistics(kind);
        benchmark::DoNotOptimize(doc.m_nStatCount);
    }
    state.counters["rows"] = doc.m_nStatCount;
}

void Register(const char* name, const std::function<void(benchmark::State&)>& run,
              int nRepetitions = 15) {
    benchmark::RegisterBenchmark(name, run)
        ->Unit(benchmark::kMillisecond)
        // On a server the work is in another process: counting this one's
        // CPU time would run thousands of iterations to fill a repetition.
        ->UseRealTime()
        ->Repetitions(nRepetitions)
        ->ReportAggregatesOnly(true);
}

}  // namespace

int main(int argc, char** argv) {
    wxInitializer init;
    benchmark::Initialize(&argc, argv);
    // Run in this order as the library grows: each figure is for its size.
    static Library library;
    const BenchStore store = ThisBenchStore();
    auto sized = [](int nEach, int nSchedules, auto run) {
        return [=](benchmark::State& state) {
            library.Grow(nEach);
            library.AddSchedules(nSchedules);
            run(state);
        };
    };
    auto onEachStore = [&](const char* name, int nEach, auto run) {
        Register((std::string(name) + "/" + store.szName).c_str(), sized(nEach, 0, run));
    };
    onEachStore("SongSearch/2000", 2000, [](auto& state) { Search(state, false); });
    onEachStore("ChartSearch/2000", 2000, [](auto& state) { Search(state, true); });
    if (!store.bPostgreSQL) {
        Register("RebuildTempSearch/10000charts", sized(10000, 0, RebuildTempSearch), 5);
        Register("MostUsed/5000schedules",
                 sized(10000, 5000, [](auto& state) { Statistics(state, CStatistics::MostUsed); }));
        Register("MostRecentlyUsed/5000schedules", sized(10000, 5000, [](auto& state) {
                     Statistics(state, CStatistics::MostRecentlyUsed);
                 }));
    }
    // Schedules do not bear on the search: the server's library goes without them.
    onEachStore("SongSearch/20000", 20000, [](auto& state) { Search(state, false); });
    onEachStore("ChartSearch/20000", 20000, [](auto& state) { Search(state, true); });
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
