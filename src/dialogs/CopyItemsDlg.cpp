#include "dialogs/CopyItemsDlg.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

#include "dialogs/ChoiceNames.h"
#include "dialogs/MaxLengthValidator.h"
#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"

namespace {

// Runs a database step; a failure is shown with the driver's message.
template <typename Step>
bool Reporting(wxWindow* pParent, Step step) {
    try {
        step();
        return true;
    } catch (const CDBException& e) {
        wxMessageBox(e.GetErrorMessage(), "Versilux", wxOK | wxICON_ERROR, pParent);
        return false;
    }
}

}  // namespace

CCopyItemsDlg::CCopyItemsDlg(wxWindow* pParent, CVersiluxDoc& doc)
    : wxDialog(pParent, wxID_ANY, "Copy", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_pDoc(&doc) {
    // Created in tab order, each label just before the control its mnemonic
    // reaches. Mnemonics steer clear of Done's D and Copy's C.
    auto* filterLabel = new wxStaticText(this, wxID_ANY, "&Filter:");
    // GTK keeps one radio of a group checked. A hidden first radio holds
    // that place, so no kind shows as chosen until the operator picks one.
    auto* noKind =
        new wxRadioButton(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    noKind->Hide();
    noKind->SetValue(true);
    const char* const kindLabels[kKindCount] = {"A&ll",     "&Titles", "&Songs",
                                                "Lit&urgy", "C&hords", "&Pictures"};
    for (int i = 0; i < kKindCount; ++i) {
        m_kinds[i] = new wxRadioButton(this, wxID_ANY, kindLabels[i]);
    }
    // Kept in the order they come, which is the query's: entry n is row n + 1.
    m_pItems = new wxListBox(this, wxID_ANY, wxDefaultPosition, FromDIP(wxSize(260, 280)));
    auto* vpdLabel = new wxStaticText(this, wxID_ANY, "To &VPD");
    m_pVPDs = new wxListBox(this, wxID_ANY, wxDefaultPosition, FromDIP(wxSize(200, 180)));
    auto* asLabel = new wxStaticText(this, wxID_ANY, "&As");
    m_pAs = new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, FromDIP(wxSize(200, -1)),
                           wxTE_PROCESS_ENTER, CMaxLengthValidator(&m_strAs, kMaxItemTitle));
    m_pDone = new wxButton(this, wxID_OK, "&Done");
    m_pCopy = new wxButton(this, wxID_ANY, "&Copy");
    m_pCopy->SetDefault();

    auto* kinds = new wxFlexGridSizer(3, 4, 12);
    for (wxRadioButton* kind : m_kinds) {
        kinds->Add(kind);
    }
    auto* left = new wxBoxSizer(wxVERTICAL);
    left->Add(filterLabel, 0, wxBOTTOM, 4);
    left->Add(kinds, 0, wxBOTTOM, 8);
    left->Add(m_pItems, 1, wxEXPAND);

    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(vpdLabel, 0, wxBOTTOM, 4);
    right->Add(m_pVPDs, 1, wxEXPAND | wxBOTTOM, 10);
    right->Add(asLabel, 0, wxBOTTOM, 4);
    right->Add(m_pAs, 0, wxEXPAND);

    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    columns->Add(left, 1, wxEXPAND | wxRIGHT, 15);
    columns->Add(right, 1, wxEXPAND);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(m_pDone, 0, wxRIGHT, 5);
    buttons->Add(m_pCopy, 0);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(columns, 1, wxEXPAND | wxALL, 10);
    top->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    SetSizerAndFit(top);
    m_kinds[kKindAll]->SetFocus();

    for (int i = 0; i < kKindCount; ++i) {
        m_kinds[i]->Bind(wxEVT_RADIOBUTTON, [this, i](wxCommandEvent&) { ChooseKind(i); });
    }
    m_pItems->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { ShowSelectedItem(); });
    m_pCopy->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { CopySelected(); });
    m_pCopy->Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(CanCopy()); });
    // Enter in "As" copies, but only when Copy could be pressed.
    m_pAs->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) {
        if (CanCopy()) {
            CopySelected();
        }
    });
    // Done writes nothing, so a title too long to copy does not keep the
    // dialog open. Escape does the same.
    m_pDone->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        TransferDataFromWindow();
        EndModal(wxID_OK);
    });
    SetEscapeId(wxID_OK);
}

bool CCopyItemsDlg::TransferDataToWindow() {
    if (!wxDialog::TransferDataToWindow()) {  // "As", through its validator
        return false;
    }
    FillVPDList();
    return true;
}

bool CCopyItemsDlg::TransferDataFromWindow() {
    if (!wxDialog::TransferDataFromWindow()) {
        return false;
    }
    const int nVPD = m_pVPDs->GetSelection();
    const bool bChosen = nVPD != wxNOT_FOUND && nVPD < static_cast<int>(m_vpds.size());
    m_strToVPD = bChosen ? m_vpds[nVPD].strName : wxString();
    m_nToVPD = bChosen ? m_vpds[nVPD].nID : 0;
    return true;
}

void CCopyItemsDlg::FillVPDList() {
    m_vpds.clear();
    m_pVPDs->Clear();
    Reporting(this, [this] { m_vpds = m_pDoc->VPDChoices(); });
    if (m_vpds.empty()) {
        return;  // nowhere to copy to: Copy stays off
    }
    // In the query's name order, so entry n is m_vpds[n] and its real ID.
    ShowChoices(m_pVPDs, m_vpds);
    m_pVPDs->SetSelection(std::max(0, IndexOfID(m_vpds, m_pDoc->m_nVPD)));
}

void CCopyItemsDlg::ChooseKind(int nTypeFilter) {
    m_kinds[nTypeFilter]->SetValue(true);
    m_nTypeFilter = nTypeFilter;
    LoadCopyList();
}

void CCopyItemsDlg::LoadCopyList() {
    m_listed.clear();
    m_pItems->Clear();
    m_strAs.clear();
    m_pAs->ChangeValue(m_strAs);
    if (m_nTypeFilter == kNoKind) {
        return;
    }
    Reporting(this, [this] { m_listed = m_pDoc->ListItems(m_nTypeFilter); });
    wxArrayString titles;
    for (const CListedItem& item : m_listed) {
        titles.Add(item.strTitle);
    }
    if (!titles.empty()) {
        m_pItems->Append(titles);
    }
}

bool CCopyItemsDlg::MoveToSelection() {
    const int nIndex = m_pItems->GetSelection();
    if (nIndex == wxNOT_FOUND || nIndex >= static_cast<int>(m_listed.size())) {
        return false;
    }
    bool bThere = false;
    Reporting(this, [&] { bThere = m_pDoc->MoveToListedItem(nIndex, m_listed[nIndex].nID); });
    return bThere;
}

void CCopyItemsDlg::ShowSelectedItem() {
    if (m_pItems->GetSelection() == wxNOT_FOUND) {
        return;
    }
    if (!MoveToSelection()) {
        LoadCopyList();  // the query no longer matches the list
        return;
    }
    m_strAs = m_pDoc->m_pItemsSet->m_Title;
    m_pAs->ChangeValue(m_strAs);
}

void CCopyItemsDlg::CopySelected() {
    if (!CanCopy() || !Validate() || !TransferDataFromWindow()) {
        return;
    }
    if (!MoveToSelection()) {
        // Nothing was copied: the operator must not take the emptied box
        // for a copy made.
        wxMessageBox("The list of items has changed. Please choose the item again.", "Versilux",
                     wxOK | wxICON_EXCLAMATION, this);
    } else {
        Reporting(this, [this] { m_pDoc->CopyCurrentItem(m_strAs, m_nToVPD); });
    }
    // After a failed write too: the write may have left the shared query
    // anywhere, and the list must match it again.
    LoadCopyList();
}

bool CCopyItemsDlg::CanCopy() const {
    return m_pItems->GetSelection() != wxNOT_FOUND && m_pVPDs->GetSelection() != wxNOT_FOUND;
}

void RunCopyItems(CVersiluxDoc& doc, wxWindow* pParent) {
    CCopyItemsDlg dlg(pParent, doc);
    dlg.ShowModal();
}
