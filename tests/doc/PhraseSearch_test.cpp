// The phrase search on a real data source: which items each kind of search
// finds, phrases that are not plain words, the scratch table's rebuild, and
// the results as Copy and Save give them.
#include <gtest/gtest.h>
#include <wx/ffile.h>
#include <wx/filename.h>

#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"
#include "support/SmallLibrary.h"

namespace {

const wxString kChart = "{C}Amazing {G}grace |how sweet the  {D}sound";

class PhraseSearchTest : public testing::Test {
  protected:
    void SetUp() override {
        m_nSong = m_library.AddItemIn(1, 1, "Song One", "Amazing grace how sweet the sound");
        m_nChart = m_library.AddItemIn(1, 3, "Chart One", kChart);
        m_nYouthChart = m_library.AddItemIn(2, 3, "Youth Chart", "{E}Amazing {A}grace again");
        m_nYouthSong = m_library.AddItemIn(2, 1, "Youth Song", "amazing GRACE in youth");
        m_pDoc = std::make_unique<CVersiluxDoc>();
    }
    std::vector<int> Found() {
        std::vector<int> ids;
        for (const CSearchResult& r : m_pDoc->GetSearchResults()) {
            ids.push_back(r.nID);
        }
        return ids;
    }
    SmallLibrary m_library;
    long m_nSong = 0, m_nChart = 0, m_nYouthChart = 0, m_nYouthSong = 0;
    std::unique_ptr<CVersiluxDoc> m_pDoc;
};

TEST_F(PhraseSearchTest, ChordChartsAreFoundAcrossTheirMarksOnlyAfterARebuild) {
    // Before any rebuild the scratch table is empty.
    m_pDoc->RunPhraseSearch("Amazing grace how", false, true);
    EXPECT_TRUE(Found().empty());
    EXPECT_EQ(m_pDoc->FormatSearchResultsForFile(), "No results");

    ASSERT_TRUE(m_pDoc->RebuildTempSearch());
    EXPECT_EQ(m_library.Source().QueryText(
                  wxString::Format("SELECT Field1 FROM tempsearch WHERE ID=%ld", m_nChart)),
              "Amazing grace how sweet the sound");
    EXPECT_EQ(m_library.Source().QueryNumber(
                  wxString::Format("SELECT VPD FROM tempsearch WHERE ID=%ld", m_nYouthChart)),
              2);
    m_pDoc->RunPhraseSearch("Amazing grace how", false, true);
    EXPECT_EQ(Found(), std::vector<int>{static_cast<int>(m_nChart)});
    EXPECT_TRUE(m_pDoc->m_bShowSearch);
    EXPECT_TRUE(m_pDoc->m_bSearchTemp);

    // The chart's own text is not searched, and songs never come from the copy.
    m_pDoc->RunPhraseSearch("Amazing grace how", false, false);
    EXPECT_EQ(Found(), std::vector<int>{static_cast<int>(m_nSong)});

    // A chart added after the rebuild is found only after the next one.
    const long nLater = m_library.AddItemIn(1, 3, "Chart Two", "Amazing {F}grace how");
    m_pDoc->RunPhraseSearch("Amazing grace how", false, true);
    EXPECT_EQ(Found().size(), 1u);
    ASSERT_TRUE(m_pDoc->RebuildTempSearch());
    m_pDoc->RunPhraseSearch("Amazing grace how", false, true);
    EXPECT_EQ(Found(), (std::vector<int>{static_cast<int>(m_nChart), static_cast<int>(nLater)}));
}

TEST_F(PhraseSearchTest, TheFirstOptionLimitsEitherSearchToTheCurrentVPDAndCaseIsIgnored) {
    ASSERT_TRUE(m_pDoc->RebuildTempSearch());
    m_pDoc->RunPhraseSearch("AMAZING grace", false, true);
    EXPECT_EQ(Found(), (std::vector<int>{static_cast<int>(m_nChart),
                                         static_cast<int>(m_nYouthChart)}));  // by title
    m_pDoc->RunPhraseSearch("amazing grace", true, true);
    EXPECT_EQ(Found(), std::vector<int>{static_cast<int>(m_nChart)});
    m_pDoc->RunPhraseSearch("amazing grace", false, false);
    EXPECT_EQ(Found(),
              (std::vector<int>{static_cast<int>(m_nSong), static_cast<int>(m_nYouthSong)}));
    m_pDoc->RunPhraseSearch("amazing grace", true, false);
    EXPECT_EQ(Found(), std::vector<int>{static_cast<int>(m_nSong)});
    EXPECT_TRUE(m_pDoc->m_bSearchThisVPD);
}

TEST_F(PhraseSearchTest, PhrasesWithQuotesWildcardsAndBracketsMatchWhatTheySay) {
    const long nPercent = m_library.AddItemIn(1, 1, "Percent", "give 100% to him");
    const long nUnderscore = m_library.AddItemIn(1, 1, "Underscore", "a_b and [x] it's \"so\"");
    m_library.AddItemIn(1, 1, "Decoy", "give 1000 to him; aXb and x] its so");
    auto search = [this](const wxString& phrase) {
        m_pDoc->RunPhraseSearch(phrase, false, false);
        return Found();
    };
    EXPECT_EQ(search("100%"), std::vector<int>{static_cast<int>(nPercent)});
    EXPECT_EQ(search("a_b"), std::vector<int>{static_cast<int>(nUnderscore)});
    EXPECT_EQ(search("[x]"), std::vector<int>{static_cast<int>(nUnderscore)});
    EXPECT_EQ(search("it's"), std::vector<int>{static_cast<int>(nUnderscore)});
    EXPECT_EQ(search("\"so\""), std::vector<int>{static_cast<int>(nUnderscore)});
    EXPECT_TRUE(search("%%").empty());
    EXPECT_TRUE(search("!").empty());
    EXPECT_TRUE(search("'; DROP TABLE items; --").empty());
    EXPECT_EQ(m_library.Source().QueryNumber("SELECT count(*) FROM items"), 7);
    EXPECT_TRUE(search(wxString('%', 10000)).empty());

    // A phrase of 10,000 characters that is there is found.
    const wxString longText = wxString('x', 10000) + "'%_[";
    const long nLong = m_library.AddItemIn(1, 1, "Long", "before " + longText + " after");
    EXPECT_EQ(search(longText), std::vector<int>{static_cast<int>(nLong)});
}

TEST_F(PhraseSearchTest, AFailedRebuildLeavesTheOldCopyWhole) {
    ASSERT_TRUE(m_pDoc->RebuildTempSearch());
    const long nBefore = m_library.Source().QueryNumber("SELECT count(*) FROM tempsearch");
    ASSERT_EQ(nBefore, 2);
    // The store refuses the second row of the next rebuild.
    const long nNew = m_library.AddItemIn(1, 3, "Chart Three", "new words");
    m_library.Refuse("INSERT", "tempsearch", wxString::Format("NEW.ID = %ld", nNew));
    EXPECT_THROW(m_pDoc->RebuildTempSearch(), CDBException);
    EXPECT_EQ(m_library.Source().QueryNumber("SELECT count(*) FROM tempsearch"), nBefore);

    // A cancelled rebuild keeps the old copy too.
    m_library.StopRefusing("tempsearch");
    m_library.Exec(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200) "
        "INSERT INTO items (Title, Field1, Subtype, VPD) SELECT 'Filler ' || i, 'filler', 3, 1 "
        "FROM n");
    int nCalls = 0;
    EXPECT_FALSE(m_pDoc->RebuildTempSearch([&nCalls](int nDone, int nTotal) {
        EXPECT_EQ(nTotal, 203);
        EXPECT_LE(nDone, nTotal);
        return ++nCalls < 2;
    }));
    EXPECT_EQ(m_library.Source().QueryNumber("SELECT count(*) FROM tempsearch"), nBefore);
    // And a whole one replaces it, reporting its end.
    int nLastDone = 0;
    EXPECT_TRUE(m_pDoc->RebuildTempSearch([&nLastDone](int nDone, int) {
        nLastDone = nDone;
        return true;
    }));
    EXPECT_EQ(nLastDone, 203);
    EXPECT_EQ(m_library.Source().QueryNumber("SELECT count(*) FROM tempsearch"), 203);
}

TEST_F(PhraseSearchTest, CopyAndSaveTakeEveryResultWithItsContext) {
    const wxString before = wxString('a', 60) + "\r\n";
    const long nFar = m_library.AddItemIn(2, 1, "Far", before + "the phrase" + wxString('z', 120));
    m_pDoc->RunPhraseSearch("THE PHRASE", false, false);
    ASSERT_EQ(Found(), std::vector<int>{static_cast<int>(nFar)});
    // 50 characters before the match, at most phrase + 100 from there.
    const wxString context = wxString('a', 48) + "\r\nthe phrase" + wxString('z', 50);
    EXPECT_EQ(m_pDoc->FormatSearchResultsForCopy(), "Far[Youth]\n\r" + context + "\n\r\n\r");
    wxString line = context;
    line.Replace("\r", " ");
    line.Replace("\n", " ");
    EXPECT_EQ(m_pDoc->FormatSearchResultsForFile(), "Far\t" + line + "\r\n");

    m_pDoc->RunPhraseSearch("grace", true, false);
    EXPECT_EQ(m_pDoc->FormatSearchResultsForCopy(),
              "Song One\n\rAmazing grace how sweet the sound\n\r\n\r");
    m_pDoc->RunPhraseSearch("nowhere at all", true, false);
    EXPECT_EQ(m_pDoc->FormatSearchResultsForCopy(), "No results");
}

TEST_F(PhraseSearchTest, SavingToAPlaceThatCannotBeWrittenSaysWhy) {
    m_pDoc->RunPhraseSearch("grace", false, false);
    wxString error;
    const wxString dir = m_library.Source().Dir();
    EXPECT_FALSE(m_pDoc->WriteSearchResults(dir + "/no/such/folder/search.txt", error));
    EXPECT_TRUE(error.Contains("no/such/folder/search.txt")) << error;
    EXPECT_TRUE(error.Contains("No such file")) << error;
    // A folder standing where the file should go.
    ASSERT_TRUE(wxFileName::Mkdir(dir + "/search.txt"));
    EXPECT_FALSE(m_pDoc->WriteSearchResults(dir + "/search.txt", error));
    EXPECT_TRUE(error.Contains("directory")) << error;

    ASSERT_TRUE(m_pDoc->WriteSearchResults(dir + "/results.txt", error)) << error;
    wxFFile file(dir + "/results.txt", "rb");
    wxString text;
    ASSERT_TRUE(file.ReadAll(&text, wxConvISO8859_1));
    EXPECT_TRUE(text.StartsWith("Song One\tAmazing grace")) << text;
    EXPECT_TRUE(text.EndsWith("in youth\r\n")) << text;
}

}  // namespace
