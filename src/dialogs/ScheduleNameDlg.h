// "Schedule Name": a one-line prompt for a schedule's name (no length limit,
// empty accepted); the caller may preset the name.
#pragma once

#include <wx/dialog.h>
#include <wx/string.h>

class wxTextCtrl;

class CScheduleNameDlg : public wxDialog {
  public:
    explicit CScheduleNameDlg(wxWindow* pParent);

    wxString m_strName;

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

    wxTextCtrl* GetNameEdit() const { return m_pEdit; }

  private:
    wxTextCtrl* m_pEdit = nullptr;
};
