// The Stats commands and the usage report of one item, on a real data source.
#include <gtest/gtest.h>

#include "doc/VersiluxDoc.h"
#include "support/SmallLibrary.h"

namespace {

class UsageStatisticsTest : public testing::Test {
  protected:
    CVersiluxDoc& Doc() {
        if (!m_pDoc) {
            m_pDoc = std::make_unique<CVersiluxDoc>();
        }
        return *m_pDoc;
    }
    // The table's rows as "title:count:schedule".
    std::vector<wxString> Rows() {
        std::vector<wxString> rows;
        for (int i = 0; i < Doc().m_nStatCount; ++i) {
            const auto n = static_cast<size_t>(i);
            rows.push_back(wxString::Format("%s:%d:%s", Doc().GetItemTitle(Doc().m_statIDs[n]),
                                            Doc().m_statCounts[n], Doc().m_statTitles[n]));
        }
        return rows;
    }
    SmallLibrary m_library;
    std::unique_ptr<CVersiluxDoc> m_pDoc;
};

TEST_F(UsageStatisticsTest, EachQuestionHasItsOrderColumnsAndListingSwitch) {
    const long a = m_library.AddItem("Alpha", 1);
    const long b = m_library.AddItem("Beta", 1);
    const long c = m_library.AddItem("Gamma", 1);
    m_library.AddItem("Never Sung", 1);
    m_library.AddSchedule("Old", {c});
    m_library.AddSchedule("Middle", {b});
    m_library.AddSchedule("New", {a, b, a, a});
    // Another VPD's schedule uses the same item and never counts here.
    m_library.AddScheduleIn(2, "Youth", {c, c, c, c});

    Doc().m_bShowSearch = true;
    Doc().RunStatistics(CStatistics::MostRecentlyUsed);
    EXPECT_TRUE(Doc().m_bShowStats);
    EXPECT_FALSE(Doc().m_bShowSearch);
    EXPECT_FALSE(Doc().m_bPrintable);
    // Newest schedule first, in its order; the scan went on through them all.
    EXPECT_EQ(Rows(), (std::vector<wxString>{"Alpha:3:New", "Beta:2:New", "Gamma:1:Old"}));

    Doc().RunStatistics(CStatistics::MostUsed);
    EXPECT_EQ(Rows(), (std::vector<wxString>{"Alpha:3:", "Beta:2:", "Gamma:1:"}));
    Doc().RunStatistics(CStatistics::LeastUsed);
    EXPECT_EQ(Rows(), (std::vector<wxString>{"Gamma:1:", "Beta:2:", "Alpha:3:"}));
    Doc().RunStatistics(CStatistics::LeastRecentlyUsed);
    EXPECT_EQ(Rows(), (std::vector<wxString>{"Gamma:0:Old", "Beta:0:Middle", "Alpha:0:New"}));

    EXPECT_EQ(Doc().FormatStatisticsForCopy(),
              "Gamma : 0 : Old\n\r\n\rBeta : 0 : Middle\n\r\n\rAlpha : 0 : New\n\r\n\r");
    EXPECT_EQ(Doc().FormatListingForCopy(), Doc().FormatStatisticsForCopy());

    // The other VPD sees only its own schedule.
    Doc().m_nVPD = 2;
    Doc().RunStatistics(CStatistics::MostUsed);
    EXPECT_EQ(Rows(), std::vector<wxString>{"Gamma:4:"});
    Doc().m_nVPD = 3;
    for (CStatistics kind : {CStatistics::MostRecentlyUsed, CStatistics::MostUsed,
                             CStatistics::LeastRecentlyUsed, CStatistics::LeastUsed}) {
        Doc().RunStatistics(kind);
        EXPECT_EQ(Doc().m_nStatCount, 0);
        EXPECT_EQ(Doc().FormatStatisticsForCopy(), "");
    }
}

TEST_F(UsageStatisticsTest, SixtyItemsGiveFiftyRowsAndTheRecentScanStopsAtTheFiftieth) {
    std::vector<long> items;
    for (int i = 0; i < 60; ++i) {
        items.push_back(m_library.AddItem(wxString::Format("Item %02d", i), 1));
    }
    m_library.AddSchedule("First", {items[0]});
    m_library.AddSchedule("All", items);
    for (CStatistics kind : {CStatistics::MostRecentlyUsed, CStatistics::MostUsed,
                             CStatistics::LeastRecentlyUsed, CStatistics::LeastUsed}) {
        Doc().RunStatistics(kind);
        EXPECT_EQ(Doc().m_nStatCount, 50);
    }
    // The newest schedule fills the table, so the older use of item 0 is not counted.
    Doc().RunStatistics(CStatistics::MostRecentlyUsed);
    EXPECT_EQ(Rows().front(), "Item 00:1:All");
    EXPECT_EQ(Rows().back(), "Item 49:1:All");
}

TEST_F(UsageStatisticsTest, TheUsageReportListsLastUsesTotalsAndChordChartsSungAlongside) {
    const long song = m_library.AddItem("Song", 1);
    const long shortTitle = m_library.AddItemIn(1, 3, "Grace", "chart");
    const long longTitle = m_library.AddItemIn(1, 3, "Amazing Grace", "chart");
    const long notAChart = m_library.AddItem("Reading", 1);
    m_library.AddSchedule("Week 1", {song, shortTitle, notAChart});
    m_library.AddSchedule("Week 2", {longTitle, song, shortTitle, shortTitle});
    m_library.AddScheduleIn(2, "Youth 1", {song, longTitle, 9999});
    EXPECT_EQ(Doc().FormatItemUsage(static_cast<int>(song)),
              "Song last 5 uses in:\nYouth 1\nWeek 2\nWeek 1"
              "\n\nTotal usage:\nChoir : 0\nMain : 2\nYouth : 1"
              "\n\nLast 10 uses included (times):\n"
              "Grace (03)\nAmazing Grace (02)\n");
    // Sorts put back, and an item used nowhere.
    EXPECT_TRUE(Doc().m_pScheduleItemSet->m_strSort.empty());
    EXPECT_TRUE(Doc().m_pVPDSet->m_strSort.empty());
    EXPECT_EQ(Doc().FormatItemUsage(4242),
              "**unknown** last 5 uses in:\n\nTotal usage:\nChoir : 0\nMain : 0\nYouth : 0"
              "\n\nLast 10 uses included (times):\n");
}

TEST_F(UsageStatisticsTest, TheReportNamesFiveSchedulesButTalliesTen) {
    const long song = m_library.AddItem("Song", 1);
    const long chart = m_library.AddItemIn(1, 3, "Chart", "c");
    for (int i = 1; i <= 12; ++i) {
        m_library.AddSchedule(wxString::Format("S%02d", i), {song, chart});
    }
    const wxString report = Doc().FormatItemUsage(static_cast<int>(song));
    EXPECT_TRUE(report.StartsWith("Song last 5 uses in:\nS12\nS11\nS10\nS09\nS08\n\n")) << report;
    EXPECT_TRUE(report.Contains("Main : 12")) << report;
    EXPECT_TRUE(report.EndsWith("\nChart (10)\n")) << report;
}

}  // namespace
