// The main window's listings on a canvas with fixed metrics: every character
// is 10 pixels wide and every line 20 pixels high.
#include <gtest/gtest.h>

#include <vector>

#include "doc/VersiluxDoc.h"
#include "support/SmallLibrary.h"
#include "view/Canvas.h"
#include "view/MainListing.h"

namespace {

struct DrawnText {
    wxString text;
    int x;
    int y;
    COLORREF colour;
    int font;  // tenths of a point, 0 for the default font
};

class RecordingCanvas : public Canvas {
  public:
    void SetFont(int nSize) override { m_nFont = nSize; }
    void SetDefaultFont() override { m_nFont = 0; }
    int GetLineHeight() override { return 20; }
    void DrawText(const wxString& str, int x, int y) override {
        texts.push_back({str, x, y, m_crText, m_nFont});
    }
    void SetTextColour(COLORREF cr) override { m_crText = cr; }
    COLORREF GetTextColour() const override { return m_crText; }
    void SetBackgroundOpaque(bool) override {}
    void SetBackgroundColour(COLORREF) override {}
    void SetPen(PenStyle, int, COLORREF) override {}
    void DrawLine(int, int, int, int) override {}
    void FillRect(const wxRect&, COLORREF) override {}
    void SetPixel(int, int, COLORREF) override {}
    void DrawImage(const wxImage&, const wxRect&) override {}
    wxSize GetDPI() const override { return wxSize(96, 96); }

    std::vector<DrawnText> texts;

  protected:
    wxSize DoGetTextExtent(const wxString& str) override {
        return wxSize(static_cast<int>(str.length()) * 10, 20);
    }

  private:
    COLORREF m_crText = 0;
    int m_nFont = 0;
};

constexpr COLORREF kBlue = MakeColourValue(0, 0, 255);
constexpr COLORREF kRed = MakeColourValue(255, 0, 0);

class MainListingTest : public testing::Test {
  protected:
    CVersiluxDoc& Doc() {
        if (!m_pDoc) {
            m_pDoc = std::make_unique<CVersiluxDoc>();
        }
        return *m_pDoc;
    }
    // Lists the items whose Field1 holds the phrase, as the search leaves them.
    void SearchFor(const wxString& phrase) {
        Doc().m_strSearchPhrase = phrase;
        Doc().m_bShowSearch = true;
        Doc().m_bSearchThisVPD = true;
        Doc().m_pItemsSet->m_strFilter =
            ContainsPhraseCondition("Field1", phrase, Doc().m_database.GetDBMSName());
        Doc().m_pItemsSet->m_strSort = "ID";
        Doc().m_pItemsSet->Open();
    }
    void Draw() {
        canvas.texts.clear();
        DrawMainListing(Doc(), canvas, record, [this] { ++m_nNotRecorded; });
    }
    std::vector<DrawnText> InColour(COLORREF cr) const {
        std::vector<DrawnText> out;
        for (const DrawnText& t : canvas.texts) {
            if (t.colour == cr) {
                out.push_back(t);
            }
        }
        return out;
    }

    SmallLibrary library;
    RecordingCanvas canvas;
    CListingRecord record;
    int m_nNotRecorded = 0;
    std::unique_ptr<CVersiluxDoc> m_pDoc;
};

TEST_F(MainListingTest, APhraseNearTheStartShowsAllTextBeforeItInBlue) {
    library.AddItem("Hymn  ", 5, "0123456789grace and more");
    SearchFor("GRACE");
    Draw();
    ASSERT_EQ(canvas.texts.size(), 4u);
    EXPECT_EQ(canvas.texts[0].text, "Hymn");  // trailing blanks go
    EXPECT_EQ(canvas.texts[0].x, 5);
    const auto blue = InColour(kBlue);
    ASSERT_EQ(blue.size(), 2u);
    EXPECT_EQ(blue[0].text, "0123456789");
    EXPECT_EQ(blue[0].x, 40 + 10);
    const auto red = InColour(kRed);
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(red[0].text, "grace");  // the phrase as typed, lower-cased
    EXPECT_EQ(red[0].x, 50 + 100);
    EXPECT_EQ(blue[1].text, " and more");
    EXPECT_EQ(record.m_nSearchItemCount, 1);
    EXPECT_EQ(record.m_searchItemBottoms[0], 20);
    EXPECT_EQ(record.m_nSearchLineHeight, 20);
    EXPECT_FALSE(record.m_bSearchMore);
}

TEST_F(MainListingTest, APhraseFarInShowsExactlyFiftyCharactersBeforeIt) {
    const wxString text = wxString('a', 80) + "needle" + wxString('b', 200);
    library.AddItem("Long", 5, text);
    SearchFor("needle");
    Doc().m_bSearchThisVPD = false;  // the VPD's name is shown too
    Draw();
    ASSERT_GE(canvas.texts.size(), 5u);
    EXPECT_EQ(canvas.texts[1].text, "[Main]");
    EXPECT_EQ(canvas.texts[1].x, 40 + 10);
    const auto blue = InColour(kBlue);
    ASSERT_EQ(blue.size(), 2u);
    EXPECT_EQ(blue[0].text, wxString('a', 50));
    // The context is the phrase and 100 characters more: 50 after it.
    EXPECT_EQ(blue[1].text, wxString('b', 50));
}

TEST_F(MainListingTest, NoResultsNamesThePhrase) {
    library.AddItem("Hymn", 5, "words");
    SearchFor("absent");
    Draw();
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].text, "No results: absent");
    EXPECT_EQ(Doc().m_nSearchLine, 0);
}

TEST_F(MainListingTest, AFullPageStopsAtTheBottomAndNamesTheNextRow) {
    library.Exec(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 500) "
        "INSERT INTO items (Title, Field1, Type, VPD) SELECT 'T' || i, 'x hit', 5, 1 FROM n");
    SearchFor("hit");
    Draw();
    // Rows of 20: the row whose bottom plus one row would pass 1500 is the last.
    EXPECT_TRUE(record.m_bSearchMore);
    EXPECT_EQ(record.m_nSearchItemCount, 75);
    EXPECT_EQ(record.m_searchItemBottoms[74], 1500);
    EXPECT_EQ(Doc().m_nSearchLine, 75);

    // The next page starts where this one stopped.
    Doc().m_nSearchFirst = Doc().m_nSearchLine;
    Draw();
    EXPECT_EQ(canvas.texts[0].text, "T76");
    EXPECT_EQ(canvas.texts[0].y, 0);
    EXPECT_EQ(Doc().m_nSearchLine, 150);
}

TEST_F(MainListingTest, ALastRowAtTheLimitStillOffersMore) {
    library.Exec(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 75) "
        "INSERT INTO items (Title, Field1, Type, VPD) SELECT 'T' || i, 'x hit', 5, 1 FROM n");
    SearchFor("hit");
    Draw();
    EXPECT_TRUE(record.m_bSearchMore);
    EXPECT_EQ(Doc().m_nSearchLine, 75);
    Doc().m_nSearchFirst = 75;
    Draw();
    EXPECT_TRUE(canvas.texts.empty());
    EXPECT_FALSE(record.m_bSearchMore);
}

TEST_F(MainListingTest, NoScheduleAndNoListingDrawsNothing) {
    Draw();
    EXPECT_TRUE(canvas.texts.empty());
    EXPECT_EQ(record.m_nSearchLineHeight, 0);
}

TEST_F(MainListingTest, OverviewWithoutSecondHeadingsIsOneColumnAtTheMargin) {
    const long a = library.AddItem("Alpha", 5);
    const long b = library.AddItem("Beta", 5);
    library.Exec("UPDATE items SET Heading2 = ''");
    library.Exec("UPDATE config SET Margin = 30, [Print Font] = 120");
    Doc().m_nScheduleID = static_cast<int>(library.AddSchedule("S", {b, a}));
    Draw();
    ASSERT_EQ(canvas.texts.size(), 2u);
    EXPECT_EQ(canvas.texts[0].text, "Beta");
    EXPECT_EQ(canvas.texts[0].x, 30);
    EXPECT_EQ(canvas.texts[0].font, 120);
    EXPECT_EQ(canvas.texts[1].text, "Alpha");
    EXPECT_EQ(canvas.texts[1].y, 20);
}

TEST_F(MainListingTest, OverviewWithSecondHeadingsOrFileNamesHasTwoColumns) {
    const long a = library.AddItem("Alpha", 5);
    const long b = library.AddItem("Be", 5);
    library.Exec("UPDATE config SET Margin = 0");
    Doc().m_nScheduleID = static_cast<int>(library.AddSchedule("S", {a, b, 9999}));
    Draw();
    ASSERT_EQ(canvas.texts.size(), 6u);
    // The widest first column, "**unknown**" of the missing item, plus 20.
    EXPECT_EQ(canvas.texts[0].text, "H2 Alpha");
    EXPECT_EQ(canvas.texts[1].text, "Alpha");
    EXPECT_EQ(canvas.texts[1].x, 110 + 20);
    EXPECT_EQ(canvas.texts[5].text, "**unknown**");

    // A preview show keeps the overview off.
    Doc().m_bPreview = true;
    Draw();
    EXPECT_TRUE(canvas.texts.empty());
    Doc().m_bPreview = false;

    Doc().m_bDisplayFile = true;
    Draw();
    EXPECT_EQ(canvas.texts[0].text, "Alpha.txt");
    EXPECT_EQ(canvas.texts[1].x, 110 + 20);
}

TEST_F(MainListingTest, StatisticsLineUpTheirThreeColumns) {
    const long a = library.AddItem("Alpha", 5);
    library.Exec("UPDATE config SET Margin = 7");
    Doc().m_bShowStats = true;
    Doc().m_nStatCount = 2;
    Doc().m_statIDs[0] = static_cast<int>(a);
    Doc().m_statCounts[0] = 12;
    Doc().m_statTitles[0] = "Sunday";
    Doc().m_statIDs[1] = 9999;
    Doc().m_statCounts[1] = 3;
    Doc().m_statTitles[1] = "Evening";
    Draw();
    ASSERT_EQ(canvas.texts.size(), 9u);
    const int w = 110 + 20;  // "**unknown**" is the widest title
    EXPECT_EQ(canvas.texts[0].text, "Item");
    EXPECT_EQ(canvas.texts[1].x, 7 + w);
    EXPECT_EQ(canvas.texts[2].x, 7 + w + 40);
    EXPECT_EQ(canvas.texts[3].text, "Alpha");
    EXPECT_EQ(canvas.texts[3].y, 20);
    EXPECT_EQ(canvas.texts[4].text, "12");
    EXPECT_EQ(canvas.texts[6].text, "**unknown**");
    EXPECT_EQ(canvas.texts[8].text, "Evening");
    EXPECT_EQ(canvas.texts[8].y, 40);
}

TEST_F(MainListingTest, SearchResultsWinOverStatisticsAndTheSchedule) {
    library.AddItem("Hymn", 5, "grace");
    Doc().m_bShowStats = true;
    Doc().m_nScheduleID = 1;
    SearchFor("grace");
    Draw();
    EXPECT_EQ(canvas.texts[0].text, "Hymn");
}

}  // namespace
