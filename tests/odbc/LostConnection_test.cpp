// A connection the server drops, as a restart does: told with the data
// source's name, and the next command connects again. Only a server can
// drop a connection, so these run on PostgreSQL.
#include <gtest/gtest.h>

#include "db/ItemsSet.h"
#include "odbc/DBException.h"
#include "odbc/DataSourceRegistry.h"
#include "odbc/Database.h"
#include "odbc/Recordset.h"
#include "odbc/RowStream.h"
#include "support/TempDataSource.h"

namespace {

class LostConnectionTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!TempDataSource::OnPostgreSQL()) {
            GTEST_SKIP() << "only a server drops a connection";
        }
        m_pSource = std::make_unique<TempDataSource>(TempDataSource::Content::Library);
        m_db.OpenEx("ODBC;DSN=Versilux");
    }
    // Ends this connection's server session from another connection.
    void DropConnection() {
        CRowReader pid(m_db, "SELECT pg_backend_pid()", {FieldKind::Long});
        std::vector<FieldValue> values;
        ASSERT_TRUE(pid.Next(values));
        m_pSource->Exec(wxString::Format("SELECT pg_terminate_backend(%lld)", values[0].nValue));
    }
    long Count(const wxString& sql) { return m_pSource->QueryNumber(sql); }

    std::unique_ptr<TempDataSource> m_pSource;
    CDatabase m_db;
};

void ExpectLost(const std::function<void()>& command) {
    try {
        command();
        ADD_FAILURE() << "the lost connection went unnoticed";
    } catch (const CDBException& e) {
        EXPECT_TRUE(e.m_bConnectionLost) << e.GetErrorMessage();
        EXPECT_TRUE(e.GetErrorMessage().Contains("\"Versilux\"")) << e.GetErrorMessage();
    }
}

TEST_F(LostConnectionTest, TheNextCommandConnectsAgainAndOpenSetsCarryOn) {
    CItemsSet items(&m_db);
    items.m_strSort = "ID";
    items.Open();
    const int nFirst = items.m_ID;
    DropConnection();

    ExpectLost([&] { items.Requery(); });
    EXPECT_TRUE(items.IsEOF());
    // The next command: the same set reads again on a new connection.
    items.Requery();
    ASSERT_FALSE(items.IsEOF());
    EXPECT_EQ(items.m_ID, nFirst);
    items.Edit();
    items.m_Title = "Renamed after the restart";
    EXPECT_TRUE(items.Update());
    EXPECT_EQ(Count(wxString::Format(
                  "SELECT COUNT(*) FROM items WHERE Title='Renamed after the restart' AND ID=%d",
                  nFirst)),
              1);
}

TEST_F(LostConnectionTest, AChangeCutOffHalfWayLeavesNothingAndTheNextOneWorks) {
    const long nItems = Count("SELECT COUNT(*) FROM items");
    {
        CTransaction transaction(m_db);
        m_db.ExecuteSQL("DELETE FROM [schedule items]");
        DropConnection();
        ExpectLost([&] { m_db.ExecuteSQL("DELETE FROM items"); });
        // Until the change is given up, nothing runs on a new connection
        // outside it.
        ExpectLost([&] { m_db.ExecuteSQL("DELETE FROM items"); });
        EXPECT_THROW(transaction.Commit(), CDBException);
    }
    EXPECT_GT(Count("SELECT COUNT(*) FROM [schedule items]"), 0);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM items"), nItems);

    m_db.ExecuteSQL("DELETE FROM [schedule items]");
    EXPECT_EQ(Count("SELECT COUNT(*) FROM [schedule items]"), 0);
}

TEST_F(LostConnectionTest, ASetStillWalkingItsRowsWhenAnotherReconnectsIsToldToRunAgain) {
    CItemsSet walking(&m_db);
    walking.Open();  // stands on its first row; the rest is not fetched yet
    DropConnection();
    ExpectLost([&] { m_db.ExecuteSQL("UPDATE items SET BPM=BPM"); });
    m_db.ExecuteSQL("UPDATE items SET BPM=BPM");  // connected again
    // The old statement went with the old connection: never used again.
    try {
        while (!walking.IsEOF()) {
            walking.MoveNext();
        }
    } catch (const CDBException& e) {
        EXPECT_TRUE(e.m_bConnectionLost);
    }
    walking.Requery();
    EXPECT_FALSE(walking.IsEOF());
}

TEST_F(LostConnectionTest, AServerStillDownIsNamedAndTriedAgainAtEachCommand) {
    DropConnection();
    ExpectLost([&] { m_db.ExecuteSQL("UPDATE items SET BPM=BPM"); });
    // The data source points where nothing listens, as a server still down.
    const wxString port = m_pSource->QueryText("SELECT current_setting('port')");
    RegisterDataSource("Versilux", {{"Port", "1"}});
    for (int i = 0; i < 2; ++i) {
        try {
            m_db.ExecuteSQL("UPDATE items SET BPM=BPM");
            ADD_FAILURE() << "an unreachable server went unnoticed";
        } catch (const CDBException& e) {
            EXPECT_TRUE(
                e.GetErrorMessage().StartsWith("The data source \"Versilux\" cannot be reached"))
                << e.GetErrorMessage();
        }
    }
    RegisterDataSource("Versilux", {{"Port", port}});
    m_db.ExecuteSQL("UPDATE items SET BPM=BPM");
}

}  // namespace
