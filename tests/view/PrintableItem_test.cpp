// Print mode's drawing and pagination on a canvas with fixed metrics: the
// print font of 15 points is 20 pixels high and every character 10 wide.
#include <gtest/gtest.h>

#include <vector>

#include "doc/VersiluxDoc.h"
#include "support/RecordingCanvas.h"
#include "support/SmallLibrary.h"
#include "view/MainListing.h"
#include "view/PrintableItem.h"

namespace {

constexpr int kFont = 150;  // 20 pixels at 96 dpi
constexpr int L = 20;
constexpr int kMargin = 10;
constexpr COLORREF kBlack = MakeColourValue(0, 0, 0);
constexpr COLORREF kChord = MakeColourValue(200, 0, 100);
constexpr COLORREF kBar = MakeColourValue(0, 128, 0);
constexpr COLORREF kDarkBlue = MakeColourValue(0, 0, 200);
const wxString kEnd = "99\b**end - Press Q to quit or advance for menu**\b\b\b";
const wxString kMenu = "100\b**menu**\b\b\b";

// n lines "line 1" ... "line n", each ended by CR LF unless bOpenEnd.
wxString Lines(int n, bool bOpenEnd = false) {
    wxString text;
    for (int i = 1; i <= n; ++i) {
        text += wxString::Format("line %d", i);
        if (i < n || !bOpenEnd) {
            text += "\r\n";
        }
    }
    return text;
}

wxString Entry(int type, const wxString& text) {
    return wxString::Format("%d\b\b\b%s\b", type, text);
}

// An item's screens as the show list builder makes them: later parts start
// with the screen break's line.
std::vector<wxString> Item(int type, const std::vector<wxString>& parts) {
    std::vector<wxString> entries;
    for (size_t i = 0; i < parts.size(); ++i) {
        entries.push_back(Entry(type, i == 0 ? parts[i] : "&\r\n" + parts[i]));
    }
    entries.push_back(kEnd);
    entries.push_back(kMenu);
    return entries;
}

CPrintOptions Options() {
    CPrintOptions options;
    options.nFontSize = kFont;
    options.nMargin = kMargin;
    options.crChord = kChord;
    options.crBar = kBar;
    return options;
}

TEST(PaginationTest, ScreensMoveWholeToTheNextPageWhenTheirLinesPassThePage) {
    // Type 3: 42 lines a page; 30 + 30 = 60, so the second screen starts page 2.
    EXPECT_EQ(PaginateEntries(Item(3, {Lines(30), Lines(30)})), (std::vector<int>{0, 1}));
    // Type 7: 21 lines a page; 10, 20, 25: the third screen starts page 2.
    EXPECT_EQ(PaginateEntries(Item(7, {Lines(10), Lines(10), Lines(5)})), (std::vector<int>{0, 2}));
    // Exactly a page stays on it.
    EXPECT_EQ(PaginateEntries(Item(7, {Lines(10), Lines(11)})), (std::vector<int>{0}));
}

TEST(PaginationTest, AScreenLongerThanAPageStaysOnItsOwnPage) {
    EXPECT_EQ(PaginateEntries(Item(7, {Lines(30)})), (std::vector<int>{0}));
    // A long screen after a short one starts page 2 and stays alone there.
    EXPECT_EQ(PaginateEntries(Item(7, {Lines(2), Lines(30), Lines(2)})),
              (std::vector<int>{0, 1, 2}));
}

TEST(PaginationTest, AnItemOfMoreThanTenPagesGetsEveryPage) {
    std::vector<wxString> parts(14, Lines(20));
    const std::vector<int> starts = PaginateEntries(Item(7, parts));
    ASSERT_EQ(starts.size(), 14u);
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(starts[static_cast<size_t>(i)], i);
    }
}

TEST(PaginationTest, ALastLineWithoutLineEndCountsWithItsScreen) {
    // 20 lines, then a screen of 2 whose last line has no CR LF: 22 > 21, so
    // it starts page 2 with both its lines; 2 + 20 more then pass the page.
    EXPECT_EQ(PaginateEntries(Item(7, {Lines(20), Lines(2, true), Lines(20)})),
              (std::vector<int>{0, 1, 2}));
    // The end notice stops the count; an empty list is one page.
    EXPECT_EQ(PaginateEntries({kEnd, kMenu}), (std::vector<int>{0}));
    EXPECT_EQ(PaginateEntries({}), (std::vector<int>{0}));
}

class PrintDrawingTest : public testing::Test {
  protected:
    void Draw(const std::vector<wxString>& entries, int first = 0, int stop = -1) {
        canvas.Clear();
        drawn = DrawPrintableEntries(canvas, entries, first, stop, options);
    }
    void Draw(int type, const wxString& text) { Draw(Item(type, {text})); }
    const RecordingCanvas::Call& Text(const wxString& s) {
        const RecordingCanvas::Call* call = canvas.FindText(s);
        EXPECT_NE(call, nullptr) << s << "\n" << canvas.Log();
        static const RecordingCanvas::Call none;
        return call != nullptr ? *call : none;
    }

    RecordingCanvas canvas;
    CPrintOptions options = Options();
    CPrintDrawn drawn;
};

TEST_F(PrintDrawingTest, ChordsStandAboveTheirSyllablesAndLinesStackWithChordLines) {
    Draw(7, "{G}Amazing {C}grace\r\nhow {D7}sweet");
    // The first line's chords sit in the room left above it.
    EXPECT_EQ(canvas.TextSummary(),
              "G@10,0 Amazing @10,20 C@90,0 grace@90,20 how @10,60 D7@50,40 sweet@50,60");
    EXPECT_EQ(Text("G").colour, kChord);
    EXPECT_EQ(Text("grace").colour, kBlack);
    EXPECT_EQ(Text("G").font, kFont);
    // Two lines of two heights each, a blank line, then the end notice's
    // empty line and its blank line.
    EXPECT_EQ(drawn.nBottom, L + 4 * L + L + L + L);
    EXPECT_EQ(drawn.nNextEntry, 2);
}

TEST_F(PrintDrawingTest, AChordInsideAWordPushesTheRestOnAndJoinsItWithADottedLine) {
    Draw(7, "Am{D}azing");
    EXPECT_EQ(canvas.TextSummary(), "Am@10,20 D@30,0 azing@30,20");
    EXPECT_TRUE(canvas.Calls("line").empty());

    // A second chord right after it would touch D: its syllable goes 5 after
    // D's end, and a dotted line at mid-height joins the word's two parts.
    Draw(7, "Am{D}{G}azing");
    EXPECT_EQ(canvas.TextSummary(), "Am@10,20 D@30,0 G@45,0 azing@45,20");
    const auto lines = canvas.Calls("line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].pen, Canvas::PenStyle::Dotted);
    EXPECT_EQ(lines[0].colour, kBlack);
    EXPECT_EQ(lines[0].penWidth, 1);
    EXPECT_EQ(wxPoint(lines[0].x, lines[0].y), wxPoint(30, 20 + L / 2));
    EXPECT_EQ(wxPoint(lines[0].x2, lines[0].y2), wxPoint(45, 20 + L / 2));

    // A syllable narrower than the chord above it pushes the next one on too.
    Draw(7, "Am{Dsus4}a{G}zing");
    EXPECT_EQ(canvas.TextSummary(), "Am@10,20 Dsus4@30,0 a@30,20 G@85,0 zing@85,20");
    ASSERT_EQ(canvas.Calls("line").size(), 1u);
    EXPECT_EQ(canvas.Calls("line")[0].x, 40);

    // Between words (a space before the mark) nothing is joined.
    Draw(7, "Am {D}{G}azing");
    EXPECT_TRUE(canvas.Calls("line").empty());
    EXPECT_EQ(Text("G").x, 55);
}

TEST_F(PrintDrawingTest, BarsRunFromTheChordLineToTheLyricsBottomInTheBarPen) {
    Draw(7, "|{G}Praise | him");
    const auto lines = canvas.Calls("line");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].pen, Canvas::PenStyle::Solid);
    EXPECT_EQ(lines[0].colour, kBar);
    EXPECT_EQ(lines[0].penWidth, 1);
    EXPECT_EQ(wxRect(lines[0].x, lines[0].y, lines[0].x2, lines[0].y2),
              wxRect(kMargin, 0, kMargin, 2 * L));
    EXPECT_EQ(lines[1].x, kMargin + 70);  // after "Praise "
}

TEST_F(PrintDrawingTest, TranspositionMovesChordsAndInlineChordsInTheChosenSpelling) {
    options.nTranspose = 2;
    options.bPreferFlats = true;
    const wxString sign(wxUniChar(0xAC));
    Draw(7, "{G}Lord {Ab}my {F}God " + sign + "C D" + sign + " end");
    EXPECT_NE(canvas.FindText("A"), nullptr);
    EXPECT_NE(canvas.FindText("Bb"), nullptr);
    EXPECT_NE(canvas.FindText("G"), nullptr);
    // The inline chord is drawn within the line, in the chord colour.
    EXPECT_EQ(Text("D E").colour, kChord);
    EXPECT_EQ(Text("D E").y, 20);
    EXPECT_EQ(Text(" end").colour, kBlack);

    options.bPreferFlats = false;
    Draw(7, "{Ab}x");
    EXPECT_NE(canvas.FindText("A#"), nullptr);
}

TEST_F(PrintDrawingTest, ColourMarksMapToPaperColoursAndBlackAndWhitePrintsBlack) {
    Draw(1, "a[2]b[0]c[5]d[1]e");
    EXPECT_EQ(Text("a").colour, kBlack);
    EXPECT_EQ(Text("b").colour, kDarkBlue);
    EXPECT_EQ(Text("c").colour, kBlack);
    EXPECT_EQ(Text("d").colour, kChord);
    EXPECT_EQ(Text("e").colour, kBlack);

    options.bBlackAndWhite = true;
    Draw(7, "[5]five|{G}x[3]y");
    for (const auto& text : canvas.Texts()) {
        EXPECT_EQ(text.colour, kBlack) << text.text;
    }
    const auto lines = canvas.Calls("line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].pen, Canvas::PenStyle::Dotted);
    EXPECT_EQ(lines[0].colour, kBlack);
}

TEST_F(PrintDrawingTest, TheLastLineWithoutLineEndPrintsAndTheBreakLineDoesNot) {
    Draw(Item(1, {"first\r\nlast"}));
    EXPECT_EQ(canvas.TextSummary(), "first@10,20 last@10,40");
    // Types without a chord line stack lines one height apart.
    Draw(Item(7, {"one\r\n", "two"}));
    EXPECT_EQ(canvas.TextSummary(), "one@10,20 two@10,80");
}

TEST_F(PrintDrawingTest, MalformedMarksStayOnTheirLine) {
    // A chord mark without "}" takes two characters and the one after them.
    Draw(7, "ab{Gmxyz\r\nnext");
    EXPECT_EQ(canvas.TextSummary(), "ab@10,20 Gm@30,0 yz@30,20 next@10,60");
    // A mark at the line's end never eats the line end.
    Draw(7, "ab{G\r\nnext[\r\nlast");
    EXPECT_EQ(canvas.TextSummary(), "ab@10,20 G@30,0 next@10,60 last@10,100");
    // A "}" on a later line does not close a mark on this one.
    Draw(7, "{A\r\nB}");
    EXPECT_EQ(canvas.TextSummary(), "A@10,0 B}@10,60");
}

TEST_F(PrintDrawingTest, APageDrawsFromItsStartToTheNextPagesStart) {
    const auto entries = Item(7, {Lines(10), Lines(10), Lines(5)});
    Draw(entries, 0, 2);
    EXPECT_EQ(drawn.nNextEntry, 2);
    EXPECT_EQ(canvas.FindText("line 1")->y, L);
    EXPECT_EQ(canvas.Texts().size(), 20u);
    // The last page runs on to the end notice.
    Draw(entries, 2, -1);
    EXPECT_EQ(drawn.nNextEntry, 4);
    EXPECT_EQ(canvas.Texts().size(), 5u);
    EXPECT_EQ(canvas.FindText("line 1")->y, L);
}

class PrintOptionsTest : public testing::Test {
  protected:
    SmallLibrary library;
};

TEST_F(PrintOptionsTest, TheConfiguredColoursAndAFallbackForMissingRows) {
    library.Exec("UPDATE config SET Chord_colour=4, Bar_colour=3, [Print Font]=120, Margin=300");
    {
        CVersiluxDoc doc;
        doc.m_nPrintTranspose = -3;
        doc.m_bPrintPreferFlats = true;
        doc.m_bPrintBW = true;
        const CPrintOptions options = PrintOptionsOf(doc);
        EXPECT_EQ(options.crChord, MakeColourValue(0, 0, 255));
        EXPECT_EQ(options.crBar, MakeColourValue(255, 255, 0));
        EXPECT_EQ(options.nFontSize, 120);
        EXPECT_EQ(options.nMargin, 300);
        EXPECT_EQ(options.nTranspose, -3);
        EXPECT_TRUE(options.bPreferFlats);
        EXPECT_TRUE(options.bBlackAndWhite);
    }
    library.Exec("UPDATE config SET Chord_colour=77, Bar_colour=78");
    CVersiluxDoc doc;
    const CPrintOptions options = PrintOptionsOf(doc);
    EXPECT_EQ(options.crChord, kPrintChordFallback);
    EXPECT_EQ(options.crChord, MakeColourValue(255, 0, 0));
    EXPECT_EQ(options.crBar, MakeColourValue(255, 255, 0));
}

TEST_F(PrintOptionsTest, PrintModeListsTheCurrentItemInTheMainView) {
    library.Exec("UPDATE config SET Chord_colour=4, [Print Font]=150, Margin=10");
    const long id = library.AddItem("Chart", 7, "{G}one\r\n&\r\n{C}two", 2, true);
    CVersiluxDoc doc;
    doc.m_pItemsSet->m_strFilter = wxString::Format("ID=%ld", id);
    RequeryOrOpen(*doc.m_pItemsSet);
    doc.ShowListing(CListingKind::Printable);
    doc.m_nPrintTranspose = -2;
    doc.m_bPrintPreferFlats = true;
    RecordingCanvas canvas;
    CListingRecord record;
    DrawMainListing(doc, canvas, record, {});
    // The document's print key, not the item's own.
    EXPECT_EQ(canvas.TextSummary(), "F@10,0 one@10,20 Bb@10,60 two@10,80");
    EXPECT_EQ(canvas.FindText("Bb")->colour, MakeColourValue(0, 0, 255));
    // Two screens of one line and two heights, each with its blank line, and
    // the end notice's line and blank line.
    EXPECT_EQ(record.m_nPrintableBottom, L + 3 * L + 3 * L + 2 * L);

    // Another listing draws no printable item.
    doc.ShowListing(CListingKind::Schedule);
    canvas.Clear();
    DrawMainListing(doc, canvas, record, {});
    EXPECT_EQ(record.m_nPrintableBottom, 0);
    EXPECT_TRUE(canvas.Texts().empty());
}

}  // namespace
