// "VPD Manager": adds VPDs, gives a VPD a new name and deletes VPDs that
// hold nothing. Every change is written at once; there is no OK or Cancel.
#pragma once

#include <wx/dialog.h>

#include <wx/string.h>
#include <functional>

#include <vector>

#include "doc/ItemLibrary.h"

class CVersiluxDoc;
class wxButton;
class wxListBox;
class wxTextCtrl;

class CVPDManagerDlg : public wxDialog {
  public:
    CVPDManagerDlg(wxWindow* pParent, CVersiluxDoc& doc);

    CVersiluxDoc* m_pDoc;
    wxString m_strName;       // the "Name" box
    bool m_bChanged = false;  // the operator typed in the box since the last load or save
    int m_nSelIndex = -1;     // the entry whose VPD is loaded into the box; -1 for none

    // Shows the box, lists every VPD in name order, none loaded.
    bool TransferDataToWindow() override;

    // Lists the VPDs again as the store has them; nothing is selected.
    void FillVPDList();
    // The list's selection moved to entry nIndex: its VPD's name goes into
    // the box. Unsaved typing is given up only when the operator agrees;
    // otherwise the loaded entry is selected again and the typing stays.
    void LoadVPD(int nIndex);
    // Adds a VPD under the name in the box; the first entry of that name
    // becomes the loaded one.
    void AddVPD();
    // Gives the loaded VPD the name in the box; it stays the loaded one.
    void EditVPD();
    // Deletes the loaded VPD, if it holds nothing and the operator agrees.
    void DeleteVPD();
    // Escape and the close box: true when nothing typed is unsaved or the
    // operator agrees to lose it.
    bool ConfirmClose();

    wxListBox* GetVPDList() const { return m_pList; }
    wxTextCtrl* GetNameEdit() const { return m_pName; }
    wxButton* GetAddButton() const { return m_pAdd; }
    wxButton* GetEditButton() const { return m_pEdit; }
    wxButton* GetDeleteButton() const { return m_pDelete; }
    // What the list holds, entry by entry.
    const std::vector<CChoice>& GetVPDChoices() const { return m_vpds; }

  private:
    bool IsLoaded() const;
    int LoadedID() const;
    // The name in the box, checked; false (with the message shown) when it
    // is too long or empty.
    bool ReadName();
    // After a failed write: the list as the store has it, the loaded VPD
    // selected again while it is there, the box as typed.
    void Reload();
    // Runs work on the store; a failure is shown, the list read again, and
    // false returned.
    bool RunOnStore(const std::function<void()>& work);
    void Select(int nIndex);
    void ShowError(const wxString& strMessage);

    // Entry n stands for m_vpds[n].
    std::vector<CChoice> m_vpds;
    wxListBox* m_pList = nullptr;
    wxButton* m_pAdd = nullptr;
    wxButton* m_pEdit = nullptr;
    wxButton* m_pDelete = nullptr;
    wxTextCtrl* m_pName = nullptr;
};

// Tools > VPD Manager. The current VPD keeps its ID and the name it had when
// chosen, whatever the manager does to it.
void RunVPDManager(CVersiluxDoc& doc, wxWindow* pParent);
