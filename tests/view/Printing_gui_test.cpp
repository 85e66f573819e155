// Printing with the toolkit: print mode beside a running show, the printout's
// pages in a preview, and items printed to PDF files read back as text.
#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/filename.h>
#include <wx/print.h>
#include <wx/utils.h>

#include <memory>
#include <string>
#include <vector>

#include "app/MainFrame.h"
#include "db/SqlText.h"
#include "doc/VersiluxDoc.h"
#include "show/FullScreenWnd.h"
#include "support/ShellFixture.h"
#include "support/SmallLibrary.h"
#include "support/WaitFor.h"
#include "view/PrintItemPdf.h"
#include "view/ScreenRenderer.h"
#include "view/VersiluxPrintout.h"
#include "view/VersiluxView.h"
#include "view/WxCanvas.h"

namespace {

constexpr long kSundayMorning = 1;

wxString Lines(const wxString& prefix, int n) {
    wxString text;
    for (int i = 1; i <= n; ++i) {
        text += wxString::Format("%s %d\r\n", prefix, i);
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

// The pages of a PDF as text laid out as printed ("pdftotext -layout").
std::vector<std::string> PdfPages(const wxString& path) {
    wxArrayString output;
    wxArrayString errors;
    const wxString txt = path + ".txt";
    if (wxExecute("pdftotext -layout " + path + " " + txt, output, errors, wxEXEC_SYNC) != 0) {
        return {};
    }
    wxFile file(txt);
    wxString all;
    file.ReadAll(&all, wxConvUTF8);
    std::vector<std::string> pages;
    for (const wxString& page : wxSplit(all, '\f', '\0')) {
        pages.push_back(page.utf8_string());
    }
    if (!pages.empty() && pages.back().find_first_not_of(" \n") == std::string::npos) {
        pages.pop_back();  // the text after the last page's form feed
    }
    return pages;
}

std::vector<std::string> LinesOf(const std::string& page) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos <= page.size()) {
        const size_t end = page.find('\n', pos);
        lines.push_back(page.substr(pos, end == std::string::npos ? std::string::npos : end - pos));
        if (end == std::string::npos) {
            break;
        }
        pos = end + 1;
    }
    return lines;
}

// The column where word stands on the line, or -1.
int Column(const std::string& line, const std::string& word) {
    const size_t at = line.find(word);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

class PrintingShellTest : public testing::Test {
  protected:
    CVersiluxDoc& Doc() { return shell.Doc(); }
    CVersiluxView& View() { return shell.View(); }
    int Position() { return View().GetShowState().m_nNextEntry; }

    // Draws the main view as a paint does.
    void PaintView() {
        wxBitmap bitmap(1000, 1500, 24);
        wxMemoryDC dc(bitmap);
        View().OnDraw(&dc);
    }
    // The display window holds exactly what entry n looks like.
    void ExpectPainted(int n) {
        auto* wnd = dynamic_cast<CFullScreenWnd*>(shell.Display());
        ASSERT_NE(wnd, nullptr);
        const wxBitmap& shown = wnd->GetBackingBitmap();
        CShowState state = View().GetShowState();
        state.m_nNextEntry = n;
        CScreenRenderer renderer(Doc(), state);
        wxBitmap expected(shown.GetWidth(), shown.GetHeight(), 24);
        {
            wxMemoryDC dc(expected);
            WxCanvas canvas(dc);
            renderer.ShowScreen(canvas, 0);
        }
        const wxImage a = shown.ConvertToImage();
        const wxImage b = expected.ConvertToImage();
        ASSERT_EQ(a.GetSize(), b.GetSize());
        const size_t bytes = static_cast<size_t>(a.GetWidth()) * a.GetHeight() * 3;
        EXPECT_EQ(memcmp(a.GetData(), b.GetData(), bytes), 0) << "screen of entry " << n;
    }

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
    {
        wxPrintPreview preview(View().OnCreatePrintout(), View().OnCreatePrintout());
        ASSERT_TRUE(preview.IsOk());
        EXPECT_EQ(preview.GetMinPage(), 1);
        EXPECT_EQ(preview.GetMaxPage(), 2);
    }
    // Any other listing prints on one page.
    Doc().ShowListing(CListingKind::Schedule);
    wxPrintPreview preview(View().OnCreatePrintout(), View().OnCreatePrintout());
    ASSERT_TRUE(preview.IsOk());
    EXPECT_EQ(preview.GetMaxPage(), 1);
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
    const wxString pdf = wxFileName::CreateTempFileName("versilux-search") + ".pdf";
    wxString error;
    ASSERT_TRUE(PrintToPdf(printout, pdf, CPdfPage(), error)) << error;
    EXPECT_EQ(printout.GetPageCount(), 1);
    EXPECT_EQ(Doc().m_nSearchLine, line);
    const auto pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("Amazing Grace"), std::string::npos) << pages[0];
    wxRemoveFile(pdf);
    wxRemoveFile(pdf + ".txt");
}

class PdfTest : public testing::Test {
  protected:
    void SetUp() override {
        library.Exec(
            "UPDATE config SET [Print Font]=120, Margin=300, Chord_colour=4, "
            "Bar_colour=3");
        doc = std::make_unique<CVersiluxDoc>();
        pdf = wxFileName::CreateTempFileName("versilux-print") + ".pdf";
    }
    void TearDown() override {
        wxRemoveFile(pdf);
        wxRemoveFile(pdf + ".txt");
    }
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
    const auto lines = LinesOf(pages[0]);
    size_t lyric = 0;
    while (lyric < lines.size() && Column(lines[lyric], "Amazing") < 0) {
        ++lyric;
    }
    ASSERT_LT(lyric, lines.size()) << pages[0];
    ASSERT_GT(lyric, 0u);
    const std::string& chords = lines[lyric - 1];
    const std::string& words = lines[lyric];
    EXPECT_NEAR(Column(chords, "A "), Column(words, "Amazing"), 1) << chords << "\n" << words;
    EXPECT_NEAR(Column(chords, "D "), Column(words, "grace"), 1) << chords << "\n" << words;
    EXPECT_NEAR(Column(chords, "G "), Column(words, "sweet"), 1) << chords << "\n" << words;
    EXPECT_NEAR(Column(chords, "E "), Column(words, "the"), 1) << chords << "\n" << words;
    EXPECT_NEAR(Column(chords, "Bb"), Column(words, "sound"), 1) << chords << "\n" << words;
    EXPECT_NE(pages[0].find("that"), std::string::npos);

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
    EXPECT_NE(pages[0].find("first 30"), std::string::npos);
    EXPECT_EQ(pages[0].find("second 1"), std::string::npos);
    EXPECT_NE(pages[1].find("second 1"), std::string::npos);

    const long type7 = library.AddItem(
        "Seven", 7, Lines("a", 10) + "&\r\n" + Lines("b", 10) + "&\r\n" + Lines("c", 5));
    pages = Print(Args(type7));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[0].find("b 10"), std::string::npos);
    EXPECT_NE(pages[1].find("c 1"), std::string::npos);
    EXPECT_EQ(pages[1].find("b 10"), std::string::npos);
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
}

}  // namespace
