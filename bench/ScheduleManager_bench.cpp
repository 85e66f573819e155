// The schedule manager on a VPD of 20,000 items of about 1.5 KB each and
// 2,000 schedules of 20 entries: opening it and listing "Songs" (painted),
// choosing a schedule, and saving a schedule of 60 entries (one transaction).
#include "GuiBenchMain.h"

#include <wx/listbox.h>

#include "LargeLibrary.h"
#include "dialogs/ScheduleManagerDlg.h"
#include "doc/VersiluxDoc.h"
#include "support/WaitFor.h"

namespace {

constexpr int kItems = 20000;
constexpr int kSchedules = 2000;
constexpr int kSongs = 2;

class Library {
  public:
    Library() {
        // Half songs, half chord charts.
        AddGeneratedItems(m_library, kItems, "i % 2 * 2 + 1");
        m_library.Exec(wxString::Format(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %d) "
            "INSERT INTO Schedules (Name, VPD) SELECT printf('Sunday %%04d', i), 1 FROM n",
            kSchedules));
        m_library.Exec(
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 19) "
            "INSERT INTO [schedule items] (Schedule_ID, [Item ID], Item_Order, Transpose) SELECT "
            "Schedules.ID, (Schedules.ID * 37 + n.i * 101) % 20000 + 1, n.i, 999 FROM Schedules, "
            "n");
    }

  private:
    SmallLibrary m_library;
};

Library& TheLibrary() {
    static Library library;
    return library;
}

void BM_ManagerOpenAndListSongs(benchmark::State& state) {
    TheLibrary();
    CVersiluxDoc doc;
    long nListed = 0;
    for (auto _ : state) {
        CScheduleManagerDlg dlg(nullptr, &doc);
        dlg.InitDialog();
        dlg.Show();
        dlg.ChooseKind(kSongs);
        dlg.Update();  // the visible rows painted
        nListed = dlg.GetAvailableList()->GetItemCount();
        state.PauseTiming();
        dlg.Hide();
        ProcessPending();
        state.ResumeTiming();
    }
    state.counters["listed"] = static_cast<double>(nListed);
}
BENCHMARK(BM_ManagerOpenAndListSongs)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ManagerChooseSchedule(benchmark::State& state) {
    TheLibrary();
    CVersiluxDoc doc;
    CScheduleManagerDlg dlg(nullptr, &doc);
    dlg.InitDialog();
    int n = 0;
    for (auto _ : state) {
        dlg.GetScheduleList()->SetSelection(n++ % kSchedules);
        dlg.LoadScheduleItems();
    }
    state.counters["entries"] = static_cast<double>(dlg.GetEntries().size());
}
BENCHMARK(BM_ManagerChooseSchedule)->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_SaveSixtyEntrySchedule(benchmark::State& state) {
    TheLibrary();
    CVersiluxDoc doc;
    const int nSchedule = doc.ListSchedules().front().nID;
    std::vector<CScheduleEntry> entries;
    for (int i = 0; i < 60; ++i) {
        entries.push_back({i * 300 + 1, "t", i % 2 == 0 ? kOwnTranspose : i % 12, true});
    }
    for (auto _ : state) {
        doc.SaveScheduleEntries(nSchedule, entries);
    }
}
BENCHMARK(BM_SaveSixtyEntrySchedule)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace

int main(int argc, char** argv) {
    return RunGuiBenchmarks(argc, argv, "ScheduleManager_bench");
}
