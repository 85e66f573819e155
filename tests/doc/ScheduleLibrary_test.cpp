// What the schedule manager reads and writes, without a window: the VPD's
// schedules in the list's order, a schedule's rows with their own
// transpositions and gone items, and writes that land whole or not at all.
#include <gtest/gtest.h>

#include <memory>

#include "doc/ItemKinds.h"
#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"
#include "support/SmallLibrary.h"

namespace {

class ScheduleLibraryTest : public testing::Test {
  protected:
    void SetUp() override {
        m_nGrace = m_library.AddItem("Amazing Grace", 5, "words", 2);
        m_nAbide = m_library.AddItem("Abide with Me", 5);
        m_nHoly = m_library.AddItem("Holy, Holy, Holy", 5, "words", -3);
    }
    CVersiluxDoc& Doc() {
        if (!m_pDoc) {
            m_pDoc = std::make_unique<CVersiluxDoc>();
        }
        return *m_pDoc;
    }
    // "item:order:transpose" per row of the schedule, in running order.
    std::string Rows(long nScheduleID) {
        return m_library.Source()
            .QueryJoined(wxString::Format("SELECT [Item ID]||':'||Item_Order||':'||Transpose FROM "
                                          "[schedule items] WHERE Schedule_ID=%ld ORDER BY "
                                          "Item_Order, ID",
                                          nScheduleID),
                         " ")
            .utf8_string();
    }
    static std::string Titles(const std::vector<CScheduleEntry>& entries) {
        std::string text;
        for (const CScheduleEntry& entry : entries) {
            text += (text.empty() ? "" : "|") + entry.strTitle.utf8_string() + ":" +
                    std::to_string(entry.nTranspose);
        }
        return text;
    }
    CScheduleEntry Entry(long nItemID, int nTranspose) {
        return {static_cast<int>(nItemID), "t", nTranspose, true};
    }

    SmallLibrary m_library;
    std::unique_ptr<CVersiluxDoc> m_pDoc;
    long m_nGrace = 0;
    long m_nAbide = 0;
    long m_nHoly = 0;
};

TEST_F(ScheduleLibraryTest, ListsTheCurrentVPDsSchedulesByNameWithEqualNamesByID) {
    const long nEvening = m_library.AddSchedule("Evening", {});
    const long nMorning1 = m_library.AddSchedule("Morning", {});
    m_library.AddScheduleIn(2, "Youth night", {});
    const long nAdvent = m_library.AddSchedule("Advent", {});
    const long nMorning2 = m_library.AddSchedule("Morning", {});
    const std::vector<CChoice> listed = Doc().ListSchedules();
    ASSERT_EQ(listed.size(), 4u);
    EXPECT_EQ(listed[0].nID, nAdvent);
    EXPECT_EQ(listed[1].nID, nEvening);
    EXPECT_EQ(listed[2].nID, nMorning1);
    EXPECT_EQ(listed[3].nID, nMorning2);
    EXPECT_EQ(listed[3].strName, "Morning");
}

TEST_F(ScheduleLibraryTest, ReadsRowsInRunningOrderWithTheScheduleTransposeAndGoneItemsMarked) {
    // Rows written out of order: the running order is Item_Order's.
    const long nSchedule = m_library.AddSchedule("Sunday", {});
    m_library.Exec(wxString::Format(
        "INSERT INTO [schedule items] (Schedule_ID, [Item ID], Item_Order, Transpose) VALUES "
        "(%ld, %ld, 2, 999), (%ld, 9999, 1, 4), (%ld, %ld, 0, -1)",
        nSchedule, m_nHoly, nSchedule, nSchedule, m_nGrace));
    const std::vector<CScheduleEntry> entries = Doc().ReadScheduleEntries(nSchedule);
    EXPECT_EQ(Titles(entries), "Amazing Grace:-1|**unknown**:4|Holy, Holy, Holy:999");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_TRUE(entries[0].bKnown);
    EXPECT_FALSE(entries[1].bKnown);
    EXPECT_EQ(entries[1].nItemID, 9999);
}

TEST_F(ScheduleLibraryTest, OffersOneKindOfAVPDsItemsInTitleOrderWithTheirOwnTranspose) {
    m_library.AddItemIn(2, 1, "Youth Song", "la");
    m_library.AddItemIn(2, 3, "Youth Chords", "{G}la");
    const std::vector<CListedItem> main = Doc().ListAvailableItems(2, 1);
    ASSERT_EQ(main.size(), 3u);
    EXPECT_EQ(main[0].strTitle, "Abide with Me");
    EXPECT_EQ(main[1].nID, m_nGrace);
    EXPECT_EQ(main[1].nTranspose, 2);
    EXPECT_EQ(main[2].nTranspose, -3);
    const std::vector<CListedItem> youthSongs = Doc().ListAvailableItems(2, 2);
    ASSERT_EQ(youthSongs.size(), 1u);
    EXPECT_EQ(youthSongs[0].strTitle, "Youth Song");
    EXPECT_EQ(Doc().ListAvailableItems(kKindAll, 2).size(), 2u);
    EXPECT_TRUE(Doc().ListAvailableItems(5, 2).empty());
}

TEST_F(ScheduleLibraryTest, SaveRewritesTheRowsInListOrderAndLeavesOtherSchedulesAlone) {
    const long nSchedule =
        m_library.AddSchedule("Sunday", {m_nAbide, m_nAbide, m_nAbide, m_nAbide});
    const long nOther = m_library.AddSchedule("Other", {m_nHoly}, {5});
    // A row of a gone item is written back as it stands: only the operator drops it.
    Doc().SaveScheduleEntries(nSchedule,
                              {Entry(m_nHoly, 999), Entry(4242, 3), Entry(m_nGrace, -2)});
    EXPECT_EQ(Rows(nSchedule), wxString::Format("%ld:0:999 4242:1:3 %ld:2:-2", m_nHoly, m_nGrace));
    EXPECT_EQ(Rows(nOther), wxString::Format("%ld:0:5", m_nHoly));
    // An empty list empties the schedule; the schedule itself stays.
    Doc().SaveScheduleEntries(nSchedule, {});
    EXPECT_EQ(Rows(nSchedule), "");
    EXPECT_EQ(m_library.Source().QueryText(
                  wxString::Format("SELECT Name FROM Schedules WHERE ID=%ld", nSchedule)),
              "Sunday");
}

TEST_F(ScheduleLibraryTest, ASaveThatFailsHalfWayLeavesTheOldRows) {
    const long nSchedule = m_library.AddSchedule("Sunday", {m_nAbide, m_nGrace}, {1, 2});
    const std::string before = Rows(nSchedule);
    // The store refuses the last insert, after the delete and two inserts ran.
    m_library.Refuse("INSERT", "[schedule items]", "NEW.Item_Order = 2");
    EXPECT_THROW(Doc().SaveScheduleEntries(
                     nSchedule, {Entry(m_nHoly, 0), Entry(m_nHoly, 1), Entry(m_nHoly, 2)}),
                 CDBException);
    EXPECT_EQ(Rows(nSchedule), before);
    EXPECT_FALSE(Doc().m_database.InTransaction());
    // The document goes on working: a save the store accepts lands.
    Doc().SaveScheduleEntries(nSchedule, {Entry(m_nHoly, 7)});
    EXPECT_EQ(Rows(nSchedule), wxString::Format("%ld:0:7", m_nHoly));
    EXPECT_EQ(Titles(Doc().ReadScheduleEntries(nSchedule)), "Holy, Holy, Holy:7");
}

TEST_F(ScheduleLibraryTest, NewSchedulesJoinTheCurrentVPDWithTheirRowsOrNotAtAll) {
    Doc().m_nVPD = 2;
    const long nOld = m_library.AddScheduleIn(2, "Sunday", {m_nAbide});
    // A name two schedules share: the rows go to the new one.
    const int nNew = Doc().AddSchedule("Sunday", {Entry(m_nGrace, 999), Entry(m_nHoly, 1)});
    EXPECT_GT(nNew, nOld);
    EXPECT_EQ(m_library.Source().QueryText(
                  wxString::Format("SELECT Name||'/'||VPD FROM Schedules WHERE ID=%d", nNew)),
              "Sunday/2");
    EXPECT_EQ(Rows(nNew), wxString::Format("%ld:0:999 %ld:1:1", m_nGrace, m_nHoly));
    EXPECT_EQ(Rows(nOld), wxString::Format("%ld:0:999", m_nAbide));

    m_library.Refuse("INSERT", "[schedule items]");
    const long nBefore = m_library.Source().QueryNumber("SELECT count(*) FROM Schedules");
    EXPECT_THROW(Doc().AddSchedule("Half", {Entry(m_nGrace, 0)}), CDBException);
    EXPECT_EQ(m_library.Source().QueryNumber("SELECT count(*) FROM Schedules"), nBefore);
}

TEST_F(ScheduleLibraryTest, RenameAndDeleteAddressTheScheduleByIDAndReportOneThatIsGone) {
    const long nFirst = m_library.AddSchedule("Same", {m_nGrace});
    const long nSecond = m_library.AddSchedule("Same", {m_nHoly});
    EXPECT_TRUE(Doc().RenameSchedule(static_cast<int>(nSecond), "Renamed"));
    EXPECT_EQ(m_library.Source().QueryJoined("SELECT Name FROM Schedules ORDER BY ID", "|"),
              "Same|Renamed");
    EXPECT_TRUE(Doc().DeleteSchedule(static_cast<int>(nFirst)));
    EXPECT_EQ(m_library.Source().QueryNumber("SELECT count(*) FROM Schedules"), 1);
    // Its rows are left where they are.
    EXPECT_EQ(Rows(nFirst), wxString::Format("%ld:0:999", m_nGrace));
    EXPECT_FALSE(Doc().RenameSchedule(static_cast<int>(nFirst), "Ghost"));
    EXPECT_FALSE(Doc().DeleteSchedule(static_cast<int>(nFirst)));
    EXPECT_EQ(m_library.Source().QueryNumber("SELECT count(*) FROM Schedules"), 1);
}

}  // namespace
