// Claiming a row for a change: a second program's claim waits while the
// first holds it, and a row another program deleted is not claimed.
#include <gtest/gtest.h>

#include "db/RowClaim.h"
#include "odbc/DBException.h"
#include "odbc/Database.h"
#include "odbc/RowStream.h"
#include "support/TempDataSource.h"

namespace {

class RowClaimTest : public testing::Test {
  protected:
    void SetUp() override {
        m_first.OpenEx("ODBC;DSN=Versilux");
        m_second.OpenEx("ODBC;DSN=Versilux");
        if (TempDataSource::OnPostgreSQL()) {
            // Waiting is what is tested: not for long.
            m_second.ExecuteSQL("SET lock_timeout = '300ms'");
        }
    }
    TempDataSource m_source{TempDataSource::Content::Library};
    CDatabase m_first;
    CDatabase m_second;
};

TEST_F(RowClaimTest, ASecondClaimWaitsForTheFirstChangeToEnd) {
    {
        CTransaction first(m_first);
        ASSERT_TRUE(ClaimRowForChange(m_first, "Schedules", 1));
        CTransaction second(m_second);
        EXPECT_THROW(ClaimRowForChange(m_second, "Schedules", 1), CDBException);
        first.Commit();
    }
    CTransaction second(m_second);
    EXPECT_TRUE(ClaimRowForChange(m_second, "Schedules", 1));
    second.Commit();
}

TEST_F(RowClaimTest, ADeletedRowIsNotClaimedAndAClaimFiresNoTrigger) {
    m_first.ExecuteSQL("DELETE FROM Schedules WHERE ID=2");
    CTransaction transaction(m_first);
    EXPECT_FALSE(ClaimRowForChange(m_first, "Schedules", 2));
    EXPECT_TRUE(ClaimRowForChange(m_first, "Schedules", 1));
    EXPECT_EQ(m_source.QueryNumber("SELECT COUNT(*) FROM Schedules WHERE ID=1"), 1);
}

TEST_F(RowClaimTest, ATableBeingFilledAgainIsFilledByOneProgramAtATimeAndStillRead) {
    CTransaction first(m_first);
    ClaimTableForChange(m_first, "tempsearch");
    m_first.ExecuteSQL("DELETE FROM tempsearch");
    {
        CTransaction second(m_second);
        EXPECT_THROW(ClaimTableForChange(m_second, "tempsearch"), CDBException);
    }
    // Readers go on seeing the table as it was.
    CRowReader rows(m_second, "SELECT COUNT(*) FROM tempsearch", {FieldKind::Long});
    std::vector<FieldValue> values;
    EXPECT_TRUE(rows.Next(values));
    first.Commit();
}

}  // namespace
