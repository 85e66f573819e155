// The two count queries: their SQL assembly and what the store answers.
#include <gtest/gtest.h>

#include "db/CountOccurrenceSet.h"
#include "db/SQLCountSet.h"
#include "odbc/DBException.h"
#include "odbc/Database.h"
#include "support/SmallLibrary.h"

namespace {

const char* kUsageFrom =
    "Schedules INNER JOIN [schedule items] ON Schedules.ID = [schedule items].Schedule_ID";

TEST(SQLCountSetText, AssemblyRules) {
    SQLCountSet set(nullptr);
    set.m_strTable = "[items]";
    set.m_strWhere = "[VPD]=4";
    EXPECT_EQ(set.GetDefaultSQL(), "SELECT COUNT(*) AS TOTAL FROM [items] WHERE [VPD]=4");
    set.m_strDistinct = "Title";
    EXPECT_EQ(set.GetDefaultSQL(),
              "SELECT COUNT(DISTINCT Title) AS TOTAL FROM [items] WHERE [VPD]=4");
    set.m_strDistinct = "Title, VPD";
    EXPECT_EQ(set.GetDefaultSQL(),
              "SELECT COUNT(*) AS TOTAL FROM (SELECT DISTINCT Title, VPD FROM [items] WHERE "
              "[VPD]=4) table1");
    set.m_strCount = "MAX(ID)";
    EXPECT_EQ(set.GetDefaultSQL(),
              "SELECT MAX(ID) AS TOTAL FROM (SELECT DISTINCT Title, VPD FROM [items] WHERE "
              "[VPD]=4) table1");
    set.m_strWhere.clear();
    set.m_strDistinct.clear();
    EXPECT_EQ(set.GetDefaultSQL(), "SELECT MAX(ID) AS TOTAL FROM [items]");
}

TEST(CountOccurrenceSetText, SortRepeatsTheAggregate) {
    CCountOccurrenceSet set(nullptr);
    set.m_strListNum = "[Item ID]";
    set.m_strTotal = "COUNT(*)";
    set.m_strFrom = kUsageFrom;
    set.m_strGroupBy = "[schedule items].[Item ID], Schedules.VPD";
    set.m_strHaving = "Schedules.VPD=2";
    set.m_strOrder = "DESC";
    EXPECT_EQ(set.GetDefaultSQL(),
              "SELECT [Item ID] AS LISTNUM, COUNT(*) AS TOTAL FROM Schedules INNER JOIN [schedule "
              "items] ON Schedules.ID = [schedule items].Schedule_ID GROUP BY [schedule "
              "items].[Item ID], Schedules.VPD HAVING Schedules.VPD=2 ORDER BY COUNT(*) DESC");
}

class CountQueryTest : public testing::Test {
  protected:
    void SetUp() override {
        m_a = m_lib.AddItem("A", 1);
        m_b = m_lib.AddItem("B", 1);
        m_c = m_lib.AddItem("A", 1);  // same title as m_a
        m_lib.AddSchedule("one", {m_a, m_b, m_a});
        m_lib.AddSchedule("two", {m_a});
        m_db.OpenEx("ODBC;DSN=Versilux");
    }
    std::vector<std::pair<long, int>> Usage(const wxString& total, const wxString& having,
                                            const wxString& order) {
        CCountOccurrenceSet set(&m_db);
        set.m_strListNum = "[Item ID]";
        set.m_strTotal = total;
        set.m_strFrom = kUsageFrom;
        set.m_strGroupBy = "[schedule items].[Item ID], Schedules.VPD";
        set.m_strHaving = having;
        set.m_strOrder = order;
        set.Open();
        std::vector<std::pair<long, int>> rows;
        for (; !set.IsEOF(); set.MoveNext()) {
            rows.emplace_back(set.m_LISTNUM, set.m_TOTAL);
        }
        return rows;
    }
    SmallLibrary m_lib;
    CDatabase m_db;
    long m_a = 0, m_b = 0, m_c = 0;
};

TEST_F(CountQueryTest, MostAndLeastUsedAndPerItem) {
    using Rows = std::vector<std::pair<long, int>>;
    EXPECT_EQ(Usage("COUNT(*)", "Schedules.VPD=1", "DESC"), (Rows{{m_a, 3}, {m_b, 1}}));
    EXPECT_EQ(Usage("COUNT(*)", "Schedules.VPD=1", "ASC"), (Rows{{m_b, 1}, {m_a, 3}}));
    EXPECT_EQ(Usage("min(schedules.ID)", "Schedules.VPD=1", "ASC").size(), 2u);
    EXPECT_EQ(Usage("COUNT(*)",
                    wxString::Format("(Schedules.VPD=1 AND [schedule items].[Item ID]=%ld)", m_b),
                    "DESC"),
              (Rows{{m_b, 1}}));
    EXPECT_TRUE(Usage("COUNT(*)", "Schedules.VPD=2", "DESC").empty());
    // An empty HAVING makes the statement invalid: the store's error surfaces.
    EXPECT_THROW(Usage("COUNT(*)", "", "DESC"), CDBException);
}

TEST_F(CountQueryTest, TotalsDistinctAndNull) {
    auto total = [&](const wxString& table, const wxString& where, const wxString& distinct,
                     const wxString& count) {
        SQLCountSet set(&m_db);
        set.m_strTable = table;
        set.m_strWhere = where;
        set.m_strDistinct = distinct;
        set.m_strCount = count;
        set.Open();
        EXPECT_FALSE(set.IsEOF());
        return set.m_TOTAL;
    };
    EXPECT_EQ(total("[items]", "[VPD]=1", "", ""), 3);
    EXPECT_EQ(total("[Schedules]", "[VPD]=1", "", ""), 2);
    EXPECT_EQ(total("[items]", "[VPD]=4", "", ""), 0);
    EXPECT_EQ(total("[items]", "", "Title", ""), 2);
    EXPECT_EQ(total("[items]", "[VPD]=1", "Title, VPD", ""), 2);
    // An aggregate over no rows is NULL in SQL; it reads as 0.
    EXPECT_EQ(total("[items]", "[VPD]=4", "", "MAX(ID)"), 0);
}

}  // namespace
