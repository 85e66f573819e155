#include "dialogs/ShowMenuDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>

CShowMenuDlg::CShowMenuDlg(wxWindow* pParent) : wxDialog(pParent, wxID_ANY, "RClick") {
    struct Entry {
        const char* label;
        int choice;
    };
    // Top to bottom as operators know them; the codes are not in this order.
    const Entry entries[] = {{"Go Back", kGoBack}, {"Go Home", kGoHome},   {"Go To", kGoTo},
                             {"Key up", kKeyUp},   {"Key down", kKeyDown}, {"Quit", kQuit}};
    auto* top = new wxBoxSizer(wxVERTICAL);
    for (const Entry& e : entries) {
        auto* button = new wxButton(this, wxID_ANY, e.label);
        button->Bind(wxEVT_BUTTON, [this, choice = e.choice](wxCommandEvent&) { Choose(choice); });
        top->Add(button, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 8);
    }
    top->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0, wxEXPAND | wxALL, 8);
    SetSizerAndFit(top);
}

void CShowMenuDlg::Choose(int nChoice) {
    m_nChoice = nChoice;
    EndModal(wxID_OK);
}
