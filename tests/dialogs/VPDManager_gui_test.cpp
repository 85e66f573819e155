// Tools > VPD selecter and Tools > VPD Manager: choosing the current VPD,
// adding, renaming and deleting VPDs, the questions before typing is lost,
// and VPD tables whose names repeat or whose IDs have gaps.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/modalhook.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "app/MainFrame.h"
#include "dialogs/SelectVPDDlg.h"
#include "dialogs/VPDManagerDlg.h"
#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"
#include "support/AnsweredMessages.h"
#include "support/Click.h"
#include "support/DialogExpectations.h"
#include "support/ShellFixture.h"
#include "support/WaitFor.h"

VERSILUX_EXPECT_DIALOG(CVPDManagerDlg);
VERSILUX_EXPECT_DIALOG(CSelectVPDDlg);

namespace {

const char* const kChangeVPD = "Changes not saved - are you sure you want to change VPD?";
const char* const kExit = "Changes not saved - are you sure you want to exit VPD manager?";
const char* const kNoName = "Cannot save a VPD without a name";
const char* const kSure = "Are you sure you want to delete this VPD?";
const char* const kNotFound = "Error - failed to re-find VPD name";

wxString Entries(const wxListBox* list) {
    wxString text;
    for (unsigned i = 0; i < list->GetCount(); ++i) {
        text << (i == 0 ? "" : "|") << list->GetString(i);
    }
    return text;
}

// A click on an entry, as the operator's: the selection, then its event.
void Select(wxDialog& dlg, wxListBox* list, int nIndex) {
    list->SetSelection(nIndex);
    wxCommandEvent select(wxEVT_LISTBOX, list->GetId());
    select.SetEventObject(list);
    select.SetInt(nIndex);
    list->ProcessWindowEvent(select);
    dlg.UpdateWindowUI(wxUPDATE_UI_RECURSE);
}

void Select(CVPDManagerDlg& dlg, int nIndex) {
    Select(dlg, dlg.GetVPDList(), nIndex);
}

// Typing into the name box: the box sends its change event.
void Type(CVPDManagerDlg& dlg, const wxString& strText) {
    dlg.GetNameEdit()->SetValue(strText);
    dlg.UpdateWindowUI(wxUPDATE_UI_RECURSE);
}

bool Enabled(CVPDManagerDlg& dlg, wxButton* button) {
    dlg.UpdateWindowUI(wxUPDATE_UI_RECURSE);
    return button->IsEnabled();
}

// Edit|Delete as "10" for enabled and disabled.
wxString Buttons(CVPDManagerDlg& dlg) {
    return wxString::Format("%d%d", Enabled(dlg, dlg.GetEditButton()) ? 1 : 0,
                            Enabled(dlg, dlg.GetDeleteButton()) ? 1 : 0);
}

class VPDManagerTest : public testing::Test {
  protected:
    // Tools > VPD Manager, acted on by act; a message box nobody expected is
    // answered (not left open) and its text kept in m_strStray.
    void Run(std::function<int(CVPDManagerDlg&)> act) {
        wxTEST_DIALOG(shell.Command(ID_TOOLS_VPD_MANAGER),
                      wxExpectModal<CVPDManagerDlg>(std::move(act)).Describe("VPD Manager"),
                      ExpectMessageBox(&m_strStray).Optional());
    }
    // Every VPD as "ID=Name", in ID order.
    wxString Table() {
        return shell.Source().QueryText(
            "SELECT group_concat(ID||'='||Name, '|') FROM (SELECT ID, Name FROM VPD ORDER BY ID)");
    }

    ShellFixture shell;
    wxString m_strStray;
};

TEST_F(VPDManagerTest, OpensEmptyAndSwitchingAsksOnlyAfterTypingWithNoKeepingIt) {
    Run([](CVPDManagerDlg& dlg) {
        EXPECT_EQ(dlg.GetTitle(), "VPD Manager");
        EXPECT_EQ(Entries(dlg.GetVPDList()), "Main|Youth");
        EXPECT_EQ(dlg.GetVPDList()->GetSelection(), wxNOT_FOUND);
        EXPECT_EQ(Buttons(dlg), "00");
        EXPECT_EQ(dlg.FindWindow(wxID_OK), nullptr);
        Select(dlg, 0);
        EXPECT_EQ(dlg.GetNameEdit()->GetValue(), "Main");
        EXPECT_EQ(Buttons(dlg), "01");
        Select(dlg, 1);  // nothing typed: nothing asked
        EXPECT_EQ(dlg.GetNameEdit()->GetValue(), "Youth");

        Type(dlg, "Youth band");
        EXPECT_EQ(Buttons(dlg), "11");
        wxString text;
        long style = 0;
        wxTEST_DIALOG(Select(dlg, 0), AnswerMessageBox(wxID_NO, &text, &style));
        EXPECT_EQ(text, kChangeVPD);
        EXPECT_TRUE(style & wxNO_DEFAULT);
        EXPECT_EQ(dlg.GetVPDList()->GetSelection(), 1);
        EXPECT_EQ(dlg.GetNameEdit()->GetValue(), "Youth band");
        EXPECT_EQ(Buttons(dlg), "11");
        wxTEST_DIALOG(Select(dlg, 0), AnswerMessageBox(wxID_YES));
        EXPECT_EQ(dlg.GetNameEdit()->GetValue(), "Main");
        EXPECT_EQ(Buttons(dlg), "01");
        return wxID_CANCEL;
    });
    EXPECT_EQ(Table(), "1=Main|2=Youth");
    EXPECT_EQ(m_strStray, "");
}

TEST_F(VPDManagerTest, AddLoadsTheFirstEntryOfTheNameAndEditKeepsTheRenamedVPDLoaded) {
    const int nVPD = shell.Doc().m_nVPD;
    Run([](CVPDManagerDlg& dlg) {
        Type(dlg, "Main");  // nothing loaded: this is for Add, and enables no Edit
        EXPECT_EQ(Buttons(dlg), "00");
        Click(dlg.GetAddButton());
        EXPECT_EQ(Entries(dlg.GetVPDList()), "Main|Main|Youth");
        EXPECT_EQ(dlg.GetVPDList()->GetSelection(), 0);
        EXPECT_EQ(dlg.GetVPDChoices()[0].nID, 1);
        EXPECT_EQ(Buttons(dlg), "01");
        // Each entry is its own row: the second is renamed alone, and stays
        // loaded when it takes the name of another.
        Select(dlg, 1);
        Type(dlg, "Band");
        Click(dlg.GetEditButton());
        EXPECT_EQ(Entries(dlg.GetVPDList()), "Band|Main|Youth");
        Type(dlg, "Main");
        Click(dlg.GetEditButton());
        EXPECT_EQ(dlg.GetVPDList()->GetSelection(), 1);
        EXPECT_EQ(dlg.GetVPDChoices()[1].nID, 3);
        EXPECT_EQ(Buttons(dlg), "01");
        return wxID_CANCEL;
    });
    EXPECT_EQ(Table(), "1=Main|2=Youth|3=Main");
    EXPECT_EQ(shell.Doc().m_nVPD, nVPD);  // the manager leaves the current VPD alone
    EXPECT_EQ(m_strStray, "");
}

TEST_F(VPDManagerTest, AnEmptyOrOverLongNameIsRefusedWithItsMessageAndNothingWritten) {
    Run([](CVPDManagerDlg& dlg) {
        const wxString kTooLong = "Please enter no more than 50 characters.";
        wxString text;
        wxTEST_DIALOG(Click(dlg.GetAddButton()), ExpectMessageBox(&text));
        EXPECT_EQ(text, kNoName);
        Type(dlg, wxString(51, 'x'));
        wxTEST_DIALOG(Click(dlg.GetAddButton()), ExpectMessageBox(&text));
        EXPECT_EQ(text, kTooLong);
        Select(dlg, 1);
        Type(dlg, "");
        wxTEST_DIALOG(Click(dlg.GetEditButton()), ExpectMessageBox(&text));
        EXPECT_EQ(text, kNoName);
        Type(dlg, wxString(51, 'y'));
        wxTEST_DIALOG(Click(dlg.GetEditButton()), ExpectMessageBox(&text));
        EXPECT_EQ(text, kTooLong);
        Type(dlg, wxString(50, 'y'));
        Click(dlg.GetEditButton());
        return wxID_CANCEL;
    });
    EXPECT_EQ(Table(), "1=Main|2=" + wxString(50, 'y'));
    EXPECT_EQ(m_strStray, "");
}

TEST_F(VPDManagerTest, OnlyAnEmptyVPDIsDeletedAfterYesAndTheBoxIsClearedAfterwards) {
    shell.Source().Exec("INSERT INTO VPD (ID, Name) VALUES (3, 'Band'), (4, 'Choir')");
    for (int i = 0; i < 3; ++i) {
        shell.Source().Exec(
            "INSERT INTO items (Title, Field1, Type, Subtype, VPD) VALUES ('a', 'x', 1, 1, 3)");
    }
    Run([this](CVPDManagerDlg& dlg) {
        Select(dlg, 0);
        wxString text;
        long style = 0;
        wxTEST_DIALOG(Click(dlg.GetDeleteButton()), AnswerMessageBox(wxID_OK, &text, &style));
        EXPECT_EQ(text, "Error - this VPD contains 3 items and 0 schedules and cannot be deleted");
        EXPECT_EQ(style & wxICON_MASK, wxICON_STOP);

        Select(dlg, 1);
        wxTEST_DIALOG(Click(dlg.GetDeleteButton()), AnswerMessageBox(wxID_NO, &text, &style));
        EXPECT_EQ(text, kSure);
        EXPECT_TRUE(style & wxNO_DEFAULT);
        EXPECT_EQ(Table(), "1=Main|2=Youth|3=Band|4=Choir");
        wxTEST_DIALOG(Click(dlg.GetDeleteButton()), AnswerMessageBox(wxID_YES));
        EXPECT_EQ(Entries(dlg.GetVPDList()), "Band|Main|Youth");
        EXPECT_EQ(dlg.GetVPDList()->GetSelection(), wxNOT_FOUND);
        EXPECT_EQ(dlg.GetNameEdit()->GetValue(), "");
        EXPECT_EQ(Buttons(dlg), "00");
        return wxID_CANCEL;
    });
    EXPECT_EQ(Table(), "1=Main|2=Youth|3=Band");
    EXPECT_EQ(m_strStray, "");
}

TEST(VPDManagerTable, EditAndDeleteReachThePickedVPDAndTheLastVPDStays) {
    ShellFixture shell(TempDataSource::Content::Library, false);
    // IDs 1, 4, 6, 9: name order is neither ID order nor free of repeats.
    shell.Source().Exec("DELETE FROM Schedules WHERE VPD=2");
    shell.Source().Exec("DELETE FROM items WHERE VPD=2");
    shell.Source().Exec("UPDATE VPD SET ID=9, Name='Archive' WHERE ID=2");
    shell.Source().Exec("INSERT INTO VPD (ID, Name) VALUES (4, 'Zion'), (6, 'Main')");
    ASSERT_TRUE(shell.Open());
    shell.Source().Exec("DELETE FROM items WHERE VPD=1");
    shell.Source().Exec("DELETE FROM Schedules WHERE VPD=1");
    wxString text;
    wxTEST_DIALOG(RunVPDManager(shell.Doc(), &shell.Frame()),
                  wxExpectModal<CVPDManagerDlg>([&](CVPDManagerDlg& dlg) {
                      EXPECT_EQ(Entries(dlg.GetVPDList()), "Archive|Main|Main|Zion");
                      Select(dlg, 2);  // the second Main, ID 6
                      Type(dlg, "Mission");
                      Click(dlg.GetEditButton());
                      EXPECT_EQ(Entries(dlg.GetVPDList()), "Archive|Main|Mission|Zion");
                      for (int nEntry : {3, 0, 0}) {
                          Select(dlg, nEntry);
                          wxTEST_DIALOG(Click(dlg.GetDeleteButton()), AnswerMessageBox(wxID_YES));
                      }
                      // Without a VPD the program could not start again.
                      Select(dlg, 0);
                      wxTEST_DIALOG(Click(dlg.GetDeleteButton()), ExpectMessageBox(&text));
                      return wxID_CANCEL;
                  }),
                  ExpectMessageBox(&text).Optional());
    EXPECT_EQ(text, "Error - the last VPD cannot be deleted");
    EXPECT_EQ(shell.Source().QueryText("SELECT group_concat(ID||'='||Name) FROM VPD"), "6=Mission");
}

TEST_F(VPDManagerTest, ARefusedOrLostWriteShowsTheDriversMessageAndTheListAsTheTableIs) {
    shell.Source().Exec("INSERT INTO VPD (ID, Name) VALUES (3, 'Band')");
    shell.Source().Exec(
        "CREATE TRIGGER keep_vpds BEFORE DELETE ON VPD BEGIN SELECT RAISE(ABORT, 'no'); END");
    Run([this](CVPDManagerDlg& dlg) {
        Select(dlg, 0);
        shell.Source().Exec("INSERT INTO VPD (ID, Name) VALUES (5, 'Alpha')");
        wxString text;
        wxTEST_DIALOG(Click(dlg.GetDeleteButton()), AnswerMessageBox(wxID_YES),
                      ExpectMessageBox(&text));
        EXPECT_TRUE(text.Contains("no")) << text;
        // Band stays loaded, at its new place.
        EXPECT_EQ(Entries(dlg.GetVPDList()), "Alpha|Band|Main|Youth");
        EXPECT_EQ(dlg.GetVPDList()->GetSelection(), 1);
        EXPECT_EQ(dlg.GetNameEdit()->GetValue(), "Band");
        EXPECT_EQ(Buttons(dlg), "01");

        // Deleted underneath: the rename fails, the typing stays for Add.
        shell.Source().Exec("DROP TRIGGER keep_vpds");
        shell.Source().Exec("DELETE FROM VPD WHERE ID=3");
        Type(dlg, "Teens");
        text.clear();
        wxTEST_DIALOG(Click(dlg.GetEditButton()), ExpectMessageBox(&text));
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(Entries(dlg.GetVPDList()), "Alpha|Main|Youth");
        EXPECT_EQ(dlg.GetNameEdit()->GetValue(), "Teens");
        EXPECT_EQ(Buttons(dlg), "00");
        return wxID_CANCEL;
    });
    EXPECT_EQ(Table(), "1=Main|2=Youth|5=Alpha");
    EXPECT_EQ(m_strStray, "");
}

TEST_F(VPDManagerTest, KeyedEnterDoesNothingAndEscapeAsksBeforeUnsavedTypingIsLost) {
    // A real modal run: the keys go through the toolkit as the operator's do.
    CVPDManagerDlg dlg(&shell.Frame(), shell.Doc());
    AnsweredMessages messages({wxID_NO, wxID_YES}, wxID_NO);
    bool bStillOpen = false;
    dlg.CallAfter([&] {
        Select(dlg, 1);
        Type(dlg, "Teens");
        dlg.GetNameEdit()->SetFocus();
        wxUIActionSimulator keys;
        if (WaitFor([&] { return dlg.IsActive() && dlg.GetNameEdit()->HasFocus(); })) {
            keys.Char(WXK_RETURN);
            // Keys arrive in order: once this one has, so has Enter.
            keys.Char('x');
            WaitFor([&] { return dlg.GetNameEdit()->GetValue().EndsWith("x"); });
            keys.Char(WXK_ESCAPE);
            WaitFor([&] { return messages.m_texts.size() == 1; });
            ProcessPending();
            bStillOpen = dlg.IsModal() && dlg.GetNameEdit()->GetValue().EndsWith("x");
            keys.Char(WXK_ESCAPE);
        }
        if (!WaitFor([&] { return !dlg.IsModal(); })) {
            dlg.EndModal(wxID_ABORT);  // never left hanging open
        }
    });
    EXPECT_EQ(dlg.ShowModal(), wxID_CANCEL);
    EXPECT_TRUE(bStillOpen);
    // No button stands ready for Enter either: the toolkit presses a
    // default button only after a delay no test can wait out.
    EXPECT_EQ(dlg.GetDefaultItem(), nullptr);
    ASSERT_EQ(messages.m_texts.size(), 2u);
    EXPECT_EQ(messages.m_texts[0], kExit);
    EXPECT_EQ(messages.m_texts[1], kExit);
    EXPECT_EQ(Table(), "1=Main|2=Youth");
}

// ---- the selecter ----

class SelectVPDTest : public testing::Test {
  protected:
    void Run(std::function<int(CSelectVPDDlg&)> act) {
        wxTEST_DIALOG(shell.Command(ID_TOOLS_VPD_SELECTER),
                      wxExpectModal<CSelectVPDDlg>(std::move(act)).Describe("Select VPD"),
                      ExpectMessageBox(&m_strMessage).Optional());
    }

    ShellFixture shell;
    wxString m_strMessage;
};

TEST_F(SelectVPDTest, TheChosenVPDBecomesCurrentAndTheStatusBarFollows) {
    shell.SelectSchedule(1);
    Run([](CSelectVPDDlg& dlg) {
        EXPECT_EQ(dlg.GetTitle(), "Select Virtual Private Database");
        EXPECT_EQ(Entries(dlg.GetVPDList()), "Main|Youth");
        EXPECT_EQ(dlg.GetVPDList()->GetSelection(), wxNOT_FOUND);
        dlg.GetVPDList()->SetSelection(1);
        return PressOK(dlg);
    });
    EXPECT_EQ(m_strMessage, "");
    EXPECT_EQ(shell.Doc().m_nVPD, 2);
    EXPECT_EQ(shell.Doc().m_strVPDName, "Youth");
    // The schedule stays, even though it is of another VPD.
    EXPECT_EQ(shell.Doc().m_nScheduleID, 1);
    wxStatusBar* status = shell.Frame().GetMainStatusBar();
    EXPECT_TRUE(WaitFor([&] { return status->GetStatusText(CMainFrame::kPaneVPD) == "Youth"; }));
}

TEST_F(SelectVPDTest, CancelNoChoiceOrAVPDGoneMeanwhileLeaveTheCurrentVPD) {
    Run([](CSelectVPDDlg& dlg) {
        dlg.GetVPDList()->SetSelection(1);
        return wxID_CANCEL;
    });
    EXPECT_EQ(m_strMessage, "");
    Run([](CSelectVPDDlg& dlg) { return PressOK(dlg); });
    EXPECT_EQ(m_strMessage, kNotFound);
    m_strMessage.clear();
    Run([this](CSelectVPDDlg& dlg) {
        dlg.GetVPDList()->SetSelection(1);
        shell.Source().Exec("DELETE FROM VPD WHERE ID=2");
        return PressOK(dlg);
    });
    EXPECT_EQ(m_strMessage, kNotFound);
    EXPECT_EQ(shell.Doc().m_nVPD, 1);
    EXPECT_EQ(shell.Doc().m_strVPDName, "Main");
}

TEST(SelectVPDTable, ARepeatedNameMakesThePickedEntrysVPDCurrentUnderItsNameNow) {
    ShellFixture shell(TempDataSource::Content::Library, false);
    shell.Source().Exec("INSERT INTO VPD (ID, Name) VALUES (7, 'Main'), (4, 'Band')");
    ASSERT_TRUE(shell.Open());
    wxString message;
    wxTEST_DIALOG(RunVPDSelecter(shell.Doc(), &shell.Frame()),
                  wxExpectModal<CSelectVPDDlg>([&](CSelectVPDDlg& dlg) {
                      EXPECT_EQ(Entries(dlg.GetVPDList()), "Band|Main|Main|Youth");
                      dlg.GetVPDList()->SetSelection(2);
                      // Renamed while the list was open: the ID still finds it.
                      shell.Source().Exec("UPDATE VPD SET Name='Main 2' WHERE ID=7");
                      return PressOK(dlg);
                  }),
                  ExpectMessageBox(&message).Optional());
    EXPECT_EQ(message, "");
    EXPECT_EQ(shell.Doc().m_nVPD, 7);
    EXPECT_EQ(shell.Doc().m_strVPDName, "Main 2");
}

TEST_F(SelectVPDTest, ADoubleClickOnAnEntryActsAsOK) {
    // A real modal run, so the double click's end of the dialog is seen.
    CSelectVPDDlg dlg(&shell.Frame(), shell.Doc());
    dlg.CallAfter([&] {
        wxListBox* list = dlg.GetVPDList();
        list->SetSelection(1);
        wxCommandEvent click(wxEVT_LISTBOX_DCLICK, list->GetId());
        click.SetEventObject(list);
        click.SetInt(1);
        list->ProcessWindowEvent(click);
        if (!WaitFor([&] { return !dlg.IsModal(); })) {
            dlg.EndModal(wxID_ABORT);
        }
    });
    EXPECT_EQ(dlg.ShowModal(), wxID_OK);
    EXPECT_EQ(dlg.m_strSelected, "Youth");
    ASSERT_TRUE(dlg.m_nSelectedID.has_value());
    EXPECT_EQ(*dlg.m_nSelectedID, 2);
}

}  // namespace
