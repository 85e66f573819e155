// Two running programs on one library, as on a server the whole team uses:
// what one saves the other reads at its next natural read, a row one
// deleted is reported to the other, never written back as a new row.
#include <gtest/gtest.h>

#include <algorithm>

#include "doc/ItemKinds.h"
#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"
#include "support/TempDataSource.h"

namespace {

class SharedLibraryTest : public testing::Test {
  protected:
    // The item's place in the other program's list, after it listed them.
    static int ListedIndex(CVersiluxDoc& doc, int nItemID) {
        const std::vector<CListedItem> listed = doc.ListItems(kKindAll);
        const auto at = std::find_if(listed.begin(), listed.end(),
                                     [&](const CListedItem& item) { return item.nID == nItemID; });
        return at == listed.end() ? -1 : static_cast<int>(at - listed.begin());
    }
    static bool ShowHas(CVersiluxDoc& doc, const wxString& text) {
        doc.m_nScheduleID = 1;
        doc.BuildShowList();
        for (int i = 0; i <= doc.GetLastEntry(); ++i) {
            if (doc.GetEntry(i).Contains(text)) {
                return true;
            }
        }
        return false;
    }
    // Opens item nItemID in doc as the item editor does.
    static void OpenItem(CVersiluxDoc& doc, int nItemID) {
        const int nIndex = ListedIndex(doc, nItemID);
        ASSERT_GE(nIndex, 0);
        ASSERT_TRUE(doc.MoveToListedItem(nIndex, nItemID));
    }

    TempDataSource m_source{TempDataSource::Content::Library};
    CVersiluxDoc m_operator;                 // runs the show in the hall
    CVersiluxDoc m_director;                 // prepares at home
    static constexpr int kAmazingGrace = 5;  // in the demo's Sunday schedule
};

TEST_F(SharedLibraryTest, AnEditSavedInOneIsInTheOthersNextShow) {
    EXPECT_TRUE(ShowHas(m_operator, "How sweet the sound"));
    OpenItem(m_director, kAmazingGrace);
    CItemEditTexts texts = m_director.CurrentItemTexts();
    texts.strField1.Replace("How sweet the sound", "How sweet the new verse");
    ASSERT_TRUE(m_director.SaveCurrentItem(texts));

    EXPECT_TRUE(ShowHas(m_operator, "How sweet the new verse"));
    EXPECT_FALSE(ShowHas(m_operator, "How sweet the sound"));
}

TEST_F(SharedLibraryTest, SavingAnItemTheOtherDeletedIsReportedAndAddsNothing) {
    OpenItem(m_operator, kAmazingGrace);
    CItemEditTexts texts = m_operator.CurrentItemTexts();
    OpenItem(m_director, kAmazingGrace);
    m_director.DeleteCurrentItem();
    const long nItems = m_source.QueryNumber("SELECT COUNT(*) FROM items");

    texts.strField1 = "Edited after the other program deleted it";
    try {
        m_operator.SaveCurrentItem(texts);
        ADD_FAILURE() << "the save of a deleted item passed for done";
    } catch (const CDBException& e) {
        EXPECT_TRUE(e.GetErrorMessage().Contains("another program")) << e.GetErrorMessage();
    }
    EXPECT_EQ(m_source.QueryNumber("SELECT COUNT(*) FROM items"), nItems);
    EXPECT_EQ(m_source.QueryNumber("SELECT COUNT(*) FROM items WHERE Field1 LIKE 'Edited after%'"),
              0);
    // The editor's members are back as read, nothing pending.
    EXPECT_NE(m_operator.CurrentItemTexts().strField1, texts.strField1);
}

TEST_F(SharedLibraryTest, ARunningOrderSavedOnAScheduleTheOtherDeletedIsReportedNotStored) {
    std::vector<CScheduleEntry> entries = m_operator.ReadScheduleEntries(1);
    ASSERT_FALSE(entries.empty());
    ASSERT_TRUE(m_director.DeleteSchedule(1));
    m_source.Exec("DELETE FROM [schedule items] WHERE Schedule_ID=1");

    std::reverse(entries.begin(), entries.end());
    try {
        m_operator.SaveScheduleEntries(1, entries);
        ADD_FAILURE() << "rows were saved for a schedule that is gone";
    } catch (const CDBException& e) {
        EXPECT_TRUE(e.GetErrorMessage().Contains("another program")) << e.GetErrorMessage();
    }
    EXPECT_EQ(m_source.QueryNumber("SELECT COUNT(*) FROM [schedule items] WHERE Schedule_ID=1"), 0);
    EXPECT_EQ(m_source.QueryNumber("SELECT COUNT(*) FROM Schedules WHERE ID=1"), 0);
}

TEST_F(SharedLibraryTest, ARunningOrderSavedByOneReplacesTheOthersWhole) {
    std::vector<CScheduleEntry> mine = m_operator.ReadScheduleEntries(1);
    std::vector<CScheduleEntry> theirs = m_director.ReadScheduleEntries(1);
    mine.resize(2);
    m_operator.SaveScheduleEntries(1, mine);
    m_director.SaveScheduleEntries(1, theirs);
    // The later save wins whole: no rows of both, none lost.
    EXPECT_EQ(m_source.QueryNumber("SELECT COUNT(*) FROM [schedule items] WHERE Schedule_ID=1"),
              static_cast<long>(theirs.size()));
    EXPECT_EQ(m_operator.ReadScheduleEntries(1).size(), theirs.size());
}

TEST_F(SharedLibraryTest, NewSchedulesAndImportedSongsGetTheirOwnIds) {
    const int nMine = m_operator.AddSchedule("Same name", {});
    const int nTheirs = m_director.AddSchedule("Same name", {});
    EXPECT_GT(nMine, 0);
    EXPECT_GT(nTheirs, nMine);
    EXPECT_EQ(m_source.QueryNumber(wxString::Format(
                  "SELECT COUNT(*) FROM Schedules WHERE Name='Same name' AND ID=%d", nTheirs)),
              1);
}

}  // namespace
