// Choosing a schedule, and the clipboard text of a schedule's item list.
#include <gtest/gtest.h>

#include "doc/KeyedEntry.h"
#include "doc/ScheduleClipboardText.h"
#include "doc/ScheduleSelection.h"
#include "doc/VersiluxDoc.h"
#include "support/SmallLibrary.h"

namespace {

TEST(ScheduleSelection, TheChosenEntryBecomesTheCurrentSchedule) {
    SmallLibrary library;
    const long item = library.AddItem("Hymn", 5);
    const long schedule = library.AddSchedule("Advent: week 1", {item});
    CVersiluxDoc doc;
    doc.m_bPlayerFile = true;
    doc.m_nScheduleID = -1;
    doc.m_bShowSearch = doc.m_bShowStats = doc.m_bPrintable = true;

    SelectScheduleFromEntry(doc, MakeKeyedEntry("Advent: week 1", schedule));

    EXPECT_EQ(doc.m_nScheduleID, schedule);
    EXPECT_EQ(doc.m_strScheduleName, "Advent: week 1" + wxString(' ', 101));
    EXPECT_EQ(doc.GetTitle(), doc.m_strScheduleName);
    EXPECT_FALSE(doc.m_bPlayerFile);
    EXPECT_FALSE(doc.m_bShowSearch);
    EXPECT_FALSE(doc.m_bShowStats);
    EXPECT_FALSE(doc.m_bPrintable);
    // The schedule's rows are ready for the overview.
    ASSERT_TRUE(doc.m_pScheduleItemSet->IsOpen());
    EXPECT_EQ(doc.m_pScheduleItemSet->m_strFilter, wxString::Format("Schedule_ID=%ld", schedule));
    EXPECT_EQ(doc.m_pScheduleItemSet->m_Item_ID, item);
}

TEST(ScheduleSelection, NoSelectionOrCancelLeavesNoSchedule) {
    SmallLibrary library;
    CVersiluxDoc doc;
    doc.m_nScheduleID = 5;
    SelectScheduleFromEntry(doc, wxString());
    EXPECT_EQ(doc.m_nScheduleID, 0);
    EXPECT_EQ(doc.GetTitle(), "");
    doc.m_nScheduleID = 5;
    ClearScheduleSelection(doc);
    EXPECT_EQ(doc.m_nScheduleID, 0);
}

TEST(ScheduleSelection, TheCurrentScheduleFollowsARenameAndIsDroppedWhenDeleted) {
    SmallLibrary library;
    const long item = library.AddItem("Hymn", 5);
    const long schedule = library.AddSchedule("Advent", {item});
    CVersiluxDoc doc;
    SelectScheduleFromEntry(doc, MakeKeyedEntry("Advent", schedule));
    FollowEditedSchedules(doc);
    EXPECT_EQ(doc.m_strScheduleName, "Advent" + wxString(' ', 101));

    ASSERT_TRUE(doc.RenameSchedule(static_cast<int>(schedule), "Christmas"));
    FollowEditedSchedules(doc);
    EXPECT_EQ(doc.m_nScheduleID, schedule);
    EXPECT_EQ(doc.m_strScheduleName, "Christmas" + wxString(' ', 101));
    EXPECT_EQ(doc.GetTitle(), doc.m_strScheduleName);

    // Its rows stay behind, so only the selection keeps a show from them.
    ASSERT_TRUE(doc.DeleteSchedule(static_cast<int>(schedule)));
    FollowEditedSchedules(doc);
    EXPECT_EQ(doc.m_nScheduleID, 0);
    EXPECT_EQ(doc.GetTitle(), "");

    // A player file in use is not a schedule of the table.
    doc.m_nScheduleID = -1;
    FollowEditedSchedules(doc);
    EXPECT_EQ(doc.m_nScheduleID, -1);
}

class ScheduleClipboardTest : public testing::Test {
  protected:
    void SetUp() override {
        m_nFirst = m_library.AddItem("Be Thou My Vision", 5, "words one");
        m_nSecond = m_library.AddItem("Abide: with me", 5, "words two");
    }
    std::vector<wxString> Entries() {
        return {MakeKeyedEntry("Be Thou My Vision", m_nFirst, 999),
                MakeKeyedEntry("Abide: with me", m_nSecond, 2)};
    }
    SmallLibrary m_library;
    long m_nFirst = 0;
    long m_nSecond = 0;
};

TEST_F(ScheduleClipboardTest, NamesOnlyGivesEachTitleAndTheLineFeedPairs) {
    CVersiluxDoc doc;
    // The second title is cut at its first colon.
    EXPECT_EQ(FormatScheduleForClipboard(doc, Entries(), true),
              "Be Thou My Vision\n\r\n\rAbide\n\r\n\r");
}

TEST_F(ScheduleClipboardTest, FullCopyAddsTheItemTextsAndARule) {
    CVersiluxDoc doc;
    m_library.Exec(wxString::Format("DELETE FROM items WHERE ID = %ld", m_nSecond));
    const wxString rule(wxUniChar('='), 57);
    EXPECT_EQ(FormatScheduleForClipboard(doc, Entries(), false),
              "Be Thou My VisionH1 Be Thou My Vision\nH2 Be Thou My Vision\nwords one\nF2 Be "
              "Thou My Vision\n\n\r\n\r" +
                  rule + "\n\r\n\r" + "Abide**unknown**\n\r\n\r" + rule + "\n\r\n\r");
}

TEST_F(ScheduleClipboardTest, AnEmptyListCopiesAnEmptyText) {
    CVersiluxDoc doc;
    EXPECT_EQ(FormatScheduleForClipboard(doc, {}, false), "");
}

}  // namespace
