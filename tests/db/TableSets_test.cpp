// The table record sets against the shipped tables: every column binds, and
// values go in and come back through the set.
#include <gtest/gtest.h>

#include "db/ColoursSet.h"
#include "db/ConfigSet.h"
#include "db/ItemsSet.h"
#include "db/ScheduleItemSet.h"
#include "db/ScheduleSet.h"
#include "db/SqlText.h"
#include "db/TempSearchSet.h"
#include "db/VPDSet.h"
#include "odbc/Database.h"
#include "support/SmallLibrary.h"

namespace {

class TableSetsTest : public testing::Test {
  protected:
    void SetUp() override { m_db.OpenEx("ODBC;DSN=Versilux"); }
    SmallLibrary m_lib;
    CDatabase m_db;
};

TEST_F(TableSetsTest, EverySetOpensWithItsColumnCount) {
    CItemsSet items(&m_db);
    CScheduleSet schedules(&m_db);
    CScheduleItemSet rows(&m_db);
    CVPDSet vpds(&m_db);
    CConfigSet config(&m_db);
    CColoursSet colours(&m_db);
    CTempSearchSet temp(&m_db);
    const std::pair<CRecordset*, int> sets[] = {{&items, 21}, {&schedules, 3}, {&rows, 5},
                                                {&vpds, 2},   {&config, 32},   {&colours, 5},
                                                {&temp, 4}};
    for (auto [set, fields] : sets) {
        EXPECT_EQ(set->GetDefaultConnect(), "ODBC;DSN=Versilux");
        set->Open();
        EXPECT_EQ(set->m_nFields, fields) << set->GetDefaultSQL();
        EXPECT_TRUE(set->CanUpdate());
    }
    EXPECT_EQ(config.m_Max_Font, 900);
    EXPECT_EQ(config.m_Version, "v-keep");
    EXPECT_EQ(colours.m_Name, "Black");
}

TEST_F(TableSetsTest, ItemRoundTripsEveryColumn) {
    {
        CItemsSet items(&m_db);
        items.Open();
        items.AddNew();
        items.m_Title = "T";
        items.m_Heading1 = "H1";
        items.m_Heading2 = "H2";
        items.m_Field1 = "{G}F1";
        items.m_Field2 = "F2";
        items.m_Type = 8;
        items.m_Subtype = 3;
        items.m_Background = 1;
        items.m_Foreground = 2;
        items.m_Foreground2 = 3;
        items.m_VPD = 2;
        items.m_Heading2_alt = "alt";
        items.m_Transpose = -5;
        items.m_PreferFlats = true;
        items.m_FileName = "f.txt";
        items.m_Flag1 = items.m_Flag3 = true;
        items.m_BPM = 120;
        items.Update();
    }
    CItemsSet items(&m_db);
    items.m_strFilter = "VPD=2";
    items.Open();
    ASSERT_FALSE(items.IsEOF());
    EXPECT_EQ(items.m_Title + items.m_Heading1 + items.m_Heading2 + items.m_Field1 +
                  items.m_Field2 + items.m_Heading2_alt + items.m_FileName,
              "TH1H2{G}F1F2altf.txt");
    EXPECT_EQ(items.m_Type, 8);
    EXPECT_EQ(items.m_Subtype, 3);
    EXPECT_EQ(items.m_Background + items.m_Foreground * 10 + items.m_Foreground2 * 100, 321);
    EXPECT_EQ(items.m_Transpose, -5);
    EXPECT_TRUE(items.m_PreferFlats);
    EXPECT_TRUE(items.m_Flag1 && !items.m_Flag2 && items.m_Flag3 && !items.m_Flag4);
    EXPECT_EQ(items.m_BPM, 120);
    EXPECT_GT(items.m_ID, 0);
}

TEST_F(TableSetsTest, EditingConfigLeavesVersionAlone) {
    m_lib.Exec("INSERT INTO config (Version) VALUES ('second row')");
    {
        CConfigSet config(&m_db);
        config.Open();
        config.Edit();
        config.m_Normal_Font = 600;
        config.m_Flag2 = "Advent";
        config.Update();
    }
    TempDataSource& source = m_lib.Source();
    EXPECT_EQ(source.QueryNumber("SELECT COUNT(*) FROM config WHERE Version='v-keep'"), 1);
    EXPECT_EQ(source.QueryNumber("SELECT [Normal Font] FROM config WHERE Version='v-keep'"), 600);
    EXPECT_EQ(source.QueryText("SELECT Flag2 FROM config WHERE Version='v-keep'"), "Advent");
    // config has no key: the row that was read is the one changed.
    EXPECT_EQ(source.QueryNumber("SELECT [Normal Font] FROM config WHERE Version='second row'"), 0);
}

TEST_F(TableSetsTest, SearchRowsKeepTheirItemIdWhileItemsGetStoreIds) {
    {
        CTempSearchSet temp(&m_db);
        temp.Open();
        temp.AddNew();
        temp.m_ID = 42;
        temp.m_VPD = 1;
        temp.m_Field1 = "amazing grace";
        temp.m_Title = "Amazing";
        ASSERT_TRUE(temp.Update());
    }
    CTempSearchSet temp(&m_db);
    temp.m_strFilter = "[Field1] like '%grace%'";
    temp.m_strSort = "[Title]";
    temp.Open();
    ASSERT_FALSE(temp.IsEOF());
    EXPECT_EQ(temp.m_ID, 42);
    EXPECT_EQ(temp.m_Title, "Amazing");

    const long first = m_lib.AddItem("one", 1);
    CItemsSet items(&m_db);
    items.Open();
    items.AddNew();
    items.m_ID = static_cast<std::int32_t>(first);  // ignored: the store assigns IDs
    items.m_Title = "two";
    ASSERT_TRUE(items.Update());
    EXPECT_EQ(m_lib.Source().QueryNumber("SELECT COUNT(DISTINCT ID) FROM items"), 2);
    EXPECT_GT(m_lib.Source().QueryNumber("SELECT ID FROM items WHERE Title='two'"), first);
}

TEST_F(TableSetsTest, QuotedPhraseInAFilterFindsTheTextInsteadOfBreakingTheSql) {
    m_lib.AddItem("Lord's", 1, "O Lord's grace");
    m_lib.AddItem("other", 1, "nothing");
    CItemsSet items(&m_db);
    items.m_strFilter =
        wxString::Format("[Subtype]=1 and [Field1] like '%%%s%%'", EscapeSqlLiteral("Lord's"));
    items.m_strSort = "[Title]";
    items.Open();
    ASSERT_FALSE(items.IsEOF());
    EXPECT_EQ(items.m_Title, "Lord's");
    items.MoveNext();
    EXPECT_TRUE(items.IsEOF());
    EXPECT_EQ(EscapeSqlLiteral("a'b''c"), "a''b''''c");
}

}  // namespace
