// The record-set layer against the real SQLite ODBC driver.
#include <gtest/gtest.h>

#include "odbc/DBException.h"
#include "odbc/Database.h"
#include "odbc/Recordset.h"
#include "support/TempDataSource.h"

namespace {

class CSongSet : public CRecordset {
  public:
    explicit CSongSet(CDatabase* db) : CRecordset(db) {}
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

class RecordsetTest : public testing::Test {
  protected:
    void SetUp() override {
        m_source.Exec(
            "CREATE TABLE songs (Title TEXT NOT NULL DEFAULT 'untitled', Words TEXT, "
            "ID INTEGER PRIMARY KEY AUTOINCREMENT, Number INTEGER NOT NULL DEFAULT 7, "
            "Flag INTEGER NOT NULL DEFAULT 0, Level INTEGER NOT NULL DEFAULT 0)");
        m_db.OpenEx("ODBC;DSN=Versilux");
    }
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
        EXPECT_TRUE(e.m_strError.Contains("NoSuchColumn")) << e.m_strError;
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
    EXPECT_EQ(m_source.QueryText("SELECT group_concat(Title) FROM songs"), "kept");
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
