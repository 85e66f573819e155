// What the item editors read and write, without a window: the kind filters,
// the list that matches the query row for row, texts that go back whole,
// new items, copies and a store that refuses.
#include <gtest/gtest.h>

#include <memory>

#include "doc/ItemKinds.h"
#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"
#include "support/ListedItems.h"
#include "support/SmallLibrary.h"

namespace {

TEST(ItemKinds, FiltersWordsAndTheTextsEachScreenTypeShows) {
    EXPECT_EQ(ItemKindFilter(kKindAll, 7), "VPD=7");
    EXPECT_EQ(ItemKindFilter(kNoKind, 7), "VPD=7");
    EXPECT_EQ(ItemKindFilter(1, 2), "Subtype=0 and VPD=2");
    EXPECT_EQ(ItemKindFilter(5, 2), "Subtype=4 and VPD=2");
    EXPECT_EQ(ItemKindWord(kNoKind), "thingy");
    EXPECT_EQ(ItemKindWord(kKindAll), "item");
    EXPECT_EQ(ItemKindWord(kKindChords), "chords");
    EXPECT_EQ(ItemKindSubtype(kKindAll), -1);
    EXPECT_EQ(ItemKindSubtype(kNoKind), -1);
    EXPECT_EQ(ItemKindSubtype(5), 4);

    auto shown = [](int nType) {
        const CItemTextsUsed used = TextsUsedByType(nType);
        return wxString::Format("%d%d%d%d", used.bHeading1, used.bField1, used.bHeading2,
                                used.bField2);
    };
    EXPECT_EQ(shown(1), "1000");
    EXPECT_EQ(shown(2), "0000");
    EXPECT_EQ(shown(5), "1110");
    EXPECT_EQ(shown(6), "1111");
    EXPECT_EQ(shown(8), "0110");
    EXPECT_EQ(shown(50), "1000");
    EXPECT_EQ(shown(9), "0000");
    EXPECT_TRUE(IsPrintableType(7));
    EXPECT_FALSE(IsPrintableType(4));
}

class ItemLibraryTest : public testing::Test {
  protected:
    CVersiluxDoc& Doc() {
        if (!m_pDoc) {
            m_pDoc = std::make_unique<CVersiluxDoc>();
        }
        return *m_pDoc;
    }
    void Load(long nID) { ASSERT_TRUE(LoadListedItem(Doc(), nID)) << "item " << nID; }
    // The column's bytes as stored, in hexadecimal.
    wxString Hex(const wxString& strColumn, long nID) {
        const wxString hex = TempDataSource::OnPostgreSQL()
                                 ? "upper(encode(convert_to(%s, 'UTF8'), 'hex'))"
                                 : "hex(%s)";
        return m_library.Source().QueryText(
            wxString::Format("SELECT " + hex + " FROM items WHERE ID=%ld", strColumn, nID));
    }

    SmallLibrary m_library;
    std::unique_ptr<CVersiluxDoc> m_pDoc;
};

TEST_F(ItemLibraryTest, TheListIsTheQueryRowForRowAndAStaleListIsNoticed) {
    const long nB = m_library.AddItemIn(1, 1, "b", "x");
    m_library.AddItemIn(1, 1, "B", "x");
    m_library.AddItemIn(1, 1, "b", "x");
    m_library.AddItemIn(1, 3, "a chart", "x");
    m_library.AddItemIn(2, 1, "elsewhere", "x");
    const std::vector<CListedItem> listed = Doc().ListItems(2);
    ASSERT_EQ(listed.size(), 3u);
    for (size_t i = 0; i < listed.size(); ++i) {
        ASSERT_TRUE(Doc().MoveToListedItem(static_cast<int>(i), listed[i].nID));
        EXPECT_EQ(Doc().m_pItemsSet->m_Title, listed[i].strTitle);
    }
    EXPECT_EQ(listed[1].nID, nB);  // equal titles keep the order they were added in
    EXPECT_FALSE(Doc().MoveToListedItem(3, listed[0].nID));
    EXPECT_FALSE(Doc().MoveToListedItem(0, listed[1].nID));
}

TEST_F(ItemLibraryTest, TextsLoadWithoutCarriageReturnsAndGoBackByteForByte) {
    const long nID = m_library.AddItem("Mixed", 6);
    // Line ends as other programs left them: CR LF, LF alone, CR alone.
    m_library.Exec(wxString::Format(
        "UPDATE items SET Field1='one\r\ntwo\nthree\rfour', Field2='a\r\nb' WHERE ID=%ld", nID));
    const wxString field1 = Hex("Field1", nID);
    Load(nID);
    CItemEditTexts texts = Doc().CurrentItemTexts();
    EXPECT_EQ(texts.strField2, "a\nb");
    EXPECT_EQ(texts.strHeading1, "H1 Mixed");
    EXPECT_EQ(texts.strFileName, "Mixed.txt");

    // Unchanged: nothing is written, the odd line ends survive.
    EXPECT_FALSE(Doc().SaveCurrentItem(texts));
    EXPECT_EQ(Hex("Field1", nID), field1);
    // A changed text is stored with CR LF throughout.
    texts.strField2 = "a\nb\nc";
    texts.flags[3] = true;
    EXPECT_TRUE(Doc().SaveCurrentItem(texts));
    EXPECT_EQ(m_library.Source().QueryText(
                  wxString::Format("SELECT Field2||Flag4 FROM items WHERE ID=%ld", nID)),
              "a\r\nb\r\nc1");
    EXPECT_EQ(Hex("Field1", nID), field1);
}

TEST_F(ItemLibraryTest, SaveWritesOnlyTheTextsTheScreenTypeShows) {
    const long nID = m_library.AddItem("Single", 1);
    Load(nID);
    CItemEditTexts texts = Doc().CurrentItemTexts();
    EXPECT_EQ(texts.strField1, "");  // type 1 shows only the first heading
    texts.strHeading1 = "New heading";
    texts.strField1 = "never stored";
    EXPECT_TRUE(Doc().SaveCurrentItem(texts));
    EXPECT_EQ(m_library.Source().QueryText(
                  wxString::Format("SELECT Heading1||'|'||Field1 FROM items WHERE ID=%ld", nID)),
              "New heading|words");
}

TEST_F(ItemLibraryTest, AFailedSaveLeavesNothingPendingAndWritesNoNewRow) {
    const long nID = m_library.AddItem("Gone", 4);
    Load(nID);
    m_library.Exec(wxString::Format("DELETE FROM items WHERE ID=%ld", nID));
    CItemEditTexts texts = Doc().CurrentItemTexts();
    texts.strField1 = "lost?";
    EXPECT_THROW(Doc().SaveCurrentItem(texts), CDBException);
    EXPECT_EQ(m_library.Source().QueryNumber("SELECT COUNT(*) FROM items"), 0);
    EXPECT_EQ(Doc().m_pItemsSet->m_Field1, "words");  // the members as read
}

TEST_F(ItemLibraryTest, ACopyTakesTheItemButNotItsFlagsTempoOrID) {
    const long nID = m_library.AddItem("Source", 6, "verse", -2, true);
    m_library.Exec(
        wxString::Format("UPDATE items SET Flag1=1, BPM=120, Subtype=3 WHERE ID=%ld", nID));
    Load(nID);
    Doc().CopyCurrentItem("Copy for youth", 2);
    EXPECT_EQ(
        m_library.Source().QueryText(
            "SELECT Heading1||'|'||Heading2||'|'||Heading2_alt||'|'||Field1||'|'||Field2||'|'||"
            "FileName||'|'||Type||'|'||Subtype||'|'||Background||'|'||Foreground||'|'||"
            "Foreground2||'|'||PreferFlats||'|'||Transpose||'|'||VPD||'|'||Flag1||'|'||BPM "
            "FROM items WHERE Title='Copy for youth'"),
        "H1 Source|H2 Source|Alt Source|verse|F2 Source|Source.txt|6|3|1|2|3|1|-2|2|0|0");
    // The query still stands on the source.
    EXPECT_EQ(Doc().m_pItemsSet->m_ID, nID);
}

}  // namespace
