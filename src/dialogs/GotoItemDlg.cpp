#include "dialogs/GotoItemDlg.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>

#include <algorithm>

#include "doc/VersiluxDoc.h"

CGotoItemDlg::CGotoItemDlg(wxWindow* pParent) : wxDialog(pParent, wxID_ANY, "Goto Item") {
    m_pList = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxSize(360, 420), 0, nullptr,
                            wxLB_SINGLE | wxLB_HSCROLL | wxLB_ALWAYS_SB);
    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(m_pList, 1, wxEXPAND | wxALL, 10);
    auto* buttons = new wxBoxSizer(wxVERTICAL);
    buttons->Add(new wxButton(this, wxID_OK, "OK"), 0, wxEXPAND | wxBOTTOM, 5);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0, wxEXPAND);
    top->Add(buttons, 0, wxTOP | wxRIGHT, 10);
    SetSizerAndFit(top);
    m_pList->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) {
        if (Validate() && TransferDataFromWindow()) {
            EndModal(wxID_OK);
        }
    });
}

bool CGotoItemDlg::TransferDataToWindow() {
    m_pList->Clear();
    if (m_pDoc == nullptr) {
        return true;
    }
    const std::vector<wxString>& titles = m_pDoc->GetTitles();
    const size_t nCount =
        std::min(titles.size(), static_cast<size_t>(std::max(0, m_pDoc->GetItemCount())));
    wxArrayString shown;
    for (size_t i = 0; i < nCount; ++i) {
        shown.Add(titles[i]);
    }
    if (!shown.empty()) {
        m_pList->Append(shown);
    }
    return true;
}

bool CGotoItemDlg::TransferDataFromWindow() {
    const int nSelection = m_pList->GetSelection();
    if (nSelection != wxNOT_FOUND) {
        m_nChoice = nSelection + 1;
    }
    return true;
}
