// One marked line on the recording canvas: at size 150 a line is 20 pixels
// high and every character 10 wide.
#include "view/MarkedLine.h"

#include <gtest/gtest.h>

#include "support/RecordingCanvas.h"

namespace {

constexpr COLORREF kFg = MakeColourValue(255, 255, 255);
constexpr COLORREF kFg2 = MakeColourValue(255, 255, 0);
constexpr COLORREF kFg3 = MakeColourValue(0, 0, 255);
constexpr COLORREF kFg4 = MakeColourValue(0, 255, 0);
constexpr COLORREF kChord = MakeColourValue(255, 128, 0);
constexpr COLORREF kBar = MakeColourValue(128, 128, 128);

class MarkedLineTest : public testing::Test {
  protected:
    MarkedLineTest() {
        m_colours = {kFg, kFg2, kFg3, kFg4, kChord, kBar};
        m_dc.SetFont(150);
        m_dc.SetTextColour(kFg);
        m_dc.Clear();
    }
    void Draw(const wxString& line, int offset = 20, int transpose = 0, bool flats = false) {
        DrawMarkedLine(m_dc, 100, 50, offset, line, transpose, flats, m_colours);
    }
    wxSize Measure(const wxString& line, int offset = 20, int transpose = 0) {
        wxSize extent;
        DrawMarkedLine(m_dc, 0, 0, offset, line, transpose, false, m_colours, &extent);
        return extent;
    }
    std::string Texts() const { return m_dc.TextSummary(); }
    const RecordingCanvas::Call& Text(const wxString& s) const {
        const RecordingCanvas::Call* call = m_dc.FindText(s);
        EXPECT_NE(call, nullptr) << s;
        static const RecordingCanvas::Call none;
        return call ? *call : none;
    }

    RecordingCanvas m_dc;
    CLineColours m_colours;
};

TEST_F(MarkedLineTest, ChordInsideAWordPushesTheRestAndJoinsItWithADottedLine) {
    Draw("A{Gmaj7}ma{C}zing");
    EXPECT_EQ(Texts(), "A@100,70 Gmaj7@110,50 ma@110,70 C@165,50 zing@165,70");
    EXPECT_EQ(Text("Gmaj7").colour, kChord);
    EXPECT_EQ(Text("zing").colour, kFg);
    const auto lines = m_dc.Calls("line");
    ASSERT_EQ(lines.size(), 1u);
    // From the end of "ma" to 5 past the chord before, at mid-height of the lyric.
    EXPECT_EQ(lines[0].line, "line 130,80 165,80 dotted 1 #FFFFFF");
    EXPECT_EQ(Measure("A{Gmaj7}ma{C}zing"), wxSize(120, 40));
}

TEST_F(MarkedLineTest, ChordBetweenWordsPushesWithoutALine) {
    Draw("{Gmaj7}in {C}the");
    EXPECT_EQ(Texts(), "Gmaj7@100,50 in @100,70 C@155,50 the@155,70");
    EXPECT_TRUE(m_dc.Calls("line").empty());
}

TEST_F(MarkedLineTest, ABarBesideTheChordStillCountsTheLettersAroundIt) {
    // The sides of a chord mark are read past a bar mark next to it.
    Draw("{Gmaj7}wo|{C}rd");
    const auto lines = m_dc.Calls("line");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].line, "line 120,50 120,90 solid 2 #808080");
    EXPECT_EQ(lines[1].line, "line 120,80 155,80 dotted 1 #FFFFFF");
}

TEST_F(MarkedLineTest, ChordsInARowStandFivePixelsApart) {
    Draw("{G}{D}x");
    const auto& g = Text("G");
    const auto& d = Text("D");
    EXPECT_EQ(d.x - (g.x + 10), 5);
    EXPECT_EQ(d.y, 50);
    EXPECT_TRUE(m_dc.Calls("line").empty());
}

TEST_F(MarkedLineTest, WithoutABraceOrChordOffsetBarsAndBracesAreText) {
    Draw("a|b");
    EXPECT_EQ(Texts(), "a|b@100,50");
    EXPECT_TRUE(m_dc.Calls("line").empty());
    m_dc.Clear();
    Draw("{C}a|b", 0);
    EXPECT_EQ(Texts(), "{C}a|b@100,50");
    EXPECT_EQ(Measure("a|b"), wxSize(30, 20));
}

TEST_F(MarkedLineTest, BarLinesSpanChordAndLyricLines) {
    Draw("sound|{G}x");
    auto lines = m_dc.Calls("line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].line, "line 150,50 150,90 solid 2 #808080");

    // The very last character left: one space to the right of the cursor.
    m_dc.Clear();
    Draw("{G}|");
    lines = m_dc.Calls("line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x, 110);
    EXPECT_EQ(Measure("{G}|"), wxSize(15, 40));
}

TEST_F(MarkedLineTest, ColourMarksSwitchAndRestore) {
    Draw("[3]ab[0]cd");
    EXPECT_EQ(Text("ab").colour, kFg3);
    EXPECT_EQ(Text("cd").colour, kFg);

    m_dc.Clear();
    Draw("[2]a[4]b[0]c[5]d[1]e");
    EXPECT_EQ(Text("a").colour, kFg2);
    EXPECT_EQ(Text("b").colour, kFg4);
    EXPECT_EQ(Text("c").colour, kFg2);  // 0 goes back to the colour before the last switch
    EXPECT_EQ(Text("d").colour, kChord);
    EXPECT_EQ(Text("e").colour, kFg);
    // The colour in effect at the end stays for what is drawn next.
    EXPECT_EQ(m_dc.GetTextColour(), kFg);

    m_dc.Clear();
    Draw("[7]x[]y[99999999999]z");
    EXPECT_EQ(Text("x").colour, kFg);
    EXPECT_EQ(Text("y").colour, kFg);
    EXPECT_EQ(Text("z").colour, kFg);
    EXPECT_EQ(Measure("[2]ab[0]"), wxSize(20, 20));
}

TEST_F(MarkedLineTest, ChordsAreTransposedAndTheirColourRestored) {
    m_dc.SetTextColour(kFg2);
    Draw("{G/B}la", 20, 1, true);
    EXPECT_EQ(Text("Ab/C").colour, kChord);
    EXPECT_EQ(Text("la").colour, kFg2);
}

TEST_F(MarkedLineTest, InlineChordsAreDrawnTransposedInTheLyricLine) {
    Draw(wxString::FromUTF8("Intro: \xC2\xAC"
                            "C G\xC2\xAC end"),
         0, 2);
    EXPECT_EQ(Texts(), "Intro: @100,50 D A@170,50  end@200,50");
    EXPECT_EQ(Text("D A").colour, kChord);
    EXPECT_EQ(Text(" end").colour, kFg);
    EXPECT_EQ(ExpandInlineChords(wxString::FromUTF8("\xC2\xAC"
                                                    "Am\xC2\xAC"),
                                 0, false),
              "[5]Am[0]");
}

TEST_F(MarkedLineTest, MalformedMarkupNeverStopsTheLine) {
    const wxString sign = wxString::FromUTF8("\xC2\xAC");
    Draw("a" + sign + "b");
    EXPECT_EQ(Texts(), ("a" + sign + "b@100,50").utf8_string());

    m_dc.Clear();
    Draw("ab{Cx");  // the '{' goes with the character after it
    EXPECT_EQ(Texts(), "ab@100,70 x@120,70");

    m_dc.Clear();
    Draw("a[2b");  // only the '[' goes
    EXPECT_EQ(Texts(), "a@100,50 2b@110,50");

    for (const wxString& line :
         {wxString("{"), wxString("["), wxString("|"), wxString("{|"), wxString("}{"), sign,
          sign + sign, wxString("[{]|}"), wxString("{}"), wxString()}) {
        const wxSize extent = Measure(line);
        EXPECT_GE(extent.x, 0) << line;
        EXPECT_GE(extent.y, 20) << line;
        Draw(line);
    }
}

TEST_F(MarkedLineTest, LongLinesFinish) {
    for (const wxString& unit : {wxString("["), wxString("{"), wxString("{C}a|"), wxString("[2]"),
                                 wxString(wxUniChar(0xAC)), wxString("{[")}) {
        wxString line;
        while (line.length() < 32000) {
            line += unit;
        }
        const wxSize extent = Measure(line);
        EXPECT_GE(extent.x, 0);
        Draw(line);
    }
}

}  // namespace
