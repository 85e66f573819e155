// Tools > Copy and "Copy": listing a kind, choosing an item and a VPD, and
// the rows the copies leave in the items table.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/modalhook.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "app/MainFrame.h"
#include "doc/CommandIds.h"
#include "doc/ItemKinds.h"
#include "doc/VersiluxDoc.h"
#include "support/AnsweredMessages.h"
#include "support/Click.h"
#include "support/DialogExpectations.h"
#include "support/ShellFixture.h"
#include "support/WaitFor.h"

namespace {

constexpr int kSongs = 2;
constexpr int kChords = 4;
const char* const kSongTitles =
    "Abide with Me|Amazing Grace|Be Thou My Vision|Holy, Holy, Holy|It Is Well with My Soul";
// Every column a copy takes from its source, as one text.
const char* const kCopiedColumns =
    "Heading1||'|'||Heading2||'|'||Heading2_alt||'|'||Field1||'|'||Field2||'|'||FileName"
    "||'|'||Type||'|'||Subtype||'|'||Background||'|'||Foreground||'|'||Foreground2"
    "||'|'||PreferFlats||'|'||Transpose";

void ClickKind(CCopyItemsDlg& dlg, int nKind) {
    Click(dlg.GetKindButton(nKind));
}

// A click on an entry of the item list.
void Select(CCopyItemsDlg& dlg, int nIndex) {
    ChooseEntry(dlg.GetItemList(), nIndex);
}

// Enter in the "As" box.
void PressEnterInAs(CCopyItemsDlg& dlg) {
    wxCommandEvent enter(wxEVT_TEXT_ENTER, dlg.GetAsEdit()->GetId());
    enter.SetEventObject(dlg.GetAsEdit());
    dlg.GetAsEdit()->ProcessWindowEvent(enter);
    dlg.UpdateWindowUI(wxUPDATE_UI_RECURSE);
}

wxString Entries(const wxListBox* list) {
    wxString text;
    for (unsigned i = 0; i < list->GetCount(); ++i) {
        text << (i == 0 ? "" : "|") << list->GetString(i);
    }
    return text;
}

bool CopyEnabled(CCopyItemsDlg& dlg) {
    dlg.UpdateWindowUI(wxUPDATE_UI_RECURSE);
    return dlg.GetCopyButton()->IsEnabled();
}

class CopyItemsTest : public testing::Test {
  protected:
    // Tools > Copy, answered by act; the dialog's result is what act returns.
    void Run(std::function<int(CCopyItemsDlg&)> act) {
        wxTEST_DIALOG(shell.Command(ID_TOOLS_COPY),
                      wxExpectModal<CCopyItemsDlg>(std::move(act)).Describe("Copy"));
    }
    long Count(const wxString& where) {
        return shell.Source().QueryNumber("SELECT count(*) FROM items WHERE " + where);
    }
    wxString Text(const wxString& sql) { return shell.Source().QueryText(sql); }

    ShellFixture shell;
};

TEST_F(CopyItemsTest, OpensWithNoKindChosenAndListsAKindInTitleOrderWhenClicked) {
    Run([](CCopyItemsDlg& dlg) {
        EXPECT_EQ(dlg.GetTitle(), "Copy");
        const char* kinds[] = {"All", "Titles", "Songs", "Liturgy", "Chords", "Pictures"};
        for (int i = 0; i < kKindCount; ++i) {
            EXPECT_EQ(dlg.GetKindButton(i)->GetLabelText(), kinds[i]);
            EXPECT_FALSE(dlg.GetKindButton(i)->GetValue()) << kinds[i];
        }
        EXPECT_EQ(dlg.GetItemList()->GetCount(), 0u);
        EXPECT_EQ(Entries(dlg.GetVPDList()), "Main|Youth");
        EXPECT_EQ(dlg.GetVPDList()->GetSelection(), 0);
        EXPECT_EQ(dlg.GetAsEdit()->GetValue(), "");
        EXPECT_FALSE(CopyEnabled(dlg));
        EXPECT_TRUE(dlg.GetDoneButton()->IsEnabled());

        ClickKind(dlg, kSongs);
        EXPECT_EQ(Entries(dlg.GetItemList()), kSongTitles);
        EXPECT_FALSE(CopyEnabled(dlg));
        ClickKind(dlg, kKindAll);
        EXPECT_EQ(dlg.GetItemList()->GetCount(), 14u);  // VPD Main's items only
        ClickKind(dlg, kChords);
        EXPECT_EQ(dlg.GetItemList()->GetString(0), "Abide with Me (D)");
        // The entries are the shared query's rows, in its order.
        Select(dlg, 3);
        EXPECT_EQ(dlg.GetAsEdit()->GetValue(), "Holy, Holy, Holy (D)");
        EXPECT_EQ(dlg.m_pDoc->m_pItemsSet->m_ID, dlg.GetListedItems()[3].nID);
        EXPECT_TRUE(CopyEnabled(dlg));
        return wxID_OK;
    });
    EXPECT_EQ(Count("1"), 16);
}

TEST_F(CopyItemsTest, ASongCopiedIntoItsOwnVPDUnderItsTitleIsListedTwice) {
    Run([](CCopyItemsDlg& dlg) {
        ClickKind(dlg, kSongs);
        Select(dlg, 1);
        EXPECT_EQ(dlg.GetAsEdit()->GetValue(), "Amazing Grace");
        EXPECT_TRUE(CopyEnabled(dlg));
        Click(dlg.GetCopyButton());
        EXPECT_EQ(Entries(dlg.GetItemList()),
                  "Abide with Me|Amazing Grace|Amazing Grace|Be Thou My Vision|Holy, Holy, "
                  "Holy|It Is Well with My Soul");
        EXPECT_EQ(dlg.GetAsEdit()->GetValue(), "");
        EXPECT_FALSE(CopyEnabled(dlg));
        // The new entry is matched to its own row.
        Select(dlg, 2);
        EXPECT_EQ(dlg.m_pDoc->m_pItemsSet->m_ID, dlg.GetListedItems()[2].nID);
        EXPECT_EQ(dlg.GetAsEdit()->GetValue(), "Amazing Grace");
        return wxID_OK;
    });
    EXPECT_EQ(Count("Title='Amazing Grace' AND VPD=1 AND Subtype=1"), 2);
}

TEST_F(CopyItemsTest, ACopyIntoAnotherVPDHasTheSourcesValuesTheNewTitleAndNoFlagsOrBPM) {
    const long nRows = shell.Source().QueryNumber("SELECT count(*) FROM [schedule items]");
    const wxString source = Text(wxString("SELECT ") + kCopiedColumns + " FROM items WHERE ID=14");
    Run([](CCopyItemsDlg& dlg) {
        ClickKind(dlg, kChords);
        const wxString before = Entries(dlg.GetItemList());
        Select(dlg, 4);
        EXPECT_EQ(dlg.GetAsEdit()->GetValue(), "It Is Well with My Soul (Db)");
        dlg.GetVPDList()->SetSelection(1);
        dlg.GetAsEdit()->ChangeValue("It Is Well (youth band)");
        Click(dlg.GetCopyButton());
        // The copy is not in this VPD: the list reads as before.
        EXPECT_EQ(Entries(dlg.GetItemList()), before);
        EXPECT_EQ(dlg.GetAsEdit()->GetValue(), "");
        EXPECT_FALSE(CopyEnabled(dlg));
        return wxID_OK;
    });
    ASSERT_EQ(Count("Title='It Is Well (youth band)'"), 1);
    const wxString copy =
        wxString("SELECT ") + kCopiedColumns + " FROM items WHERE Title='It Is Well (youth band)'";
    EXPECT_EQ(Text(copy), source);
    EXPECT_TRUE(source.EndsWith("|1|1")) << source;  // flats and transposition were set
    EXPECT_EQ(Text("SELECT VPD||'|'||Flag1||Flag2||Flag3||Flag4||'|'||BPM FROM items "
                   "WHERE Title='It Is Well (youth band)'"),
              "2|0000|0");
    // The source keeps its own, and schedules are not copied.
    EXPECT_EQ(Text("SELECT Title||'|'||VPD||'|'||Flag4||'|'||BPM FROM items WHERE ID=14"),
              "It Is Well with My Soul (Db)|1|1|76");
    EXPECT_EQ(shell.Source().QueryNumber("SELECT count(*) FROM [schedule items]"), nRows);
}

TEST_F(CopyItemsTest, EnterInAsCopiesWhenCopyIsOnAndAnEmptyTitleIsCopiedAsIs) {
    Run([](CCopyItemsDlg& dlg) {
        ClickKind(dlg, kSongs);
        PressEnterInAs(dlg);  // nothing selected: nothing to copy
        Select(dlg, 0);
        dlg.GetAsEdit()->ChangeValue("");
        PressEnterInAs(dlg);
        // The untitled copy sorts first.
        EXPECT_EQ(Entries(dlg.GetItemList()), wxString("|") + kSongTitles);
        EXPECT_EQ(dlg.GetItemList()->GetSelection(), wxNOT_FOUND);
        PressEnterInAs(dlg);  // the list was filled again: nothing selected
        return wxID_OK;
    });
    EXPECT_EQ(Count("1"), 17);
    EXPECT_EQ(Text("SELECT Heading2||'|'||VPD||'|'||Subtype FROM items WHERE Title=''"),
              "Words: Henry F. Lyte, 1847|1|1");
}

TEST_F(CopyItemsTest, AnOverLongTitleIsRefusedAndTheLongestAllowedIsCopied) {
    Run([this](CCopyItemsDlg& dlg) {
        ClickKind(dlg, kSongs);
        Select(dlg, 0);
        const wxString tooLong(101, 'x');
        dlg.GetAsEdit()->ChangeValue(tooLong);
        wxString text;
        wxTEST_DIALOG(Click(dlg.GetCopyButton()), ExpectMessageBox(&text));
        EXPECT_EQ(text, "Please enter no more than 100 characters.");
        EXPECT_EQ(Count("1"), 16);
        // The operator can shorten it and try again.
        EXPECT_EQ(dlg.GetAsEdit()->GetValue(), tooLong);
        EXPECT_TRUE(CopyEnabled(dlg));
        dlg.GetAsEdit()->ChangeValue(wxString(100, 'x'));
        Click(dlg.GetCopyButton());
        return wxID_OK;
    });
    EXPECT_EQ(Count("length(Title)=100 AND VPD=1"), 1);
    EXPECT_EQ(Count("length(Title)>100"), 0);
}

TEST(CopyItemsVPDs, EachVPDEntryCopiesIntoItsOwnRowWhateverTheIDsAndNameOrder) {
    ShellFixture shell(TempDataSource::Content::Library, false);
    shell.Source().Exec("UPDATE VPD SET ID=9, Name='Archive' WHERE ID=2");
    shell.Source().Exec("INSERT INTO VPD (ID, Name) VALUES (4, 'Zion')");
    ASSERT_TRUE(shell.Open());
    auto copyTo = [&](int nEntry, const char* title) {
        wxTEST_DIALOG(RunCopyItems(shell.Doc(), &shell.Frame()),
                      wxExpectModal<CCopyItemsDlg>([&](CCopyItemsDlg& dlg) {
                          EXPECT_EQ(Entries(dlg.GetVPDList()), "Archive|Main|Zion");
                          EXPECT_EQ(dlg.GetVPDList()->GetSelection(), 1);  // the current one
                          ClickKind(dlg, kSongs);
                          Select(dlg, 0);
                          dlg.GetVPDList()->SetSelection(nEntry);
                          dlg.GetAsEdit()->ChangeValue(title);
                          Click(dlg.GetCopyButton());
                          return wxID_OK;
                      }));
    };
    copyTo(2, "to Zion");
    copyTo(0, "to Archive");
    copyTo(1, "to Main");
    EXPECT_EQ(shell.Source().QueryText("SELECT group_concat(Title||'='||VPD, '|') FROM "
                                       "(SELECT Title, VPD FROM items WHERE Title LIKE 'to %' "
                                       "ORDER BY ID)"),
              "to Zion=4|to Archive=9|to Main=1");

    // A current VPD the table no longer has: the first is chosen.
    shell.Doc().m_nVPD = 42;
    wxTEST_DIALOG(RunCopyItems(shell.Doc(), &shell.Frame()),
                  wxExpectModal<CCopyItemsDlg>([](CCopyItemsDlg& dlg) {
                      EXPECT_EQ(dlg.GetVPDList()->GetSelection(), 0);
                      return wxID_OK;
                  }));
}

TEST_F(CopyItemsTest, WithNoVPDToCopyIntoCopyStaysOff) {
    shell.Source().Exec("DELETE FROM VPD");
    Run([](CCopyItemsDlg& dlg) {
        EXPECT_EQ(dlg.GetVPDList()->GetCount(), 0u);
        ClickKind(dlg, kSongs);
        Select(dlg, 0);
        EXPECT_EQ(dlg.GetAsEdit()->GetValue(), "Abide with Me");
        EXPECT_FALSE(CopyEnabled(dlg));
        PressEnterInAs(dlg);
        dlg.CopySelected();
        return wxID_OK;
    });
    EXPECT_EQ(Count("1"), 16);
}

TEST_F(CopyItemsTest, ASharedQueryPointedElsewhereIsReadAgainAndTheRightItemCopied) {
    Run([&](CCopyItemsDlg& dlg) {
        ClickKind(dlg, kSongs);
        Select(dlg, 0);
        // Another user of the shared query leaves it in another order.
        CItemsSet& items = *shell.Doc().m_pItemsSet;
        items.m_strSort = "Title DESC";
        items.Requery();
        dlg.GetAsEdit()->ChangeValue("Abide copy");
        Click(dlg.GetCopyButton());
        return wxID_OK;
    });
    EXPECT_EQ(Text("SELECT Field1 FROM items WHERE Title='Abide copy'"),
              Text("SELECT Field1 FROM items WHERE Title='Abide with Me' AND Subtype=1"));
}

TEST_F(CopyItemsTest, AListTheLibraryNoLongerMatchesIsListedAgainAndNothingIsCopied) {
    // A song added underneath the open list, and the shared query read again.
    auto disturb = [this] {
        shell.Source().Exec(
            "INSERT INTO items (Title, Field1, Type, Subtype, VPD) VALUES ('A first', 'x', 3, 1, "
            "1)");
        shell.Doc().m_pItemsSet->Requery();
    };
    Run([&](CCopyItemsDlg& dlg) {
        ClickKind(dlg, kSongs);
        Select(dlg, 0);
        EXPECT_EQ(dlg.GetAsEdit()->GetValue(), "Abide with Me");
        disturb();
        wxString text;
        wxTEST_DIALOG(Click(dlg.GetCopyButton()), ExpectMessageBox(&text));
        EXPECT_EQ(text, "The list of items has changed. Please choose the item again.");
        EXPECT_EQ(Entries(dlg.GetItemList()), wxString("A first|") + kSongTitles);
        EXPECT_FALSE(CopyEnabled(dlg));
        return wxID_OK;
    });
    EXPECT_EQ(Count("1"), 17);
}

TEST_F(CopyItemsTest, AFailedCopyShowsTheDriversMessageListsAgainAndLeavesNothingPending) {
    shell.Source().Exec(
        "CREATE TRIGGER refuse_copies BEFORE INSERT ON items "
        "BEGIN SELECT RAISE(ABORT, 'copies are refused here'); END");
    Run([this](CCopyItemsDlg& dlg) {
        ClickKind(dlg, kSongs);
        Select(dlg, 4);
        dlg.GetAsEdit()->ChangeValue("refused");
        wxString text;
        wxTEST_DIALOG(Click(dlg.GetCopyButton()), ExpectMessageBox(&text));
        EXPECT_TRUE(text.Contains("copies are refused here")) << text;
        EXPECT_EQ(Entries(dlg.GetItemList()), kSongTitles);
        EXPECT_EQ(dlg.GetAsEdit()->GetValue(), "");
        EXPECT_FALSE(CopyEnabled(dlg));

        shell.Source().Exec("DROP TRIGGER refuse_copies");
        Select(dlg, 4);
        dlg.GetAsEdit()->ChangeValue("accepted");
        Click(dlg.GetCopyButton());
        return wxID_OK;
    });
    EXPECT_EQ(Count("Title='refused'"), 0);
    EXPECT_EQ(Count("Title='accepted' AND Heading1='It Is Well with My Soul'"), 1);
}

TEST_F(CopyItemsTest, KeyedEnterRefusesATitleTooLongAndEscapeClosesLikeDoneRegardless) {
    // A real modal run: the keys go through the toolkit as the operator's do.
    CCopyItemsDlg dlg(&shell.Frame(), shell.Doc());
    AnsweredMessages others;
    bool bNoneChecked = false;
    dlg.CallAfter([&] {
        bNoneChecked = true;
        for (int i = 0; i < kKindCount; ++i) {
            bNoneChecked = bNoneChecked && !dlg.GetKindButton(i)->GetValue();
        }
        ClickKind(dlg, kSongs);
        Select(dlg, 0);
        dlg.GetAsEdit()->ChangeValue(wxString(150, 'x'));
        dlg.GetAsEdit()->SetFocus();
        wxUIActionSimulator keys;
        if (WaitFor([&] { return dlg.IsActive() && dlg.GetAsEdit()->HasFocus(); })) {
            keys.Char(WXK_RETURN);
            WaitFor([&] { return others.m_texts.size() > 0; });
            keys.Char(WXK_ESCAPE);
        }
        if (!WaitFor([&] { return !dlg.IsModal(); })) {
            dlg.EndModal(wxID_ABORT);  // never left hanging open
        }
    });
    EXPECT_EQ(dlg.ShowModal(), wxID_OK);
    EXPECT_EQ(others.m_texts.size(), 1u);  // the length message, for Enter only
    EXPECT_TRUE(bNoneChecked);
    EXPECT_EQ(Count("1"), 16);
}

}  // namespace
