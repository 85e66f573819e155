#include "dialogs/ItemTitleDlg.h"

#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "dialogs/MaxLengthValidator.h"

CItemTitleDlg::CItemTitleDlg(wxWindow* pParent) : wxDialog(pParent, wxID_ANY, "Title for Item") {
    m_pEdit = new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(360, -1));
    m_pEdit->SetValidator(CMaxLengthValidator(&m_strTitle, kMaxTitle));
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(m_pEdit, 0, wxEXPAND | wxALL, 10);
    top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(top);
}
