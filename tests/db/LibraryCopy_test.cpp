// Copying a library between stores: every row with its IDs and its text
// intact, refusals and failures that leave the target as it was. The target
// is an SQLite file and, when VERSILUX_TEST_PG names a server, a fresh
// PostgreSQL database.
#include <gtest/gtest.h>

#include <unistd.h>
#include <wx/utils.h>
#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

#include "db/DataFiles.h"
#include "db/LibraryCopy.h"
#include "db/LibrarySetup.h"
#include "db/StoreKind.h"
#include "odbc/Catalog.h"
#include "odbc/DBException.h"
#include "odbc/DataSourceRegistry.h"
#include "odbc/Database.h"
#include "odbc/RowStream.h"
#include "support/TempDataSource.h"

namespace {

// A store to copy into, empty at first, gone with the object.
class TargetStore {
  public:
    explicit TargetStore(const wxString& strKind, const wxString& strDir) {
        if (strKind == "sqlite") {
            m_strConnect = "Driver=" + FindSqliteDriver() + ";Database=" + strDir + "/target.db;";
            return;
        }
        if (!wxGetEnv("VERSILUX_TEST_PG", &m_strServer) || m_strServer.empty()) {
            return;
        }
        static std::atomic<int> counter{0};
        m_strDatabase =
            wxString::Format("cli_unit_copy_%d_%d", static_cast<int>(getpid()), counter++);
        CDatabase server;
        server.OpenEx(m_strServer);
        server.ExecuteSQL("DROP DATABASE IF EXISTS " + m_strDatabase);
        server.ExecuteSQL("CREATE DATABASE " + m_strDatabase);
        wxString connect = m_strServer;
        connect.Replace("Database=postgres", "Database=" + m_strDatabase);
        m_strConnect = connect;
    }
    ~TargetStore() {
        if (m_strDatabase.empty()) {
            return;
        }
        try {
            CDatabase server;
            server.OpenEx(m_strServer);
            server.ExecuteSQL("DROP DATABASE IF EXISTS " + m_strDatabase);
        } catch (...) {  // a left-over test database harms nothing
        }
    }
    bool Available() const { return !m_strConnect.empty(); }
    const wxString& Connect() const { return m_strConnect; }

  private:
    wxString m_strServer;
    wxString m_strDatabase;
    wxString m_strConnect;
};

// Every row of a table, all columns as text, sorted here (stores collate
// text differently).
std::vector<std::vector<wxString>> Rows(CDatabase& db, const wxString& table) {
    const std::vector<CColumnInfo> columns = ListColumns(db, table);
    wxString names;
    std::vector<FieldKind> kinds;
    for (const CColumnInfo& column : columns) {
        names << (names.empty() ? "" : ", ") << "[" << column.strName << "]";
        kinds.push_back(column.kind);
    }
    CRowReader reader(db, "SELECT " + names + " FROM " + table, kinds);
    std::vector<std::vector<wxString>> rows;
    std::vector<FieldValue> values;
    while (reader.Next(values)) {
        std::vector<wxString> row;
        for (const FieldValue& value : values) {
            row.push_back(value.bNull ? wxString("<null>")
                                      : value.strValue + wxString::Format("%lld", value.nValue));
        }
        rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

wxString Text(CDatabase& db, const wxString& sql) {
    CRowReader reader(db, sql, {FieldKind::Text});
    std::vector<FieldValue> values;
    return reader.Next(values) ? values[0].strValue : wxString();
}

class LibraryCopyTest : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        m_pTarget = std::make_unique<TargetStore>(GetParam(), m_source.Dir());
        if (!m_pTarget->Available()) {
            wxString required;
            if (wxGetEnv("VERSILUX_TEST_PG_REQUIRED", &required) && required == "1") {
                FAIL()
                    << "VERSILUX_TEST_PG is not set: run the tests under scripts/with-postgresql";
            }
            GTEST_SKIP() << "VERSILUX_TEST_PG is not set";
        }
        m_sourceDb.OpenEx("DSN=Versilux");
        m_targetDb.OpenEx(m_pTarget->Connect());
    }
    void TearDown() override {
        m_targetDb.Close();  // before its database is dropped
    }
    void Copy() { CopyLibrary(m_sourceDb, m_targetDb, GetShippedDataDir()); }
    // The target's rows of every table.
    std::vector<std::vector<std::vector<wxString>>> TargetContents() {
        std::vector<std::vector<std::vector<wxString>>> contents;
        if (GetLibraryState(m_targetDb) == ELibraryState::Library) {
            for (const char* table : kLibraryTables) {
                contents.push_back(Rows(m_targetDb, table));
            }
        }
        return contents;
    }

    TempDataSource m_source{TempDataSource::Content::Library};
    std::unique_ptr<TargetStore> m_pTarget;
    CDatabase m_sourceDb;
    CDatabase m_targetDb;
};

TEST_P(LibraryCopyTest, EveryRowArrivesWithItsIdsAndTextIntact) {
    // Gaps in the IDs, a long word, text beyond Latin-1, and a row an older
    // Windows program wrote in Windows-1252 ("Café" with byte E9, ¬ as AC).
    m_source.Exec("DELETE FROM items WHERE ID IN (2, 5)");
    m_source.Exec("DELETE FROM [schedule items] WHERE [Item ID] IN (2, 5)");
    const wxString longWord(wxUniChar('x'), 32000);
    m_source.Exec(wxString::FromUTF8("INSERT INTO items (ID, Title, Field1, VPD) VALUES (900, "
                                     "'Ünïcode – “€” ¬G¬ 主', '") +
                  longWord + "', 1)");
    const bool bEightBit = !TempDataSource::OnPostgreSQL();  // SQLite keeps any bytes
    if (bEightBit) {
        m_source.Exec(
            "INSERT INTO items (ID, Title, Field1, VPD) VALUES (901, CAST(X'436166E9' "
            "AS TEXT), CAST(X'AC4741AC' AS TEXT), 1)");
    }
    m_source.Exec(
        "INSERT INTO [schedule items] (Schedule_ID, [Item ID], Item_Order, Transpose) "
        "VALUES (1, 900, 99, 999)");
    m_source.Exec("INSERT INTO tempsearch (ID, VPD, Field1, Title) VALUES (900, 1, 'a', 'b')");

    Copy();

    for (const char* table : kLibraryTables) {
        const auto expected = Rows(m_sourceDb, table);
        EXPECT_EQ(Rows(m_targetDb, table), expected) << table;
        EXPECT_FALSE(expected.empty()) << table;
    }
    EXPECT_EQ(Text(m_targetDb, "SELECT Title FROM items WHERE ID=900"),
              wxString::FromUTF8("Ünïcode – “€” ¬G¬ 主"));
    EXPECT_EQ(Text(m_targetDb, "SELECT Field1 FROM items WHERE ID=900"), longWord);
    // Re-written as UTF-8: read back byte for byte as such.
    if (bEightBit) {
        EXPECT_EQ(Text(m_targetDb, "SELECT Title FROM items WHERE ID=901"),
                  wxString::FromUTF8("Café"));
        EXPECT_EQ(Text(m_targetDb, "SELECT Field1 FROM items WHERE ID=901"),
                  wxString::FromUTF8("¬GA¬"));
        EXPECT_EQ(CountRows(m_targetDb, "items WHERE Title LIKE 'Caf%' AND " +
                                            wxString(IsSQLite(m_targetDb.GetDBMSName())
                                                         ? "length(CAST(Title AS BLOB))"
                                                         : "octet_length(Title)") +
                                            "=5"),
                  1);
    }

    // New rows get IDs beyond the copied ones.
    m_targetDb.ExecuteSQL("INSERT INTO items (Title) VALUES ('new')");
    m_targetDb.ExecuteSQL("INSERT INTO Schedules (Name) VALUES ('new')");
    EXPECT_GT(CountRows(m_targetDb, "items WHERE Title='new' AND ID > 900"), 0);
    EXPECT_EQ(CountRows(m_targetDb, "Schedules WHERE Name='new'"), 1);
}

TEST_P(LibraryCopyTest, StarterRowsOfANewLibraryAreReplaced) {
    {
        CTransaction transaction(m_targetDb);
        CreateLibrary(m_targetDb, GetShippedDataDir(), ELibraryContent::Starter);
        transaction.Commit();
    }
    m_source.Exec("UPDATE config SET Version='from the source'");
    m_source.Exec("INSERT INTO VPD (ID, Name) VALUES (7, 'Youth')");
    Copy();
    EXPECT_EQ(CountRows(m_targetDb, "config"), 1);
    EXPECT_EQ(Text(m_targetDb, "SELECT Version FROM config"), "from the source");
    EXPECT_EQ(Rows(m_targetDb, "VPD"), Rows(m_sourceDb, "VPD"));
    EXPECT_EQ(Rows(m_targetDb, "Colours"), Rows(m_sourceDb, "Colours"));
}

TEST_P(LibraryCopyTest, RefusalsLeaveTheTargetAsItWas) {
    Copy();
    const auto before = TargetContents();
    m_source.Exec("UPDATE items SET Title='changed'");
    EXPECT_THROW(Copy(), CLibraryRefused);  // it holds items now
    EXPECT_EQ(TargetContents(), before);

    // A source that is no library.
    CDatabase empty;
    empty.OpenEx("Driver=" + FindSqliteDriver() + ";Database=" + m_source.Dir() + "/empty.db;");
    m_targetDb.ExecuteSQL("DELETE FROM items");
    const auto emptied = TargetContents();
    EXPECT_THROW(CopyLibrary(empty, m_targetDb, GetShippedDataDir()), CLibraryRefused);
    EXPECT_EQ(TargetContents(), emptied);
}

TEST_P(LibraryCopyTest, APartLibraryIsRefusedUntouched) {
    m_targetDb.ExecuteSQL("CREATE TABLE items (ID INTEGER)");
    EXPECT_EQ(GetLibraryState(m_targetDb), ELibraryState::Partial);
    EXPECT_THROW(Copy(), CLibraryRefused);
    EXPECT_EQ(ListTables(m_targetDb).size(), 1u);
}

TEST_P(LibraryCopyTest, AFailureHalfWayLeavesNothingBehind) {
    // The last table holds a number no column of the library takes, so
    // every other table has been written when the copy fails.
    if (TempDataSource::OnPostgreSQL()) {
        GTEST_SKIP() << "only an SQLite source holds such a number";
    }
    m_source.Exec("INSERT INTO tempsearch (ID, VPD, Field1, Title) VALUES (5000000000, 1, '', '')");
    EXPECT_THROW(Copy(), CDBException);
    EXPECT_EQ(GetLibraryState(m_targetDb), ELibraryState::None);

    // The same onto a new library: its starter rows survive.
    {
        CTransaction transaction(m_targetDb);
        CreateLibrary(m_targetDb, GetShippedDataDir(), ELibraryContent::Starter);
        transaction.Commit();
    }
    const auto before = TargetContents();
    EXPECT_THROW(Copy(), CDBException);
    EXPECT_EQ(TargetContents(), before);
    EXPECT_EQ(CountRows(m_targetDb, "items"), 0);
}

TEST_P(LibraryCopyTest, ARefusedRowInABatchIsNeverPassedOver) {
    m_targetDb.ExecuteSQL("CREATE TABLE t (ID INTEGER PRIMARY KEY, Name TEXT)");
    auto row = [](long long id, const char* name) {
        FieldValue number;
        number.bNull = false;
        number.nValue = id;
        FieldValue text;
        text.bNull = false;
        text.strValue = name;
        return std::vector<FieldValue>{number, text};
    };
    CPreparedInsert insert(m_targetDb, "t", {"ID", "Name"}, {FieldKind::Long, FieldKind::Text});
    {
        CTransaction transaction(m_targetDb);
        insert.InsertRows({row(1, "a"), row(2, "bb"), row(3, "")});
        transaction.Commit();
    }
    EXPECT_EQ(Rows(m_targetDb, "t").size(), 3u);
    EXPECT_EQ(Text(m_targetDb, "SELECT Name FROM t WHERE ID=2"), "bb");
    {
        CTransaction transaction(m_targetDb);
        EXPECT_THROW(insert.InsertRows({row(4, "d"), row(2, "again"), row(5, "e")}), CDBException);
    }
    EXPECT_EQ(Rows(m_targetDb, "t").size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Stores, LibraryCopyTest, ::testing::Values("sqlite", "postgresql"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
