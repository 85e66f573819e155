// The item editor's Properties: what the dialog shows for the loaded item,
// what Save writes (and only when something changed), the messages after
// it, the range checks, and lists whose entries are not numbered 1, 2, 3.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <memory>
#include <set>

#include "doc/ItemKinds.h"
#include "doc/VersiluxDoc.h"
#include "support/DialogExpectations.h"
#include "support/DialogLabels.h"
#include "support/ListedItems.h"
#include "support/SmallLibrary.h"

namespace {

const char* const kWarning =
    "WARNING - transpose has been altered. This does not affect schedules with this item in it - "
    "those transpose values remain unaltered.";

class ItemPropertiesTest : public testing::Test {
  protected:
    void SetUp() override {
        // Subtype 1 (song), background 1, foreground 2, alternative 3, VPD 1.
        m_nItem = m_library.AddItem("Amazing Grace", 5);
        // Every write of an items row is counted, so "nothing written" is seen.
        m_library.CountWrites("items");
    }

    CVersiluxDoc& Doc() {
        if (!m_pDoc) {
            m_pDoc = std::make_unique<CVersiluxDoc>();
        }
        return *m_pDoc;
    }
    void Load(long nID) { ASSERT_TRUE(LoadListedItem(Doc(), nID)) << "item " << nID; }
    bool IsListed(long nID) {
        const std::vector<CListedItem> listed = Doc().ListItems(kKindAll);
        return std::any_of(listed.begin(), listed.end(),
                           [nID](const CListedItem& item) { return item.nID == nID; });
    }
    // Title|Foreground|Foreground2|Background|Subtype|Type|Transpose|PreferFlats|BPM|VPD
    std::string Row(long nID) {
        return m_library.Source()
            .QueryText(wxString::Format(
                "SELECT Title||'|'||Foreground||'|'||Foreground2||'|'||Background||'|'||Subtype"
                "||'|'||Type||'|'||Transpose||'|'||PreferFlats||'|'||BPM||'|'||VPD FROM items "
                "WHERE ID=%ld",
                nID))
            .utf8_string();
    }
    long Writes() { return m_library.Writes(); }

    // Runs Properties on the loaded item; a message box nobody expected is
    // caught (not left open) and its text returned in m_strStray.
    bool Run(std::function<int(CItemPropertiesDlg&)> act) {
        bool bResult = false;
        wxTEST_DIALOG(bResult = RunItemProperties(Doc(), nullptr),
                      wxExpectModal<CItemPropertiesDlg>(std::move(act)).Describe("Properties"),
                      ExpectMessageBox(&m_strStray).Optional());
        return bResult;
    }
    // The same, with one message box expected after Save.
    bool RunExpectingMessage(std::function<int(CItemPropertiesDlg&)> act, wxString* pText) {
        bool bResult = false;
        wxTEST_DIALOG(bResult = RunItemProperties(Doc(), nullptr),
                      wxExpectModal<CItemPropertiesDlg>(std::move(act)).Describe("Properties"),
                      ExpectMessageBox(pText), ExpectMessageBox(&m_strStray).Optional());
        return bResult;
    }

    SmallLibrary m_library;
    long m_nItem = 0;
    wxString m_strStray;
    std::unique_ptr<CVersiluxDoc> m_pDoc;
};

TEST_F(ItemPropertiesTest, OpensOnTheItemAndAnotherLayoutStoresItsType) {
    m_library.Exec(wxString::Format(
        "UPDATE items SET Transpose=-3, PreferFlats=1, BPM=96 WHERE ID=%ld", m_nItem));
    Load(m_nItem);
    const bool bSaved = Run([](CItemPropertiesDlg& dlg) {
        EXPECT_EQ(dlg.GetNameEdit()->GetValue(), "Amazing Grace");
        EXPECT_EQ(dlg.GetForegroundList()->GetStringSelection(), "White");
        EXPECT_EQ(dlg.GetBackgroundList()->GetStringSelection(), "Black");
        EXPECT_EQ(dlg.GetAlternativeList()->GetStringSelection(), "Yellow");
        EXPECT_EQ(dlg.GetTransposeEdit()->GetValue(), "-3");
        EXPECT_EQ(dlg.GetKindList()->GetStringSelection(), "Song");
        EXPECT_TRUE(dlg.GetPreferFlatsBox()->GetValue());
        EXPECT_EQ(dlg.GetLayoutList()->GetStringSelection(),
                  "Single screen with title - two elements");
        EXPECT_EQ(dlg.GetVPDList()->GetStringSelection(), "Main");
        EXPECT_EQ(dlg.GetBPMEdit()->GetValue(), "96");
        dlg.GetLayoutList()->SetStringSelection("Double screen with title - two elements");
        return PressOK(dlg);
    });
    EXPECT_TRUE(bSaved);
    EXPECT_EQ(Row(m_nItem), "Amazing Grace|2|3|1|1|6|-3|1|96|1");
    EXPECT_EQ(m_strStray.utf8_string(), "");
}

TEST_F(ItemPropertiesTest, AColourAloneIsWrittenWithoutTheWarning) {
    Load(m_nItem);
    EXPECT_TRUE(Run([](CItemPropertiesDlg& dlg) {
        dlg.GetForegroundList()->SetStringSelection("Blue");
        return PressOK(dlg);
    }));
    EXPECT_EQ(Row(m_nItem), "Amazing Grace|4|3|1|1|5|0|0|0|1");
    EXPECT_EQ(Writes(), 1);
    EXPECT_EQ(m_strStray.utf8_string(), "");
}

TEST_F(ItemPropertiesTest, ANewTransposeIsWrittenAndThenWarnedAbout) {
    Load(m_nItem);
    wxString text;
    EXPECT_TRUE(RunExpectingMessage(
        [](CItemPropertiesDlg& dlg) {
            dlg.GetTransposeEdit()->ChangeValue("2");
            return PressOK(dlg);
        },
        &text));
    EXPECT_EQ(text, kWarning);
    EXPECT_EQ(Row(m_nItem), "Amazing Grace|2|3|1|1|5|2|0|0|1");
    EXPECT_EQ(m_strStray.utf8_string(), "");
}

TEST_F(ItemPropertiesTest, SaveWithoutAChangeAndCancelWriteNothing) {
    Load(m_nItem);
    EXPECT_TRUE(Run([](CItemPropertiesDlg& dlg) { return PressOK(dlg); }));
    EXPECT_FALSE(Run([](CItemPropertiesDlg& dlg) {
        dlg.GetNameEdit()->ChangeValue("Changed");
        dlg.GetTransposeEdit()->ChangeValue("5");
        dlg.GetVPDList()->SetStringSelection("Youth");
        return wxID_CANCEL;
    }));
    EXPECT_EQ(Writes(), 0);
    EXPECT_EQ(m_strStray.utf8_string(), "");
    EXPECT_EQ(Row(m_nItem), "Amazing Grace|2|3|1|1|5|0|0|0|1");
}

TEST_F(ItemPropertiesTest, ValuesTheListsDoNotNameAreKept) {
    // A picture's type 50, a kind never chosen and a colour that does not exist.
    const long nPicture = m_library.AddItem("Sunrise", 50);
    m_library.Exec(
        wxString::Format("UPDATE items SET Subtype=-1, Foreground2=99 WHERE ID=%ld", nPicture));
    Load(nPicture);
    EXPECT_TRUE(Run([](CItemPropertiesDlg& dlg) {
        EXPECT_EQ(dlg.GetLayoutList()->GetSelection(), wxNOT_FOUND);
        EXPECT_EQ(dlg.GetKindList()->GetSelection(), wxNOT_FOUND);
        EXPECT_EQ(dlg.GetAlternativeList()->GetSelection(), wxNOT_FOUND);
        dlg.GetBPMEdit()->ChangeValue("120");
        return PressOK(dlg);
    }));
    EXPECT_EQ(Row(nPicture), "Sunrise|2|99|1|-1|50|0|0|120|1");
    EXPECT_EQ(m_strStray.utf8_string(), "");
}

TEST_F(ItemPropertiesTest, OutOfRangeValuesAreRefusedAndTheDialogStaysOpen) {
    Load(m_nItem);
    wxString warning;
    EXPECT_TRUE(RunExpectingMessage(
        [](CItemPropertiesDlg& dlg) {
            ExpectRefusedByOK(dlg, {
                                       {dlg.GetTransposeEdit(), "13", "-12",
                                        "Please enter an integer between -12 and 12."},
                                       {dlg.GetBPMEdit(), "1000", "999",
                                        "Please enter an integer between 0 and 999."},
                                       {dlg.GetNameEdit(), wxString(101, 'x'), wxString(100, 'x'),
                                        "Please enter no more than 100 characters."},
                                   });
            return PressOK(dlg);
        },
        &warning));
    EXPECT_EQ(warning, kWarning);
    EXPECT_EQ(Row(m_nItem), std::string(100, 'x') + "|2|3|1|1|5|-12|0|999|1");
}

TEST_F(ItemPropertiesTest, AnotherVPDTakesTheItemOutOfTheEditorsList) {
    Load(m_nItem);
    EXPECT_TRUE(Run([](CItemPropertiesDlg& dlg) {
        // Listed by name, so position and ID differ: Choir 3, Main 1, Youth 2.
        EXPECT_EQ(dlg.GetVPDList()->GetString(0), "Choir");
        dlg.GetVPDList()->SetStringSelection("Youth");
        return PressOK(dlg);
    }));
    EXPECT_EQ(Row(m_nItem), "Amazing Grace|2|3|1|1|5|0|0|0|2");
    EXPECT_FALSE(IsListed(m_nItem));
    EXPECT_EQ(m_strStray.utf8_string(), "");
}

TEST_F(ItemPropertiesTest, AVPDRemovedMeanwhileIsReportedAndTheRestIsSaved) {
    Load(m_nItem);
    wxString text;
    EXPECT_TRUE(RunExpectingMessage(
        [this](CItemPropertiesDlg& dlg) {
            dlg.GetVPDList()->SetStringSelection("Youth");
            dlg.GetNameEdit()->ChangeValue("Grace");
            m_library.Exec("DELETE FROM VPD WHERE ID=2");
            return PressOK(dlg);
        },
        &text));
    EXPECT_EQ(text, "Error - failed to re-find VPD name - not changed");
    EXPECT_EQ(Row(m_nItem), "Grace|2|3|1|1|5|0|0|0|1");
    EXPECT_TRUE(IsListed(m_nItem));
}

TEST_F(ItemPropertiesTest, AColourTableWithGapsStoresThePickedColoursID) {
    // Black 1, Yellow 3, Blue 4 are left: White's place in the list is Yellow's.
    m_library.Exec("DELETE FROM Colours WHERE ID=2");
    Load(m_nItem);
    EXPECT_TRUE(Run([](CItemPropertiesDlg& dlg) {
        EXPECT_EQ(dlg.GetForegroundList()->GetSelection(), wxNOT_FOUND);  // White is gone
        EXPECT_EQ(dlg.GetAlternativeList()->GetStringSelection(), "Yellow");
        dlg.GetBackgroundList()->SetStringSelection("Blue");
        return PressOK(dlg);
    }));
    EXPECT_EQ(Row(m_nItem), "Amazing Grace|2|3|4|1|5|0|0|0|1");
    EXPECT_EQ(m_strStray.utf8_string(), "");
}

TEST_F(ItemPropertiesTest, ARefusedWriteIsReportedAndLeavesNothingPending) {
    Load(m_nItem);
    m_library.Exec(
        "CREATE TRIGGER refuse BEFORE UPDATE ON items BEGIN SELECT RAISE(ABORT, "
        "'refused by the store'); END");
    wxString text;
    EXPECT_TRUE(RunExpectingMessage(
        [](CItemPropertiesDlg& dlg) {
            dlg.GetNameEdit()->ChangeValue("Grace");
            dlg.GetTransposeEdit()->ChangeValue("4");
            return PressOK(dlg);
        },
        &text));
    EXPECT_TRUE(text.Contains("refused by the store")) << text;
    EXPECT_EQ(Doc().m_pItemsSet->m_Title, "Amazing Grace");
    EXPECT_EQ(Doc().m_pItemsSet->m_Transpose, 0);

    // The next Properties on the same row starts from what is stored.
    m_library.Exec("DROP TRIGGER refuse");
    EXPECT_TRUE(Run([](CItemPropertiesDlg& dlg) {
        EXPECT_EQ(dlg.GetNameEdit()->GetValue(), "Amazing Grace");
        dlg.GetNameEdit()->ChangeValue("Grace");
        return PressOK(dlg);
    }));
    EXPECT_EQ(Row(m_nItem), "Grace|2|3|1|1|5|0|0|0|1");
    EXPECT_EQ(m_strStray.utf8_string(), "");
}

TEST(ItemPropertiesDlg, ReadsInOrderWithADistinctMnemonicOnEveryLabelAndSaveAsDefault) {
    CItemPropertiesDlg dlg(nullptr, {{1, "Black"}, {2, "White"}}, {{1, "Main"}});
    EXPECT_EQ(dlg.GetTitle(), "Properties");
    // Children in creation order, which is the tab order.
    const CDialogLabels labels = ReadDialogLabels(dlg, {"s", "c"});  // Save's and Cancel's
    EXPECT_TRUE(labels.unmarked.empty()) << labels.unmarked.front();
    EXPECT_TRUE(labels.repeated.empty()) << labels.repeated.front();
    EXPECT_EQ(labels.strLabels,
              "Name/Colours/on/Alternative/Transpose/Type/Prefer Flats to Sharps/Layout/VPD/"
              "BPM (song start)/");
    EXPECT_TRUE(labels.bFocusableAfterEachLabel);

    auto* save = dynamic_cast<wxButton*>(dlg.FindWindow(wxID_OK));
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->GetLabelText(), "Save");
    EXPECT_EQ(dlg.GetDefaultItem(), save);            // Enter in a box saves
    EXPECT_NE(dlg.FindWindow(wxID_CANCEL), nullptr);  // Escape cancels
    // The longest layout name still fits a 1366x768 screen.
    EXPECT_LE(dlg.GetSize().GetWidth(), 1366);
    EXPECT_LE(dlg.GetSize().GetHeight(), 700);
}

}  // namespace
