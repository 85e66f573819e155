// The small prompts and the show's menus, opened for real or answered
// through wxTEST_DIALOG.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/clipbrd.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "dialogs/CopyScheduleToClipboard.h"
#include "doc/KeyedEntry.h"
#include "doc/VersiluxDoc.h"
#include "support/DialogExpectations.h"
#include "support/SmallLibrary.h"
#include "support/WaitFor.h"

namespace {

std::vector<wxString> ListOf(wxListBox* list) {
    std::vector<wxString> out;
    for (unsigned i = 0; i < list->GetCount(); ++i) {
        out.push_back(list->GetString(i));
    }
    return out;
}

class SelectScheduleTest : public testing::Test {
  protected:
    void SetUp() override {
        m_nFirst = m_library.AddSchedule("Morning", {});
        m_nSecond = m_library.AddSchedule("Advent: week 1", {});
        m_nThird = m_library.AddSchedule("Zion", {});
        m_library.Exec("INSERT INTO Schedules (Name, VPD) VALUES ('Other VPD', 2)");
        m_pDoc = std::make_unique<CVersiluxDoc>();
    }
    SmallLibrary m_library;
    long m_nFirst = 0, m_nSecond = 0, m_nThird = 0;
    std::unique_ptr<CVersiluxDoc> m_pDoc;
};

TEST_F(SelectScheduleTest, OpensNewestFirstWithRecentCheckedAndReordersByName) {
    wxTEST_DIALOG(RunSelectSchedule(*m_pDoc, nullptr),
                  wxExpectModal<CSelectScheduleDlg>([&](CSelectScheduleDlg& dlg) {
                      EXPECT_TRUE(dlg.GetRecentButton()->GetValue());
                      EXPECT_FALSE(dlg.GetAlphabeticButton()->GetValue());
                      const auto newest = ListOf(dlg.GetScheduleList());
                      EXPECT_EQ(newest,
                                (std::vector<wxString>{MakeKeyedEntry("Zion", m_nThird),
                                                       MakeKeyedEntry("Advent: week 1", m_nSecond),
                                                       MakeKeyedEntry("Morning", m_nFirst)}));
                      // Clicking "Alphabetic" lists by name.
                      dlg.GetAlphabeticButton()->SetValue(true);
                      wxCommandEvent click(wxEVT_RADIOBUTTON, dlg.GetAlphabeticButton()->GetId());
                      click.SetEventObject(dlg.GetAlphabeticButton());
                      dlg.GetAlphabeticButton()->ProcessWindowEvent(click);
                      const auto byName = ListOf(dlg.GetScheduleList());
                      EXPECT_EQ(byName.size(), 3u);
                      EXPECT_TRUE(byName[0].StartsWith("Advent: week 1"));
                      EXPECT_TRUE(byName[2].StartsWith("Zion"));
                      dlg.GetScheduleList()->SetSelection(0);
                      return PressOK(dlg);
                  }).Describe("Select Schedule"));
    // The name holds a colon; the ID comes from the last one.
    EXPECT_EQ(m_pDoc->m_nScheduleID, m_nSecond);
    EXPECT_TRUE(m_pDoc->m_strScheduleName.StartsWith("Advent: week 1  "));
}

TEST_F(SelectScheduleTest, OkWithoutASelectionAndCancelBothSelectNothing) {
    m_pDoc->m_nScheduleID = static_cast<int>(m_nFirst);
    wxTEST_DIALOG(RunSelectSchedule(*m_pDoc, nullptr),
                  wxExpectModal<CSelectScheduleDlg>([](CSelectScheduleDlg& dlg) {
                      return PressOK(dlg);
                  }).Describe("Select Schedule, no selection"));
    EXPECT_EQ(m_pDoc->m_nScheduleID, 0);

    m_pDoc->m_nScheduleID = static_cast<int>(m_nFirst);
    wxTEST_DIALOG(RunSelectSchedule(*m_pDoc, nullptr),
                  wxExpectModal<CSelectScheduleDlg>([](CSelectScheduleDlg& dlg) {
                      dlg.GetScheduleList()->SetSelection(1);
                      return wxID_CANCEL;
                  }).Describe("Select Schedule, cancelled"));
    EXPECT_EQ(m_pDoc->m_nScheduleID, 0);
}

TEST(SmallPrompts, TitleAcceptsUpToAHundredCharactersAndAnEmptyTitle) {
    CItemTitleDlg dlg(nullptr);
    dlg.InitDialog();
    dlg.GetTitleEdit()->ChangeValue(wxString('t', 100));
    EXPECT_EQ(PressOK(dlg), wxID_OK);
    EXPECT_EQ(dlg.m_strTitle.length(), 100u);
    dlg.GetTitleEdit()->ChangeValue(wxString());
    EXPECT_EQ(PressOK(dlg), wxID_OK);
    EXPECT_EQ(dlg.m_strTitle, "");
}

TEST(SmallPrompts, AnOverLongTitleKeepsTheDialogOpenWithAMessage) {
    CItemTitleDlg dlg(nullptr);
    dlg.m_strTitle = "kept";
    dlg.InitDialog();
    dlg.GetTitleEdit()->ChangeValue(wxString('t', 101));
    int result = wxID_OK;
    wxString message;
    wxTEST_DIALOG(result = PressOK(dlg), ExpectMessageBox(&message));
    EXPECT_EQ(result, wxID_NONE);
    EXPECT_EQ(message, "Please enter no more than 100 characters.");
    EXPECT_EQ(dlg.m_strTitle, "kept");
}

TEST(SmallPrompts, ScheduleNameShowsThePresetAndReturnsAnyText) {
    CScheduleNameDlg dlg(nullptr);
    dlg.m_strName = "Preset";
    dlg.InitDialog();
    EXPECT_EQ(dlg.GetNameEdit()->GetValue(), "Preset");
    dlg.GetNameEdit()->ChangeValue(wxString('n', 300));
    EXPECT_EQ(PressOK(dlg), wxID_OK);
    EXPECT_EQ(dlg.m_strName.length(), 300u);
}

// Runs the dialog for real and presses the button with this label.
template <typename Dlg>
int PressButton(Dlg& dlg, const wxString& label) {
    wxButton* target = nullptr;
    for (wxWindow* child : dlg.GetChildren()) {
        if (auto* button = dynamic_cast<wxButton*>(child); button && button->GetLabel() == label) {
            target = button;
        }
    }
    EXPECT_NE(target, nullptr) << label.utf8_str();
    if (target == nullptr) {
        return -1;
    }
    dlg.CallAfter([target] {
        wxCommandEvent click(wxEVT_BUTTON, target->GetId());
        click.SetEventObject(target);
        target->ProcessWindowEvent(click);
    });
    return dlg.ShowModal();
}

TEST(ShowMenus, SixButtonMenuCodesAndCancel) {
    const std::pair<const char*, int> buttons[] = {{"Go Back", 1},  {"Go Home", 2}, {"Key up", 3},
                                                   {"Key down", 4}, {"Quit", 5},    {"Go To", 6}};
    for (const auto& [label, code] : buttons) {
        CShowMenuDlg dlg(nullptr);
        EXPECT_EQ(dlg.GetTitle(), "RClick");
        EXPECT_EQ(PressButton(dlg, label), wxID_OK) << label;
        EXPECT_EQ(dlg.m_nChoice, code) << label;
    }
    CShowMenuDlg dlg(nullptr);
    EXPECT_EQ(PressButton(dlg, "Cancel"), wxID_CANCEL);
}

TEST(ShowMenus, ThreeButtonMenuQuitsWithThree) {
    const std::pair<const char*, int> buttons[] = {{"Go Back", 1}, {"Go Home", 2}, {"Quit", 3}};
    for (const auto& [label, code] : buttons) {
        CShowMenuShortDlg dlg(nullptr);
        EXPECT_EQ(PressButton(dlg, label), wxID_OK) << label;
        EXPECT_EQ(dlg.m_nChoice, code) << label;
    }
    // No Cancel button: Escape closes it as Cancel.
    CShowMenuShortDlg dlg(nullptr);
    dlg.CallAfter([&dlg] { dlg.Close(); });
    EXPECT_EQ(dlg.ShowModal(), wxID_CANCEL);
}

TEST(GotoItem, ListsTheShowsTitlesAndReturnsThePositionFromOne) {
    SmallLibrary library;
    const long a = library.AddItem("Alpha", 5);
    const long b = library.AddItem("Beta", 5);
    CVersiluxDoc doc;
    doc.m_nScheduleID = static_cast<int>(library.AddSchedule("S", {a, b}));
    doc.BuildShowList();

    CGotoItemDlg dlg(nullptr);
    dlg.m_pDoc = &doc;
    dlg.InitDialog();
    EXPECT_EQ(ListOf(dlg.GetTitleList()), (std::vector<wxString>{"Alpha", "Beta"}));
    EXPECT_EQ(PressOK(dlg), wxID_OK);
    EXPECT_EQ(dlg.m_nChoice, 0);  // nothing chosen: stays as the caller set it
    dlg.GetTitleList()->SetSelection(1);
    EXPECT_EQ(PressOK(dlg), wxID_OK);
    EXPECT_EQ(dlg.m_nChoice, 2);
}

TEST(CopySchedule, CopiesTheListAndSaysSo) {
    SmallLibrary library;
    const long a = library.AddItem("Alpha", 5);
    CVersiluxDoc doc;
    const std::vector<wxString> entries = {MakeKeyedEntry("Alpha", a, 999)};

    wxTEST_DIALOG(CopyScheduleToClipboard(doc, entries, nullptr),
                  wxExpectModal<CCopyScheduleDlg>([](CCopyScheduleDlg& dlg) {
                      EXPECT_EQ(dlg.GetTitle(), "Copy Shedule");
                      EXPECT_TRUE(dlg.GetNamesOnlyBox()->GetValue());
                      return PressOK(dlg);
                  }).Describe("Copy Shedule"),
                  wxExpectModal<wxMessageDialog>(wxOK).Describe("copied"));
    wxTextDataObject data;
    {
        wxClipboardLocker locker;
        ASSERT_FALSE(!locker);
        ASSERT_TRUE(wxTheClipboard->GetData(data));
    }
    EXPECT_EQ(data.GetText(), "Alpha\n\r\n\r");
}

TEST(CopySchedule, CancelLeavesTheClipboardAlone) {
    SmallLibrary library;
    CVersiluxDoc doc;
    {
        wxClipboardLocker locker;
        wxTheClipboard->SetData(new wxTextDataObject("before"));
    }
    wxTEST_DIALOG(CopyScheduleToClipboard(doc, {}, nullptr),
                  wxExpectModal<CCopyScheduleDlg>([](CCopyScheduleDlg&) {
                      return wxID_CANCEL;
                  }).Describe("Copy Shedule, cancelled"));
    wxTextDataObject data;
    wxClipboardLocker locker;
    ASSERT_TRUE(wxTheClipboard->GetData(data));
    EXPECT_EQ(data.GetText(), "before");
}

}  // namespace
