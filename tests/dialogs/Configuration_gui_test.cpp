// Tools > Configuration: what the dialog shows of the config row, what OK
// writes (and only what it edits), the checks on the number boxes, lists
// whose rows are not numbered 1, 2, 3, a store that refuses, and the new
// settings reaching the document, the item editor and the menu.
#include <gtest/gtest.h>
#include <wx/arrstr.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <memory>
#include <set>

#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"
#include "support/DialogExpectations.h"
#include "support/DialogLabels.h"
#include "support/ShellFixture.h"
#include "support/SmallLibrary.h"

namespace {

using Dlg = CConfigurationDlg;

// The columns the dialog must leave alone.
const char* const kUntouched =
    "SELECT Version||'|'||[Full Screen]||'|'||Top||'|'||Left||'|'||Bottom||'|'||Right||'|'||"
    "BlankScreen FROM config";
// Screen1_default to Screen5_default, VPD_Default, the nine colours.
const char* const kListColumns =
    "SELECT Screen1_default||','||Screen2_default||','||Screen3_default||','||Screen4_default"
    "||','||Screen5_default||'|'||VPD_Default||'|'||Foreground_Default||','||"
    "Foreground2_Default||','||Foreground3||','||Foreground4||','||Background_Default||','||"
    "Chord_screen||','||Bar_screen||','||Chord_colour||','||Bar_colour FROM config";

class ConfigurationDlgTest : public testing::Test {
  protected:
    void SetUp() override {
        // Printed colours 0 name no colour; type 8 and 50 are the odd ones.
        m_library.Exec(
            "UPDATE config SET [Full Screen]=1, Top=10, Left=20, Bottom=300, Right=400, "
            "BlankScreen=1, Screen1_default=8, Screen2_default=5, Screen3_default=3, "
            "Screen4_default=7, Screen5_default=50, [Print Font]=110, Margin=200");
        m_library.CountWrites("config");
        // A whole-row write would name these columns, whatever their values.
        m_library.Exec(
            "CREATE TRIGGER touch AFTER UPDATE OF Version, [Full Screen], Top, Left, Bottom, "
            "Right, BlankScreen ON config BEGIN UPDATE writes SET n = n + 1000; END");
    }

    CVersiluxDoc& Doc() {
        if (!m_pDoc) {
            m_pDoc = std::make_unique<CVersiluxDoc>();
        }
        return *m_pDoc;
    }
    std::string Query(const char* sql) { return m_library.Source().QueryText(sql).utf8_string(); }
    long Writes() { return m_library.Writes(); }

    // Runs the command; a message box nobody expected is caught (not left
    // open) and its text kept in m_strStray.
    void Run(std::function<int(Dlg&)> act) {
        wxTEST_DIALOG(RunConfiguration(Doc(), nullptr),
                      wxExpectModal<Dlg>(std::move(act)).Describe("Configuration"),
                      ExpectMessageBox(&m_strStray).Optional());
    }

    SmallLibrary m_library;
    std::unique_ptr<CVersiluxDoc> m_pDoc;
    wxString m_strStray;
};

TEST_F(ConfigurationDlgTest, OpensOnTheStoredSettingsAndOKWithoutAChangeWritesNothing) {
    Run([](Dlg& dlg) {
        EXPECT_EQ(dlg.GetTitle(), "Configuration");
        EXPECT_EQ(dlg.GetMaxFontEdit()->GetValue(), "900");
        EXPECT_EQ(dlg.GetNormalFontEdit()->GetValue(), "720");
        EXPECT_EQ(dlg.GetPrintFontEdit()->GetValue(), "110");
        EXPECT_EQ(dlg.GetMarginEdit()->GetValue(), "200");
        EXPECT_EQ(dlg.GetColourList(Dlg::kForeground1)->GetStringSelection(), "White");
        EXPECT_EQ(dlg.GetColourList(Dlg::kForeground2)->GetStringSelection(), "Yellow");
        EXPECT_EQ(dlg.GetColourList(Dlg::kForeground3)->GetStringSelection(), "Blue");
        EXPECT_EQ(dlg.GetColourList(Dlg::kForeground4)->GetStringSelection(), "Yellow");
        EXPECT_EQ(dlg.GetColourList(Dlg::kBackground)->GetStringSelection(), "Black");
        EXPECT_EQ(dlg.GetColourList(Dlg::kScreenChord)->GetStringSelection(), "Yellow");
        EXPECT_EQ(dlg.GetColourList(Dlg::kScreenBar)->GetStringSelection(), "White");
        EXPECT_EQ(dlg.GetColourList(Dlg::kPrintChord)->GetSelection(), wxNOT_FOUND);
        EXPECT_EQ(dlg.GetColourList(Dlg::kPrintBar)->GetSelection(), wxNOT_FOUND);
        // Every colour list offers the whole palette in ID order.
        for (int n = 0; n < Dlg::kColourListCount; ++n) {
            const wxChoice* list = dlg.GetColourList(static_cast<Dlg::ColourList>(n));
            EXPECT_EQ(wxJoin(list->GetStrings(), '/'), "Black/White/Yellow/Blue") << n;
        }
        EXPECT_EQ(dlg.GetVPDList()->GetStringSelection(), "Main");
        EXPECT_EQ(dlg.GetDefaultTypeList(0)->GetSelection(), wxNOT_FOUND);  // type 8
        EXPECT_EQ(dlg.GetDefaultTypeList(1)->GetStringSelection(),
                  "Single screen with title - two elements");
        EXPECT_EQ(dlg.GetDefaultTypeList(2)->GetStringSelection(), "Single screen no title");
        EXPECT_EQ(dlg.GetDefaultTypeList(3)->GetStringSelection(),
                  "Single screen no title - chords");
        EXPECT_EQ(dlg.GetDefaultTypeList(4)->GetStringSelection(), "Picture");
        EXPECT_EQ(dlg.GetDefaultTypeList(3)->GetCount(), 7u);
        EXPECT_EQ(dlg.GetDefaultTypeList(4)->GetCount(), 8u);
        EXPECT_TRUE(dlg.GetKensingtonBox()->GetValue());
        EXPECT_FALSE(dlg.GetTabletBox()->GetValue());
        EXPECT_EQ(dlg.GetFlagEdit(0)->GetValue(), "F1");
        EXPECT_EQ(dlg.GetFlagEdit(3)->GetValue(), "F4");
        return PressOK(dlg);
    });
    EXPECT_EQ(m_strStray.utf8_string(), "");
    // Type 8 has no entry and no entry stores 0; everything else is as it was.
    EXPECT_EQ(Writes(), 1);
    EXPECT_EQ(Query(kListColumns), "0,5,3,7,50|1|2,3,4,3,1,3,2,0,0");
    EXPECT_EQ(Query(kUntouched), "v-keep|1|10|20|300|400|1");
}

TEST_F(ConfigurationDlgTest, CancelWritesNothing) {
    Run([](Dlg& dlg) {
        dlg.GetMaxFontEdit()->ChangeValue("1200");
        dlg.GetColourList(Dlg::kScreenChord)->SetStringSelection("Blue");
        dlg.GetDefaultTypeList(0)->SetSelection(0);
        dlg.GetKensingtonBox()->SetValue(false);
        dlg.GetFlagEdit(0)->ChangeValue("Capo");
        return wxID_CANCEL;
    });
    EXPECT_EQ(Writes(), 0);
    EXPECT_EQ(m_strStray.utf8_string(), "");
    EXPECT_EQ(Doc().m_pConfigSet->m_Max_Font, 900);
    EXPECT_TRUE(Doc().IsKensington());
    EXPECT_EQ(Doc().GetChordColour(), MakeColourValue(255, 255, 0));
}

TEST_F(ConfigurationDlgTest, OKWritesWhatTheDialogEditsAndTheDocumentReadsItAgain) {
    Run([](Dlg& dlg) {
        dlg.GetMaxFontEdit()->ChangeValue("1200");
        dlg.GetNormalFontEdit()->ChangeValue(" 640 ");
        dlg.GetPrintFontEdit()->ChangeValue("95");
        dlg.GetMarginEdit()->ChangeValue("1500");
        dlg.GetColourList(Dlg::kForeground3)->SetStringSelection("White");
        dlg.GetColourList(Dlg::kForeground4)->SetStringSelection("Black");
        dlg.GetColourList(Dlg::kScreenChord)->SetStringSelection("Blue");
        dlg.GetColourList(Dlg::kScreenBar)->SetStringSelection("Yellow");
        dlg.GetColourList(Dlg::kPrintChord)->SetStringSelection("Blue");
        dlg.GetVPDList()->SetStringSelection("Choir");
        dlg.GetDefaultTypeList(4)->SetStringSelection("Single screen no title");
        dlg.GetKensingtonBox()->SetValue(false);
        dlg.GetTabletBox()->SetValue(true);
        dlg.GetFlagEdit(1)->ChangeValue("Needs a capo");
        return PressOK(dlg);
    });
    EXPECT_EQ(m_strStray.utf8_string(), "");
    EXPECT_EQ(Writes(), 1);  // one write, without the columns left alone
    EXPECT_EQ(Query(kUntouched), "v-keep|1|10|20|300|400|1");
    EXPECT_EQ(Query(kListColumns), "0,5,3,7,3|3|2,3,2,1,1,4,3,4,0");
    EXPECT_EQ(Query("SELECT [Max Font]||'|'||[Normal Font]||'|'||[Print Font]||'|'||Margin||'|'||"
                    "Kensington||'|'||TabletMode||'|'||Flag1||'|'||Flag2 FROM config"),
              "1200|640|95|1500|0|1|F1|Needs a capo");
    // The show's copies follow at once.
    EXPECT_EQ(Doc().GetForeground3(), MakeColourValue(255, 255, 255));
    EXPECT_EQ(Doc().GetForeground4(), MakeColourValue(0, 0, 0));
    EXPECT_EQ(Doc().GetChordColour(), MakeColourValue(0, 0, 255));
    EXPECT_EQ(Doc().GetBarColour(), MakeColourValue(255, 255, 0));
    EXPECT_FALSE(Doc().IsKensington());
    EXPECT_TRUE(Doc().m_bTabletMode);
    EXPECT_EQ(Doc().m_pConfigSet->m_Max_Font, 1200);
    EXPECT_EQ(Doc().GetFlagCaption2(), "Needs a capo");
}

TEST_F(ConfigurationDlgTest, BadNumbersAreRefusedAndTheDialogStaysOpen) {
    Run([](Dlg& dlg) {
        ExpectRefusedByOK(
            dlg,
            {
                {dlg.GetMarginEdit(), "1501", "0", "Please enter an integer between 0 and 1500."},
                {dlg.GetMarginEdit(), "-1", "0", "Please enter an integer between 0 and 1500."},
                {dlg.GetMaxFontEdit(), "big", "1100", "Please enter an integer."},
                {dlg.GetNormalFontEdit(), "", "700", "Please enter an integer."},
                {dlg.GetPrintFontEdit(), "9.5", "90", "Please enter an integer."},
            });
        return PressOK(dlg);
    });
    EXPECT_EQ(m_strStray.utf8_string(), "");
    EXPECT_EQ(Query("SELECT [Max Font]||'|'||[Normal Font]||'|'||[Print Font]||'|'||Margin FROM "
                    "config"),
              "1100|700|90|0");
}

TEST_F(ConfigurationDlgTest, VPDsAndColoursWithGapsShowAndStoreTheirOwnIDs) {
    // VPDs 1, 2 and 4; colours 1, 3, 4 and 9, with Foreground3 on 9 and a
    // printed barline colour that names no row.
    m_library.Exec("DELETE FROM VPD WHERE ID=3");
    m_library.Exec("INSERT INTO VPD (ID, Name) VALUES (4, 'Fourth')");
    m_library.Exec("DELETE FROM Colours WHERE ID=2");
    m_library.Exec(
        "INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (9, 'Amber', 255, "
        "191, 0)");
    m_library.Exec("UPDATE config SET VPD_Default=4, Foreground3=9, Bar_colour=2");
    Run([](Dlg& dlg) {
        EXPECT_EQ(dlg.GetVPDList()->GetSelection(), 2);
        EXPECT_EQ(dlg.GetVPDList()->GetStringSelection(), "Fourth");
        EXPECT_EQ(dlg.GetColourList(Dlg::kForeground3)->GetSelection(), 3);
        EXPECT_EQ(dlg.GetColourList(Dlg::kForeground3)->GetStringSelection(), "Amber");
        EXPECT_EQ(dlg.GetColourList(Dlg::kForeground1)->GetSelection(), wxNOT_FOUND);  // White
        EXPECT_EQ(dlg.GetColourList(Dlg::kPrintBar)->GetSelection(), wxNOT_FOUND);
        // Yellow is the second entry and row 3; Amber the fourth and row 9.
        dlg.GetColourList(Dlg::kScreenChord)->SetSelection(3);
        dlg.GetColourList(Dlg::kBackground)->SetSelection(1);
        return PressOK(dlg);
    });
    EXPECT_EQ(m_strStray.utf8_string(), "");
    // Lists left without a choice keep the stored colours (White's 2 too).
    EXPECT_EQ(Query(kListColumns), "0,5,3,7,50|4|2,3,9,3,3,9,2,0,2");
    EXPECT_EQ(Doc().GetChordColour(), MakeColourValue(255, 191, 0));

    Run([](Dlg& dlg) {
        EXPECT_EQ(dlg.GetVPDList()->GetStringSelection(), "Fourth");
        dlg.GetVPDList()->SetStringSelection("Youth");
        return PressOK(dlg);
    });
    EXPECT_EQ(m_library.Source().QueryNumber("SELECT VPD_Default FROM config"), 2);
}

TEST_F(ConfigurationDlgTest, ARefusedWriteIsReportedAndTheSettingsStayAsStored) {
    const COLORREF chord = Doc().GetChordColour();
    m_library.Exec(
        "CREATE TRIGGER refuse BEFORE UPDATE ON config BEGIN SELECT RAISE(ABORT, "
        "'refused by the store'); END");
    wxString text;
    wxTEST_DIALOG(RunConfiguration(Doc(), nullptr),
                  wxExpectModal<Dlg>([](Dlg& dlg) {
                      dlg.GetColourList(Dlg::kScreenChord)->SetStringSelection("Blue");
                      dlg.GetKensingtonBox()->SetValue(false);
                      dlg.GetTabletBox()->SetValue(true);
                      dlg.GetFlagEdit(0)->ChangeValue("Capo");
                      return PressOK(dlg);
                  }).Describe("Configuration"),
                  ExpectMessageBox(&text), ExpectMessageBox(&m_strStray).Optional());
    EXPECT_TRUE(text.Contains("refused by the store")) << text;
    EXPECT_EQ(m_strStray.utf8_string(), "");
    EXPECT_EQ(Doc().GetChordColour(), chord);
    EXPECT_TRUE(Doc().IsKensington());
    EXPECT_FALSE(Doc().m_bTabletMode);
    EXPECT_EQ(Doc().GetFlagCaption1(), "F1");
    EXPECT_EQ(Doc().m_pConfigSet->m_Chord_screen, 3);

    // Nothing pending: the next run starts from what is stored and can save.
    m_library.Exec("DROP TRIGGER refuse");
    Run([](Dlg& dlg) {
        EXPECT_EQ(dlg.GetFlagEdit(0)->GetValue(), "F1");
        EXPECT_TRUE(dlg.GetKensingtonBox()->GetValue());
        dlg.GetFlagEdit(0)->ChangeValue("Capo");
        return PressOK(dlg);
    });
    EXPECT_EQ(Query("SELECT Flag1 FROM config"), "Capo");
}

TEST(ConfigurationDlg, ReadsInOrderWithADistinctMnemonicOnEveryLabelAndOKAsDefault) {
    Dlg dlg(nullptr, {{1, "Black"}, {2, "White"}}, {{1, "Main"}});
    // Children in creation order, which is the tab order.
    const CDialogLabels labels = ReadDialogLabels(dlg, {"o", "c"});  // OK's and Cancel's
    EXPECT_TRUE(labels.unmarked.empty()) << labels.unmarked.front();
    EXPECT_TRUE(labels.repeated.empty()) << labels.repeated.front();
    EXPECT_EQ(labels.strLabels,
              "Maximum Font Size/Normal Font Size/Foreground Colour 1/Foreground Colour 2/"
              "Foreground Colour 3/Foreground Colour 4/Background Colour/Screen chord Colour/"
              "Screen barline Colour/Default VPD/Title Screen default type/"
              "Song Screen default type/Liturgy Screen default type/Chords Screen default type/"
              "Picture Screen default type/Printed chord colour/Printed barline colour/"
              "Printed Font Size/Printed Margin/Kensington mode/Tablet mode/Item Flag 1/"
              "Item Flag 2/Item Flag 3/Item Flag 4/");
    EXPECT_TRUE(labels.bFocusableAfterEachLabel);

    auto* ok = dynamic_cast<wxButton*>(dlg.FindWindow(wxID_OK));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(dlg.GetDefaultItem(), ok);              // Enter in a box is OK
    EXPECT_NE(dlg.FindWindow(wxID_CANCEL), nullptr);  // Escape cancels
    // OK and Cancel stand at the top right.
    EXPECT_LT(ok->GetPosition().y, dlg.GetMaxFontEdit()->GetPosition().y + 10);
    EXPECT_GT(ok->GetPosition().x, dlg.GetFlagEdit(0)->GetRect().GetRight());
    // The longest layout name still fits a 1366x768 screen.
    EXPECT_LE(dlg.GetSize().GetWidth(), 1366);
    EXPECT_LE(dlg.GetSize().GetHeight(), 700);
}

// Through the menu on the demo library: the new caption is the item editor's
// the next time it opens.
TEST(ConfigurationCommand, ANewFlagCaptionIsTheItemEditorsNextTimeItOpens) {
    ShellFixture shell;
    ASSERT_TRUE(shell.IsEnabled(ID_TOOLS_CONFIGURATION));
    wxString stray;
    wxTEST_DIALOG(shell.Command(ID_TOOLS_CONFIGURATION),
                  wxExpectModal<Dlg>([](Dlg& dlg) {
                      dlg.GetFlagEdit(0)->ChangeValue("Needs a capo");
                      return PressOK(dlg);
                  }).Describe("Configuration"),
                  ExpectMessageBox(&stray).Optional());
    EXPECT_EQ(shell.Source().QueryText("SELECT Flag1 FROM config"), "Needs a capo");

    wxString caption;
    wxTEST_DIALOG(shell.Command(ID_SHOW_DATABASE),
                  wxExpectModal<CDatabaseDlg>([&](CDatabaseDlg& dlg) {
                      caption = dlg.GetFlagBox(0)->GetLabelText();
                      return wxID_OK;
                  }).Describe("item editor"),
                  ExpectMessageBox(&stray).Optional());
    EXPECT_EQ(caption, "Needs a capo");
    EXPECT_EQ(stray.utf8_string(), "");
}

}  // namespace
