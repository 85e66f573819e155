// The settings without a window: the default-type lists, the config row
// written (only what changed, nothing on a refusal), the copies the document
// keeps of it, and the colour and VPD lists in ID order.
#include <gtest/gtest.h>

#include <memory>

#include "doc/ItemKinds.h"
#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"
#include "support/SmallLibrary.h"

namespace {

TEST(DefaultTypeLists, OfferTypesOneToSevenAndPicturesAlsoPicture) {
    const std::vector<wxString> names = DefaultTypeNames(false);
    ASSERT_EQ(names.size(), 7u);
    EXPECT_EQ(names[2], "Single screen no title");
    EXPECT_EQ(names[6], "Single screen no title - chords");
    const std::vector<wxString> pictures = DefaultTypeNames(true);
    ASSERT_EQ(pictures.size(), 8u);
    EXPECT_EQ(pictures[6], names[6]);
    EXPECT_EQ(pictures[7], "Picture");

    // Stored type -> entry: type 8 and unknown types have none.
    for (bool bPictures : {false, true}) {
        EXPECT_EQ(DefaultTypeIndex(1, bPictures), 0);
        EXPECT_EQ(DefaultTypeIndex(7, bPictures), 6);
        for (int nType : {0, -1, 8, 9, 49, 51}) {
            EXPECT_EQ(DefaultTypeIndex(nType, bPictures), -1) << nType;
        }
    }
    EXPECT_EQ(DefaultTypeIndex(kPictureType, false), -1);
    EXPECT_EQ(DefaultTypeIndex(kPictureType, true), 7);

    // Entry -> stored type: no entry is 0.
    EXPECT_EQ(DefaultTypeAt(2, false), 3);
    EXPECT_EQ(DefaultTypeAt(6, true), 7);
    EXPECT_EQ(DefaultTypeAt(7, true), kPictureType);
    EXPECT_EQ(DefaultTypeAt(7, false), 0);
    EXPECT_EQ(DefaultTypeAt(-1, true), 0);
    EXPECT_EQ(DefaultTypeAt(8, true), 0);
}

class ConfigurationTest : public testing::Test {
  protected:
    void SetUp() override {
        m_library.Exec(
            "UPDATE config SET [Full Screen]=0, Top=10, [Left]=20, Bottom=300, [Right]=400, "
            "BlankScreen=1, Screen5_default=50, [Print Font]=100, Margin=150");
        // Which of the columns the settings must leave alone were named in an
        // update, whatever their values: a whole-row write names them all.
        m_library.CountUpdates("touched", "config",
                               "Version, [Full Screen], Top, [Left], Bottom, [Right], BlankScreen");
        m_library.CountWrites("config");
    }

    CVersiluxDoc& Doc() {
        if (!m_pDoc) {
            m_pDoc = std::make_unique<CVersiluxDoc>();
        }
        return *m_pDoc;
    }
    std::string Query(const char* sql) { return m_library.Source().QueryText(sql).utf8_string(); }
    long Number(const char* sql) { return m_library.Source().QueryNumber(sql); }

    SmallLibrary m_library;
    std::unique_ptr<CVersiluxDoc> m_pDoc;
};

const char* const kUntouched =
    "SELECT Version||'|'||[Full Screen]||'|'||Top||'|'||[Left]||'|'||Bottom||'|'||[Right]||'|'||"
    "BlankScreen FROM config";

TEST_F(ConfigurationTest, ASaveWritesOnlyWhatChangedAndTheCopiesFollow) {
    CConfigValues values = Doc().CurrentConfiguration();
    // Unchanged values write nothing at all.
    Doc().SaveConfiguration(values);
    EXPECT_EQ(Number("SELECT n FROM writes"), 0);

    values.nMaxFont = 1000;
    values.nChordScreen = 4;  // blue
    values.nBarScreen = 1;    // black
    values.nForeground3 = 2;
    values.bKensington = false;
    values.bTabletMode = true;
    values.defaultTypes = {1, 5, 3, 7, 50};
    values.flagCaptions[0] = "Needs a capo";
    values.nVPD = 3;
    values.nMargin = 1500;
    Doc().SaveConfiguration(values);

    EXPECT_EQ(Number("SELECT n FROM writes"), 1);
    EXPECT_EQ(Number("SELECT n FROM touched"), 0);
    EXPECT_EQ(Query(kUntouched), "v-keep|0|10|20|300|400|1");
    EXPECT_EQ(Query("SELECT [Max Font]||'|'||Chord_screen||'|'||Bar_screen||'|'||Foreground3||'|'"
                    "||Kensington||'|'||TabletMode||'|'||Screen1_default||Screen2_default||"
                    "Screen3_default||Screen4_default||'|'||Screen5_default||'|'||Flag1||'|'||"
                    "VPD_Default||'|'||Margin FROM config"),
              "1000|4|1|2|0|1|1537|50|Needs a capo|3|1500");
    EXPECT_EQ(Doc().GetChordColour(), MakeColourValue(0, 0, 255));
    EXPECT_EQ(Doc().GetBarColour(), MakeColourValue(0, 0, 0));
    EXPECT_EQ(Doc().GetForeground3(), MakeColourValue(255, 255, 255));
    EXPECT_FALSE(Doc().IsKensington());
    EXPECT_TRUE(Doc().m_bTabletMode);
    EXPECT_EQ(Doc().GetFlagCaption1(), "Needs a capo");
    EXPECT_EQ(Doc().DefaultScreenType(4), 7);

    // The row as written is the row the next save finds.
    values.nNormalFont = 500;
    Doc().SaveConfiguration(values);
    EXPECT_EQ(Number("SELECT [Normal Font] FROM config"), 500);
}

TEST_F(ConfigurationTest, ARefusedSaveThrowsAndLeavesRowMembersAndCopiesAsTheyWere) {
    const COLORREF chord = Doc().GetChordColour();
    m_library.Refuse("UPDATE", "config");
    CConfigValues values = Doc().CurrentConfiguration();
    values.nChordScreen = 4;
    values.bKensington = false;
    values.flagCaptions[1] = "Changed";
    EXPECT_THROW(Doc().SaveConfiguration(values), CDBException);
    EXPECT_EQ(Doc().m_pConfigSet->m_Chord_screen, 3);
    EXPECT_EQ(Doc().GetFlagCaption2(), "F2");
    EXPECT_TRUE(Doc().IsKensington());
    EXPECT_EQ(Doc().GetChordColour(), chord);

    // Nothing was left pending: once the store accepts, the same save goes through.
    m_library.StopRefusing("config");
    Doc().SaveConfiguration(values);
    EXPECT_EQ(Query("SELECT Chord_screen||'|'||Kensington||'|'||Flag2 FROM config"), "4|0|Changed");
    EXPECT_EQ(Doc().GetChordColour(), MakeColourValue(0, 0, 255));
}

TEST_F(ConfigurationTest, ColoursAndVPDsAreListedInIDOrderWithTheirGaps) {
    m_library.Exec("DELETE FROM Colours WHERE ID=2");
    m_library.Exec("INSERT INTO Colours (ID, Name) VALUES (9, 'Amber')");
    m_library.Exec("DELETE FROM VPD WHERE ID=3");
    m_library.Exec("INSERT INTO VPD (ID, Name) VALUES (4, 'Alpha')");
    auto names = [](const std::vector<CChoice>& choices) {
        wxString text;
        for (const CChoice& choice : choices) {
            text << choice.nID << "=" << choice.strName << " ";
        }
        return text.utf8_string();
    };
    EXPECT_EQ(names(Doc().ColourChoicesByID()), "1=Black 3=Yellow 4=Blue 9=Amber ");
    EXPECT_EQ(names(Doc().VPDChoicesByID()), "1=Main 2=Youth 4=Alpha ");
    // The shared sets are left without a sort, and lookups still work.
    EXPECT_TRUE(Doc().m_pColoursSet->m_strSort.empty());
    EXPECT_TRUE(Doc().m_pVPDSet->m_strSort.empty());
    EXPECT_EQ(Doc().GetVPDName(4), "Alpha");
}

}  // namespace
