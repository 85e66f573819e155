#include "dialogs/ShowMenuShortDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>

CShowMenuShortDlg::CShowMenuShortDlg(wxWindow* pParent) : wxDialog(pParent, wxID_ANY, "RClick") {
    struct Entry {
        const char* label;
        int choice;
    };
    const Entry entries[] = {{"Go Back", kGoBack}, {"Go Home", kGoHome}, {"Quit", kQuit}};
    auto* top = new wxBoxSizer(wxVERTICAL);
    for (const Entry& e : entries) {
        auto* button = new wxButton(this, wxID_ANY, e.label);
        button->Bind(wxEVT_BUTTON, [this, choice = e.choice](wxCommandEvent&) { Choose(choice); });
        top->Add(button, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 8);
    }
    top->AddSpacer(8);
    SetSizerAndFit(top);
    // Without a Cancel button the dialog would ignore Escape.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE) {
            EndModal(wxID_CANCEL);
        } else {
            event.Skip();
        }
    });
}

void CShowMenuShortDlg::Choose(int nChoice) {
    m_nChoice = nChoice;
    EndModal(wxID_OK);
}
