#include "dialogs/CopyScheduleDlg.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

// The caption's spelling is the one operators know.
CCopyScheduleDlg::CCopyScheduleDlg(wxWindow* pParent)
    : wxDialog(pParent, wxID_ANY, "Copy Shedule") {
    m_pNamesOnly = new wxCheckBox(this, wxID_ANY, "Item names only");
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, "About to copy schedule to clipboard"), 0, wxALL, 10);
    top->Add(m_pNamesOnly, 0, wxLEFT | wxRIGHT, 10);
    top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(top);
}

bool CCopyScheduleDlg::TransferDataToWindow() {
    m_pNamesOnly->SetValue(m_bNamesOnly != 0);
    return true;
}

bool CCopyScheduleDlg::TransferDataFromWindow() {
    m_bNamesOnly = m_pNamesOnly->GetValue() ? 1 : 0;
    return true;
}
