// The commands on the main window's listings, sent through the menu as the
// operator sends them: Copy, Save, Search More, the Stats menu and the
// usage report of a right click.
#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/ffile.h>
#include <wx/filename.h>

#include "doc/CommandIds.h"
#include "doc/ExchangeText.h"
#include "doc/VersiluxDoc.h"
#include "support/DialogExpectations.h"
#include "support/ShellFixture.h"
#include "support/WaitFor.h"
#include "view/VersiluxView.h"
#include "view/ViewCanvas.h"

namespace {

class ListingCommandsTest : public testing::Test {
  protected:
    void SetUp() override {
        m_strOldDir = wxGetCwd();
        wxSetWorkingDirectory(shell.Source().Dir());
    }
    void TearDown() override { wxSetWorkingDirectory(m_strOldDir); }
    void Repaint() {
        shell.Doc().RefreshViews();
        shell.View().GetCanvas()->Update();
        ProcessPending();
    }
    wxString Clipboard() {
        wxTextDataObject data;
        wxClipboardLocker locker;
        EXPECT_TRUE(wxTheClipboard->GetData(data));
        return data.GetText();
    }
    void RightClickAt(int y) {
        wxMouseEvent click(wxEVT_RIGHT_DOWN);
        click.SetPosition(wxPoint(20, y));
        CViewCanvas& canvas = *shell.View().GetCanvas();
        click.SetEventObject(&canvas);
        canvas.ProcessWindowEvent(click);
    }

    ShellFixture shell;
    wxString m_strOldDir;
};

TEST_F(ListingCommandsTest, StatsFromTheMenuAreListedAndCopiedWithTheirSeparators) {
    EXPECT_FALSE(shell.IsEnabled(wxID_COPY));
    shell.Command(ID_STATS_MOST_USED);
    EXPECT_TRUE(shell.Doc().m_bShowStats);
    ASSERT_GT(shell.Doc().m_nStatCount, 0);
    EXPECT_TRUE(shell.IsEnabled(wxID_COPY));
    EXPECT_FALSE(shell.IsEnabled(wxID_SAVE));  // only search results are saved
    shell.Command(wxID_COPY);
    const wxString copied = Clipboard();
    EXPECT_EQ(copied, shell.Doc().FormatStatisticsForCopy());
    const wxString first = shell.Doc().GetItemTitle(shell.Doc().m_statIDs[0]) +
                           wxString::Format(" : %d : \n\r\n\r", shell.Doc().m_statCounts[0]);
    EXPECT_TRUE(copied.StartsWith(first)) << copied;
}

TEST_F(ListingCommandsTest, SaveWritesEveryResultAndSaysSoOrSaysWhyNot) {
    shell.Doc().RunPhraseSearch("grace", false, false);
    Repaint();
    ASSERT_TRUE(shell.IsEnabled(wxID_SAVE));
    wxString message;
    wxTEST_DIALOG(shell.Command(wxID_SAVE), ExpectMessageBox(&message).Describe("saved"));
    EXPECT_EQ(message, "search.txt created");
    wxFFile file("search.txt", "rb");
    std::string bytes;
    ASSERT_TRUE(file.IsOpened());
    bytes.resize(static_cast<size_t>(file.Length()));
    file.Read(bytes.data(), bytes.size());
    file.Close();
    EXPECT_EQ(bytes, EncodeExchangeText(shell.Doc().FormatSearchResultsForFile()));
    EXPECT_NE(bytes.find("Amazing Grace\t"), std::string::npos);

    // A folder in the file's place: the message says it failed, where and why.
    ASSERT_TRUE(wxRemoveFile("search.txt"));
    ASSERT_TRUE(wxFileName::Mkdir("search.txt"));
    wxTEST_DIALOG(shell.Command(wxID_SAVE), ExpectMessageBox(&message).Describe("not saved"));
    EXPECT_TRUE(message.StartsWith("search.txt could not be written")) << message;
    EXPECT_TRUE(message.Contains(shell.Source().Dir())) << message;
    EXPECT_TRUE(message.Contains("directory")) << message;

    // The search that finds nothing copies and saves "No results".
    wxRmdir("search.txt");
    shell.Doc().RunPhraseSearch("no such words anywhere", false, true);
    shell.Command(wxID_COPY);
    EXPECT_EQ(Clipboard(), "No results");
    wxTEST_DIALOG(shell.Command(wxID_SAVE), wxExpectModal<wxMessageDialog>(wxID_OK));
    wxFFile empty("search.txt", "rb");
    wxString text;
    ASSERT_TRUE(empty.ReadAll(&text));
    EXPECT_EQ(text, "No results");
}

TEST_F(ListingCommandsTest, SearchMoreListsFromTheFirstRowThePageDidNotReach) {
    shell.Source().Exec(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
        "INSERT INTO items (Title, Field1, Subtype, VPD) SELECT printf('Row %03d', i), 'a hit', "
        "1, 1 FROM n");
    shell.Doc().RunPhraseSearch("a hit", true, false);
    Repaint();
    const CListingRecord& record = shell.View().GetListingRecord();
    ASSERT_TRUE(record.m_bSearchMore);
    ASSERT_TRUE(shell.IsEnabled(ID_TOOLS_SEARCH_MORE));
    const int nShown = record.m_nSearchItemCount;
    ASSERT_GT(nShown, 0);
    shell.Command(ID_TOOLS_SEARCH_MORE);
    Repaint();
    EXPECT_EQ(shell.Doc().m_nSearchFirst, nShown);
    EXPECT_EQ(shell.Doc().GetItemTitle(record.m_searchItemIDs[0]),
              wxString::Format("Row %03d", nShown + 1));
    EXPECT_EQ(shell.View().GetCanvas()->GetScrollTopPixels(), 0);
    // Paging on to the last page, which ends above the bottom: no more.
    while (shell.IsEnabled(ID_TOOLS_SEARCH_MORE)) {
        shell.Command(ID_TOOLS_SEARCH_MORE);
        Repaint();
    }
    EXPECT_EQ(shell.Doc().GetItemTitle(
                  record.m_searchItemIDs[static_cast<size_t>(record.m_nSearchItemCount - 1)]),
              "Row 300");
}

TEST_F(ListingCommandsTest, ARightClickOnAResultReportsThatItemsUsage) {
    shell.Source().Exec(
        "INSERT INTO items (Title, Field1, Subtype, VPD) VALUES ('Zeta One', 'a marker', 1, 1), "
        "('Zeta Two', 'a marker', 1, 1), ('Zeta Three', 'a marker', 1, 1)");
    shell.Doc().RunPhraseSearch("marker", true, false);
    Repaint();
    const CListingRecord& record = shell.View().GetListingRecord();
    ASSERT_EQ(record.m_nSearchItemCount, 3);
    // Ordered by title: the third row is "Zeta Two".
    const int y = record.m_searchItemBottoms[1] + 2;
    wxString message;
    wxTEST_DIALOG(RightClickAt(y), ExpectMessageBox(&message).Describe("usage of the third row"));
    EXPECT_TRUE(message.StartsWith("Zeta Two last 5 uses in:")) << message;
    EXPECT_TRUE(message.Contains("\n\nTotal usage:\n")) << message;
    message.clear();
    wxTEST_DIALOG(RightClickAt(record.m_searchItemBottoms[2] + 5),
                  ExpectMessageBox(&message).Optional());
    EXPECT_TRUE(message.empty()) << message;
    // Only a search listing answers a right click.
    shell.Command(ID_STATS_MOST_USED);
    wxTEST_DIALOG(RightClickAt(2), ExpectMessageBox(&message).Optional());
    EXPECT_TRUE(message.empty()) << message;
}

}  // namespace
