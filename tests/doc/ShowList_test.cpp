// Building the show list from schedules and from the single previewed item.
#include <gtest/gtest.h>

#include "doc/ShowEntry.h"
#include "doc/VersiluxDoc.h"
#include "support/SmallLibrary.h"

namespace {

class ShowListTest : public testing::Test {
  protected:
    CVersiluxDoc& Doc() {
        if (!m_pDoc) {
            m_pDoc = std::make_unique<CVersiluxDoc>();
        }
        return *m_pDoc;
    }
    void Build(long scheduleID) {
        Doc().m_nScheduleID = static_cast<int>(scheduleID);
        Doc().BuildShowList();
    }
    std::vector<wxString> Entries() {
        std::vector<wxString> out;
        for (int i = 0; i <= Doc().GetLastEntry(); ++i) {
            out.push_back(Doc().GetEntry(i));
        }
        return out;
    }
    std::vector<int> Flags() {
        std::vector<int> out;
        for (int i = 0; i < Doc().GetLastEntry(); ++i) {
            out.push_back(Doc().GetEntryFlags(i));
        }
        return out;
    }
    std::vector<int> PartNumbers() {
        std::vector<int> out;
        for (int i = 0; i < Doc().GetLastEntry(); ++i) {
            out.push_back(Doc().GetPartNumber(i));
        }
        return out;
    }
    std::vector<int> PartCounts() {
        std::vector<int> out;
        for (int i = 0; i < Doc().GetLastEntry(); ++i) {
            out.push_back(Doc().GetPartCount(i));
        }
        return out;
    }
    SmallLibrary m_lib;
    std::unique_ptr<CVersiluxDoc> m_pDoc;
};

using Ints = std::vector<int>;
using Texts = std::vector<wxString>;

TEST_F(ShowListTest, MixedScheduleSplitsOnlyTheSplitTypes) {
    const long a = m_lib.AddItem("A", 1, "alpha");
    const long b = m_lib.AddItem("B", 7, "X1\r\n&\r\nY\r\n&\r\nZ");
    const long c = m_lib.AddItem("C", 3, "gamma");
    Build(m_lib.AddSchedule("s", {a, b, c}));

    EXPECT_EQ(Entries(),
              (Texts{"1\bH1 A\bH2 A\balpha\bF2 A", "7\b\b\bX1\r\n\b", "7\b\b\b&\r\nY\r\n\b",
                     "7\b\b\b&\r\nZ\b", "3\b\b\bgamma\b", kEntryEndNotice, kEntryMenu}));
    EXPECT_EQ(Doc().GetLastEntry(), 6);
    EXPECT_EQ(Flags(), (Ints{0, 1, 3, 2, 0, 0}));
    EXPECT_EQ(PartNumbers(), (Ints{1, 1, 2, 3, 1, 1}));
    EXPECT_EQ(PartCounts(), (Ints{1, 3, 3, 3, 1, 1}));
    EXPECT_EQ(Doc().GetTitles(), (Texts{"A", "B", "C"}));
    EXPECT_EQ(Doc().GetItemCount(), 3);
    EXPECT_EQ(Doc().GetForeground(0), MakeColourValue(255, 255, 255));
    EXPECT_EQ(Doc().GetForeground2(2), MakeColourValue(255, 255, 0));
    EXPECT_EQ(Doc().GetBackground(4), MakeColourValue(0, 0, 0));
}

TEST_F(ShowListTest, EmptyOrNoScheduleGivesOnlyTheEndNoticeAndMenu) {
    for (long id : {0L, m_lib.AddSchedule("empty", {})}) {
        Build(id);
        EXPECT_EQ(Entries(), (Texts{kEntryEndNotice, kEntryMenu}));
        EXPECT_EQ(Doc().GetLastEntry(), 1);
        EXPECT_EQ(Doc().GetEntryFlags(0), 0);
        EXPECT_EQ(Doc().GetPartNumber(0), 1);
        EXPECT_EQ(Doc().GetPartCount(0), 1);
        EXPECT_EQ(Doc().GetItemCount(), 0);
        EXPECT_TRUE(Doc().GetTitles().empty());
        // No item entries: the per-entry accessors must not read outside.
        EXPECT_EQ(Doc().GetForeground(0), 0u);
        EXPECT_EQ(Doc().GetTranspose(5), 0);
        EXPECT_FALSE(Doc().GetPreferFlats(-3));
    }
}

TEST_F(ShowListTest, ScreenBreaksNearTheStartNeverOpenAnEmptyScreen) {
    const long leading = m_lib.AddItem("lead", 3, "&\r\nonly one");
    const long second = m_lib.AddItem("second", 3, "a&b");
    Build(m_lib.AddSchedule("s", {leading, second}));
    EXPECT_EQ(Entries(),
              (Texts{"3\b\b\b&\r\nonly one\b", "3\b\b\ba&b\b", kEntryEndNotice, kEntryMenu}));
    EXPECT_EQ(Flags(), (Ints{0, 0, 0}));
}

TEST_F(ShowListTest, PartHeadingsByType) {
    const long t4 = m_lib.AddItem("four", 4, "p1&p2");
    const long t8 = m_lib.AddItem("eight", 8, "q1&q2");
    Build(m_lib.AddSchedule("s", {t4, t8}));
    EXPECT_EQ(Doc().GetEntry(0), "4\bH1 four\b\bp1\b");
    EXPECT_EQ(Doc().GetEntry(1), "4\bH1 four\b\b&p2\b");
    EXPECT_EQ(Doc().GetEntry(2), "8\b\bH2 eight\bq1\b");
    EXPECT_EQ(Doc().GetEntry(3), "8\b\bH2 eight\b&q2\b");
}

TEST_F(ShowListTest, AltHeadingReplacesHeading2ButNotThePartHeading) {
    const long t5 = m_lib.AddItem("five", 5);
    const long t8 = m_lib.AddItem("eight", 8, "q1");
    const long s = m_lib.AddSchedule("s", {t5, t8});
    Doc().m_bAltH2 = true;
    Build(s);
    EXPECT_EQ(SplitEntry(Doc().GetEntry(0))[2], "Alt five");
    EXPECT_EQ(SplitEntry(Doc().GetEntry(1))[2], "H2 eight");
}

TEST_F(ShowListTest, TitlesRepeatOnlyOnChangeButEveryRowCounts) {
    const long x = m_lib.AddItem("ThisIsANOldTitle", 1);
    const long a = m_lib.AddItem("A", 7, "a1&a2");
    Build(m_lib.AddSchedule("s", {x, a, a, x}));
    EXPECT_EQ(Doc().GetLastEntry(), 7);
    EXPECT_EQ(Doc().GetTitles(), (Texts{"A", "ThisIsANOldTitle"}));
    EXPECT_EQ(Doc().GetItemCount(), 4);
    EXPECT_EQ(Flags(), (Ints{0, 1, 2, 1, 2, 0, 0}));
    EXPECT_EQ(PartCounts(), (Ints{1, 2, 2, 2, 2, 1, 1}));
}

TEST_F(ShowListTest, RowTransposeOverridesUnless999) {
    const long song = m_lib.AddItem("song", 1, "w", -2, true);
    const long split = m_lib.AddItem("split", 7, "a&b", 3);
    Build(m_lib.AddSchedule("s", {song, song, split}, {999, 0, 5}));
    EXPECT_EQ(Doc().GetTranspose(0), -2);
    EXPECT_EQ(Doc().GetTranspose(1), 0);
    EXPECT_EQ(Doc().GetTranspose(2), 5);  // every part keeps the row's value
    EXPECT_EQ(Doc().GetTranspose(3), 5);
    EXPECT_TRUE(Doc().GetPreferFlats(0));
    EXPECT_FALSE(Doc().GetPreferFlats(2));
    EXPECT_EQ(Doc().GetTranspose(99), 5);  // clamped to the last element
}

TEST_F(ShowListTest, MissingItemIsMarkedAndTheBuildGoesOn) {
    const long a = m_lib.AddItem("A", 1);
    const long gone = m_lib.AddItem("gone", 7, "x&y");
    const long b = m_lib.AddItem("B", 1);
    const long s = m_lib.AddSchedule("s", {a, gone, b});
    m_lib.Exec(wxString::Format("DELETE FROM items WHERE ID=%ld", gone));
    Build(s);
    EXPECT_EQ(Doc().GetLastEntry(), 4);
    EXPECT_EQ(Doc().GetEntry(1), kEntryNotFound);
    EXPECT_TRUE(Doc().GetEntry(2).StartsWith("1\bH1 B"));
    EXPECT_EQ(Doc().GetTitles(), (Texts{"A", "B"}));
    EXPECT_EQ(Doc().GetTranspose(1), 0);
    EXPECT_EQ(Doc().GetBackground(1), MakeColourValue(0, 0, 0));
}

TEST_F(ShowListTest, MissingColoursFallBackToWhiteOnBlackWhateverTheOrder) {
    // 0 is the schema's default colour number and names no palette row; 77
    // names none either. A number missing as a foreground must not make the
    // same number white as a background, nor the other way round.
    const long zero = m_lib.AddItem("zero", 1);
    const long bgFirst = m_lib.AddItem("bgFirst", 1);
    const long fgAfter = m_lib.AddItem("fgAfter", 1);
    const long same = m_lib.AddItem("same", 7, "x1&y");
    m_lib.Exec(wxString::Format(
        "UPDATE items SET Foreground=0, Foreground2=0, Background=0 WHERE ID=%ld", zero));
    m_lib.Exec(wxString::Format("UPDATE items SET Background=77 WHERE ID=%ld", bgFirst));
    m_lib.Exec(wxString::Format("UPDATE items SET Foreground=77 WHERE ID=%ld", fgAfter));
    m_lib.Exec(
        wxString::Format("UPDATE items SET Foreground=77, Background=77 WHERE ID=%ld", same));
    Build(m_lib.AddSchedule("s", {zero, bgFirst, fgAfter, same}));

    const COLORREF white = MakeColourValue(255, 255, 255);
    const COLORREF black = MakeColourValue(0, 0, 0);
    ASSERT_EQ(Doc().GetLastEntry(), 6);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Doc().GetForeground(i), white);
        EXPECT_EQ(Doc().GetBackground(i), black);
    }
    EXPECT_EQ(Doc().GetForeground2(0), white);
    EXPECT_EQ(Doc().GetForeground2(1), MakeColourValue(255, 255, 0));  // found colours still read
}

TEST_F(ShowListTest, ClampedEntryIndex) {
    Build(m_lib.AddSchedule("s", {m_lib.AddItem("A", 1)}));
    EXPECT_EQ(Doc().GetEntry(1000), kEntryMenu);
    EXPECT_EQ(Doc().GetEntry(-1), Doc().GetEntry(0));
}

TEST_F(ShowListTest, SingleItemModeUsesTheCurrentItemAlone) {
    m_lib.AddItem("other", 1);
    const long id = m_lib.AddItem("preview", 4, "v1&v2&v3", 4);
    CVersiluxDoc& doc = Doc();
    doc.m_nScheduleID = static_cast<int>(m_lib.AddSchedule("s", {id, id}));
    doc.m_pItemsSet->m_strFilter = wxString::Format("ID=%ld", id);
    doc.m_pItemsSet->Open();
    doc.m_bPreview = true;
    doc.BuildShowList();
    EXPECT_EQ(doc.GetLastEntry(), 4);
    EXPECT_EQ(PartCounts(), (Ints{3, 3, 3, 1}));
    EXPECT_EQ(doc.GetItemCount(), 1);
    EXPECT_EQ(doc.GetTranspose(0), 4);  // the item's own, whatever the schedule says

    doc.m_pItemsSet->m_strFilter = "ID=-1";
    doc.m_pItemsSet->Requery();
    doc.BuildShowList();
    EXPECT_EQ(Entries(), (Texts{kEntryEndNotice, kEntryMenu}));
}

TEST_F(ShowListTest, ManyPartsCountBeyondAByte) {
    wxString text = "p0";
    for (int i = 1; i < 300; ++i) {
        text << "&p" << i;
    }
    Build(m_lib.AddSchedule("s", {m_lib.AddItem("long", 3, text)}));
    EXPECT_EQ(Doc().GetLastEntry(), 301);
    EXPECT_EQ(Doc().GetPartNumber(299), 300);
    EXPECT_EQ(Doc().GetPartCount(0), 300);
    EXPECT_EQ(Doc().GetPartCount(300), 1);  // the end notice
}

}  // namespace
