#include "dialogs/SelectScheduleDlg.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>

#include "doc/KeyedEntry.h"
#include "doc/ScheduleSelection.h"
#include "doc/VersiluxDoc.h"

CSelectScheduleDlg::CSelectScheduleDlg(wxWindow* pParent)
    : wxDialog(pParent, wxID_ANY, "Select Schedule") {
    m_pList = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxSize(320, 260));
    m_pAlphabetic = new wxRadioButton(this, wxID_ANY, "Alphabetic", wxDefaultPosition,
                                      wxDefaultSize, wxRB_GROUP);
    m_pRecent = new wxRadioButton(this, wxID_ANY, "Recent Add'n");

    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(new wxButton(this, wxID_OK, "OK"), 0, wxEXPAND | wxBOTTOM, 5);
    right->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0, wxEXPAND | wxBOTTOM, 15);
    right->Add(m_pAlphabetic, 0, wxBOTTOM, 5);
    right->Add(m_pRecent, 0);

    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(m_pList, 1, wxEXPAND | wxALL, 10);
    top->Add(right, 0, wxTOP | wxRIGHT | wxBOTTOM, 10);
    SetSizerAndFit(top);

    m_pAlphabetic->Bind(wxEVT_RADIOBUTTON, &CSelectScheduleDlg::OnOrder, this);
    m_pRecent->Bind(wxEVT_RADIOBUTTON, &CSelectScheduleDlg::OnOrder, this);
    m_pList->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) {
        if (Validate() && TransferDataFromWindow()) {
            EndModal(wxID_OK);
        }
    });
}

void CSelectScheduleDlg::FillScheduleList(bool bNewestFirst) {
    m_pList->Clear();
    if (m_pDoc == nullptr) {
        return;
    }
    CScheduleSet& schedules = *m_pDoc->m_pScheduleSet;
    schedules.m_strFilter = wxString::Format("VPD=%d", m_pDoc->m_nVPD);
    schedules.m_strSort = bNewestFirst ? "ID DESC" : "Name";
    RequeryOrOpen(schedules);
    wxArrayString entries;
    for (; !schedules.IsEOF(); schedules.MoveNext()) {
        entries.Add(MakeKeyedEntry(schedules.m_Name, schedules.m_ID));
    }
    if (!entries.empty()) {
        m_pList->Append(entries);
    }
}

bool CSelectScheduleDlg::TransferDataToWindow() {
    m_pAlphabetic->SetValue(m_nOrder == 0);
    m_pRecent->SetValue(m_nOrder == 1);
    // The list opens newest first whatever the radio says.
    FillScheduleList(true);
    return true;
}

bool CSelectScheduleDlg::TransferDataFromWindow() {
    m_nOrder = m_pAlphabetic->GetValue() ? 0 : (m_pRecent->GetValue() ? 1 : -1);
    const int nSelection = m_pList->GetSelection();
    m_strSelected = nSelection == wxNOT_FOUND ? wxString() : m_pList->GetString(nSelection);
    return true;
}

void CSelectScheduleDlg::OnOrder(wxCommandEvent& event) {
    FillScheduleList(event.GetEventObject() == m_pRecent);
}

void RunSelectSchedule(CVersiluxDoc& doc, wxWindow* pParent) {
    CSelectScheduleDlg dlg(pParent);
    dlg.m_pDoc = &doc;
    dlg.m_nOrder = 1;
    if (dlg.ShowModal() == wxID_OK) {
        SelectScheduleFromEntry(doc, dlg.m_strSelected);
    } else {
        ClearScheduleSelection(doc);
    }
}
