#include "dialogs/VPDManagerDlg.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <functional>
#include <optional>

#include "dialogs/ChoiceNames.h"
#include "dialogs/MaxLengthValidator.h"
#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"

namespace {

const char* const kCaption = "Versilux";

bool Ask(wxWindow* pParent, const wxString& strQuestion) {
    return wxMessageBox(strQuestion, kCaption, wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION,
                        pParent) == wxYES;
}

}  // namespace

CVPDManagerDlg::CVPDManagerDlg(wxWindow* pParent, CVersiluxDoc& doc)
    : wxDialog(pParent, wxID_ANY, "VPD Manager", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_pDoc(&doc) {
    // Created in reading order, which is the tab order; the label just
    // before the box its mnemonic reaches.
    // Kept in the order the names come, so entry n is m_vpds[n].
    m_pList = new wxListBox(this, wxID_ANY, wxDefaultPosition, FromDIP(wxSize(240, 200)));
    m_pAdd = new wxButton(this, wxID_ANY, "&Add");
    m_pEdit = new wxButton(this, wxID_ANY, "&Edit");
    m_pDelete = new wxButton(this, wxID_ANY, "&Delete");
    auto* nameLabel = new wxStaticText(this, wxID_ANY, "&Name");
    // Enter is taken by the box so it reaches no button: it does nothing.
    m_pName = new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                             wxTE_PROCESS_ENTER, CMaxLengthValidator(&m_strName, kMaxVPDName));

    const int gap = FromDIP(6);
    auto* buttons = new wxBoxSizer(wxVERTICAL);
    for (wxButton* button : {m_pAdd, m_pEdit, m_pDelete}) {
        buttons->Add(button, 0, wxEXPAND | wxBOTTOM, gap);
    }
    auto* upper = new wxBoxSizer(wxHORIZONTAL);
    upper->Add(m_pList, 1, wxEXPAND | wxRIGHT, FromDIP(10));
    upper->Add(buttons, 0);
    auto* name = new wxBoxSizer(wxHORIZONTAL);
    name->Add(nameLabel, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, gap);
    name->Add(m_pName, 1, wxALIGN_CENTER_VERTICAL);
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(upper, 1, wxEXPAND | wxALL, FromDIP(10));
    top->Add(name, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, FromDIP(10));
    SetSizerAndFit(top);
    m_pList->SetFocus();

    m_pList->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { LoadVPD(m_pList->GetSelection()); });
    m_pAdd->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { AddVPD(); });
    m_pEdit->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EditVPD(); });
    m_pDelete->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { DeleteVPD(); });
    m_pEdit->Bind(wxEVT_UPDATE_UI,
                  [this](wxUpdateUIEvent& event) { event.Enable(IsLoaded() && m_bChanged); });
    m_pDelete->Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(IsLoaded()); });
    // Only the operator's typing sends this: the program's own changes go
    // through ChangeValue.
    m_pName->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
        if (IsLoaded()) {
            m_bChanged = true;
        }
    });
    m_pName->Bind(wxEVT_TEXT_ENTER, [](wxCommandEvent&) {});
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE) {
            Close();
        } else {
            event.Skip();
        }
    });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
        if (!event.CanVeto() || ConfirmClose()) {
            EndDialog(wxID_CANCEL);
        } else {
            event.Veto();
        }
    });
}

bool CVPDManagerDlg::TransferDataToWindow() {
    if (!wxDialog::TransferDataToWindow()) {  // the box, through its validator
        return false;
    }
    m_nSelIndex = -1;
    m_bChanged = false;
    FillVPDList();
    return true;
}

void CVPDManagerDlg::FillVPDList() {
    try {
        m_vpds = m_pDoc->VPDChoices();
    } catch (const CDBException& e) {
        m_vpds.clear();
        ShowError(e.GetErrorMessage());
    }
    ShowChoices(m_pList, m_vpds);
}

bool CVPDManagerDlg::IsLoaded() const {
    return m_nSelIndex >= 0 && static_cast<size_t>(m_nSelIndex) < m_vpds.size();
}

int CVPDManagerDlg::LoadedID() const {
    return m_vpds[static_cast<size_t>(m_nSelIndex)].nID;
}

void CVPDManagerDlg::Select(int nIndex) {
    if (nIndex >= 0) {
        m_pList->SetSelection(nIndex);
    } else {
        m_pList->DeselectAll();
    }
}

void CVPDManagerDlg::ShowError(const wxString& strMessage) {
    wxMessageBox(strMessage, kCaption, wxOK | wxICON_ERROR, this);
}

void CVPDManagerDlg::LoadVPD(int nIndex) {
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_vpds.size() || nIndex == m_nSelIndex) {
        return;
    }
    if (m_bChanged && !Ask(this, "Changes not saved - are you sure you want to change VPD?")) {
        Select(m_nSelIndex);
        return;
    }
    m_nSelIndex = nIndex;
    m_bChanged = false;
    m_strName = m_vpds[static_cast<size_t>(nIndex)].strName;
    m_pName->ChangeValue(m_strName);
    UpdateWindowUI(wxUPDATE_UI_RECURSE);
}

bool CVPDManagerDlg::ReadName() {
    if (!Validate() || !TransferDataFromWindow()) {
        return false;  // the length message was shown
    }
    if (m_strName.empty()) {
        wxMessageBox("Cannot save a VPD without a name", kCaption, wxOK | wxICON_EXCLAMATION, this);
        return false;
    }
    return true;
}

void CVPDManagerDlg::Reload() {
    const std::optional<int> loaded = IsLoaded() ? std::optional<int>(LoadedID()) : std::nullopt;
    FillVPDList();
    m_nSelIndex = loaded ? IndexOfID(m_vpds, *loaded) : -1;
    if (m_nSelIndex < 0) {
        m_bChanged = false;  // nothing left to save the typing into but a new VPD
    }
    Select(m_nSelIndex);
    UpdateWindowUI(wxUPDATE_UI_RECURSE);
}

bool CVPDManagerDlg::RunOnStore(const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const CDBException& e) {
        ShowError(e.GetErrorMessage());
        Reload();
        return false;
    }
}

void CVPDManagerDlg::AddVPD() {
    if (!ReadName()) {
        return;
    }
    if (!RunOnStore([&] { m_pDoc->AddVPD(m_strName); })) {
        return;
    }
    FillVPDList();
    // Names may repeat: the first entry of the name is the one loaded.
    m_nSelIndex = -1;
    for (size_t i = 0; i < m_vpds.size() && m_nSelIndex < 0; ++i) {
        if (m_vpds[i].strName == m_strName) {
            m_nSelIndex = static_cast<int>(i);
        }
    }
    Select(m_nSelIndex);
    m_bChanged = false;
    UpdateWindowUI(wxUPDATE_UI_RECURSE);
}

void CVPDManagerDlg::EditVPD() {
    if (!IsLoaded() || !ReadName()) {
        return;
    }
    const int nID = LoadedID();
    if (!RunOnStore([&] { m_pDoc->RenameVPD(nID, m_strName); })) {
        return;
    }
    FillVPDList();
    // Found by its ID: another VPD may carry the same name.
    m_nSelIndex = IndexOfID(m_vpds, nID);
    Select(m_nSelIndex);
    m_bChanged = false;
    UpdateWindowUI(wxUPDATE_UI_RECURSE);
}

void CVPDManagerDlg::DeleteVPD() {
    if (!IsLoaded()) {
        return;
    }
    const int nID = LoadedID();
    CVPDUsage usage;
    int nVPDs = 0;
    if (!RunOnStore([&] {
            usage = m_pDoc->CountVPDUsage(nID);
            nVPDs = m_pDoc->CountVPDs();
        })) {
        return;
    }
    if (usage.nItems > 0 || usage.nSchedules > 0) {
        wxMessageBox(
            wxString::Format(
                "Error - this VPD contains %d items and %d schedules and cannot be deleted",
                usage.nItems, usage.nSchedules),
            kCaption, wxOK | wxICON_STOP, this);
        return;
    }
    // Without a VPD the program cannot start.
    if (nVPDs <= 1) {
        wxMessageBox("Error - the last VPD cannot be deleted", kCaption, wxOK | wxICON_STOP, this);
        return;
    }
    if (!Ask(this, "Are you sure you want to delete this VPD?")) {
        return;
    }
    if (!RunOnStore([&] { m_pDoc->DeleteVPD(nID); })) {
        return;
    }
    FillVPDList();
    m_nSelIndex = -1;
    m_bChanged = false;
    m_strName.clear();
    m_pName->ChangeValue(m_strName);
    UpdateWindowUI(wxUPDATE_UI_RECURSE);
}

bool CVPDManagerDlg::ConfirmClose() {
    return !m_bChanged ||
           Ask(this, "Changes not saved - are you sure you want to exit VPD manager?");
}

void RunVPDManager(CVersiluxDoc& doc, wxWindow* pParent) {
    CVPDManagerDlg dlg(pParent, doc);
    dlg.ShowModal();
    try {
        doc.FollowEditedVPDs();
    } catch (const CDBException& e) {
        wxMessageBox(e.GetErrorMessage(), kCaption, wxOK | wxICON_ERROR, pParent);
    }
}
