// wxTEST_DIALOG answers for the program's dialogs. Each fills the dialog as
// it opens (its controls as the operator would see them), lets the test act
// on it, and returns what the dialog's button would.
#pragma once

#include <wx/msgdlg.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

#include <functional>
#include <initializer_list>

#include "dialogs/ConfigurationDlg.h"
#include "dialogs/CopyItemsDlg.h"
#include "dialogs/CopyScheduleDlg.h"
#include "dialogs/DatabaseDlg.h"
#include "dialogs/GotoItemDlg.h"
#include "dialogs/ItemPropertiesDlg.h"
#include "dialogs/ItemTitleDlg.h"
#include "dialogs/PhraseSearchDlg.h"
#include "dialogs/PrintTransposeDlg.h"
#include "dialogs/ScheduleManagerDlg.h"
#include "dialogs/ScheduleNameDlg.h"
#include "dialogs/ScreenPositionDlg.h"
#include "dialogs/SelectScheduleDlg.h"
#include "dialogs/ShowMenuDlg.h"
#include "dialogs/ShowMenuShortDlg.h"

// OK as its button does it: the dialog's data comes back only if it is valid.
inline int PressOK(wxDialog& dlg) {
    return dlg.Validate() && dlg.TransferDataFromWindow() ? wxID_OK : wxID_NONE;
}

#define VERSILUX_EXPECT_DIALOG(T)                                                     \
    template <>                                                                       \
    class wxExpectModal<T> : public wxExpectModalBase<T> {                            \
      public:                                                                         \
        explicit wxExpectModal(std::function<int(T&)> act) : m_act(std::move(act)) {} \
                                                                                      \
      protected:                                                                      \
        int OnInvoked(T* dlg) const override {                                        \
            dlg->InitDialog();                                                        \
            return m_act(*dlg);                                                       \
        }                                                                             \
                                                                                      \
      private:                                                                        \
        std::function<int(T&)> m_act;                                                 \
    }

VERSILUX_EXPECT_DIALOG(CSelectScheduleDlg);
VERSILUX_EXPECT_DIALOG(CItemTitleDlg);
VERSILUX_EXPECT_DIALOG(CDatabaseDlg);
VERSILUX_EXPECT_DIALOG(CScheduleNameDlg);
VERSILUX_EXPECT_DIALOG(CCopyScheduleDlg);
VERSILUX_EXPECT_DIALOG(CGotoItemDlg);
VERSILUX_EXPECT_DIALOG(CPhraseSearchDlg);
VERSILUX_EXPECT_DIALOG(CPrintTransposeDlg);
VERSILUX_EXPECT_DIALOG(CScreenPositionDlg);
VERSILUX_EXPECT_DIALOG(CItemPropertiesDlg);
VERSILUX_EXPECT_DIALOG(CCopyItemsDlg);
VERSILUX_EXPECT_DIALOG(CScheduleManagerDlg);
VERSILUX_EXPECT_DIALOG(CConfigurationDlg);

// A message box, answered with OK; its text is kept for the test to check.
class ExpectMessageBox : public wxExpectModalBase<wxMessageDialog, ExpectMessageBox> {
  public:
    explicit ExpectMessageBox(wxString* pText) : m_pText(pText) {}

  protected:
    int OnInvoked(wxMessageDialog* dlg) const override {
        *m_pText = dlg->GetMessage();
        return wxID_OK;
    }

  private:
    wxString* m_pText;
};

// A text the dialog's OK must refuse, the message it must give, and the
// text that then puts the box right.
struct CRefusedEntry {
    wxTextCtrl* edit;
    wxString value;
    wxString fixed;
    const char* message;
};

// Types each refused entry, presses OK and checks that the dialog stays open
// with the entry's message; then types the fix.
inline void ExpectRefusedByOK(wxDialog& dlg, std::initializer_list<CRefusedEntry> entries) {
    for (const CRefusedEntry& entry : entries) {
        entry.edit->ChangeValue(entry.value);
        wxString text;
        int nResult = wxID_OK;
        wxTEST_DIALOG(nResult = PressOK(dlg), ExpectMessageBox(&text));
        EXPECT_EQ(nResult, wxID_NONE) << entry.value;
        EXPECT_EQ(text, entry.message) << entry.value;
        entry.edit->ChangeValue(entry.fixed);
    }
}

// A question, answered with wxID_YES or wxID_NO; its text and style are kept
// when asked for.
class AnswerMessageBox : public wxExpectModalBase<wxMessageDialog, AnswerMessageBox> {
  public:
    explicit AnswerMessageBox(int nAnswer, wxString* pText = nullptr, long* pStyle = nullptr)
        : m_nAnswer(nAnswer), m_pText(pText), m_pStyle(pStyle) {}

  protected:
    int OnInvoked(wxMessageDialog* dlg) const override {
        if (m_pText != nullptr) {
            *m_pText = dlg->GetMessage();
        }
        if (m_pStyle != nullptr) {
            *m_pStyle = dlg->GetMessageDialogStyle();
        }
        return m_nAnswer;
    }

  private:
    int m_nAnswer;
    wxString* m_pText;
    long* m_pStyle;
};

// The show's menus: the button with this choice is pressed (0: Escape).
template <>
class wxExpectModal<CShowMenuDlg> : public wxExpectModalBase<CShowMenuDlg> {
  public:
    explicit wxExpectModal(int nChoice) : m_nChoice(nChoice) {}

  protected:
    int OnInvoked(CShowMenuDlg* dlg) const override {
        dlg->m_nChoice = m_nChoice;
        return m_nChoice > 0 ? wxID_OK : wxID_CANCEL;
    }

  private:
    int m_nChoice;
};

template <>
class wxExpectModal<CShowMenuShortDlg> : public wxExpectModalBase<CShowMenuShortDlg> {
  public:
    explicit wxExpectModal(int nChoice) : m_nChoice(nChoice) {}

  protected:
    int OnInvoked(CShowMenuShortDlg* dlg) const override {
        dlg->m_nChoice = m_nChoice;
        return m_nChoice > 0 ? wxID_OK : wxID_CANCEL;
    }

  private:
    int m_nChoice;
};
