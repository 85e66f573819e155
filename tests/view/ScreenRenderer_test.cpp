// Every screen type laid out on the recording canvas, from a real show list.
// Max Font and Normal Font are 150 here: lines are 20 pixels high and every
// character 10 wide. The show area is 400 x 300 unless a test says otherwise.
#include "view/ScreenRenderer.h"

#include <gtest/gtest.h>
#include <wx/dir.h>
#include <wx/filename.h>

#include "db/SqlText.h"
#include "doc/VersiluxDoc.h"
#include "support/RecordingCanvas.h"
#include "support/SmallLibrary.h"

namespace {

constexpr COLORREF kWhite = MakeColourValue(255, 255, 255);
constexpr COLORREF kBlack = MakeColourValue(0, 0, 0);
constexpr COLORREF kRed = MakeColourValue(255, 0, 0);
constexpr COLORREF kGreen = MakeColourValue(0, 128, 0);
constexpr COLORREF kBlue = MakeColourValue(0, 0, 255);
constexpr COLORREF kOlive = MakeColourValue(127, 127, 0);
constexpr COLORREF kMagenta = MakeColourValue(255, 0, 255);

const std::string kEndNotice = "**end - Press Q to quit or advance for menu**";

class ScreenTest : public testing::Test {
  protected:
    ScreenTest() {
        m_lib.Exec(
            "INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (5, 'Red', 255, 0, 0), "
            "(6, 'Green', 0, 128, 0)");
        // Third colour red, fourth yellow, chords green, bar lines blue.
        m_lib.Exec(
            "UPDATE config SET [Max Font]=150, [Normal Font]=150, Foreground3=5, "
            "Foreground4=3, Chord_screen=6, Bar_screen=4");
        m_state.m_rcShow = wxRect(0, 0, 400, 300);
    }

    // An item white on black (second colour yellow) in VPD 1.
    long Item(int type, const wxString& heading1, const wxString& heading2, const wxString& field1,
              const wxString& field2 = "", int transpose = 0, int background = 1) {
        auto q = [](const wxString& s) { return "'" + EscapeSqlLiteral(s) + "'"; };
        m_lib.Exec(wxString::Format(
            "INSERT INTO items (Title, Heading1, Heading2, Field1, Field2, Type, Subtype, "
            "Background, Foreground, Foreground2, VPD, Transpose, PreferFlats) VALUES "
            "('t%d', %s, %s, %s, %s, %d, 1, %d, 2, 3, 1, %d, 0)",
            ++m_nItems, q(heading1), q(heading2), q(field1), q(field2), type, background,
            transpose));
        return m_lib.Source().QueryNumber("SELECT max(ID) FROM items");
    }
    void Build(const std::vector<long>& items) {
        Doc().m_nScheduleID = static_cast<int>(m_lib.AddSchedule("s", items));
        Doc().BuildShowList();
    }
    void Show(int entry, int mode = 0) {
        m_dc.Clear();
        m_state.m_nNextEntry = entry;
        Renderer().ShowScreen(m_dc, mode);
    }
    CVersiluxDoc& Doc() {
        if (!m_pDoc) {
            m_pDoc = std::make_unique<CVersiluxDoc>();
        }
        return *m_pDoc;
    }
    CScreenRenderer& Renderer() {
        if (!m_pRenderer) {
            m_pRenderer = std::make_unique<CScreenRenderer>(Doc(), m_state);
        }
        return *m_pRenderer;
    }
    std::string Texts() const { return m_dc.TextSummary(); }
    const RecordingCanvas::Call& Text(const wxString& s) const {
        const RecordingCanvas::Call* call = m_dc.FindText(s);
        EXPECT_NE(call, nullptr) << s << " in " << Texts();
        static const RecordingCanvas::Call none;
        return call ? *call : none;
    }
    std::string Lines() const {
        wxString out;
        for (const auto& l : m_dc.Calls("line")) {
            out << l.line << "\n";
        }
        return out.utf8_string();
    }

    SmallLibrary m_lib;
    std::unique_ptr<CVersiluxDoc> m_pDoc;
    CShowState m_state;
    std::unique_ptr<CScreenRenderer> m_pRenderer;
    RecordingCanvas m_dc;
    int m_nItems = 0;
};

TEST_F(ScreenTest, EveryScreenIsClearedToItsBackgroundAndMarked) {
    Build({Item(1, "Welcome", "", "")});
    Show(0);
    const auto& calls = m_dc.Calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls.front().line, "fill 0,0 400x300 #000000");
    EXPECT_EQ(calls[calls.size() - 2].line, "font default");  // the heading's font is gone
    EXPECT_EQ(calls.back().line, "pixel 0,0 #FF00FF");
    EXPECT_EQ(Texts(), "Welcome@165,140");
    EXPECT_EQ(Text("Welcome").colour, kWhite);
    EXPECT_EQ(Text("Welcome").font, 150);
}

TEST_F(ScreenTest, BlankScreenIsTheEntrysBackgroundOnly) {
    Build({Item(1, "Welcome", "", "", "", 0, 5)});
    for (int mode : {1}) {
        Show(0, mode);
        EXPECT_EQ(m_dc.Log(), "fill 0,0 400x300 #FF0000\npixel 0,0 #FF00FF\n");
    }
    Show(0, 2);  // ends a blackout: the screen as in mode 0
    EXPECT_EQ(Texts(), "Welcome@165,140");
}

TEST_F(ScreenTest, OnlyTheShowAreaIsDrawnIn) {
    m_state.m_rcShow = wxRect(100, 50, 400, 300);
    Build({Item(1, "Welcome", "", "")});
    Show(0);
    EXPECT_EQ(m_dc.Calls("fill").size(), 1u);
    EXPECT_EQ(m_dc.Calls("fill")[0].line, "fill 100,50 400x300 #000000");
    EXPECT_EQ(Texts(), "Welcome@265,190");
}

TEST_F(ScreenTest, TypeTwoCentresEachElementInItsHalf) {
    Build({Item(2, "Top", "Bottom", "")});
    Show(0);
    EXPECT_EQ(Texts(), "Top@185,65 Bottom@170,215");
}

TEST_F(ScreenTest, PlainBlockCentresEachLineAndDropsTheSectionLabel) {
    Build({Item(3, "", "", "ab\r\ncdef\r\n&\r\nxy")});
    Show(0);
    EXPECT_EQ(Texts(), "ab@190,130 cdef@180,150");
    // More follows: a shaft and a downward head at the bottom right.
    EXPECT_EQ(Lines(),
              "line 390,250 390,300 solid 1 #FFFFFF\n"
              "line 390,300 400,280 solid 1 #FFFFFF\n"
              "line 390,300 380,280 solid 1 #FFFFFF\n");
    Show(1);
    EXPECT_EQ(Texts(), "xy@190,140");
    EXPECT_EQ(Lines(),
              "line 390,250 390,300 solid 1 #FFFFFF\n"
              "line 390,250 400,270 solid 1 #FFFFFF\n"
              "line 390,250 380,270 solid 1 #FFFFFF\n");
}

TEST_F(ScreenTest, PlainBlockColoursAndEmptyLines) {
    Build({Item(3, "", "", "[3]ab[0]cd\r\n\r\n[2]x")});
    Show(0);
    // Three lines of 20: an empty line is as high as a space.
    EXPECT_EQ(Texts(), "ab@180,120 cd@200,120 x@195,160");
    EXPECT_EQ(Text("ab").colour, kRed);
    EXPECT_EQ(Text("cd").colour, kWhite);
    EXPECT_EQ(Text("x").colour, MakeColourValue(255, 255, 0));
    EXPECT_EQ(Lines(), "");  // a single part has no arrows
}

TEST_F(ScreenTest, TypeFourHasATitleBandAboveTheBlock) {
    Build({Item(4, "Title", "", "ab")});
    Show(0);
    EXPECT_EQ(Texts(), "Title@175,27 ab@190,177");
}

TEST_F(ScreenTest, ChordScreenWithCounterAndTransposedChords) {
    Build({Item(7, "", "", "{C}ab\r\ncd", "", 2)});
    Show(0);
    EXPECT_EQ(Texts(), "1/1@370,280 D@182,120 ab@182,140 cd@182,160");
    EXPECT_EQ(Text("1/1").colour, kOlive);
    EXPECT_EQ(Text("1/1").font, 150);
    EXPECT_EQ(Text("D").colour, kGreen);
    EXPECT_EQ(Text("ab").colour, kWhite);
}

TEST_F(ScreenTest, ChordBlockBarsAndALineWithoutChords) {
    Build({Item(7, "", "", "|{C}ab\r\nc|d")});
    Show(0);
    // The second line has no '{': its bar is a character.
    EXPECT_EQ(Texts(), "1/1@370,280 C@182,120 ab@182,140 c|d@182,160");
    EXPECT_EQ(Lines(), "line 182,120 182,160 solid 2 #0000FF\n");
}

TEST_F(ScreenTest, AChordAtTheEndOfALineStillStandsAboveIt) {
    Build({Item(7, "", "", "ab {G}\r\ncd")});
    Show(0);
    EXPECT_EQ(Texts(), "1/1@370,280 ab @177,140 G@207,120 cd@177,160");
    EXPECT_EQ(Text("G").colour, kGreen);
}

TEST_F(ScreenTest, PartCounterCountsTheParts) {
    Build({Item(7, "", "", "a\r\n&\r\nb\r\n&\r\nc")});
    for (int i = 0; i < 3; ++i) {
        Show(i);
        EXPECT_NE(m_dc.FindText(wxString::Format("%d/3", i + 1)), nullptr) << Texts();
    }
}

TEST_F(ScreenTest, ASingleLinePartHasItsChordsAboveItLikeAnyLine) {
    const wxString sign(wxUniChar(0xAC));
    Build({Item(7, "", "", "{C}ab"), Item(7, "", "", "x" + sign + "C" + sign, "", 2),
           Item(7, "", "", "a|b")});
    Show(0);
    EXPECT_EQ(Texts(), "1/1@370,280 C@182,130 ab@182,150");
    EXPECT_EQ(Text("C").colour, kGreen);
    Show(1);
    // The inline chord is transposed with the item, in the chord colour.
    EXPECT_EQ(Texts(), "1/1@370,280 x@190,140 D@200,140");
    EXPECT_EQ(Text("D").colour, kGreen);
    Show(2);
    // Without a chord mark there is no chord line: the bar is a character.
    EXPECT_EQ(Texts(), "1/1@370,280 a|b@185,140");
}

// Every part of an item split by '&' but the last ends in a line end; each
// is drawn as it was fitted, chords above the lyric and inside the box.
TEST_F(ScreenTest, EveryPartOfASplitChordItemHasItsChordsAbove) {
    for (const int type : {7, 8}) {
        SCOPED_TRACE(type);
        Build({Item(type, "", "", "{G}one\r\n&\r\n{C}two\r\nx{D}y\r\n&\r\n{D}three")});
        const char* const expected[] = {"G@177,130 one@177,150",
                                        "C@177,110 two@177,130 x@177,170 D@187,150 y@187,170",
                                        "D@167,130 three@167,150"};
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            Show(i);
            const std::string texts = Texts();
            EXPECT_NE(texts.find(expected[i]), std::string::npos) << texts;
            EXPECT_EQ(texts.find('{'), std::string::npos) << texts;
            // The block is centred on its fitted height: every text within it.
            const int lines = i == 1 ? 4 : 2;
            const int top = (300 - 20 * lines) / 2;
            for (const RecordingCanvas::Call& call : m_dc.Texts()) {
                if (call.text.Contains("/")) {
                    continue;  // the part counter
                }
                EXPECT_GE(call.y, top) << texts;
                EXPECT_LE(call.y + 20, top + 20 * lines) << texts;
            }
        }
    }
}

// A part of one line with its line end, in a show area that holds exactly
// a chord line and a lyric: fitted and drawn the same, it needs no
// smaller font and stays inside.
TEST_F(ScreenTest, AOneLinePartWithItsLineEndFitsAsDrawn) {
    m_state.m_rcShow = wxRect(0, 0, 400, 40);
    Build({Item(7, "", "", "{G}one\r\n&\r\n{C}two")});
    for (int i = 0; i < 2; ++i) {
        Show(i);
        for (const RecordingCanvas::Call& call : m_dc.Texts()) {
            EXPECT_EQ(call.font, 150) << Texts();
            EXPECT_LE(call.y + 20, 40) << Texts();
        }
    }
}

// Texts typed into an edit box end their lines in LF alone: every layout
// draws them exactly as the same texts with CR LF.
TEST_F(ScreenTest, LinesEndingInLfAloneAreLaidOutAsCrLfLines) {
    const wxString text =
        "&Verse\r\n{C}Amazing {G}grace\r\n\r\nhow |{D}sweet\r\n[2]the sound\r\n&\r\nthat "
        "{G}saved\r\n";
    wxString lf = text;
    lf.Replace("\r\n", "\n");
    for (const int type : {3, 4, 5, 6, 7, 8}) {
        SCOPED_TRACE(type);
        // Each next-line screen is followed by the first part of its own kind.
        const long crlfItem = Item(type, "Head", "Sub", text, text);
        const long lfItem = Item(type, "Head", "Sub", lf, lf);
        Build({crlfItem, Item(5, "", "", text), crlfItem, lfItem, Item(5, "", "", lf), lfItem});
        const int parts = type == 5 || type == 6 ? 1 : 2;
        for (int i = 0; i <= parts; ++i) {
            SCOPED_TRACE(i);
            Show(i);
            const std::string fromCrLf = m_dc.Log();
            Show(i + 2 * parts + 1);
            EXPECT_EQ(m_dc.Log(), fromCrLf);
        }
    }
}

// Nothing but the renderer stands between the configuration and the fit:
// sizes far beyond any screen must not cost a font for every point.
TEST_F(ScreenTest, HugeConfiguredSizesFitWithoutAFontPerStep) {
    m_lib.Exec("UPDATE config SET [Max Font]=72000, [Normal Font]=72005");
    Build({Item(4, "Title", "", "ab\r\ncd")});
    Show(0);
    EXPECT_EQ(Text("Title").font, 560);  // 75 pixels: the quarter-high band
    EXPECT_EQ(Text("ab").font, 835);     // 111 pixels: two lines in 225
    EXPECT_LE(m_dc.Calls("font").size(), 6u);
}

TEST_F(ScreenTest, TypeEightShowsItsHeadingOnTheFirstPartOnly) {
    Build({Item(8, "", "Top", "ab\r\n&\r\ncd")});
    Show(0);
    EXPECT_EQ(Texts(), "Top@365,27 1/2@370,280 ab@190,140");
    Show(1);
    EXPECT_EQ(Texts(), "2/2@370,280 cd@190,140");
}

TEST_F(ScreenTest, TypeEightTextThatWouldRunIntoTheHeadingGoesBelowIt) {
    wxString text = "a\r\n" + wxString('w', 38);
    for (int i = 0; i < 13; ++i) {
        text += "\r\nb";
    }
    Build({Item(8, "", "Top", text)});
    Show(0);
    ASSERT_EQ(Text("Top").y, 27);  // 20 high
    // Fitted to the whole area the second line would cross the heading; below
    // it, 15 lines of 16 pixels fit into the 253 left.
    const auto& first = Text("a");
    EXPECT_EQ(first.font, 120);
    EXPECT_EQ(first.y, 53);
    EXPECT_EQ(Text("1/1").font, 120);
}

TEST_F(ScreenTest, TypeFiveHeadingsBodyAndNextLine) {
    Build({Item(5, "Left", "Right", "{C}ab\r\ncd")});
    Show(0);
    EXPECT_EQ(Texts(), "Left@5,27 Right@345,27 C@190,157 ab@190,177 cd@190,197 Next: " +
                           kEndNotice + " @0,0");
    const auto& next = Text(wxString::FromUTF8("Next: " + kEndNotice + " "));
    EXPECT_EQ(next.font, 400);
    EXPECT_EQ(next.colour, kOlive);
    EXPECT_FALSE(next.opaque);
}

TEST_F(ScreenTest, TypeFiveSingleLineBodyStandsRight) {
    Build({Item(5, "L", "R", "abc")});
    Show(0);
    EXPECT_NE(Texts().find("abc@360,177"), std::string::npos) << Texts();
}

TEST_F(ScreenTest, NextLineFindsTheNextHeading) {
    Build({Item(5, "L", "R", "x"), Item(7, "", "", "&\r\n[2]x\r\n\r\n{C}Amaz|ing grace"),
           Item(5, "L", "R", "x"), Item(1, "[2]Psalm[0] 23", "KJV", ""), Item(5, "L", "R", "x"),
           Item(1, "Be [thou", "", ""), Item(5, "L", "R", "x"), Item(3, "", "", "&")});
    const wxString expected[] = {"Next: Amazing grace ", "Next: Psalm 23 KJV", "Next: Be  ",
                                 "Next:  "};
    for (int i = 0; i < 4; ++i) {
        Show(2 * i);
        EXPECT_NE(m_dc.FindText(expected[i]), nullptr) << Texts();
    }
}

TEST_F(ScreenTest, TypeSixChordColumnRightAndTextColumnLeft) {
    Build({Item(6, "Left", "Right", "one\r\ntwo", "{C}ab\r\ncd")});
    Show(0);
    EXPECT_EQ(Texts(),
              "Left@5,27 Right@345,27 C@355,157 ab@355,177 cd@355,197 one@5,167 "
              "two@5,187 Next: " +
                  kEndNotice + " @0,0");
}

TEST_F(ScreenTest, EndNoticeIsBlackOnWhiteAtTheOrigin) {
    m_state.m_rcShow = wxRect(100, 100, 400, 300);
    Build({Item(1, "A", "", "")});
    Show(1);
    Show(Doc().GetLastEntry() - 1);
    const auto& notice = Text(wxString::FromUTF8(kEndNotice));
    EXPECT_EQ(notice.x, 0);
    EXPECT_EQ(notice.y, 0);
    EXPECT_EQ(notice.font, 100);
    EXPECT_EQ(notice.colour, kBlack);
    EXPECT_TRUE(notice.opaque);
    EXPECT_EQ(notice.background, kWhite);
}

TEST_F(ScreenTest, EndNoticeOfAPreviewStopsTheShow) {
    Build({Item(1, "A", "", "")});
    int stops = 0;
    Renderer().m_onStopShow = [&] { ++stops; };
    Doc().m_bPreview = true;
    Show(Doc().GetLastEntry() - 1);
    EXPECT_EQ(stops, 1);
    EXPECT_FALSE(Doc().m_bPreview);
    EXPECT_TRUE(m_dc.Texts().empty());
}

TEST_F(ScreenTest, MenuEntryHandsTheCanvasToTheView) {
    Build({Item(1, "Last", "", "")});
    Renderer().m_onMenuEntry = [this](Canvas& dc) {
        // What the view's "Go Back" does.
        m_state.m_nNextEntry -= 2;
        Renderer().ShowScreen(dc, 0);
        ++m_state.m_nNextEntry;
    };
    Show(Doc().GetLastEntry());
    EXPECT_EQ(Texts(), "Last@180,140");
    EXPECT_EQ(m_state.m_nNextEntry, Doc().GetLastEntry() - 1);
    m_pRenderer->m_onMenuEntry = nullptr;
    Show(Doc().GetLastEntry());
    EXPECT_EQ(m_dc.Log(), "fill 0,0 400x300 #000000\npixel 0,0 #FF00FF\n");
}

TEST_F(ScreenTest, UnknownTypesSayWhatIsWrong) {
    Build({Item(42, "A", "", ""), Item(1, "A", "", "")});
    Show(0);
    const auto& message = Text("Error - Invalid screen type");
    EXPECT_EQ(message.x, 0);
    EXPECT_EQ(message.y, 0);
    EXPECT_TRUE(message.defaultFont);
    EXPECT_EQ(m_dc.Texts().size(), 1u);
}

TEST_F(ScreenTest, PicturesFillTheShowAreaInOneDirection) {
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) {
        wxInitAllImageHandlers();
    }
    const wxString dir = wxFileName::CreateTempFileName("pictures");
    wxRemoveFile(dir);
    wxFileName::Mkdir(dir);
    const wxString wide = dir + "/wide.png";
    const wxString tall = dir + "/tall.png";
    ASSERT_TRUE(wxImage(200, 100).SaveFile(wide, wxBITMAP_TYPE_PNG));
    ASSERT_TRUE(wxImage(50, 200).SaveFile(tall, wxBITMAP_TYPE_PNG));
    m_state.m_rcShow = wxRect(50, 20, 400, 400);
    const wxString missing = dir + "/missing.png";
    Build({Item(50, wide, "", ""), Item(50, tall, "", ""), Item(50, missing, "", "")});
    Show(0);
    // Twice as wide as high: the full width, half the height, top left;
    // handed over fitted already, so the canvas does not scale it again.
    EXPECT_EQ(m_dc.Calls("image").at(0).line, "image 50,20 400x200 of 400x200");
    Show(1);
    EXPECT_EQ(m_dc.Calls("image").at(0).line, "image 50,20 100x400 of 100x400");
    Show(2);
    EXPECT_TRUE(m_dc.Calls("image").empty());
    const auto& path = Text(missing);
    EXPECT_EQ(path.x, 50);
    EXPECT_EQ(path.y, 20);
    EXPECT_EQ(path.font, 100);
    EXPECT_EQ(path.colour, kBlack);
    EXPECT_TRUE(path.opaque);
    EXPECT_EQ(path.background, kWhite);
    wxFileName::Rmdir(dir, wxPATH_RMDIR_RECURSIVE);
}

TEST_F(ScreenTest, APictureIsDecodedOnceAndAgainWhenItsFileChanges) {
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) {
        wxInitAllImageHandlers();
    }
    const wxString dir = wxFileName::CreateTempFileName("pictures");
    wxRemoveFile(dir);
    wxFileName::Mkdir(dir);
    const wxString path = dir + "/p.png";
    ASSERT_TRUE(wxImage(200, 100).SaveFile(path, wxBITMAP_TYPE_PNG));
    Build({Item(50, path, "", ""), Item(1, "Between", "", ""), Item(50, path, "", "")});
    for (int entry : {0, 1, 2, 0}) {
        Show(entry);
    }
    EXPECT_EQ(Doc().m_pictures.DecodeCount(), 1);
    EXPECT_EQ(m_dc.Calls("image").at(0).line, "image 0,0 400x200 of 400x200");
    // The operator replaced the picture during the show.
    ASSERT_TRUE(wxImage(100, 300).SaveFile(path, wxBITMAP_TYPE_PNG));
    Show(2);
    EXPECT_EQ(Doc().m_pictures.DecodeCount(), 2);
    EXPECT_EQ(m_dc.Calls("image").at(0).line, "image 0,0 100x300 of 100x300");
    // Another show area is fitted anew.
    m_state.m_rcShow = wxRect(0, 0, 50, 50);
    Show(2);
    EXPECT_EQ(m_dc.Calls("image").at(0).line, "image 0,0 16x50 of 16x50");
    wxFileName::Rmdir(dir, wxPATH_RMDIR_RECURSIVE);
}

TEST_F(ScreenTest, TextsThatCannotFitAndBadSizesStillDraw) {
    m_lib.Exec("UPDATE config SET [Max Font]=0, [Normal Font]=-100");
    wxString huge;
    while (huge.length() < 32000) {
        huge += "{C}a|{G}b [2]x\r\n";
    }
    Build({Item(1, "Heading", "", ""), Item(7, "", "", huge), Item(4, "T", "", "ab\r\ncd")});
    Show(0);
    // No font is made: the heading is drawn in the default font.
    EXPECT_TRUE(Text("Heading").defaultFont);
    Show(1);
    EXPECT_FALSE(m_dc.Texts().empty());
    Show(2);
    EXPECT_TRUE(Text("cd").defaultFont);
}

}  // namespace
