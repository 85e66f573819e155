#include "dialogs/PhraseSearchDlg.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

CPhraseSearchDlg::CPhraseSearchDlg(wxWindow* pParent)
    : wxDialog(pParent, wxID_ANY, "Phrase Search") {
    // Mnemonics steer clear of the OK and Cancel buttons' O and C.
    auto* label = new wxStaticText(this, wxID_ANY, "&Phrase to search songs for");
    m_pPhrase =
        new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(FromDIP(360), -1));
    m_pThisVPDOnly = new wxCheckBox(this, wxID_ANY, "Search only in current &VPD");
    m_pUseTemp = new wxCheckBox(this, wxID_ANY, "&Use temporary search database");
    m_pCreateTemp = new wxCheckBox(this, wxID_ANY, "Create &new temporary search database");

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(label, 0, wxLEFT | wxRIGHT | wxTOP, 10);
    top->Add(m_pPhrase, 0, wxEXPAND | wxALL, 10);
    top->Add(m_pThisVPDOnly, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
    top->Add(m_pUseTemp, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
    top->Add(m_pCreateTemp, 0, wxLEFT | wxRIGHT, 10);
    top->Add(CreateSeparatedButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(top);
    // The button sizer takes the focus for OK; the phrase comes first.
    m_pPhrase->SetFocus();
}

bool CPhraseSearchDlg::TransferDataToWindow() {
    m_pPhrase->ChangeValue(m_strPhrase);
    m_pPhrase->SelectAll();
    m_pThisVPDOnly->SetValue(m_bThisVPDOnly);
    m_pUseTemp->SetValue(m_bUseTemp);
    m_pCreateTemp->SetValue(m_bCreateTemp);
    return true;
}

bool CPhraseSearchDlg::TransferDataFromWindow() {
    m_strPhrase = m_pPhrase->GetValue();
    m_bThisVPDOnly = m_pThisVPDOnly->GetValue();
    m_bUseTemp = m_pUseTemp->GetValue();
    m_bCreateTemp = m_pCreateTemp->GetValue();
    return true;
}
