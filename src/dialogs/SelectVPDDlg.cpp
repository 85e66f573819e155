#include "dialogs/SelectVPDDlg.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>

#include "dialogs/ChoiceNames.h"
#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"

namespace {

const char* const kCaption = "Versilux";

void ShowError(const wxString& strMessage, wxWindow* pParent) {
    wxMessageBox(strMessage, kCaption, wxOK | wxICON_ERROR, pParent);
}

}  // namespace

CSelectVPDDlg::CSelectVPDDlg(wxWindow* pParent, CVersiluxDoc& doc)
    : wxDialog(pParent, wxID_ANY, "Select Virtual Private Database", wxDefaultPosition,
               wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_pDoc(&doc) {
    // Kept in the order the names come, so entry n is m_vpds[n].
    m_pList = new wxListBox(this, wxID_ANY, wxDefaultPosition, FromDIP(wxSize(260, 200)));
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(m_pList, 1, wxEXPAND | wxALL, FromDIP(10));
    top->Add(CreateSeparatedButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM,
             FromDIP(10));
    SetSizerAndFit(top);
    // The button sizer took the focus for OK; the list comes first.
    m_pList->SetFocus();

    m_pList->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) {
        if (Validate() && TransferDataFromWindow()) {
            EndDialog(wxID_OK);
        }
    });
}

bool CSelectVPDDlg::TransferDataToWindow() {
    if (!wxDialog::TransferDataToWindow()) {
        return false;
    }
    m_vpds.clear();
    try {
        m_vpds = m_pDoc->VPDChoices();
    } catch (const CDBException& e) {
        ShowError(e.GetErrorMessage(), this);
    }
    ShowChoices(m_pList, m_vpds);
    return true;
}

bool CSelectVPDDlg::TransferDataFromWindow() {
    if (!wxDialog::TransferDataFromWindow()) {
        return false;
    }
    const int n = m_pList->GetSelection();
    const bool bChosen = n != wxNOT_FOUND && static_cast<size_t>(n) < m_vpds.size();
    m_strSelected = bChosen ? m_vpds[n].strName : wxString();
    m_nSelectedID = bChosen ? std::optional<int>(m_vpds[n].nID) : std::nullopt;
    return true;
}

void RunVPDSelecter(CVersiluxDoc& doc, wxWindow* pParent) {
    CSelectVPDDlg dlg(pParent, doc);
    if (dlg.ShowModal() != wxID_OK) {
        return;
    }
    // Looked up again: the VPD may have gone while the list was open.
    bool bFound = false;
    try {
        bFound = dlg.m_nSelectedID && doc.MakeVPDCurrent(*dlg.m_nSelectedID);
    } catch (const CDBException& e) {
        ShowError(e.GetErrorMessage(), pParent);
        return;
    }
    if (!bFound) {
        ShowError("Error - failed to re-find VPD name", pParent);
    }
}
