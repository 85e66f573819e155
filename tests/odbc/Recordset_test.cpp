// The record-set layer against the real ODBC drivers of each store.
#include <gtest/gtest.h>

#include "db/LibrarySetup.h"
#include "odbc/DBException.h"
#include "odbc/Database.h"
#include "odbc/Recordset.h"
#include "odbc/RowStream.h"
#include "support/TempDataSource.h"

namespace {

class CSongSet : public CRecordset {
  public:
    explicit CSongSet(CDatabase* db) : CRecordset(db) { m_strKeyColumn = "[ID]"; }
    wxString m_Title;
    wxString m_Words;
    std::int32_t m_ID = 0;
    int m_Number = 0;
    bool m_Flag = false;
    unsigned char m_Level = 0;
    wxString GetDefaultConnect() override { return "ODBC;DSN=Versilux"; }
    wxString GetDefaultSQL() override { return "[songs]"; }
    void DoFieldExchange(CFieldExchange* pFX) override {
        RFX_Text(pFX, "[Title]", m_Title);
        RFX_Text(pFX, "[Words]", m_Words, 32768);
        RFX_Long(pFX, "[ID]", m_ID);
        RFX_Int(pFX, "[Number]", m_Number);
        RFX_Bool(pFX, "[Flag]", m_Flag);
        RFX_Byte(pFX, "[Level]", m_Level);
    }
};

// A table whose defaults are not 0: what an insert writes must still win.
class CPrefsSet : public CRecordset {
  public:
    explicit CPrefsSet(CDatabase* db) : CRecordset(db) { m_strKeyColumn = "[ID]"; }
    std::int32_t m_ID = 0;
    wxString m_Name;
    int m_Count = 0;
    bool m_On = false;
    wxString m_Quote;
    wxString m_Stamp;
    wxString GetDefaultConnect() override { return "ODBC;DSN=Versilux"; }
    wxString GetDefaultSQL() override { return "[prefs]"; }
    void DoFieldExchange(CFieldExchange* pFX) override {
        RFX_Long(pFX, "[ID]", m_ID);
        RFX_Text(pFX, "[Name]", m_Name);
        RFX_Int(pFX, "[Count]", m_Count);
        RFX_Bool(pFX, "[On]", m_On);
        RFX_Text(pFX, "[Quote]", m_Quote);
        RFX_Text(pFX, "[Stamp]", m_Stamp);
    }
};

// A table without a key of its own: ID is copied in, like the search table.
class CCopySet : public CRecordset {
  public:
    explicit CCopySet(CDatabase* db) : CRecordset(db) {}
    std::int32_t m_ID = 0;
    wxString m_Name;
    wxString GetDefaultConnect() override { return "ODBC;DSN=Versilux"; }
    wxString GetDefaultSQL() override { return "[copies]"; }
    void DoFieldExchange(CFieldExchange* pFX) override {
        RFX_Long(pFX, "[ID]", m_ID);
        RFX_Text(pFX, "[Name]", m_Name);
    }
};

// Seq is the order rows were added in; the set does not bind it, so the
// table still has no key the set knows of.
const char* kCopiesTable =
    "CREATE TABLE copies (Seq INTEGER PRIMARY KEY AUTOINCREMENT, ID INTEGER NOT NULL DEFAULT 0, "
    "Name TEXT)";

wxString Rows(CCopySet& set) {
    set.m_strSort = "Seq";
    set.Requery();
    wxString rows;
    while (!set.IsEOF()) {
        rows << set.m_ID << ":" << (set.IsFieldNull(&set.m_Name) ? "null" : set.m_Name) << " ";
        set.MoveNext();
    }
    return rows;
}

class RecordsetTest : public testing::Test {
  protected:
    void SetUp() override {
        m_db.OpenEx("ODBC;DSN=Versilux");
        Create(
            "CREATE TABLE songs (Title TEXT NOT NULL DEFAULT 'untitled', Words TEXT, "
            "ID INTEGER PRIMARY KEY AUTOINCREMENT, Number INTEGER NOT NULL DEFAULT 7, "
            "Flag INTEGER NOT NULL DEFAULT 0, Level INTEGER NOT NULL DEFAULT 0)");
    }
    // A table written as for SQLite, made the way this store makes it.
    void Create(const wxString& sql) { m_source.Exec(SchemaForStore(sql, m_db.GetDBMSName())); }
    void Add(const wxString& title, int number) {
        CSongSet set(&m_db);
        set.Open();
        set.AddNew();
        set.m_Title = title;
        set.m_Number = number;
        set.m_Words = "w";
        ASSERT_TRUE(set.Update());
    }
    TempDataSource m_source{TempDataSource::Content::Nothing};
    CDatabase m_db;
};

TEST_F(RecordsetTest, LongTextRoundTripsByteForByte) {
    wxString words;
    const wxString pattern = wxString::FromUTF8(
        "{G}Amaz\xC2\xAC"
        "D\xC2\xAC"
        "ing \xCE\xB1\xCF\x89 "
        "\xD0\x96\xE6\xAD\x8C|[2]x\r\n");
    while (words.length() < 32000) {
        words << pattern;
    }
    words.Truncate(32000);
    {
        CSongSet set(&m_db);
        set.Open();
        set.AddNew();
        set.m_Title = "Grace";
        set.m_Words = words;
        ASSERT_TRUE(set.Update());
    }
    CSongSet set(&m_db);
    set.Open();
    ASSERT_FALSE(set.IsEOF());
    EXPECT_EQ(set.m_Words.length(), 32000u);
    EXPECT_TRUE(set.m_Words == words);
    EXPECT_GT(set.m_ID, 0);  // assigned by the store
}

TEST_F(RecordsetTest, UnsetColumnsTakeTheStoresDefaults) {
    CSongSet set(&m_db);
    set.Open();
    set.AddNew();
    set.m_Words = "only words";
    set.Update();
    set.Requery();
    ASSERT_FALSE(set.IsEOF());
    EXPECT_EQ(set.m_Title, "untitled");
    EXPECT_EQ(set.m_Number, 7);
}

TEST_F(RecordsetTest, AssignedZeroFalseAndEmptyOverrideNonZeroDefaults) {
    Create(
        "CREATE TABLE prefs (ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT DEFAULT 'none', "
        "Count INTEGER NOT NULL DEFAULT ((5)), [On] INTEGER DEFAULT 1, "
        "Quote TEXT DEFAULT 'it''s', Stamp TEXT DEFAULT CURRENT_TIMESTAMP)");
    CPrefsSet set(&m_db);
    set.m_strSort = "ID";
    set.Open();
    set.AddNew();
    // The members show the store's plain defaults; an expression stays the store's.
    EXPECT_EQ(set.m_Name, "none");
    EXPECT_EQ(set.m_Count, 5);
    EXPECT_TRUE(set.m_On);
    EXPECT_EQ(set.m_Quote, "it's");
    EXPECT_EQ(set.m_Stamp, "");
    set.m_Name = "";
    set.m_Count = 0;
    set.m_On = false;
    set.m_Quote = "";
    set.m_ID = 999;  // the store assigns the key whatever the member says
    ASSERT_TRUE(set.Update());
    set.AddNew();
    ASSERT_TRUE(set.Update());  // nothing assigned: every default applies
    set.Requery();
    ASSERT_FALSE(set.IsEOF());
    EXPECT_EQ(set.m_ID, 1);
    EXPECT_EQ(set.m_Name, "");
    EXPECT_FALSE(set.IsFieldNull(&set.m_Name));
    EXPECT_EQ(set.m_Count, 0);
    EXPECT_FALSE(set.m_On);
    EXPECT_EQ(set.m_Quote, "");
    set.MoveNext();
    ASSERT_FALSE(set.IsEOF());
    EXPECT_EQ(set.m_ID, 2);
    EXPECT_EQ(set.m_Name + set.m_Quote, "noneit's");
    EXPECT_EQ(set.m_Count, 5);
    EXPECT_TRUE(set.m_On);
    EXPECT_FALSE(set.m_Stamp.empty());
}

TEST_F(RecordsetTest, WithoutAKeyTheIdIsWrittenAndRowsAreFoundByTheirValues) {
    Create(kCopiesTable);
    CCopySet set(&m_db);
    set.Open();
    for (const char* name : {"a", "b", "c"}) {
        set.AddNew();
        set.m_ID = 42;
        set.m_Name = name;
        ASSERT_TRUE(set.Update());
    }
    m_source.Exec("INSERT INTO copies (ID, Name) VALUES (42, NULL)");
    EXPECT_EQ(Rows(set), "42:a 42:b 42:c 42:null ");

    set.MoveFirst();
    set.MoveNext();  // b
    set.Edit();
    set.m_ID = 7;
    ASSERT_TRUE(set.Update());
    set.SetAbsolutePosition(4);  // the row whose Name is null
    set.Delete();
    EXPECT_EQ(Rows(set), "42:a 7:b 42:c ");

    // A row changed behind the set's back is not found, and nothing else is touched.
    m_source.Exec("UPDATE copies SET Name='x' WHERE Name='a'");
    set.MoveFirst();
    set.Edit();
    set.m_Name = "lost";
    EXPECT_THROW(set.Update(), CDBException);
    EXPECT_THROW(set.Delete(), CDBException);
    EXPECT_EQ(Rows(set), "42:x 7:b 42:c ");
}

TEST_F(RecordsetTest, TextThatIsNotUtf8ReadsBackAsWindows1252AndKeepsItsRow) {
    if (TempDataSource::OnPostgreSQL()) {
        GTEST_SKIP()
            << "a UTF-8 server refuses text that is not UTF-8, so no such rows exist there";
    }
    // 0xAC is the inline-chord sign; 0x81 and 0x9D have no Windows-1252 character.
    m_source.Exec(
        "INSERT INTO songs (Title, Words) VALUES (CAST(X'AC44AC' AS TEXT), "
        "CAST(X'41819D80' AS TEXT))");
    CSongSet set(&m_db);
    set.Open();
    ASSERT_FALSE(set.IsEOF());
    EXPECT_EQ(set.m_Title, wxString::FromUTF8("\xC2\xAC"
                                              "D\xC2\xAC"));
    EXPECT_EQ(set.m_Words, wxString::FromUTF8("A\xC2\x81\xC2\x9D\xE2\x82\xAC"));

    Create(kCopiesTable);
    m_source.Exec("INSERT INTO copies (ID, Name) VALUES (1, CAST(X'AC81' AS TEXT)), (2, 'plain')");
    CCopySet copies(&m_db);
    copies.Open();
    EXPECT_EQ(copies.m_Name, wxString::FromUTF8("\xC2\xAC\xC2\x81"));
    copies.Edit();
    copies.m_ID = 3;  // the row is found by the bytes it holds
    ASSERT_TRUE(copies.Update());
    EXPECT_EQ(m_source.QueryText("SELECT hex(Name) FROM copies WHERE ID=3"), "AC81");
}

TEST_F(RecordsetTest, FailedRequeryLeavesNoRowCurrentAndAGoodOneRecovers) {
    Add("A", 1);
    Add("B", 2);
    CSongSet set(&m_db);
    set.m_strSort = "Title";
    set.Open();
    ASSERT_EQ(set.m_Title, "A");
    set.m_strFilter = "NoSuchColumn=1";
    EXPECT_THROW(set.Requery(), CDBException);
    // Readers that look before they read find nothing, and walking does not throw.
    EXPECT_TRUE(set.IsEOF());
    EXPECT_TRUE(set.IsBOF());
    EXPECT_TRUE(set.m_Title.empty());
    EXPECT_EQ(set.m_Number, 0);
    EXPECT_EQ(set.GetRecordCount(), 0);
    EXPECT_TRUE(set.IsFieldNull(&set.m_Title));
    EXPECT_NO_THROW(set.MoveNext());
    EXPECT_NO_THROW(set.MoveFirst());
    EXPECT_TRUE(set.IsEOF());
    EXPECT_THROW(set.Edit(), CDBException);

    set.m_strFilter = "Number=2";
    set.Requery();
    ASSERT_FALSE(set.IsEOF());
    EXPECT_EQ(set.m_Title, "B");
    set.MoveNext();
    EXPECT_TRUE(set.IsEOF());
}

TEST_F(RecordsetTest, FilterSortWalkAndPosition) {
    Add("C", 3);
    Add("A", 1);
    Add("B", 2);
    Add("D", 4);
    CSongSet set(&m_db);
    set.m_strFilter = "Number<4";
    set.m_strSort = "Title";
    set.Open();
    EXPECT_EQ(set.GetSQL(),
              "SELECT [Title], [Words], [ID], [Number], [Flag], [Level] FROM [songs] WHERE "
              "Number<4 ORDER BY Title");
    EXPECT_FALSE(set.IsBOF());
    wxString order;
    while (!set.IsEOF()) {
        order << set.m_Title;
        set.MoveNext();
    }
    EXPECT_EQ(order, "ABC");
    EXPECT_EQ(set.GetRecordCount(), 3);
    set.MovePrev();
    EXPECT_EQ(set.m_Title, "C");
    set.SetAbsolutePosition(2);
    EXPECT_EQ(set.m_Title, "B");
    set.MovePrev();
    set.MovePrev();
    EXPECT_TRUE(set.IsBOF());
    set.MoveFirst();
    EXPECT_EQ(set.m_Title, "A");
    set.SetAbsolutePosition(9);
    EXPECT_TRUE(set.IsEOF());
    set.SetAbsolutePosition(-1);
    EXPECT_EQ(set.m_Title, "C");

    set.m_strFilter = "Number>100";
    set.Requery();
    EXPECT_TRUE(set.IsEOF());
    EXPECT_TRUE(set.IsBOF());
    EXPECT_EQ(set.GetRecordCount(), 0);
}

TEST_F(RecordsetTest, EditRewritesOnlyTheCurrentRowAndDeleteMovesOn) {
    Add("A", 1);
    Add("B", 2);
    Add("C", 3);
    CSongSet set(&m_db);
    set.m_strSort = "Title";
    set.Open();
    set.MoveNext();  // B
    set.Edit();
    EXPECT_FALSE(set.Update());  // nothing changed, nothing written
    set.Edit();
    set.m_Title = "B'";
    set.m_Flag = true;
    set.m_Level = 200;
    EXPECT_TRUE(set.Update());
    EXPECT_EQ(set.m_Title, "B'");
    set.MoveFirst();
    set.Delete();  // A
    EXPECT_TRUE(set.IsDeleted());
    set.MoveNext();
    EXPECT_EQ(set.m_Title, "B'");
    set.Requery();
    wxString rows;
    while (!set.IsEOF()) {
        rows << set.m_Title << (set.m_Flag ? "+" : "-") << int(set.m_Level) << " ";
        set.MoveNext();
    }
    EXPECT_EQ(rows, "B'+200 C-0 ");
}

TEST_F(RecordsetTest, NullColumnsAreReportedAndLoadAsEmpty) {
    m_source.Exec("INSERT INTO songs (Title, Words) VALUES ('N', NULL)");
    CSongSet set(&m_db);
    set.m_Words = "stale";
    set.Open();
    EXPECT_TRUE(set.IsFieldNull(&set.m_Words));
    EXPECT_FALSE(set.IsFieldNull(&set.m_Title));
    EXPECT_TRUE(set.m_Words.empty());
}

TEST_F(RecordsetTest, DriverErrorsCarryStateAndMessage) {
    CSongSet set(&m_db);
    set.m_strFilter = "NoSuchColumn=1";
    try {
        set.Open();
        FAIL() << "no exception";
    } catch (const CDBException& e) {
        EXPECT_FALSE(e.m_strState.empty());
        // A server names the column as it folded it.
        EXPECT_TRUE(e.m_strError.Lower().Contains("nosuchcolumn")) << e.m_strError;
        EXPECT_TRUE(e.GetErrorMessage().Contains("State:")) << e.GetErrorMessage();
    }
    EXPECT_FALSE(set.IsOpen());
    EXPECT_THROW(m_db.ExecuteSQL("DELETE FROM nowhere"), CDBException);
    EXPECT_THROW(set.MoveNext(), CDBException);  // not open
    CDatabase other;
    EXPECT_THROW(other.OpenEx("ODBC;DSN=NoSuchSource"), CDBException);
}

TEST_F(RecordsetTest, RolledBackWritesLeaveTheOldData) {
    Add("kept", 1);
    {
        CTransaction transaction(m_db);
        m_db.ExecuteSQL("DELETE FROM songs");
        Add("lost", 2);
    }  // no commit
    EXPECT_EQ(m_source.QueryNumber("SELECT COUNT(*) FROM songs"), 1);
    EXPECT_EQ(m_source.QueryText("SELECT Title FROM songs"), "kept");
    {
        CTransaction transaction(m_db);
        m_db.ExecuteSQL("UPDATE songs SET Title='changed'");
        transaction.Commit();
    }
    EXPECT_EQ(m_source.QueryText("SELECT Title FROM songs"), "changed");
}

TEST_F(RecordsetTest, QuotesInBoundValuesAreStoredAsTyped) {
    Add("O'Lord; DROP TABLE songs; --", 1);
    EXPECT_EQ(m_source.QueryText("SELECT Title FROM songs"), "O'Lord; DROP TABLE songs; --");
}

}  // namespace

namespace {

// The store's name decides which settings a connection gets.
TEST_F(RecordsetTest, TheConnectionNamesItsStore) {
    EXPECT_EQ(m_db.GetDBMSName(), TempDataSource::OnPostgreSQL() ? "PostgreSQL" : "SQLite");
    CDatabase closed;
    EXPECT_EQ(closed.GetDBMSName(), "");
}

}  // namespace

// The server's driver takes its encoding from the locale it starts in:
// under a Latin-1 locale the server would turn every accented letter into
// two wrong ones, under LANG=C it stores bytes unchecked. ctest runs this
// under LANG=C too (pg_encoding_under_c_locale).
TEST(ServerEncoding, TheSessionSpeaksUtf8WhateverTheLocale) {
    if (!TempDataSource::OnPostgreSQL()) {
        GTEST_SKIP() << "only the server's driver reads the locale";
    }
    TempDataSource source(TempDataSource::Content::Schema);
    CDatabase db;
    db.OpenEx("ODBC;DSN=Versilux");
    CRowReader encoding(db, "SHOW client_encoding", {FieldKind::Text});
    std::vector<FieldValue> values;
    ASSERT_TRUE(encoding.Next(values));
    EXPECT_EQ(values[0].strValue, "UTF8");
    db.ExecuteSQL(wxString::FromUTF8("INSERT INTO VPD (Name) VALUES ('Caf\xC3\xA9 \xE2\x82\xAC')"));
    EXPECT_EQ(source.QueryNumber("SELECT octet_length(Name) FROM VPD"), 9);
}
