// Show > Schedule: composing a schedule from the library, the per-entry
// transposition, the rows Save and New write, renaming and deleting, rows of
// gone items, edits offered before they are lost, and a store that refuses.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/modalhook.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <functional>
#include <memory>
#include <set>

#include "app/MainFrame.h"
#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"
#include "support/AnsweredMessages.h"
#include "support/Click.h"
#include "support/DialogExpectations.h"
#include "support/ShellFixture.h"
#include "support/SmallLibrary.h"
#include "support/WaitFor.h"

namespace {

constexpr int kSongs = 2;
const char* const kChangeQuestion = "Changes not saved - are you sure you want to change schedule?";
const char* const kExitQuestion =
    "Changes not saved - are you sure you want to exit schedule manager?";

wxString Labels(const wxControlWithItems* list) {
    wxString text;
    for (unsigned i = 0; i < list->GetCount(); ++i) {
        text << (i == 0 ? "" : "|") << list->GetString(i);
    }
    return text;
}

wxString Labels(const CItemListCtrl* list) {
    wxString text;
    for (const CListedItem& item : list->GetItems()) {
        text << (text.empty() ? "" : "|") << item.strTitle;
    }
    return text;
}

// A library item chosen in the right-hand list.
void ChooseLibraryItem(CScheduleManagerDlg& dlg, const wxString& strTitle) {
    CItemListCtrl* list = dlg.GetAvailableList();
    for (size_t i = 0; i < list->GetItems().size(); ++i) {
        if (list->GetItems()[i].strTitle == strTitle) {
            list->SelectQuietly(static_cast<long>(i));
            return;
        }
    }
    ADD_FAILURE() << "not offered: " << strTitle;
}

void ChooseSchedule(CScheduleManagerDlg& dlg, const wxString& strName) {
    const int n = dlg.GetScheduleList()->FindString(strName, true);
    ASSERT_NE(n, wxNOT_FOUND) << strName;
    ChooseEntry(dlg.GetScheduleList(), n);
}

void Type(CScheduleManagerDlg& dlg, const wxString& strText) {
    dlg.GetTransposeEdit()->SetValue(strText);
}

class ScheduleManagerTest : public testing::Test {
  protected:
    void SetUp() override {
        m_nGrace = m_library.AddItem("Amazing Grace", 5, "words", 2);
        m_nAbide = m_library.AddItem("Abide with Me", 5);
        m_nHoly = m_library.AddItem("Holy, Holy, Holy", 5);
        m_library.AddItemIn(2, 1, "Youth Song", "la");
        m_nSunday = m_library.AddSchedule("Sunday", {m_nGrace, m_nAbide}, {5, 999});
        m_nAdvent = m_library.AddSchedule("Advent", {m_nHoly});
        m_library.AddScheduleIn(2, "Youth night", {});
    }
    CVersiluxDoc& Doc() {
        if (!m_pDoc) {
            m_pDoc = std::make_unique<CVersiluxDoc>();
        }
        return *m_pDoc;
    }
    // The manager, acted on by act, then the dialogs expected in order; any
    // message box after those is answered and its text kept in m_strStray.
    template <typename... Expected>
    void Run(std::function<void(CScheduleManagerDlg&)> act, const Expected&... expected) {
        const auto manager = wxExpectModal<CScheduleManagerDlg>([&act](CScheduleManagerDlg& dlg) {
                                 act(dlg);
                                 return wxID_CANCEL;
                             }).Describe("Schedule Manager");
        const auto stray = ExpectMessageBox(&m_strStray).Optional();
        wxTestingModalHook hook(__FILE__, __LINE__, "Schedule Manager");
        hook.AddExpectation(manager);
        (hook.AddExpectation(expected), ...);
        hook.AddExpectation(stray);
        RunScheduleManager(Doc(), nullptr);
        hook.CheckUnmetExpectations();
    }
    // "item:order:transpose" per row of the schedule, in running order.
    wxString Rows(long nScheduleID) {
        return m_library.Source().QueryText(wxString::Format(
            "SELECT group_concat(r, ' ') FROM (SELECT [Item ID]||':'||Item_Order||':'||Transpose "
            "AS r FROM [schedule items] WHERE Schedule_ID=%ld ORDER BY Item_Order, ID)",
            nScheduleID));
    }
    wxString Row(long nItem, int nOrder, int nTranspose) {
        return wxString::Format("%ld:%d:%d", nItem, nOrder, nTranspose);
    }

    SmallLibrary m_library;
    std::unique_ptr<CVersiluxDoc> m_pDoc;
    wxString m_strStray;
    wxString m_strQuestion;
    long m_nGrace = 0;
    long m_nAbide = 0;
    long m_nHoly = 0;
    long m_nSunday = 0;
    long m_nAdvent = 0;
};

TEST_F(ScheduleManagerTest,
       OpensOnTheCurrentVPDsSchedulesWithNothingChosenAndEveryControlReachable) {
    Run([](CScheduleManagerDlg& dlg) {
        EXPECT_EQ(dlg.GetTitle(), "Schedule Manager");
        EXPECT_EQ(Labels(dlg.GetScheduleList()), "Advent|Sunday");
        EXPECT_EQ(dlg.GetScheduleList()->GetSelection(), wxNOT_FOUND);
        EXPECT_EQ(dlg.GetEntryList()->GetCount(), 0u);
        EXPECT_EQ(dlg.GetAvailableList()->GetItemCount(), 0);
        for (int n = 0; n < kKindCount; ++n) {
            EXPECT_FALSE(dlg.GetKindRadio(n)->GetValue()) << n;
        }
        EXPECT_EQ(dlg.GetTransposeEdit()->GetValue(), "999");
        EXPECT_FALSE(dlg.GetButton(ID_SM_SAVE)->IsEnabled());
        EXPECT_EQ(dlg.GetVPDList()->GetStringSelection(), "Main");
        EXPECT_EQ(Labels(dlg.GetVPDList()), "Choir|Main|Youth");
        // Every label and button but Done (Escape) has a letter of its own.
        std::set<wxUniChar> mnemonics;
        int nLabelled = 0;
        for (wxWindow* child : dlg.GetChildren()) {
            const wxString label = child->GetLabel();
            const int n = label.Find('&');
            if (n != wxNOT_FOUND && child->IsShown()) {
                ++nLabelled;
                mnemonics.insert(wxTolower(label[n + 1]));
            }
        }
        EXPECT_EQ(nLabelled, 21);
        EXPECT_EQ(mnemonics.size(), 21u);
    });
    EXPECT_EQ(m_strStray, "");
}

TEST_F(ScheduleManagerTest,
       ATypedTransposeReachesItsEntryWhenAnotherIsChosenAndSaveWritesTheOrder) {
    Run(
        [this](CScheduleManagerDlg& dlg) {
            ChooseSchedule(dlg, "Sunday");
            // The schedule's own transpositions, not the items'.
            EXPECT_EQ(Labels(dlg.GetEntryList()), "Amazing Grace|Abide with Me");
            EXPECT_EQ(dlg.GetEntries()[0].nTranspose, 5);
            EXPECT_FALSE(dlg.HasUnsavedChanges());

            Click(dlg.GetKindRadio(kSongs));
            EXPECT_EQ(Labels(dlg.GetAvailableList()),
                      "Abide with Me|Amazing Grace|Holy, Holy, Holy");
            ChooseLibraryItem(dlg, "Amazing Grace");
            Click(dlg.GetButton(ID_SM_ADD));
            // The item's own transposition comes with it and shows in the box.
            ASSERT_EQ(dlg.GetEntries().size(), 3u);
            EXPECT_EQ(dlg.GetEntries()[2].nTranspose, 2);
            EXPECT_EQ(dlg.GetTransposeEdit()->GetValue(), "2");
            EXPECT_EQ(dlg.GetEntryList()->GetSelection(), 2);
            EXPECT_TRUE(dlg.GetButton(ID_SM_SAVE)->IsEnabled());

            Type(dlg, "999");
            ChooseEntry(dlg.GetEntryList(), 0);
            EXPECT_EQ(dlg.GetEntries()[2].nTranspose, 999);
            EXPECT_EQ(dlg.GetTransposeEdit()->GetValue(), "5");
            // Typed and saved without choosing another entry: it is taken too.
            Type(dlg, "-3");
            Click(dlg.GetButton(ID_SM_SAVE));
            EXPECT_EQ(Rows(m_nSunday), Row(m_nGrace, 0, -3) + " " + Row(m_nAbide, 1, 999) + " " +
                                           Row(m_nGrace, 2, 999));
            // The list shows the schedule as stored.
            EXPECT_EQ(Labels(dlg.GetEntryList()), "Amazing Grace|Abide with Me|Amazing Grace");
            EXPECT_FALSE(dlg.HasUnsavedChanges());
        },
        AnswerMessageBox(wxID_YES, &m_strQuestion));
    EXPECT_EQ(m_strQuestion, "Save current settings as Sunday?");
    EXPECT_EQ(m_strStray, "");
}

TEST_F(ScheduleManagerTest, ATransposeOutsideTheRangeIsRefusedAndEnterTakesOneInside) {
    Run(
        [this](CScheduleManagerDlg& dlg) {
            ChooseSchedule(dlg, "Sunday");
            ChooseEntry(dlg.GetEntryList(), 0);
            Type(dlg, "13");
            ChooseEntry(dlg.GetEntryList(), 1);
            EXPECT_EQ(dlg.GetEntries()[0].nTranspose, 5);
            EXPECT_EQ(dlg.GetEntryList()->GetSelection(), 0);
            EXPECT_EQ(dlg.m_nEditIndex, 0);

            Type(dlg, "-12");
            wxCommandEvent enter(wxEVT_TEXT_ENTER, dlg.GetTransposeEdit()->GetId());
            enter.SetEventObject(dlg.GetTransposeEdit());
            dlg.GetTransposeEdit()->ProcessWindowEvent(enter);
            EXPECT_EQ(dlg.GetEntries()[0].nTranspose, -12);
            EXPECT_EQ(dlg.GetReturnCode(), 0);  // Enter does not close
            EXPECT_TRUE(dlg.HasUnsavedChanges());
        },
        ExpectMessageBox(&m_strQuestion));
    EXPECT_EQ(m_strQuestion, "Please enter an integer between -12 and 12, or 999 for none.");
    EXPECT_EQ(m_strStray, "");
    EXPECT_FALSE(CheckScheduleTranspose(" 12 "));
    EXPECT_FALSE(CheckScheduleTranspose("999"));
    EXPECT_TRUE(CheckScheduleTranspose("998"));
    EXPECT_TRUE(CheckScheduleTranspose("x"));
    EXPECT_TRUE(CheckScheduleTranspose(""));
}

TEST_F(ScheduleManagerTest, MovesStopAtTheEndsAndRemovingTheEditedEntryForgetsIt) {
    Run([this](CScheduleManagerDlg& dlg) {
        ChooseSchedule(dlg, "Sunday");
        Click(dlg.GetKindRadio(kSongs));
        ChooseLibraryItem(dlg, "Holy, Holy, Holy");
        Click(dlg.GetButton(ID_SM_ADD));
        dlg.GetEntryList()->SetSelection(wxNOT_FOUND);
        Click(dlg.GetButton(ID_SM_MOVE_DOWN));
        ChooseEntry(dlg.GetEntryList(), 0);
        Click(dlg.GetButton(ID_SM_MOVE_UP));
        ChooseEntry(dlg.GetEntryList(), 2);
        Click(dlg.GetButton(ID_SM_MOVE_DOWN));
        EXPECT_EQ(Labels(dlg.GetEntryList()), "Amazing Grace|Abide with Me|Holy, Holy, Holy");

        ChooseEntry(dlg.GetEntryList(), 0);
        Click(dlg.GetButton(ID_SM_MOVE_DOWN));
        EXPECT_EQ(Labels(dlg.GetEntryList()), "Abide with Me|Amazing Grace|Holy, Holy, Holy");
        EXPECT_EQ(dlg.GetEntryList()->GetSelection(), 1);
        EXPECT_EQ(dlg.GetEntries()[1].nTranspose, 5);  // the entry moved whole

        ChooseEntry(dlg.GetEntryList(), 2);
        Type(dlg, "4");
        Click(dlg.GetButton(ID_SM_REMOVE));
        EXPECT_EQ(Labels(dlg.GetEntryList()), "Abide with Me|Amazing Grace");
        EXPECT_EQ(dlg.GetTransposeEdit()->GetValue(), "999");
        EXPECT_EQ(dlg.m_nEditIndex, -1);

        Click(dlg.GetButton(ID_SM_CLEAR));
        EXPECT_EQ(dlg.GetEntryList()->GetCount(), 0u);
        EXPECT_FALSE(dlg.GetButton(ID_SM_SAVE)->IsEnabled());
        EXPECT_FALSE(dlg.HasUnsavedChanges());
    });
    EXPECT_EQ(m_strStray, "");
    EXPECT_EQ(Rows(m_nSunday), Row(m_nGrace, 0, 5) + " " + Row(m_nAbide, 1, 999));
}

TEST_F(ScheduleManagerTest, TheVPDListDecidesWhereItemsComeFromOnceAKindIsChosen) {
    Run([](CScheduleManagerDlg& dlg) {
        ChooseEntry(dlg.GetVPDList(), dlg.GetVPDList()->FindString("Youth"));
        EXPECT_EQ(dlg.GetAvailableList()->GetItemCount(), 0);
        Click(dlg.GetKindRadio(kSongs));
        EXPECT_EQ(Labels(dlg.GetAvailableList()), "Youth Song");
        ChooseEntry(dlg.GetVPDList(), dlg.GetVPDList()->FindString("Main"));
        EXPECT_EQ(dlg.GetAvailableList()->GetItemCount(), 3);
        // The schedules stay the current VPD's.
        EXPECT_EQ(Labels(dlg.GetScheduleList()), "Advent|Sunday");
    });
}

TEST_F(ScheduleManagerTest, NewMakesASelectedScheduleOfTheListAndACancelledNameLosesNothing) {
    wxString strNewQuestion;
    Run(
        [this](CScheduleManagerDlg& dlg) {
            Click(dlg.GetKindRadio(kSongs));
            ChooseLibraryItem(dlg, "Holy, Holy, Holy");
            Click(dlg.GetButton(ID_SM_ADD));
            ChooseLibraryItem(dlg, "Amazing Grace");
            Click(dlg.GetButton(ID_SM_ADD));
            Type(dlg, "1");
            Click(dlg.GetButton(ID_SM_NEW));  // named nothing: cancelled
            EXPECT_EQ(dlg.GetEntries().size(), 2u);
            EXPECT_EQ(Labels(dlg.GetScheduleList()), "Advent|Sunday");
            Click(dlg.GetButton(ID_SM_NEW));
            EXPECT_EQ(Labels(dlg.GetScheduleList()), "Advent|Sunday|Test Sunday");
            EXPECT_EQ(dlg.GetScheduleList()->GetStringSelection(), "Test Sunday");
            EXPECT_EQ(Labels(dlg.GetEntryList()), "Holy, Holy, Holy|Amazing Grace");
        },
        AnswerMessageBox(wxID_YES, &strNewQuestion),
        wxExpectModal<CScheduleNameDlg>([](CScheduleNameDlg&) { return wxID_CANCEL; }),
        AnswerMessageBox(wxID_YES), wxExpectModal<CScheduleNameDlg>([](CScheduleNameDlg& dlg) {
            dlg.GetNameEdit()->SetValue("Test Sunday");
            return PressOK(dlg);
        }));
    EXPECT_EQ(strNewQuestion, "Save current settings as new schedule?");
    EXPECT_EQ(m_strStray, "");
    const long nNew = m_library.Source().QueryNumber(
        "SELECT ID FROM Schedules WHERE Name='Test Sunday' AND VPD=1");
    EXPECT_EQ(Rows(nNew), Row(m_nHoly, 0, 0) + " " + Row(m_nGrace, 1, 1));
    EXPECT_EQ(m_library.Source().QueryNumber("SELECT count(*) FROM Schedules"), 4);
}

TEST_F(ScheduleManagerTest, RenameKeepsThePlaceAndDeleteAsksWithNoAsTheDefault) {
    long nStyle = 0;
    wxString strDelete;
    Run(
        [](CScheduleManagerDlg& dlg) {
            ChooseSchedule(dlg, "Advent");
            Click(dlg.GetButton(ID_SM_RENAME));
            EXPECT_EQ(Labels(dlg.GetScheduleList()), "Zion|Sunday");
            EXPECT_EQ(dlg.GetScheduleList()->GetSelection(), 0);
            Click(dlg.GetButton(ID_SM_DELETE));  // No
            EXPECT_EQ(Labels(dlg.GetScheduleList()), "Zion|Sunday");
            Click(dlg.GetButton(ID_SM_DELETE));  // Yes
            // The schedule now at the same place is chosen and shown.
            EXPECT_EQ(Labels(dlg.GetScheduleList()), "Sunday");
            EXPECT_EQ(dlg.GetScheduleList()->GetSelection(), 0);
            EXPECT_EQ(Labels(dlg.GetEntryList()), "Amazing Grace|Abide with Me");
        },
        wxExpectModal<CScheduleNameDlg>([](CScheduleNameDlg& dlg) {
            EXPECT_EQ(dlg.GetNameEdit()->GetValue(), "Advent");
            dlg.GetNameEdit()->SetValue("Zion");
            return PressOK(dlg);
        }),
        AnswerMessageBox(wxID_NO, &strDelete, &nStyle), AnswerMessageBox(wxID_YES));
    EXPECT_EQ(strDelete, "Delete - are you sure?");
    EXPECT_TRUE(nStyle & wxNO_DEFAULT);
    EXPECT_EQ(m_strStray, "");
    EXPECT_EQ(m_library.Source().QueryNumber(
                  wxString::Format("SELECT count(*) FROM Schedules WHERE ID=%ld", m_nAdvent)),
              0);
}

TEST_F(ScheduleManagerTest, ARowOfAGoneItemIsMarkedAndKeptOrDroppedOnlyBySaving) {
    m_library.Exec(wxString::Format("DELETE FROM items WHERE ID=%ld", m_nAbide));
    Run(
        [this](CScheduleManagerDlg& dlg) {
            ChooseSchedule(dlg, "Sunday");
            EXPECT_EQ(Labels(dlg.GetEntryList()),
                      wxString::Format("Amazing Grace|**unknown** (item %ld)", m_nAbide));
            Click(dlg.GetButton(ID_SM_SAVE));
            EXPECT_EQ(Rows(m_nSunday), Row(m_nGrace, 0, 5) + " " + Row(m_nAbide, 1, 999));
            ChooseEntry(dlg.GetEntryList(), 1);
            Click(dlg.GetButton(ID_SM_REMOVE));
            Click(dlg.GetButton(ID_SM_SAVE));
        },
        AnswerMessageBox(wxID_YES), AnswerMessageBox(wxID_YES));
    EXPECT_EQ(m_strStray, "");
    EXPECT_EQ(Rows(m_nSunday), Row(m_nGrace, 0, 5));
}

TEST_F(ScheduleManagerTest, EditsAreOfferedBeforeAnotherScheduleOrClosingWouldLoseThem) {
    wxString strClose;
    bool bClosedAtOnce = false;
    Run(
        [&](CScheduleManagerDlg& dlg) {
            ChooseSchedule(dlg, "Sunday");
            ChooseEntry(dlg.GetEntryList(), 1);
            Click(dlg.GetButton(ID_SM_REMOVE));
            ChooseSchedule(dlg, "Advent");  // No
            EXPECT_EQ(dlg.GetScheduleList()->GetStringSelection(), "Sunday");
            EXPECT_EQ(Labels(dlg.GetEntryList()), "Amazing Grace");
            Click(dlg.GetButton(wxID_CANCEL));  // Done, answered No: stays open
            EXPECT_EQ(dlg.GetReturnCode(), 0);
            ChooseSchedule(dlg, "Advent");  // Yes
            EXPECT_EQ(Labels(dlg.GetEntryList()), "Holy, Holy, Holy");
            // A transposition typed and not yet taken is an edit too.
            ChooseEntry(dlg.GetEntryList(), 0);
            Type(dlg, "3");
            EXPECT_TRUE(dlg.HasUnsavedChanges());
            Click(dlg.GetButton(wxID_CANCEL));  // Yes: closes
            bClosedAtOnce = dlg.GetReturnCode() == wxID_CANCEL;
        },
        AnswerMessageBox(wxID_NO, &m_strQuestion), AnswerMessageBox(wxID_NO, &strClose),
        AnswerMessageBox(wxID_YES), AnswerMessageBox(wxID_YES));
    EXPECT_EQ(m_strQuestion, kChangeQuestion);
    EXPECT_EQ(strClose, kExitQuestion);
    EXPECT_TRUE(bClosedAtOnce);
    EXPECT_EQ(m_strStray, "");
    EXPECT_EQ(Rows(m_nSunday), Row(m_nGrace, 0, 5) + " " + Row(m_nAbide, 1, 999));
}

TEST_F(ScheduleManagerTest, AStoreThatRefusesShowsItsMessageAndTheListsFollowTheDatabase) {
    m_library.Exec(
        "CREATE TRIGGER refuse_rows BEFORE INSERT ON [schedule items] WHEN NEW.Item_Order = 1 "
        "BEGIN SELECT RAISE(ABORT, 'rows refused'); END");
    m_library.Exec(
        "CREATE TRIGGER refuse_names BEFORE UPDATE ON Schedules BEGIN SELECT RAISE(ABORT, 'names "
        "refused'); END");
    wxString strSave;
    wxString strRename;
    Run(
        [this](CScheduleManagerDlg& dlg) {
            ChooseSchedule(dlg, "Sunday");
            ChooseEntry(dlg.GetEntryList(), 1);
            Click(dlg.GetButton(ID_SM_MOVE_UP));
            Click(dlg.GetButton(ID_SM_SAVE));
            // Nothing half-written; what was composed is still there.
            EXPECT_EQ(Rows(m_nSunday), Row(m_nGrace, 0, 5) + " " + Row(m_nAbide, 1, 999));
            EXPECT_EQ(Labels(dlg.GetEntryList()), "Abide with Me|Amazing Grace");
            EXPECT_TRUE(dlg.HasUnsavedChanges());

            Click(dlg.GetButton(ID_SM_RENAME));
            EXPECT_EQ(Labels(dlg.GetScheduleList()), "Advent|Sunday");
            EXPECT_EQ(dlg.GetScheduleList()->GetStringSelection(), "Sunday");
            EXPECT_EQ(Labels(dlg.GetEntryList()), "Abide with Me|Amazing Grace");
        },
        AnswerMessageBox(wxID_YES), ExpectMessageBox(&strSave),
        wxExpectModal<CScheduleNameDlg>([](CScheduleNameDlg& dlg) {
            dlg.GetNameEdit()->SetValue("Another");
            return PressOK(dlg);
        }),
        ExpectMessageBox(&strRename),
        // Done with the composed list still unsaved.
        AnswerMessageBox(wxID_YES).Optional());
    EXPECT_TRUE(strSave.Contains("rows refused")) << strSave;
    EXPECT_TRUE(strRename.Contains("names refused")) << strRename;
    EXPECT_EQ(m_strStray, "");
}

TEST(ScheduleManagerCommand, ANewScheduleWithOneSongTransposedPlaysTransposed) {
    ShellFixture shell;
    std::vector<wxString> titles;
    wxTEST_DIALOG(shell.Command(ID_SHOW_SCHEDULE),
                  wxExpectModal<CScheduleManagerDlg>([&titles](CScheduleManagerDlg& dlg) {
                      Click(dlg.GetKindRadio(kSongs));
                      for (long i = 0; i < 3; ++i) {
                          dlg.GetAvailableList()->SelectQuietly(i);
                          titles.push_back(dlg.GetAvailableList()->GetItems()[i].strTitle);
                          Click(dlg.GetButton(ID_SM_ADD));
                      }
                      ChooseEntry(dlg.GetEntryList(), 1);
                      Type(dlg, "2");
                      Click(dlg.GetButton(ID_SM_NEW));
                      return wxID_CANCEL;
                  }),
                  AnswerMessageBox(wxID_YES),
                  wxExpectModal<CScheduleNameDlg>([](CScheduleNameDlg& dlg) {
                      dlg.GetNameEdit()->SetValue("Test Sunday");
                      return PressOK(dlg);
                  }));
    const long nNew =
        shell.Source().QueryNumber("SELECT ID FROM Schedules WHERE Name='Test Sunday'");
    ASSERT_GT(nNew, 0);
    shell.SelectSchedule(nNew);
    CVersiluxDoc& doc = shell.Doc();
    doc.BuildShowList();
    ASSERT_EQ(doc.GetTitles().size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(doc.GetTitles()[i], titles[i]);
    }
    const int nSecond = doc.EntryOfItem(2);
    EXPECT_EQ(doc.GetTranspose(nSecond), 2);
    EXPECT_EQ(doc.GetTranspose(doc.LastPartOf(nSecond)), 2);
}

TEST(ScheduleManagerCommand, EnterTakesATranspositionAndEscapeClosesThroughTheToolkit) {
    // A real modal run: the keys go through the toolkit as the operator's do.
    ShellFixture shell;
    CScheduleManagerDlg dlg(&shell.Frame(), &shell.Doc());
    AnsweredMessages others({}, wxID_YES);
    int nTaken = 0;
    dlg.CallAfter([&] {
        dlg.GetScheduleList()->SetSelection(0);
        dlg.LoadScheduleItems();
        dlg.SelectEntry(0);
        dlg.GetTransposeEdit()->SetValue("-2");
        dlg.GetTransposeEdit()->SetFocus();
        wxUIActionSimulator keys;
        if (WaitFor([&] { return dlg.IsActive() && dlg.GetTransposeEdit()->HasFocus(); })) {
            keys.Char(WXK_RETURN);
            WaitFor([&] { return dlg.GetEntries()[0].nTranspose == -2; });
            nTaken = dlg.GetEntries()[0].nTranspose;
            keys.Char(WXK_ESCAPE);  // the question is answered Yes
        }
        if (!WaitFor([&] { return !dlg.IsModal(); })) {
            dlg.EndModal(wxID_ABORT);  // never left hanging open
        }
    });
    EXPECT_EQ(dlg.ShowModal(), wxID_CANCEL);
    EXPECT_EQ(nTaken, -2);
    ASSERT_EQ(others.m_texts.size(), 1u);
    EXPECT_EQ(others.m_texts[0], kExitQuestion);
}

}  // namespace
