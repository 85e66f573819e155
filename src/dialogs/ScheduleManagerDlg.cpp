#include "dialogs/ScheduleManagerDlg.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <utility>

#include "dialogs/ChoiceNames.h"
#include "dialogs/CopyScheduleToClipboard.h"
#include "dialogs/IntRangeValidator.h"
#include "dialogs/ScheduleNameDlg.h"
#include "doc/KeyedEntry.h"
#include "doc/ScheduleSelection.h"
#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"

namespace {

const char* const kCaption = "Versilux";
constexpr int kMaxTranspose = 12;
const char* const kNotFound = "Error - could not re-find schedule";

bool Ask(wxWindow* pParent, const wxString& strQuestion, long nStyle = wxYES_NO) {
    return wxMessageBox(strQuestion, kCaption, nStyle | wxICON_QUESTION, pParent) == wxYES;
}

// What the entry list shows: the title, and which row stands for no item.
wxString EntryLabel(const CScheduleEntry& entry) {
    return entry.bKnown ? entry.strTitle
                        : wxString::Format("%s (item %d)", entry.strTitle, entry.nItemID);
}

}  // namespace

std::optional<wxString> CheckScheduleTranspose(const wxString& strText) {
    // Beyond an octave either way a key only repeats, and the show keeps
    // no more: 999 alone stands for "the item's own".
    const std::optional<int> value = ParseInteger(strText);
    if (value &&
        (*value == kOwnTranspose || (*value >= -kMaxTranspose && *value <= kMaxTranspose))) {
        return std::nullopt;
    }
    return wxString::Format("Please enter an integer between %d and %d, or %d for none.",
                            -kMaxTranspose, kMaxTranspose, kOwnTranspose);
}

CScheduleManagerDlg::CScheduleManagerDlg(wxWindow* pParent, CVersiluxDoc* pDoc)
    : wxDialog(pParent, wxID_ANY, "Schedule Manager", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_pDoc(pDoc) {
    // Creation order is the tab order: the schedules, their entries, the
    // buttons between the lists, the library, then the bottom row.
    const int gap = FromDIP(8);
    const wxSize listSize = FromDIP(wxSize(220, 360));
    auto* schedules = new wxBoxSizer(wxVERTICAL);
    schedules->Add(new wxStaticText(this, wxID_ANY, "Sched&ules"), 0, wxBOTTOM, FromDIP(4));
    m_pSchedules = new wxListBox(this, wxID_ANY, wxDefaultPosition, listSize);
    schedules->Add(m_pSchedules, 1, wxEXPAND);

    auto* entries = new wxBoxSizer(wxVERTICAL);
    entries->Add(new wxStaticText(this, wxID_ANY, "&Items in schedule"), 0, wxBOTTOM, FromDIP(4));
    m_pEntries = new wxListBox(this, wxID_ANY, wxDefaultPosition, listSize);
    entries->Add(m_pEntries, 1, wxEXPAND);

    auto* middle = new wxBoxSizer(wxVERTICAL);
    auto addButton = [this, middle](int nId, const wxString& strLabel) {
        middle->Add(new wxButton(this, nId, strLabel), 0, wxEXPAND | wxBOTTOM, FromDIP(4));
    };
    middle->AddSpacer(FromDIP(20));
    addButton(ID_SM_ADD, "&Add");
    addButton(ID_SM_REMOVE, "&Remove");
    middle->Add(new wxStaticText(this, wxID_ANY, "Filter:"), 0, wxTOP | wxBOTTOM, FromDIP(6));
    // A radio group always has one radio checked: a hidden one stands for
    // "no kind chosen yet".
    m_pNoKind =
        new wxRadioButton(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    m_pNoKind->Hide();
    static const char* const kKindLabels[kKindCount] = {"A&ll",     "&Titles", "&Songs",
                                                        "Litur&gy", "C&hords", "&Pictures"};
    for (int n = 0; n < kKindCount; ++n) {
        m_kinds[n] = new wxRadioButton(this, wxID_ANY, kKindLabels[n]);
        m_kinds[n]->Bind(wxEVT_RADIOBUTTON, [this, n](wxCommandEvent&) { ChooseKind(n); });
        middle->Add(m_kinds[n], 0, wxBOTTOM, FromDIP(2));
    }
    m_pNoKind->SetValue(true);
    middle->AddSpacer(FromDIP(8));
    addButton(ID_SM_MOVE_UP, "M&ove up");
    addButton(ID_SM_MOVE_DOWN, "Move do&wn");

    auto* library = new wxBoxSizer(wxVERTICAL);
    library->Add(new wxStaticText(this, wxID_ANY, "Li&brary items"), 0, wxBOTTOM, FromDIP(4));
    m_pAvailable = new CItemListCtrl(this);
    m_pAvailable->SetMinSize(listSize);
    library->Add(m_pAvailable, 1, wxEXPAND);

    auto* lists = new wxBoxSizer(wxHORIZONTAL);
    lists->Add(schedules, 1, wxEXPAND | wxRIGHT, gap);
    lists->Add(entries, 1, wxEXPAND | wxRIGHT, gap);
    lists->Add(middle, 0, wxEXPAND | wxRIGHT, gap);
    lists->Add(library, 1, wxEXPAND);

    auto* bottom = new wxBoxSizer(wxHORIZONTAL);
    auto addBottom = [this, bottom](int nId, const wxString& strLabel) {
        bottom->Add(new wxButton(this, nId, strLabel), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT,
                    FromDIP(4));
    };
    addBottom(wxID_CANCEL, "Done");  // Escape and the close box
    addBottom(ID_SM_SAVE, "Sav&e");
    addBottom(ID_SM_NEW, "&New");
    addBottom(ID_SM_CLEAR, "&Clear");
    addBottom(ID_SM_RENAME, "Rena&me");
    addBottom(ID_SM_DELETE, "&Delete");
    addBottom(ID_SM_COPY, "Cop&y");
    bottom->AddSpacer(gap);
    bottom->Add(new wxStaticText(this, wxID_ANY, "Transpose (&999=none)"), 0,
                wxALIGN_CENTER_VERTICAL | wxRIGHT, FromDIP(4));
    m_pTranspose = new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition,
                                  FromDIP(wxSize(60, -1)), wxTE_PROCESS_ENTER);
    bottom->Add(m_pTranspose, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, gap);
    bottom->Add(new wxStaticText(this, wxID_ANY, "&VPD"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT,
                FromDIP(4));
    m_pVPD = new wxChoice(this, wxID_ANY);
    m_pVPD->SetMinSize(FromDIP(wxSize(140, -1)));
    bottom->Add(m_pVPD, 0, wxALIGN_CENTER_VERTICAL);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(lists, 1, wxEXPAND | wxALL, FromDIP(10));
    top->Add(bottom, 0, wxLEFT | wxRIGHT | wxBOTTOM, FromDIP(10));
    SetSizerAndFit(top);
    CentreOnParent();
    SetEscapeId(wxID_CANCEL);

    m_pSchedules->Bind(wxEVT_LISTBOX, &CScheduleManagerDlg::OnScheduleSelected, this);
    m_pEntries->Bind(wxEVT_LISTBOX, &CScheduleManagerDlg::OnEntrySelected, this);
    m_pEntries->Bind(wxEVT_KEY_DOWN, &CScheduleManagerDlg::OnEntryKey, this);
    // Enter or a double click on a library item adds it.
    m_pAvailable->Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) { AddEntry(); });
    m_pVPD->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { ChooseVPD(m_pVPD->GetSelection()); });
    // Any change of the box, the dialog's own included, offers Save.
    m_pTranspose->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { EnableSave(true); });
    // Enter in the box takes the transposition rather than closing.
    m_pTranspose->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) { TakeTranspose(); });
    Bind(wxEVT_BUTTON, &CScheduleManagerDlg::OnDone, this, wxID_CANCEL);
    const std::pair<int, void (CScheduleManagerDlg::*)()> actions[] = {
        {ID_SM_ADD, &CScheduleManagerDlg::AddEntry},
        {ID_SM_REMOVE, &CScheduleManagerDlg::RemoveEntry},
        {ID_SM_SAVE, &CScheduleManagerDlg::SaveSchedule},
        {ID_SM_NEW, &CScheduleManagerDlg::NewSchedule},
        {ID_SM_CLEAR, &CScheduleManagerDlg::ClearEntries},
        {ID_SM_RENAME, &CScheduleManagerDlg::RenameSchedule},
        {ID_SM_DELETE, &CScheduleManagerDlg::DeleteSchedule},
        {ID_SM_COPY, &CScheduleManagerDlg::CopySchedule},
    };
    for (const auto& [nId, action] : actions) {
        Bind(
            wxEVT_BUTTON, [this, action](wxCommandEvent&) { (this->*action)(); }, nId);
    }
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { MoveEntry(-1); }, ID_SM_MOVE_UP);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { MoveEntry(+1); }, ID_SM_MOVE_DOWN);

    EnableSave(false);
    m_pSchedules->SetFocus();
}

wxButton* CScheduleManagerDlg::GetButton(int nId) const {
    return wxDynamicCast(FindWindow(nId), wxButton);
}

bool CScheduleManagerDlg::TransferDataToWindow() {
    // The current VPD's schedules, and the VPDs whose items can be offered.
    m_nListVPD = m_pDoc->m_nVPD;
    RelistSchedules(0);
    SetEntries({});
    try {
        m_vpds = m_pDoc->VPDChoices();
    } catch (const CDBException& e) {
        ShowError(e.GetErrorMessage());
    }
    ShowChoices(m_pVPD, m_vpds);
    m_pVPD->SetSelection(IndexOfID(m_vpds, m_nListVPD));
    ShowTranspose(kOwnTranspose);
    // Showing 999 is not an edit.
    EnableSave(false);
    return true;
}

void CScheduleManagerDlg::ShowError(const wxString& strMessage) {
    wxMessageBox(strMessage, kCaption, wxOK | wxICON_ERROR, this);
}

void CScheduleManagerDlg::EnableSave(bool bEnable) {
    GetButton(ID_SM_SAVE)->Enable(bEnable);
}

int CScheduleManagerDlg::SelectedScheduleID() const {
    const int n = m_pSchedules->GetSelection();
    return n >= 0 && static_cast<size_t>(n) < m_schedules.size() ? m_schedules[n].nID : 0;
}

void CScheduleManagerDlg::RelistSchedules(int nSelectID) {
    try {
        m_schedules = m_pDoc->ListSchedules();
    } catch (const CDBException& e) {
        m_schedules.clear();
        ShowError(e.GetErrorMessage());
    }
    ShowChoices(m_pSchedules, m_schedules);
    m_nScheduleIndex = IndexOfID(m_schedules, nSelectID);
    if (m_nScheduleIndex >= 0) {
        m_pSchedules->SetSelection(m_nScheduleIndex);
        m_pSchedules->EnsureVisible(m_nScheduleIndex);
    }
}

void CScheduleManagerDlg::LoadScheduleItems() {
    const int nID = SelectedScheduleID();
    if (nID == 0) {
        return;
    }
    m_nScheduleIndex = m_pSchedules->GetSelection();
    try {
        SetEntries(m_pDoc->ReadScheduleEntries(nID));
    } catch (const CDBException& e) {
        SetEntries({});
        ShowError(e.GetErrorMessage());
    }
}

void CScheduleManagerDlg::SetEntries(std::vector<CScheduleEntry> entries) {
    m_entries = std::move(entries);
    m_bChanged = false;
    m_nEditIndex = -1;
    ShowEntries(-1);
}

void CScheduleManagerDlg::ShowEntries(int nIndex) {
    wxArrayString labels;
    for (const CScheduleEntry& entry : m_entries) {
        labels.Add(EntryLabel(entry));
    }
    m_pEntries->Set(labels);
    if (nIndex >= 0 && static_cast<size_t>(nIndex) < m_entries.size()) {
        m_pEntries->SetSelection(nIndex);
        m_pEntries->EnsureVisible(nIndex);
    }
}

bool CScheduleManagerDlg::HasUnsavedChanges() const {
    if (m_bChanged) {
        return true;
    }
    if (m_nEditIndex < 0 || static_cast<size_t>(m_nEditIndex) >= m_entries.size()) {
        return false;
    }
    const std::optional<int> typed = ParseInteger(m_pTranspose->GetValue());
    return !typed || *typed != m_entries[m_nEditIndex].nTranspose;
}

bool CScheduleManagerDlg::ConfirmDiscard(const wxString& strQuestion) {
    return !HasUnsavedChanges() || Ask(this, strQuestion, wxYES_NO | wxNO_DEFAULT);
}

void CScheduleManagerDlg::OnScheduleSelected(wxCommandEvent& /*event*/) {
    if (m_pSchedules->GetSelection() == m_nScheduleIndex) {
        return;
    }
    if (!ConfirmDiscard("Changes not saved - are you sure you want to change schedule?")) {
        if (m_nScheduleIndex >= 0) {
            m_pSchedules->SetSelection(m_nScheduleIndex);
        } else {
            m_pSchedules->SetSelection(wxNOT_FOUND);
        }
        return;
    }
    LoadScheduleItems();
}

void CScheduleManagerDlg::ChooseKind(int nTypeFilter) {
    m_nTypeFilter = nTypeFilter;
    m_kinds[nTypeFilter]->SetValue(true);
    LoadAvailableItems();
}

void CScheduleManagerDlg::LoadAvailableItems() {
    try {
        m_pAvailable->SetItems(m_pDoc->ListAvailableItems(m_nTypeFilter, m_nListVPD));
    } catch (const CDBException& e) {
        m_pAvailable->SetItems({});
        ShowError(e.GetErrorMessage());
    }
}

void CScheduleManagerDlg::ChooseVPD(int nIndex) {
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_vpds.size()) {
        return;
    }
    m_nListVPD = m_vpds[nIndex].nID;
    // Before a kind is chosen nothing is listed, so nothing changes.
    if (m_nTypeFilter != kNoKind) {
        LoadAvailableItems();
    }
}

void CScheduleManagerDlg::ShowTranspose(int nTranspose) {
    m_nTranspose = nTranspose;
    m_pTranspose->SetValue(wxString::Format("%d", nTranspose));
}

bool CScheduleManagerDlg::TakeTranspose() {
    if (m_nEditIndex < 0 || static_cast<size_t>(m_nEditIndex) >= m_entries.size()) {
        return true;
    }
    if (const std::optional<wxString> message = CheckScheduleTranspose(m_pTranspose->GetValue())) {
        wxMessageBox(*message, kCaption, wxOK | wxICON_EXCLAMATION, this);
        m_pTranspose->SetFocus();
        m_pTranspose->SelectAll();
        return false;
    }
    m_nTranspose = *ParseInteger(m_pTranspose->GetValue());
    CScheduleEntry& entry = m_entries[m_nEditIndex];
    if (entry.nTranspose != m_nTranspose) {
        entry.nTranspose = m_nTranspose;
        m_bChanged = true;
    }
    return true;
}

void CScheduleManagerDlg::OnEntrySelected(wxCommandEvent& /*event*/) {
    SelectEntry(m_pEntries->GetSelection());
}

void CScheduleManagerDlg::SelectEntry(int nIndex) {
    // A typed transposition reaches its entry when another is chosen; one
    // the range refuses keeps the box on its entry.
    if (!TakeTranspose()) {
        m_pEntries->SetSelection(m_nEditIndex);
        return;
    }
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_entries.size()) {
        return;
    }
    if (m_pEntries->GetSelection() != nIndex) {
        m_pEntries->SetSelection(nIndex);
    }
    m_nEditIndex = nIndex;
    ShowTranspose(m_entries[nIndex].nTranspose);
}

void CScheduleManagerDlg::OnEntryKey(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_DELETE && !event.HasAnyModifiers()) {
        RemoveEntry();
        return;
    }
    event.Skip();
}

void CScheduleManagerDlg::AddEntry() {
    const long nChosen = m_pAvailable->GetSelection();
    const std::vector<CListedItem>& items = m_pAvailable->GetItems();
    if (nChosen < 0 || static_cast<size_t>(nChosen) >= items.size() || !TakeTranspose()) {
        return;
    }
    const CListedItem& item = items[static_cast<size_t>(nChosen)];
    m_entries.push_back({item.nID, item.strTitle, item.nTranspose, true});
    m_bChanged = true;
    m_nEditIndex = static_cast<int>(m_entries.size()) - 1;
    m_pEntries->Append(EntryLabel(m_entries.back()));
    m_pEntries->SetSelection(m_nEditIndex);
    m_pEntries->EnsureVisible(m_nEditIndex);
    EnableSave(true);
    ShowTranspose(item.nTranspose);
}

void CScheduleManagerDlg::RemoveEntry() {
    const int nIndex = m_pEntries->GetSelection();
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_entries.size()) {
        return;
    }
    // What was typed for another entry is kept before the list shifts.
    if (nIndex != m_nEditIndex && !TakeTranspose()) {
        return;
    }
    m_nEditIndex = -1;
    m_entries.erase(m_entries.begin() + nIndex);
    m_bChanged = true;
    m_pEntries->Delete(static_cast<unsigned>(nIndex));
    EnableSave(true);
    ShowTranspose(kOwnTranspose);
}

void CScheduleManagerDlg::MoveEntry(int nDelta) {
    const int nFrom = m_pEntries->GetSelection();
    const int nTo = nFrom + nDelta;
    if (nFrom < 0 || nTo < 0 || static_cast<size_t>(nTo) >= m_entries.size() || !TakeTranspose()) {
        return;
    }
    m_nEditIndex = -1;
    std::swap(m_entries[nFrom], m_entries[nTo]);
    m_bChanged = true;
    ShowEntries(nTo);
    EnableSave(true);
}

void CScheduleManagerDlg::ClearEntries() {
    m_entries.clear();
    m_pEntries->Clear();
    m_nEditIndex = -1;
    // Cleared on purpose: nothing is left to lose, and Save would empty the
    // schedule only after being offered again.
    m_bChanged = false;
    EnableSave(false);
}

void CScheduleManagerDlg::SaveSchedule() {
    const int nID = SelectedScheduleID();
    if (nID == 0 || !TakeTranspose()) {
        return;
    }
    if (!Ask(this, "Save current settings as " + m_schedules[m_pSchedules->GetSelection()].strName +
                       "?")) {
        return;
    }
    try {
        m_pDoc->SaveScheduleEntries(nID, m_entries);
    } catch (const CDBException& e) {
        // The schedule is as it was; the list keeps what was composed.
        ShowError(e.GetErrorMessage());
        return;
    }
    // The list now shows the schedule as stored, so a second Save cannot
    // write anything but what it holds.
    LoadScheduleItems();
}

void CScheduleManagerDlg::NewSchedule() {
    if (!TakeTranspose() || !Ask(this, "Save current settings as new schedule?")) {
        return;
    }
    CScheduleNameDlg prompt(this);
    if (prompt.ShowModal() != wxID_OK) {
        // Nothing written, and nothing composed is lost.
        RelistSchedules(SelectedScheduleID());
        return;
    }
    int nNewID = 0;
    try {
        nNewID = m_pDoc->AddSchedule(prompt.m_strName, m_entries);
    } catch (const CDBException& e) {
        // Nothing was added; the list keeps what was composed.
        ShowError(e.GetErrorMessage());
        RelistSchedules(SelectedScheduleID());
        return;
    }
    if (nNewID == 0) {
        ShowError(kNotFound);
    }
    // The new schedule is selected and shown as stored.
    RelistSchedules(nNewID);
    LoadScheduleItems();
    if (nNewID == 0) {
        SetEntries({});
    }
}

void CScheduleManagerDlg::RenameSchedule() {
    const int nIndex = m_pSchedules->GetSelection();
    const int nID = SelectedScheduleID();
    if (nID == 0) {
        return;
    }
    CScheduleNameDlg prompt(this);
    prompt.m_strName = m_schedules[nIndex].strName;
    if (prompt.ShowModal() != wxID_OK) {
        return;
    }
    try {
        if (!m_pDoc->RenameSchedule(nID, prompt.m_strName)) {
            ShowError(kNotFound);
            RelistSchedules(nID);
            return;
        }
    } catch (const CDBException& e) {
        // The names as stored; the entries being composed stay.
        ShowError(e.GetErrorMessage());
        RelistSchedules(nID);
        return;
    }
    // The entry keeps its place until the list is next read.
    m_schedules[nIndex].strName = prompt.m_strName;
    m_pSchedules->SetString(static_cast<unsigned>(nIndex), prompt.m_strName);
    m_pSchedules->SetSelection(nIndex);
    m_pSchedules->EnsureVisible(nIndex);
}

void CScheduleManagerDlg::DeleteSchedule() {
    const int nIndex = m_pSchedules->GetSelection();
    const int nID = SelectedScheduleID();
    if (nID == 0 || !Ask(this, "Delete - are you sure?", wxYES_NO | wxNO_DEFAULT)) {
        return;
    }
    try {
        if (!m_pDoc->DeleteSchedule(nID)) {
            ShowError(kNotFound);
        }
    } catch (const CDBException& e) {
        ShowError(e.GetErrorMessage());
        RelistSchedules(nID);
        return;
    }
    RelistSchedules(0);
    // The schedule now at the same place, or the new last one.
    const int nCount = static_cast<int>(m_schedules.size());
    if (nCount == 0) {
        SetEntries({});
        return;
    }
    const int nNext = nIndex < nCount ? nIndex : nCount - 1;
    m_pSchedules->SetSelection(nNext);
    m_pSchedules->EnsureVisible(nNext);
    LoadScheduleItems();
}

void CScheduleManagerDlg::CopySchedule() {
    if (!TakeTranspose()) {
        return;
    }
    std::vector<wxString> keyed;
    for (const CScheduleEntry& entry : m_entries) {
        keyed.push_back(MakeKeyedEntry(entry.strTitle, entry.nItemID, entry.nTranspose));
    }
    CopyScheduleToClipboard(*m_pDoc, keyed, this);
}

void CScheduleManagerDlg::OnDone(wxCommandEvent& /*event*/) {
    if (ConfirmDiscard("Changes not saved - are you sure you want to exit schedule manager?")) {
        SetReturnCode(wxID_CANCEL);
        EndDialog(wxID_CANCEL);
    }
}

void RunScheduleManager(CVersiluxDoc& doc, wxWindow* pParent) {
    doc.ShowListing(CListingKind::Schedule);
    CScheduleManagerDlg dlg(pParent, &doc);
    dlg.ShowModal();
    try {
        FollowEditedSchedules(doc);
        doc.ReturnFromEditor();
    } catch (const CDBException& e) {
        wxMessageBox(e.GetErrorMessage(), kCaption, wxOK | wxICON_ERROR, pParent);
    }
}
