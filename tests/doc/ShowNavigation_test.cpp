// Walking the show list by items: parts, item numbers and per-item keys.
#include <gtest/gtest.h>

#include "doc/VersiluxDoc.h"
#include "support/SmallLibrary.h"

namespace {

// Items: a single screen, a three-part chord song, a two-part song, a title.
class ShowNavigationTest : public testing::Test {
  protected:
    void SetUp() override {
        const long single = m_library.AddItem("Welcome", 5, "one screen");
        const long chords = m_library.AddItem("Chords", 7, "{C}one&{G}two&{D}three", 2);
        const long song = m_library.AddItem("Song", 3, "verse&chorus");
        const long title = m_library.AddItem("Title", 1, "x");
        m_nSchedule = m_library.AddSchedule("Nav", {single, chords, song, title});
        m_pDoc = std::make_unique<CVersiluxDoc>();
        m_pDoc->m_nScheduleID = static_cast<int>(m_nSchedule);
        m_pDoc->BuildShowList();
    }
    CVersiluxDoc& Doc() { return *m_pDoc; }

    SmallLibrary m_library;
    long m_nSchedule = 0;
    std::unique_ptr<CVersiluxDoc> m_pDoc;
};

// Entries: 0 Welcome, 1-3 Chords, 4-5 Song, 6 Title, 7 end notice, 8 menu.
TEST_F(ShowNavigationTest, PartsOfAnItemLeadToItsFirstAndLastEntry) {
    ASSERT_EQ(Doc().GetLastEntry(), 8);
    EXPECT_EQ(Doc().LastPartOf(0), 0);
    EXPECT_EQ(Doc().LastPartOf(1), 3);
    EXPECT_EQ(Doc().LastPartOf(2), 3);
    EXPECT_EQ(Doc().FirstPartOf(3), 1);
    EXPECT_EQ(Doc().FirstPartOf(1), 1);
    EXPECT_EQ(Doc().FirstPartOf(5), 4);
    EXPECT_EQ(Doc().FirstPartOf(0), 0);
    EXPECT_EQ(Doc().FirstPartOf(-1), -1);
    EXPECT_EQ(Doc().LastPartOf(8), 8);
}

TEST_F(ShowNavigationTest, ItemNumbersCountFromOneAndEndAtTheNoticeAndTheMenu) {
    EXPECT_EQ(Doc().EntryOfItem(-5), 0);
    EXPECT_EQ(Doc().EntryOfItem(1), 0);
    EXPECT_EQ(Doc().EntryOfItem(2), 1);
    EXPECT_EQ(Doc().EntryOfItem(3), 4);
    EXPECT_EQ(Doc().EntryOfItem(4), 6);
    EXPECT_EQ(Doc().EntryOfItem(5), 7);    // one past the last item: the end notice
    EXPECT_EQ(Doc().EntryOfItem(6), 8);    // the menu
    EXPECT_EQ(Doc().EntryOfItem(123), 8);  // never past the show list
}

TEST_F(ShowNavigationTest, TransposingChangesEveryPartOfThatItemOnly) {
    ASSERT_EQ(Doc().GetTranspose(1), 2);
    Doc().TransposeItem(2, +1);
    Doc().TransposeItem(3, +1);
    Doc().TransposeItem(1, +1);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(Doc().GetTranspose(i), 5) << "part " << i;
    }
    EXPECT_EQ(Doc().GetTranspose(0), 0);
    EXPECT_EQ(Doc().GetTranspose(4), 0);
    Doc().TransposeItem(5, -1);
    EXPECT_EQ(Doc().GetTranspose(4), -1);
    EXPECT_EQ(Doc().GetTranspose(5), -1);
    EXPECT_EQ(Doc().GetTranspose(6), 0);
}

TEST_F(ShowNavigationTest, TheEndNoticeTheMenuAndNoScreenCarryNoKey) {
    const int before = Doc().GetTranspose(6);
    Doc().TransposeItem(7, +1);
    Doc().TransposeItem(8, -1);
    Doc().TransposeItem(-1, +1);
    Doc().TransposeItem(500, +1);
    EXPECT_EQ(Doc().GetTranspose(6), before);
    EXPECT_EQ(Doc().GetTranspose(0), 0);
}

TEST_F(ShowNavigationTest, StoredKeysWrapByAnOctaveAtTheEndsOfTheirByte) {
    // Item 1 starts at -12 semitones (byte 0): one down wraps to byte 11.
    m_library.Exec("UPDATE items SET Transpose = -12 WHERE Title = 'Welcome'");
    Doc().BuildShowList();
    Doc().TransposeItem(0, -1);
    EXPECT_EQ(Doc().GetTranspose(0), -1);
    m_library.Exec("UPDATE items SET Transpose = 242 WHERE Title = 'Welcome'");
    Doc().BuildShowList();
    ASSERT_EQ(Doc().GetTranspose(0), 242);
    Doc().TransposeItem(0, +1);
    EXPECT_EQ(Doc().GetTranspose(0), 231);
}

TEST(ShowNavigationEmpty, AnEmptyShowHasOnlyTheNoticeAndTheMenu) {
    SmallLibrary library;
    const long schedule = library.AddSchedule("Empty", {});
    CVersiluxDoc doc;
    doc.m_nScheduleID = static_cast<int>(schedule);
    doc.BuildShowList();
    EXPECT_EQ(doc.GetLastEntry(), 1);
    EXPECT_EQ(doc.EntryOfItem(1), 0);
    EXPECT_EQ(doc.EntryOfItem(2), 1);
    EXPECT_EQ(doc.LastPartOf(0), 0);
    doc.TransposeItem(0, +1);  // nothing to transpose, nothing breaks
    EXPECT_EQ(doc.GetTranspose(0), 0);
}

}  // namespace
