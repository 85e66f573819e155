// The item editor as the operator uses it: choosing a kind, loading an item,
// saving, new items, deletion, the usage report, Escape, bad input and a
// store that refuses or loses a row underneath the editor.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <memory>
#include <set>

#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"
#include "support/Click.h"
#include "support/DialogExpectations.h"
#include "support/ItemEditorFixture.h"
#include "support/ShellFixture.h"
#include "support/SmallLibrary.h"

namespace {

class ItemEditorTest : public ItemEditorFixture {
  protected:
    void SetUp() override {
        m_library.Exec("UPDATE config SET Screen2_default=5, Screen5_default=50");
        m_library.Exec("DELETE FROM VPD WHERE ID=3");
    }

    TempDataSource& Source() { return m_library.Source(); }

    // The operator's click on the entry.
    void Select(long nIndex) {
        Editor().GetItemList()->SetItemState(nIndex, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    }
    // Typing into a box: the change event fires as for a keystroke.
    static void Type(wxTextCtrl* pBox, const wxString& strText) { pBox->SetValue(strText); }
    std::vector<wxString> ListedTitles() {
        std::vector<wxString> titles;
        for (const CListedItem& item : Editor().GetItemList()->GetItems()) {
            titles.push_back(item.strTitle);
        }
        return titles;
    }
    // "Title for Item" answered with the title, as typed and OK'd.
    static wxExpectModal<CItemTitleDlg> Titled(const wxString& strTitle) {
        return wxExpectModal<CItemTitleDlg>([strTitle](CItemTitleDlg& title) {
            title.GetTitleEdit()->ChangeValue(strTitle);
            return PressOK(title);
        });
    }
    long ItemCount() { return Source().QueryNumber("SELECT COUNT(*) FROM items"); }

    wxString m_strStray;
};

TEST_F(ItemEditorTest, OpensEmptyAndAKindListsThatKindOfTheVPDInTitleOrder) {
    m_library.AddItemIn(1, 1, "Be Thou My Vision", "w");
    m_library.AddItemIn(1, 3, "Amazing Grace chords", "w");
    m_library.AddItemIn(2, 1, "Abide With Me", "w");  // another VPD
    m_library.AddItemIn(1, 1, "Amazing Grace", "w");
    m_library.AddItemIn(1, 1, "Amazing Grace", "second of the same title");

    CDatabaseDlg& dlg = Editor();
    EXPECT_EQ(dlg.GetItemList()->GetItemCount(), 0);
    for (int n = 0; n < kKindCount; ++n) {
        EXPECT_FALSE(dlg.GetKindRadio(n)->GetValue()) << n;
    }
    EXPECT_FALSE(dlg.GetField1Edit()->IsEnabled());
    EXPECT_FALSE(dlg.GetButton(wxID_CANCEL)->IsEnabled());
    EXPECT_TRUE(dlg.GetButton(ID_DB_NEW)->IsEnabled());
    EXPECT_EQ(dlg.GetFlagBox(0)->GetLabel(), "F1");
    EXPECT_EQ(dlg.GetFlagBox(3)->GetLabel(), "F4");

    dlg.ChooseKind(2);
    EXPECT_TRUE(dlg.GetKindRadio(2)->GetValue());
    EXPECT_EQ(ListedTitles(),
              (std::vector<wxString>{"Amazing Grace", "Amazing Grace", "Be Thou My Vision"}));
    EXPECT_EQ(Doc().m_pItemsSet->m_strFilter, "Subtype=1 and VPD=1");
    // Every entry is the query's row at the same position, ties included.
    const std::vector<CListedItem> items = dlg.GetItemList()->GetItems();
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_TRUE(Doc().MoveToListedItem(static_cast<int>(i), items[i].nID)) << i;
    }
    dlg.ChooseKind(0);
    EXPECT_EQ(dlg.GetItemList()->GetItemCount(), 4);
}

TEST_F(ItemEditorTest, TheScreenTypeDecidesWhichBoxesAreShownAndEditable) {
    const long nOneLine = m_library.AddItem("Two", 2);
    const long nFive = m_library.AddItem("Five", 5);
    const long nSix = m_library.AddItem("Six", 6);
    CDatabaseDlg& dlg = Editor();
    dlg.ChooseKind(0);
    auto enabled = [&dlg] {
        return std::vector<bool>{
            dlg.GetHeading1Edit()->IsEnabled(), dlg.GetField1Edit()->IsEnabled(),
            dlg.GetHeading2Edit()->IsEnabled(), dlg.GetField2Edit()->IsEnabled()};
    };
    Select(dlg.GetItemList()->FindItemID(static_cast<int>(nSix)));
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(dlg.GetField2Edit()->GetValue(), "F2 Six");
    Select(dlg.GetItemList()->FindItemID(static_cast<int>(nFive)));
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(dlg.GetField2Edit()->GetValue(), "");
    EXPECT_FALSE(dlg.GetButton(wxID_CANCEL)->IsEnabled());

    // Type 2 shows none of the texts: only the file and the flags are saved.
    Select(dlg.GetItemList()->FindItemID(static_cast<int>(nOneLine)));
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(dlg.GetHeading1Edit()->GetValue(), "");
    EXPECT_EQ(dlg.GetFileNameEdit()->GetValue(), "Two.txt");
    Type(dlg.GetFileNameEdit(), "two.png");
    dlg.GetFlagBox(1)->SetValue(true);
    wxTEST_DIALOG(Click(wxID_CANCEL), AnswerMessageBox(wxID_YES),
                  ExpectMessageBox(&m_strStray).Optional());
    EXPECT_EQ(m_strStray, "");
    EXPECT_EQ(Source().QueryText(wxString::Format(
                  "SELECT FileName||Flag2||Heading1||Field1 FROM items WHERE ID=%ld", nOneLine)),
              "two.png1H1 Twowords");
}

TEST_F(ItemEditorTest, SaveAsksWritesTheEditedLinesAndTheTextGoesBackWhole) {
    const long nID = m_library.AddItem("Amazing Grace", 4);
    // Non-Latin letters, the inline-chord sign and 32,000 characters.
    wxString long_text;
    while (long_text.length() < 32000) {
        long_text << wxString::FromUTF8("¬G¬Благодать {C}grace\r\n");
    }
    m_library.Exec(wxString::Format("UPDATE items SET Field1='%s', Heading1='%s' WHERE ID=%ld",
                                    long_text, wxString::FromUTF8("Ωmega"), nID));
    CDatabaseDlg& dlg = Editor();
    dlg.ChooseKind(2);
    Select(0);
    EXPECT_FALSE(dlg.GetField1Edit()->GetValue().Contains("\r"));

    // A flag changes; the texts go back exactly as stored.
    ::Click(dlg.GetFlagBox(0));
    wxString question;
    wxTEST_DIALOG(Click(wxID_CANCEL), AnswerMessageBox(wxID_YES, &question));
    EXPECT_EQ(question, "Save edited item as Amazing Grace?");
    EXPECT_EQ(
        Source().QueryText(wxString::Format("SELECT hex(Field1) FROM items WHERE ID=%ld", nID)),
        Source().QueryText(wxString::Format("SELECT hex('%s')", long_text)));
    EXPECT_EQ(Source().QueryNumber(wxString::Format("SELECT Flag1 FROM items WHERE ID=%ld", nID)),
              1);
    EXPECT_FALSE(dlg.GetButton(wxID_CANCEL)->IsEnabled());

    // Lines typed in the box are stored with CR LF, so they show line by line.
    Type(dlg.GetField1Edit(), "Amazing grace\nhow sweet the sound\n");
    EXPECT_TRUE(dlg.GetButton(wxID_CANCEL)->IsEnabled());
    wxTEST_DIALOG(Click(wxID_CANCEL), AnswerMessageBox(wxID_YES));
    EXPECT_EQ(Source().QueryText(wxString::Format("SELECT Field1 FROM items WHERE ID=%ld", nID)),
              "Amazing grace\r\nhow sweet the sound\r\n");

    // No: nothing written, the edit still pending.
    Type(dlg.GetField1Edit(), "changed");
    wxTEST_DIALOG(Click(wxID_CANCEL), AnswerMessageBox(wxID_NO));
    EXPECT_TRUE(Source()
                    .QueryText(wxString::Format("SELECT Field1 FROM items WHERE ID=%ld", nID))
                    .StartsWith("Amazing"));
    EXPECT_TRUE(dlg.GetButton(wxID_CANCEL)->IsEnabled());
}

TEST_F(ItemEditorTest, SaveRefusesAMovedQueryAndOverLongTexts) {
    const long nID = m_library.AddItem("Amazing Grace", 6);
    m_library.AddItem("Be Thou My Vision", 6);
    CDatabaseDlg& dlg = Editor();
    dlg.ChooseKind(0);
    Select(0);
    Type(dlg.GetHeading1Edit(), "changed");
    // Something else moved the shared query meanwhile.
    Doc().m_pItemsSet->MoveNext();
    wxString message;
    wxTEST_DIALOG(Click(wxID_CANCEL), AnswerMessageBox(wxID_YES), ExpectMessageBox(&message));
    EXPECT_EQ(message,
              "Sorry - I could not find the correct record to save into. Please re-load the items");

    Doc().m_pItemsSet->MovePrev();
    Type(dlg.GetHeading2Edit(), wxString('h', 51));
    wxTEST_DIALOG(Click(wxID_CANCEL), AnswerMessageBox(wxID_YES), ExpectMessageBox(&message));
    EXPECT_EQ(message, "Please enter no more than 50 characters.");
    Type(dlg.GetHeading2Edit(), "fine");
    Type(dlg.GetFileNameEdit(), wxString('f', 101));
    wxTEST_DIALOG(Click(wxID_CANCEL), AnswerMessageBox(wxID_YES), ExpectMessageBox(&message));
    EXPECT_EQ(message, "Please enter no more than 100 characters.");
    EXPECT_EQ(Source().QueryText(
                  wxString::Format("SELECT Heading1||'|'||Heading2 FROM items WHERE ID=%ld", nID)),
              "H1 Amazing Grace|H2 Amazing Grace");
}

TEST_F(ItemEditorTest, ARowDeletedUnderneathIsReportedNeverWrittenBackAndTheTypedTextStays) {
    const long nID = m_library.AddItem("Amazing Grace", 4);
    m_library.AddItem("Be Thou My Vision", 4);
    CDatabaseDlg& dlg = Editor();
    dlg.ChooseKind(0);
    Select(0);
    Type(dlg.GetField1Edit(), "my verse");
    m_library.Exec(wxString::Format("DELETE FROM items WHERE ID=%ld", nID));
    wxString message;
    wxTEST_DIALOG(Click(wxID_CANCEL), AnswerMessageBox(wxID_YES), ExpectMessageBox(&message));
    EXPECT_TRUE(message.Contains("no longer")) << message;
    EXPECT_EQ(ItemCount(), 1);
    EXPECT_EQ(ListedTitles(), std::vector<wxString>{"Be Thou My Vision"});
    EXPECT_EQ(dlg.GetField1Edit()->GetValue(), "my verse");
    EXPECT_FALSE(dlg.IsItemLoaded());
    EXPECT_FALSE(dlg.GetButton(wxID_CANCEL)->IsEnabled());
}

TEST_F(ItemEditorTest, NewStoresTheBoxesUnderTheKindWithTheConfiguredDefaults) {
    m_library.AddItem("Existing", 6);
    CDatabaseDlg& dlg = Editor();
    dlg.ChooseKind(0);
    Select(0);
    Type(dlg.GetField2Edit(), "line one\nline two");
    wxString question;
    wxTEST_DIALOG(Click(ID_DB_NEW), AnswerMessageBox(wxID_YES, &question), Titled("Fresh"));
    EXPECT_EQ(question, "Save current settings as new item?");
    EXPECT_EQ(Source().QueryText(
                  "SELECT Subtype||'|'||Type||'|'||Foreground||'|'||Foreground2||'|'||Background"
                  "||'|'||VPD||'|'||Field2||'|'||Heading1 FROM items WHERE Title='Fresh'"),
              "-1|0|2|3|1|1|line one\r\nline two|H1 Existing");
    EXPECT_EQ(dlg.GetItemList()->GetItemCount(), 2);
    EXPECT_FALSE(dlg.IsItemLoaded());
    EXPECT_EQ(dlg.GetField2Edit()->GetValue(), "");
    dlg.ChooseKind(2);
    EXPECT_EQ(dlg.GetItemList()->GetItemCount(), 1);  // listed under "All" only

    // Pictures take the configured picture layout; a cancelled title stores nothing.
    dlg.ChooseKind(5);
    wxTEST_DIALOG(Click(ID_DB_NEW), AnswerMessageBox(wxID_YES, &question),
                  wxExpectModal<CItemTitleDlg>([](CItemTitleDlg&) { return wxID_CANCEL; }));
    EXPECT_EQ(question, "Save current settings as new picture?");
    EXPECT_EQ(ItemCount(), 2);
    wxTEST_DIALOG(Click(ID_DB_NEW), AnswerMessageBox(wxID_YES), Titled("Sunrise"));
    EXPECT_EQ(Source().QueryText("SELECT Subtype||'|'||Type FROM items WHERE Title='Sunrise'"),
              "4|50");
    EXPECT_EQ(ListedTitles(), std::vector<wxString>{"Sunrise"});
}

TEST_F(ItemEditorTest, NewBeforeAnyKindAsksForAThingyAndListsItUnderAll) {
    CDatabaseDlg& dlg = Editor();
    wxString question;
    wxTEST_DIALOG(Click(ID_DB_NEW), AnswerMessageBox(wxID_YES, &question), Titled("Thing"));
    EXPECT_EQ(question, "Save current settings as new thingy?");
    EXPECT_EQ(Source().QueryText("SELECT Subtype||'|'||Type FROM items WHERE Title='Thing'"),
              "-1|0");
    EXPECT_TRUE(dlg.GetKindRadio(kKindAll)->GetValue());
    EXPECT_EQ(ListedTitles(), std::vector<wxString>{"Thing"});
}

TEST_F(ItemEditorTest, ARefusedInsertShowsTheDriversMessageAndTheListStaysTrue) {
    m_library.AddItem("Existing", 4);
    m_library.Exec(
        "CREATE TRIGGER no_new BEFORE INSERT ON items BEGIN SELECT RAISE(ABORT, 'library is "
        "read-only'); END");
    CDatabaseDlg& dlg = Editor();
    dlg.ChooseKind(0);
    Select(0);
    Type(dlg.GetField1Edit(), "typed");
    wxString message;
    wxTEST_DIALOG(Click(ID_DB_NEW), AnswerMessageBox(wxID_YES), Titled("Refused"),
                  ExpectMessageBox(&message));
    EXPECT_TRUE(message.Contains("library is read-only")) << message;
    EXPECT_EQ(ListedTitles(), std::vector<wxString>{"Existing"});
    // Nothing lost: the box still holds the text, and the item is still loaded.
    EXPECT_EQ(dlg.GetField1Edit()->GetValue(), "typed");
    EXPECT_TRUE(dlg.IsItemLoaded());
}

TEST_F(ItemEditorTest, DeleteAsksWithNoAsDefaultAndLoadsTheNeighbour) {
    m_library.AddItem("A", 4);
    m_library.AddItem("B", 4);
    const long nC = m_library.AddItem("C", 4);
    CDatabaseDlg& dlg = Editor();
    dlg.ChooseKind(0);
    Select(2);
    wxString question;
    long nStyle = 0;
    wxTEST_DIALOG(Click(ID_DB_DELETE), AnswerMessageBox(wxID_NO, &question, &nStyle));
    EXPECT_EQ(question, "Delete - are you sure?");
    EXPECT_TRUE(nStyle & wxNO_DEFAULT);
    EXPECT_EQ(ItemCount(), 3);

    // The last entry goes: the one before is loaded.
    wxTEST_DIALOG(Click(ID_DB_DELETE), AnswerMessageBox(wxID_YES));
    EXPECT_EQ(Source().QueryNumber(wxString::Format("SELECT COUNT(*) FROM items WHERE ID=%ld", nC)),
              0);
    EXPECT_EQ(ListedTitles(), (std::vector<wxString>{"A", "B"}));
    EXPECT_EQ(dlg.GetItemList()->GetSelection(), 1);
    EXPECT_EQ(dlg.GetHeading1Edit()->GetValue(), "H1 B");
    // A middle entry goes: the next one moves up and is loaded.
    Select(0);
    wxTEST_DIALOG(Click(ID_DB_DELETE), AnswerMessageBox(wxID_YES));
    EXPECT_EQ(dlg.GetHeading1Edit()->GetValue(), "H1 B");
    EXPECT_EQ(Doc().m_pItemsSet->m_Title, "B");
    // The only entry goes: nothing is listed or loaded.
    wxTEST_DIALOG(Click(ID_DB_DELETE), AnswerMessageBox(wxID_YES));
    EXPECT_EQ(dlg.GetItemList()->GetItemCount(), 0);
    EXPECT_FALSE(dlg.IsItemLoaded());
    EXPECT_FALSE(dlg.GetButton(ID_DB_DELETE)->IsEnabled());
    EXPECT_EQ(ItemCount(), 0);
}

TEST_F(ItemEditorTest, AfterADeleteFarDownTheListTheLoadedItemIsInView) {
    for (int n = 0; n < 80; ++n) {
        m_library.AddItem(wxString::Format("Song %02d", n), 4);
    }
    CDatabaseDlg& dlg = Editor();
    dlg.Show();
    dlg.ChooseKind(0);
    Select(79);
    wxTEST_DIALOG(Click(ID_DB_DELETE), AnswerMessageBox(wxID_YES));
    CItemListCtrl* list = dlg.GetItemList();
    ASSERT_EQ(list->GetSelection(), 78);
    EXPECT_EQ(dlg.GetHeading1Edit()->GetValue(), "H1 Song 78");
    EXPECT_GT(list->GetCountPerPage(), 0);
    EXPECT_LE(list->GetTopItem(), 78);
    EXPECT_GT(list->GetTopItem() + list->GetCountPerPage(), 78);
}

TEST_F(ItemEditorTest, ChordChartsAreEditedInAFixedWidthFont) {
    m_library.AddItemIn(1, 3, "Chart", "{G}Amazing {C}grace");
    CDatabaseDlg& dlg = Editor();
    EXPECT_FALSE(dlg.GetFixedWidthBox()->GetValue());
    dlg.ChooseKind(kKindChords);
    EXPECT_TRUE(dlg.GetFixedWidthBox()->GetValue());
    EXPECT_TRUE(dlg.GetField1Edit()->GetFont().IsFixedWidth());
    // The operator may turn it off.
    ::Click(dlg.GetFixedWidthBox());
    EXPECT_FALSE(dlg.GetField2Edit()->GetFont().IsFixedWidth());
}

TEST_F(ItemEditorTest, ShowSeqNamesTheSchedulesNewestFirstAndTheTotalPerVPD) {
    const long nUsed = m_library.AddItem("Used", 4);
    m_library.AddItem("Unused", 4);
    m_library.AddSchedule("Easter", {nUsed});
    m_library.AddScheduleIn(2, "Youth night", {nUsed, nUsed});
    CDatabaseDlg& dlg = Editor();
    dlg.ChooseKind(0);
    Select(0);  // "Unused"
    wxString report;
    wxTEST_DIALOG(Click(ID_DB_SHOW_SEQ), ExpectMessageBox(&report));
    EXPECT_EQ(report, "Item used in:\n\nTotal usage:\nMain : 0\nYouth : 0");
    Select(1);
    wxTEST_DIALOG(Click(ID_DB_SHOW_SEQ), ExpectMessageBox(&report));
    EXPECT_EQ(
        report,
        "Item used in:\nYouth night\nYouth night\nEaster\n\nTotal usage:\nMain : 1\nYouth : 2");
}

TEST_F(ItemEditorTest, EscapeWithUnsavedChangesAsksToSaveAndOnlyDoneCloses) {
    m_library.AddItem("Amazing Grace", 4);
    CDatabaseDlg& dlg = Editor();
    dlg.Show();
    dlg.ChooseKind(0);
    Select(0);
    Type(dlg.GetField1Edit(), "changed");
    wxKeyEvent escape(wxEVT_CHAR_HOOK);
    escape.m_keyCode = WXK_ESCAPE;
    escape.SetEventObject(&dlg);
    wxString question;
    wxTEST_DIALOG(dlg.ProcessWindowEvent(escape), AnswerMessageBox(wxID_NO, &question));
    EXPECT_EQ(question, "Save edited item as Amazing Grace?");
    EXPECT_TRUE(dlg.IsShown());

    // The close box runs Save's question too.
    wxTEST_DIALOG(dlg.Close(), AnswerMessageBox(wxID_NO, &question));
    EXPECT_EQ(question, "Save edited item as Amazing Grace?");
    EXPECT_TRUE(dlg.IsShown());
}

TEST_F(ItemEditorTest, EditsAreOfferedForSavingBeforeAnotherItemOrKindReplacesThem) {
    const long nFirst = m_library.AddItem("A", 4);
    m_library.AddItem("B", 4);
    CDatabaseDlg& dlg = Editor();
    dlg.ChooseKind(0);
    Select(0);
    Type(dlg.GetField1Edit(), "kept");
    wxString question;
    wxTEST_DIALOG(Select(1), AnswerMessageBox(wxID_YES, &question));
    EXPECT_EQ(question, "Save edited item as A?");
    EXPECT_EQ(Source().QueryText(wxString::Format("SELECT Field1 FROM items WHERE ID=%ld", nFirst)),
              "kept");
    EXPECT_EQ(dlg.GetHeading1Edit()->GetValue(), "H1 B");

    // A save that cannot be made keeps the edits and the item they belong to.
    Type(dlg.GetHeading1Edit(), wxString('h', 51));
    wxString message;
    wxTEST_DIALOG(Select(0), AnswerMessageBox(wxID_YES), ExpectMessageBox(&message));
    EXPECT_EQ(message, "Please enter no more than 50 characters.");
    EXPECT_EQ(dlg.GetItemList()->GetSelection(), 1);
    EXPECT_EQ(dlg.GetHeading1Edit()->GetValue(), wxString('h', 51));
    wxTEST_DIALOG(dlg.ChooseKind(2), AnswerMessageBox(wxID_YES), ExpectMessageBox(&message));
    EXPECT_TRUE(dlg.GetKindRadio(0)->GetValue());
    EXPECT_EQ(dlg.GetItemList()->GetItemCount(), 2);

    // No lets them go; Done asks too.
    wxTEST_DIALOG(dlg.ChooseKind(2), AnswerMessageBox(wxID_NO));
    EXPECT_TRUE(dlg.GetKindRadio(2)->GetValue());
    Select(0);
    Type(dlg.GetField1Edit(), "again");
    dlg.Show();
    wxTEST_DIALOG(Click(wxID_OK), AnswerMessageBox(wxID_NO, &question));
    EXPECT_EQ(question, "Save edited item as A?");
    EXPECT_FALSE(dlg.IsShown());
}

TEST_F(ItemEditorTest, PropertiesReloadsTheListWithTheNewTitle) {
    m_library.AddItem("Amazing Grace", 4);
    CDatabaseDlg& dlg = Editor();
    dlg.ChooseKind(0);
    Select(0);
    wxTEST_DIALOG(Click(ID_DB_PROPERTIES),
                  wxExpectModal<CItemPropertiesDlg>([](CItemPropertiesDlg& props) {
                      props.GetNameEdit()->ChangeValue("Amazing Grace (my chains)");
                      return PressOK(props);
                  }));
    EXPECT_EQ(ListedTitles(), std::vector<wxString>{"Amazing Grace (my chains)"});
    EXPECT_FALSE(dlg.IsItemLoaded());
}

TEST_F(ItemEditorTest, EveryControlHasItsOwnMnemonicAndTheEditorFitsASmallScreen) {
    CDatabaseDlg& dlg = Editor();
    std::set<wxString> mnemonics;
    for (wxWindow* child : dlg.GetChildren()) {
        const wxString label = child->GetLabel();
        if (label.empty() || label == "Filter:" || !child->IsShown() ||
            dynamic_cast<wxTextCtrl*>(child) != nullptr) {
            continue;
        }
        if (label == "F1" || label == "F2" || label == "F3" || label == "F4") {
            continue;  // the flags' captions are the configuration's own texts
        }
        const int amp = label.Find('&');
        ASSERT_NE(amp, wxNOT_FOUND) << label;
        EXPECT_TRUE(mnemonics.insert(label.Mid(amp + 1, 1).Lower()).second) << label;
    }
    EXPECT_EQ(mnemonics.size(), 21u);  // 6 kinds, 13 buttons, File, Fixed width
    EXPECT_EQ(dlg.GetDefaultItem(), dlg.GetButton(wxID_OK));  // Enter in a box is Done
    EXPECT_LE(dlg.GetMinSize().GetWidth(), 1366);
    EXPECT_LE(dlg.GetMinSize().GetHeight(), 700);
}

// Through the menu on the demo library: the operator's whole round.
TEST(ItemEditorCommand, AnEditSavedInTheEditorIsInTheNextShow) {
    ShellFixture shell;
    shell.SelectSchedule(shell.Source().QueryNumber(
        "SELECT min(Schedules.ID) FROM Schedules JOIN [schedule items] ON Schedules.ID = "
        "[schedule items].Schedule_ID JOIN items ON items.ID = [schedule items].[Item ID] WHERE "
        "items.Title = 'Amazing Grace' AND items.Subtype = 1"));
    ASSERT_TRUE(shell.IsEnabled(ID_SHOW_DATABASE));
    wxTEST_DIALOG(
        shell.Command(ID_SHOW_DATABASE), wxExpectModal<CDatabaseDlg>([](CDatabaseDlg& dlg) {
            dlg.ChooseKind(2);
            const long nIndex = [&dlg] {
                const auto& items = dlg.GetItemList()->GetItems();
                for (size_t i = 0; i < items.size(); ++i) {
                    if (items[i].strTitle == "Amazing Grace") {
                        return static_cast<long>(i);
                    }
                }
                return -1L;
            }();
            dlg.GetItemList()->SetItemState(nIndex, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
            dlg.GetField1Edit()->SetValue("Amazing grace, a new first line\n");
            dlg.SaveItem();
            return wxID_OK;
        }),
        AnswerMessageBox(wxID_YES));
    EXPECT_FALSE(shell.Doc().m_bShowSearch);
    shell.Doc().BuildShowList();
    bool bFound = false;
    for (int i = 0; i <= shell.Doc().GetLastEntry(); ++i) {
        bFound = bFound || shell.Doc().GetEntry(i).Contains("Amazing grace, a new first line");
    }
    EXPECT_TRUE(bFound);
}

}  // namespace
