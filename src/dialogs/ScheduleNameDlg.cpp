#include "dialogs/ScheduleNameDlg.h"

#include <wx/sizer.h>
#include <wx/textctrl.h>

CScheduleNameDlg::CScheduleNameDlg(wxWindow* pParent)
    : wxDialog(pParent, wxID_ANY, "Schedule Name") {
    m_pEdit = new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(360, -1));
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(m_pEdit, 0, wxEXPAND | wxALL, 10);
    top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(top);
}

bool CScheduleNameDlg::TransferDataToWindow() {
    m_pEdit->ChangeValue(m_strName);
    return true;
}

bool CScheduleNameDlg::TransferDataFromWindow() {
    m_strName = m_pEdit->GetValue();
    return true;
}
