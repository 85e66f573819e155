// The item editors on a VPD of 20,000 items of about 1.5 KB each: opening the
// editor and listing "All" (painted), the list's query alone, loading the
// last item of the list (its first load reads every item before it), saving
// one item, and the Copy dialog listing "All".
#include "GuiBenchMain.h"

#include <wx/app.h>
#include <wx/textctrl.h>

#include <cstdio>

#include "LargeLibrary.h"
#include "dialogs/CopyItemsDlg.h"
#include "dialogs/DatabaseDlg.h"
#include "doc/VersiluxDoc.h"
#include "support/WaitFor.h"

namespace {

constexpr int kItems = 20000;

class Library {
  public:
    Library() { AddGeneratedItems(m_library, kItems, "1"); }

  private:
    SmallLibrary m_library;
};

Library& TheLibrary() {
    static Library library;
    return library;
}

void BM_EditorOpenAndListAll(benchmark::State& state) {
    TheLibrary();
    CVersiluxDoc doc;
    long nListed = 0;
    for (auto _ : state) {
        CDatabaseDlg dlg(nullptr, &doc);
        dlg.InitDialog();
        dlg.Show();
        dlg.ChooseKind(kKindAll);
        dlg.Update();  // the visible rows painted
        nListed = dlg.GetItemList()->GetItemCount();
        state.PauseTiming();
        dlg.Hide();
        ProcessPending();
        state.ResumeTiming();
    }
    state.counters["listed"] = static_cast<double>(nListed);
}
BENCHMARK(BM_EditorOpenAndListAll)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_DocListItems(benchmark::State& state) {
    TheLibrary();
    CVersiluxDoc doc;
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.ListItems(kKindAll).size());
    }
}
BENCHMARK(BM_DocListItems)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_EditorLoadLastItem(benchmark::State& state) {
    TheLibrary();
    CVersiluxDoc doc;
    CDatabaseDlg dlg(nullptr, &doc);
    dlg.InitDialog();
    for (auto _ : state) {
        state.PauseTiming();
        dlg.ChooseKind(kKindAll);  // the query read afresh, no row fetched yet
        state.ResumeTiming();
        dlg.GetItemList()->SetItemState(kItems - 1, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        benchmark::DoNotOptimize(dlg.IsItemLoaded());
    }
}
BENCHMARK(BM_EditorLoadLastItem)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_EditorSaveOneItem(benchmark::State& state) {
    TheLibrary();
    CVersiluxDoc doc;
    const std::vector<CListedItem> listed = doc.ListItems(kKindAll);
    doc.MoveToListedItem(kItems / 2, listed[kItems / 2].nID);
    CItemEditTexts texts = doc.CurrentItemTexts();
    int n = 0;
    for (auto _ : state) {
        texts.strField1 = wxString::Format("Verse %d\nAmazing grace", ++n);
        benchmark::DoNotOptimize(doc.SaveCurrentItem(texts));
    }
}
BENCHMARK(BM_EditorSaveOneItem)->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_CopyDialogListAll(benchmark::State& state) {
    TheLibrary();
    CVersiluxDoc doc;
    CCopyItemsDlg dlg(nullptr, doc);
    dlg.InitDialog();
    dlg.Show();
    for (auto _ : state) {
        dlg.ChooseKind(kKindAll);
        dlg.Update();
    }
    dlg.Hide();
}
BENCHMARK(BM_CopyDialogListAll)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
    return RunGuiBenchmarks(argc, argv, "ItemEditor_bench");
}
