#include "dialogs/ItemTitleDlg.h"

#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

CItemTitleDlg::CItemTitleDlg(wxWindow* pParent) : wxDialog(pParent, wxID_ANY, "Title for Item") {
    m_pEdit = new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(360, -1));
    m_pEdit->SetMaxLength(kMaxTitle);
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(m_pEdit, 0, wxEXPAND | wxALL, 10);
    top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(top);
}

bool CItemTitleDlg::TransferDataToWindow() {
    m_pEdit->ChangeValue(m_strTitle);
    return true;
}

bool CItemTitleDlg::TransferDataFromWindow() {
    const wxString text = m_pEdit->GetValue();
    if (text.length() > kMaxTitle) {
        wxMessageBox(wxString::Format("Enter no more than %zu characters.", kMaxTitle), "Versilux",
                     wxOK | wxICON_EXCLAMATION, this);
        m_pEdit->SetFocus();
        return false;
    }
    m_strTitle = text;
    return true;
}
