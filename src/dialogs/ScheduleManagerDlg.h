// "Schedule Manager": composes the current VPD's schedules. The operator
// picks a schedule, sees its items in running order, adds items of one kind
// from a VPD's library, removes and reorders them, gives each entry its own
// transposition, and saves the list over the schedule or as a new one. The
// list is a working copy: only Save and New write it.
#pragma once

#include <wx/dialog.h>
#include <wx/string.h>

#include <array>
#include <optional>
#include <vector>

#include "dialogs/ItemListCtrl.h"
#include "doc/ItemKinds.h"
#include "doc/ItemLibrary.h"
#include "doc/ScheduleLibrary.h"

class CVersiluxDoc;
class wxButton;
class wxChoice;
class wxListBox;
class wxRadioButton;
class wxTextCtrl;

// The message for a text that is no schedule transposition (-12 to 12, or
// 999 for the item's own), or nothing when it is one.
std::optional<wxString> CheckScheduleTranspose(const wxString& strText);

class CScheduleManagerDlg : public wxDialog {
  public:
    CScheduleManagerDlg(wxWindow* pParent, CVersiluxDoc* pDoc);

    CVersiluxDoc* m_pDoc;
    int m_nTranspose = kOwnTranspose;  // the box, as last read
    int m_nTypeFilter = kNoKind;       // the kind radio last clicked
    int m_nEditIndex = -1;             // the entry whose transposition the box shows
    int m_nListVPD = 0;                // the VPD the library list offers items of

    // What the controls do, callable as the operator's clicks call them.
    void LoadScheduleItems();
    void ChooseKind(int nTypeFilter);
    void ChooseVPD(int nIndex);
    void AddEntry();
    void RemoveEntry();
    void MoveEntry(int nDelta);
    void SelectEntry(int nIndex);
    void ClearEntries();
    void SaveSchedule();
    void NewSchedule();
    void RenameSchedule();
    void DeleteSchedule();
    void CopySchedule();

    bool TransferDataToWindow() override;

    const std::vector<CScheduleEntry>& GetEntries() const { return m_entries; }
    const std::vector<CChoice>& GetSchedules() const { return m_schedules; }
    // The working list differs from the schedule as stored (a transposition
    // typed but not yet taken counts).
    bool HasUnsavedChanges() const;

    wxListBox* GetScheduleList() const { return m_pSchedules; }
    wxListBox* GetEntryList() const { return m_pEntries; }
    CItemListCtrl* GetAvailableList() const { return m_pAvailable; }
    wxRadioButton* GetKindRadio(int nTypeFilter) const { return m_kinds[nTypeFilter]; }
    wxTextCtrl* GetTransposeEdit() const { return m_pTranspose; }
    wxChoice* GetVPDList() const { return m_pVPD; }
    wxButton* GetButton(int nId) const;

  private:
    // Takes a typed transposition into the entry the box shows. False, with
    // the range message shown, when the box holds none.
    bool TakeTranspose();
    void ShowTranspose(int nTranspose);
    // The entries shown again, nIndex selected (-1 none).
    void ShowEntries(int nIndex);
    void SetEntries(std::vector<CScheduleEntry> entries);
    // The schedules read again, the one with the ID selected (0: none); the
    // entries stay as they are.
    void RelistSchedules(int nSelectID);
    // The ID of the selected schedule, or 0.
    int SelectedScheduleID() const;
    void LoadAvailableItems();
    void EnableSave(bool bEnable);
    // Working-list edits are offered to keep before something replaces them.
    bool ConfirmDiscard(const wxString& strQuestion);
    void ShowError(const wxString& strMessage);

    void OnScheduleSelected(wxCommandEvent& event);
    void OnEntrySelected(wxCommandEvent& event);
    void OnDone(wxCommandEvent& event);
    void OnEntryKey(wxKeyEvent& event);

    std::vector<CChoice> m_schedules;
    std::vector<CScheduleEntry> m_entries;
    std::vector<CChoice> m_vpds;
    int m_nScheduleIndex = -1;  // the schedule the entries were loaded from
    bool m_bChanged = false;    // the entries were edited since loaded or saved

    wxListBox* m_pSchedules = nullptr;
    wxListBox* m_pEntries = nullptr;
    CItemListCtrl* m_pAvailable = nullptr;
    wxRadioButton* m_pNoKind = nullptr;  // hidden: checked while no kind is chosen
    std::array<wxRadioButton*, kKindCount> m_kinds{};
    wxTextCtrl* m_pTranspose = nullptr;
    wxChoice* m_pVPD = nullptr;
};

// Button ids of the manager ("Done" carries the cancel id: Escape and the
// close box are Done).
enum {
    ID_SM_ADD = wxID_HIGHEST + 100,
    ID_SM_REMOVE,
    ID_SM_MOVE_UP,
    ID_SM_MOVE_DOWN,
    ID_SM_SAVE,
    ID_SM_NEW,
    ID_SM_CLEAR,
    ID_SM_RENAME,
    ID_SM_DELETE,
    ID_SM_COPY,
};

// Show > Schedule: the manager over the current VPD's schedules; afterwards
// the current schedule is read again, as its rows may have changed.
void RunScheduleManager(CVersiluxDoc& doc, wxWindow* pParent);
