// The single-item list that printing reads, built beside a show's list.
#include <gtest/gtest.h>

#include "doc/VersiluxDoc.h"
#include "support/SmallLibrary.h"

namespace {

class PrintableEntriesTest : public testing::Test {
  protected:
    void SetUp() override {
        a = library.AddItem("A", 1, "alpha", -2, true);
        b = library.AddItem("B", 7, "X1\r\n&\r\nY\r\n&\r\nZ");
        schedule = library.AddSchedule("Sunday", {a, b});
        doc = std::make_unique<CVersiluxDoc>();
    }
    void MoveToItem(long id) {
        doc->m_pItemsSet->m_strFilter = wxString::Format("ID=%ld", id);
        RequeryOrOpen(*doc->m_pItemsSet);
    }
    std::vector<wxString> ShowEntries() const {
        std::vector<wxString> out;
        for (int i = 0; i <= doc->GetLastEntry(); ++i) {
            out.push_back(doc->GetEntry(i));
        }
        return out;
    }

    SmallLibrary library;
    long a = 0, b = 0, schedule = 0;
    std::unique_ptr<CVersiluxDoc> doc;
};

TEST_F(PrintableEntriesTest, TheCurrentItemsScreensFollowedByTheEndNoticeAndMenu) {
    MoveToItem(b);
    const std::vector<wxString> entries = doc->BuildPrintableEntries();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0], "7\b\b\bX1\r\n\b");
    EXPECT_EQ(entries[1], "7\b\b\b&\r\nY\r\n\b");
    EXPECT_EQ(entries[2], "7\b\b\b&\r\nZ\b");
    EXPECT_TRUE(entries[3].StartsWith("99\b"));
    EXPECT_TRUE(entries[4].StartsWith("100\b"));
    EXPECT_FALSE(doc->m_bPreview);
}

TEST_F(PrintableEntriesTest, TheShowsListAndBuildStateStayAsTheyWere) {
    doc->m_nScheduleID = static_cast<int>(schedule);
    doc->BuildShowList();
    const std::vector<wxString> before = ShowEntries();
    ASSERT_EQ(before.size(), 6u);  // A, three parts of B, end notice, menu
    const int items = doc->GetItemCount();
    const std::vector<wxString> titles = doc->GetTitles();

    MoveToItem(a);
    const std::vector<wxString> entries = doc->BuildPrintableEntries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_TRUE(entries[0].StartsWith("1\bH1 A\b"));

    EXPECT_EQ(ShowEntries(), before);
    EXPECT_EQ(doc->GetLastEntry(), 5);
    EXPECT_EQ(doc->GetItemCount(), items);
    EXPECT_EQ(doc->GetTitles(), titles);
    EXPECT_EQ(doc->GetTranspose(0), -2);
    EXPECT_EQ(doc->GetEntryFlags(1), 1);
    EXPECT_EQ(doc->GetEntryFlags(2), 3);
    EXPECT_EQ(doc->GetPartCount(3), 3);
    EXPECT_FALSE(doc->m_bPreview);
    EXPECT_FALSE(doc->HasMoreParts());
}

TEST_F(PrintableEntriesTest, NoCurrentItemGivesOnlyTheEndNoticeAndMenu) {
    doc->m_pItemsSet->m_strFilter = "ID=-5";
    RequeryOrOpen(*doc->m_pItemsSet);
    const std::vector<wxString> entries = doc->BuildPrintableEntries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_TRUE(entries[0].StartsWith("99\b"));
}

}  // namespace
