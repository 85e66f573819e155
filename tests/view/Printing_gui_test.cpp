// Printing with the toolkit: print mode beside a running show, the printout's
// pages in a preview, and items printed to PDF files read back as text.
#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/ffile.h>
#include <wx/file.h>
#include <wx/filename.h>
#include <wx/print.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/MainFrame.h"
#include "db/SqlText.h"
#include "doc/VersiluxDoc.h"
#include "show/FullScreenWnd.h"
#include "support/PdfText.h"
#include "support/ShellFixture.h"
#include "support/ShownScreen.h"
#include "support/SmallLibrary.h"
#include "support/WaitFor.h"
#include "view/PrintItemPdf.h"
#include "view/ScreenRenderer.h"
#include "view/VersiluxPrintout.h"
#include "view/VersiluxView.h"
#include "view/ViewCanvas.h"
#include "view/WxCanvas.h"

namespace {

constexpr long kSundayMorning = 1;

wxString Lines(const wxString& prefix, int n) {
    wxString text;
    for (int i = 1; i <= n; ++i) {
        text += wxString::Format("%s%d\r\n", prefix, i);
    }
    return text;
}

long AddItem(TempDataSource& source, const wxString& title, int type, const wxString& text,
             int transpose = 0, bool flats = false) {
    source.Exec(wxString::Format(
        "INSERT INTO items (Title, Heading1, Heading2, Field1, Field2, Type, Subtype, VPD, "
        "Transpose, PreferFlats) VALUES ('%s', '', '', '%s', '', %d, 3, 1, %d, %d)",
        EscapeSqlLiteral(title), EscapeSqlLiteral(text), type, transpose, flats ? 1 : 0));
    return source.QueryNumber("SELECT max(ID) FROM items");
}

void MoveToItem(CVersiluxDoc& doc, long id) {
    doc.m_pItemsSet->m_strFilter = wxString::Format("ID=%ld", id);
    RequeryOrOpen(*doc.m_pItemsSet);
}

class PrintingShellTest : public testing::Test {
  protected:
    CVersiluxDoc& Doc() { return shell.Doc(); }
    CVersiluxView& View() { return shell.View(); }
    int Position() { return View().GetShowState().m_nNextEntry; }

    // The pages a preview window of the view's printout shows.
    int PreviewPages() {
        auto* preview = new wxPrintPreview(View().OnCreatePrintout(), View().OnCreatePrintout());
        EXPECT_TRUE(preview->IsOk());
        auto* frame = new wxPreviewFrame(preview, &shell.Frame(), "Print Preview");  // owns it
        frame->Initialize();
        EXPECT_TRUE(preview->RenderPage(1));  // the first page finds the page count
        const int pages = preview->GetMaxPage();
        EXPECT_EQ(preview->GetMinPage(), 1);
        frame->Close(true);  // as the operator closes it: the frame ends its disabler
        ProcessPending();
        return pages;
    }
    // Draws the main view as a paint does.
    void PaintView() {
        wxBitmap bitmap(1000, 1500, 24);
        wxMemoryDC dc(bitmap);
        View().OnDraw(&dc);
    }
    // The display window holds exactly what entry n looks like.
    void ExpectPainted(int n) { EXPECT_TRUE(DisplayShowsEntry(shell, n)); }

    ShellFixture shell;
};

TEST_F(PrintingShellTest, PrintModeBesideARunningShowLeavesTheShowWhereItWas) {
    Doc().m_bKensington = false;
    Doc().m_bTabletMode = false;
    shell.SelectSchedule(kSundayMorning);
    ASSERT_TRUE(shell.GoAndWaitForFirstScreen());
    shell.Key(WXK_DOWN);
    ASSERT_EQ(Position(), 2);
    std::vector<wxString> before;
    for (int i = 0; i <= Doc().GetLastEntry(); ++i) {
        before.push_back(Doc().GetEntry(i));
    }

    const long chart = AddItem(shell.Source(), "Chart", 7, "{G}one\r\n&\r\n{C}two");
    MoveToItem(Doc(), chart);
    Doc().ShowListing(CListingKind::Printable);
    PaintView();
    PaintView();

    std::vector<wxString> after;
    for (int i = 0; i <= Doc().GetLastEntry(); ++i) {
        after.push_back(Doc().GetEntry(i));
    }
    EXPECT_EQ(after, before);
    EXPECT_EQ(Position(), 2);
    shell.Key(WXK_DOWN);
    EXPECT_EQ(Position(), 3);
    ExpectPainted(2);
}

TEST_F(PrintingShellTest, TheCommandsAreOnAndThePreviewShowsEveryPage) {
    EXPECT_TRUE(shell.IsEnabled(wxID_PRINT));
    EXPECT_TRUE(shell.IsEnabled(wxID_PREVIEW));
    EXPECT_TRUE(shell.IsEnabled(wxID_PRINT_SETUP));

    const long item =
        AddItem(shell.Source(), "Long", 3, Lines("first", 30) + "&\r\n" + Lines("second", 30));
    MoveToItem(Doc(), item);
    Doc().ShowListing(CListingKind::Printable);
    EXPECT_EQ(PreviewPages(), 2);
    // Any other listing prints on one page.
    Doc().ShowListing(CListingKind::Schedule);
    EXPECT_EQ(PreviewPages(), 1);

    // File > Print Preview opens the preview's window.
    Doc().ShowListing(CListingKind::Printable);
    shell.Command(wxID_PREVIEW);
    wxPreviewFrame* opened = nullptr;
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* frame = dynamic_cast<wxPreviewFrame*>(window)) {
            opened = frame;
        }
    }
    ASSERT_NE(opened, nullptr);
    opened->Close(true);
    ProcessPending();
}

TEST_F(PrintingShellTest, APreviewsSmallerPageShowsThePrintersPageScaledDown) {
    MoveToItem(Doc(), 10);  // "Amazing Grace (G)"; the demo's margin is 500 dots
    Doc().ShowListing(CListingKind::Printable);
    wxBitmap bitmap(496, 701, 24);  // a tenth of an A4 page at 600 dpi
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        CVersiluxPrintout printout(Doc());
        printout.SetDC(&dc);
        printout.SetPPIPrinter(600, 600);
        printout.SetPageSizePixels(4960, 7010);
        printout.OnPreparePrinting();
        ASSERT_TRUE(printout.OnPrintPage(1));
    }
    const wxImage image = bitmap.ConvertToImage();
    int left = image.GetWidth();
    int bottom = 0;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            if (image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 600) {
                left = std::min(left, x);
                bottom = std::max(bottom, y);
            }
        }
    }
    EXPECT_NEAR(left, 50, 2);  // the margin, a tenth
    EXPECT_GT(bottom, 100);
    EXPECT_LT(bottom, 700);
}

TEST_F(PrintingShellTest, APrintModeItemLongerThanTheViewScrolls) {
    const long item = AddItem(shell.Source(), "Very long", 7, Lines("line", 80));
    MoveToItem(Doc(), item);
    Doc().ShowListing(CListingKind::Printable);
    PaintView();
    ProcessPending();
    EXPECT_GT(View().GetListingRecord().m_nPrintableBottom, CViewCanvas::kAreaHeight);
    EXPECT_EQ(View().GetCanvas()->GetVirtualSize().y, View().GetListingRecord().m_nPrintableBottom);
}

TEST_F(PrintingShellTest, SearchResultsPrintOnOnePageAndSearchMoreGoesOnFromTheScreensPage) {
    Doc().RunPhraseSearch("the", false, false);
    PaintView();
    const int line = Doc().m_nSearchLine;
    CVersiluxPrintout printout(Doc());
    const wxString pdf = TempPdfPath("versilux-search");
    wxString error;
    ASSERT_TRUE(PrintToPdf(printout, pdf, CPdfPage(), error)) << error;
    EXPECT_EQ(printout.GetPageCount(), 1);
    EXPECT_EQ(Doc().m_nSearchLine, line);
    const auto pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("Amazing Grace"), std::string::npos) << pages[0];
    RemoveIfThere(pdf);
}

class PdfTest : public testing::Test {
  protected:
    void SetUp() override {
        library.Exec(
            "UPDATE config SET [Print Font]=120, Margin=300, Chord_colour=4, "
            "Bar_colour=3");
        doc = std::make_unique<CVersiluxDoc>();
        pdf = TempPdfPath("versilux-print");
    }
    void TearDown() override { RemoveIfThere(pdf); }
    std::vector<std::string> Print(const CPrintItemArgs& args) {
        wxString error;
        EXPECT_EQ(PrintItemToPdf(*doc, args, error), 0) << error;
        return PdfPages(pdf);
    }
    CPrintItemArgs Args(long id) {
        CPrintItemArgs args;
        args.nItemID = static_cast<int>(id);
        args.strPdf = pdf;
        return args;
    }

    SmallLibrary library;
    std::unique_ptr<CVersiluxDoc> doc;
    wxString pdf;
};

TEST_F(PdfTest, ChordsStandAboveTheirSyllablesInThePrintKey) {
    const long id = library.AddItem("Hymn", 7,
                                    "{G}Amazing {C}grace how {F}sweet {D}the {Ab}sound\r\n"
                                    "that {G}saved a wretch",
                                    2, true);
    const auto pages = Print(Args(id));  // the item's own +2 with flats
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("A        D"), std::string::npos) << pages[0];
    // Each chord starts where its syllable starts, one line above it.
    const std::vector<PdfWord> words = PdfWords(pdf);
    const std::pair<const char*, const char*> pairs[] = {
        {"A", "Amazing"}, {"D", "grace"}, {"G", "sweet"}, {"E", "the"}, {"Bb", "sound"}};
    for (const auto& [chord, syllable] : pairs) {
        const PdfWord c = Find(words, chord);
        const PdfWord s = Find(words, syllable);
        EXPECT_NEAR(c.x, s.x, 0.5) << chord << " over " << syllable;
        EXPECT_LT(c.y, s.y) << chord << " over " << syllable;
        // Lyric lines are two lines apart: a chord line between them.
        EXPECT_NEAR(2 * (s.y - c.y), Find(words, "that").y - s.y, 0.5) << chord;
    }
    // The margin of 300 dots at 600 dpi is 36 points.
    EXPECT_NEAR(Find(words, "Amazing").x, 36.0, 0.5);
    // The second line's chord over "saved": G moved two up is A.
    EXPECT_NEAR(Find(words, "A", 1).x, Find(words, "saved").x, 0.5);

    // Told otherwise: no transposition, sharps.
    CPrintItemArgs args = Args(id);
    args.bTranspose = true;
    args.nTranspose = 1;
    args.nFlats = 0;
    const auto sharp = Print(args);
    ASSERT_EQ(sharp.size(), 1u);
    EXPECT_NE(sharp[0].find("G#"), std::string::npos) << sharp[0];  // G + 1
    EXPECT_NE(sharp[0].find("C#"), std::string::npos) << sharp[0];  // C + 1
}

TEST_F(PdfTest, PagesBreakBetweenScreensWhereTheLineCountsSay) {
    const long type3 =
        library.AddItem("Three", 3, Lines("first", 30) + "&\r\n" + Lines("second", 30));
    auto pages = Print(Args(type3));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[0].find("first30"), std::string::npos);
    EXPECT_EQ(pages[0].find("second1"), std::string::npos);
    EXPECT_NE(pages[1].find("second1"), std::string::npos);

    const long type7 = library.AddItem(
        "Seven", 7, Lines("a", 10) + "&\r\n" + Lines("b", 10) + "&\r\n" + Lines("c", 5));
    pages = Print(Args(type7));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[0].find("b10"), std::string::npos);
    EXPECT_NE(pages[1].find("c1"), std::string::npos) << pages[0] << "\f" << pages[1];
    EXPECT_EQ(pages[1].find("b10"), std::string::npos);
}

TEST_F(PdfTest, AnUnknownItemOrAnUnwritableFileFails) {
    wxString error;
    EXPECT_EQ(PrintItemToPdf(*doc, Args(999), error), 1);
    EXPECT_EQ(error, "no item has the ID 999");
    const long id = library.AddItem("Hymn", 1, "words");
    CPrintItemArgs args = Args(id);
    args.strPdf = "/nonexistent-folder/out.pdf";
    EXPECT_EQ(PrintItemToPdf(*doc, args, error), 1);
    EXPECT_NE(error.Find("cannot write"), wxNOT_FOUND);
    EXPECT_FALSE(wxFileExists(args.strPdf));
}

TEST_F(PdfTest, ADatabaseFailureEndsThePrintWithTheDriversMessage) {
    const long id = library.AddItem("Hymn", 7, "{G}words");
    library.Exec("DROP TABLE Colours");
    wxString error;
    EXPECT_EQ(PrintItemToPdf(*doc, Args(id), error), 1);
    EXPECT_NE(error.Lower().Find("colours"), wxNOT_FOUND) << error;
    EXPECT_FALSE(wxFileExists(pdf));
    // The single-item build was undone: no preview mode is left on.
    EXPECT_FALSE(doc->m_bPreview);
}

}  // namespace
