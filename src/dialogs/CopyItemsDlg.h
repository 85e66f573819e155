// "Copy": copies items of the current VPD, one at a time, into any VPD (the
// current one included) under a title the operator chooses.
#pragma once

#include <wx/dialog.h>
#include <wx/string.h>

#include <array>
#include <vector>

#include "doc/ItemKinds.h"
#include "doc/ItemLibrary.h"

class CVersiluxDoc;
class wxButton;
class wxListBox;
class wxRadioButton;
class wxTextCtrl;

class CCopyItemsDlg : public wxDialog {
  public:
    CCopyItemsDlg(wxWindow* pParent, CVersiluxDoc& doc);

    CVersiluxDoc* m_pDoc;
    int m_nTypeFilter = kNoKind;  // the kind radio last clicked
    wxString m_strAs;             // the title the copy gets
    wxString m_strToVPD;          // the chosen VPD's name
    int m_nToVPD = 0;             // and its ID; 0 when there is none to choose

    // Fills the VPD list (the current VPD chosen) and shows "As"; the item
    // list stays empty until a kind is chosen.
    bool TransferDataToWindow() override;
    // Takes "As" and the chosen VPD.
    bool TransferDataFromWindow() override;

    // A kind radio: lists that kind of the current VPD's items.
    void ChooseKind(int nTypeFilter);
    // Lists the chosen kind again in the shared item query's order, empties
    // "As"; nothing is selected, so Copy is off.
    void LoadCopyList();
    // The item list's selection: the shared query moves to it and "As" gets
    // its title. A list that no longer matches the query is listed again.
    void ShowSelectedItem();
    // Copies the selected item into the chosen VPD under the title in "As",
    // then lists the kind again. A title over the items' limit is refused
    // with the usual message and nothing is copied.
    void CopySelected();
    // An item is selected and there is a VPD to copy it into.
    bool CanCopy() const;

    // The kind radios, "All" (0) to "Pictures" (5).
    wxRadioButton* GetKindButton(int nTypeFilter) const { return m_kinds.at(nTypeFilter); }
    wxListBox* GetItemList() const { return m_pItems; }
    wxListBox* GetVPDList() const { return m_pVPDs; }
    wxTextCtrl* GetAsEdit() const { return m_pAs; }
    wxButton* GetDoneButton() const { return m_pDone; }
    wxButton* GetCopyButton() const { return m_pCopy; }
    // What the lists hold, entry by entry.
    const std::vector<CListedItem>& GetListedItems() const { return m_listed; }
    const std::vector<CChoice>& GetVPDChoices() const { return m_vpds; }

  private:
    void FillVPDList();
    // Moves the shared query to the selected entry; false when nothing is
    // selected or the query no longer has that item there.
    bool MoveToSelection();

    std::vector<CListedItem> m_listed;
    std::vector<CChoice> m_vpds;

    std::array<wxRadioButton*, kKindCount> m_kinds{};
    wxListBox* m_pItems = nullptr;
    wxListBox* m_pVPDs = nullptr;
    wxTextCtrl* m_pAs = nullptr;
    wxButton* m_pDone = nullptr;
    wxButton* m_pCopy = nullptr;
};

// Tools > Copy: runs "Copy" on the document's item and VPD queries. Each
// Copy is written at once; closing the dialog does nothing more.
void RunCopyItems(CVersiluxDoc& doc, wxWindow* pParent);
