// Printing a three-page chord chart to a PDF file with real fonts, as the
// command line's --print-item does: the single-item list, the pagination and
// every page drawn through the toolkit onto a cairo PDF surface at 600 dpi.
#include "GuiBenchMain.h"

#include <wx/filename.h>

#include "db/SqlText.h"
#include "doc/VersiluxDoc.h"
#include "support/TempDataSource.h"
#include "view/PrintItemPdf.h"
#include "view/PrintableItem.h"

namespace {

const char* const kVerse =
    "A|{G}mazing |{G7}grace! How |{C}sweet the |{G}sound\r\n"
    "That |{G}saved a |{Em}wretch like |{D}me!\r\n"
    "I |{G}once was |{G7}lost, but |{C}now am |{G}found,\r\n"
    "Was |{Em}blind, but |{D7}now I |{G}see.\r\n"
    "'Twas {G}grace that {G7}taught my {C}heart to {G}fear,\r\n"
    "And {G}grace my {Em}fears re{D}lieved,\r\n"
    "How {G}precious {G7}did that {C}grace ap{G}pear\r\n"
    "The {Em}hour I {D7}first be{G}lieved.\r\n";

struct Fixture {
    TempDataSource source{TempDataSource::Content::Library};
    std::unique_ptr<CVersiluxDoc> doc;
    CPrintItemArgs args;

    Fixture() {
        // Six screens of eight lines; two fit on a page of 21 lines, so three pages.
        wxString text = kVerse;
        for (int i = 1; i < 6; ++i) {
            text += wxString("&\r\n") + kVerse;
        }
        source.Exec(wxString::Format(
            "INSERT INTO items (Title, Heading1, Heading2, Field1, Field2, Type, Subtype, VPD, "
            "Transpose, PreferFlats) VALUES ('Bench chart', '', '', '%s', '', 7, 3, 1, 2, 1)",
            EscapeSqlLiteral(text)));
        doc = std::make_unique<CVersiluxDoc>();
        args.nItemID = static_cast<int>(source.QueryNumber("SELECT max(ID) FROM items"));
        const wxString base = wxFileName::CreateTempFileName("versilux-bench");
        wxRemoveFile(base);
        args.strPdf = base + ".pdf";
    }
    ~Fixture() { wxRemoveFile(args.strPdf); }
};

Fixture& Chart() {
    static Fixture fixture;
    return fixture;
}

void BM_PrintChordChartToPdf(benchmark::State& state) {
    Fixture& f = Chart();
    for (auto _ : state) {
        wxString error;
        if (PrintItemToPdf(*f.doc, f.args, error) != 0) {
            state.SkipWithError(error.utf8_str());
            break;
        }
    }
    // The item stays current after printing: its page count, to confirm.
    state.counters["pages"] =
        static_cast<double>(PaginateEntries(f.doc->BuildPrintableEntries()).size());
    state.counters["bytes"] = static_cast<double>(wxFileName(f.args.strPdf).GetSize().ToDouble());
}
BENCHMARK(BM_PrintChordChartToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    return RunGuiBenchmarks(argc, argv, "Print_bench", [] { Chart().doc.reset(); });
}
