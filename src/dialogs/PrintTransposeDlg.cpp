#include "dialogs/PrintTransposeDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "dialogs/IntRangeValidator.h"

CPrintTransposeDlg::CPrintTransposeDlg(wxWindow* pParent)
    : wxDialog(pParent, wxID_ANY, "Transpose for Printing") {
    // Created in tab order; each label just before the box its mnemonic reaches.
    auto* label = new wxStaticText(this, wxID_ANY, "&Transpose");
    m_pTranspose =
        new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(FromDIP(60), -1), 0,
                       CIntRangeValidator(&m_nTranspose, kMinTranspose, kMaxTranspose));
    auto* note = new wxStaticText(this, wxID_ANY, "(Default is value in database)");
    m_pPreferFlats = new wxCheckBox(this, wxID_ANY, "Prefer &flats to sharps");
    m_pBlackWhite = new wxCheckBox(this, wxID_ANY, "Print &B&&W instead of colour");
    // Preview is the OK command (it takes the values), Continue the cancel one.
    auto* preview = new wxButton(this, wxID_OK, "Preview");
    auto* proceed = new wxButton(this, wxID_CANCEL, "Continue");
    preview->SetDefault();

    auto* transpose = new wxBoxSizer(wxHORIZONTAL);
    transpose->Add(label, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    transpose->Add(m_pTranspose, 0, wxALIGN_CENTER_VERTICAL);

    auto* buttons = new wxStdDialogButtonSizer;
    buttons->AddButton(preview);
    buttons->AddButton(proceed);
    buttons->Realize();

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(transpose, 0, wxLEFT | wxRIGHT | wxTOP, 10);
    top->Add(note, 0, wxLEFT | wxRIGHT | wxTOP, 10);
    top->Add(m_pPreferFlats, 0, wxLEFT | wxRIGHT | wxTOP, 10);
    top->Add(m_pBlackWhite, 0, wxLEFT | wxRIGHT | wxTOP, 10);
    top->Add(new wxStaticLine(this), 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 10);
    top->Add(buttons, 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(top);
    m_pTranspose->SetFocus();
}

bool CPrintTransposeDlg::TransferDataToWindow() {
    // The validator shows the transposition.
    if (!wxDialog::TransferDataToWindow()) {
        return false;
    }
    m_pTranspose->SelectAll();
    m_pPreferFlats->SetValue(m_bPreferFlats);
    m_pBlackWhite->SetValue(m_bBlackWhite);
    return true;
}

bool CPrintTransposeDlg::TransferDataFromWindow() {
    if (!wxDialog::TransferDataFromWindow()) {
        return false;
    }
    m_bPreferFlats = m_pPreferFlats->GetValue();
    m_bBlackWhite = m_pBlackWhite->GetValue();
    return true;
}
