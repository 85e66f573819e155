// "Select Virtual Private Database": the operator picks the VPD whose items
// and schedules the editors and searches work on.
#pragma once

#include <wx/dialog.h>
#include <wx/string.h>

#include <optional>
#include <vector>

#include "doc/ItemLibrary.h"

class CVersiluxDoc;
class wxListBox;

class CSelectVPDDlg : public wxDialog {
  public:
    CSelectVPDDlg(wxWindow* pParent, CVersiluxDoc& doc);

    CVersiluxDoc* m_pDoc;
    // After OK: the chosen entry's name and its VPD's ID; empty and none
    // when nothing was chosen.
    wxString m_strSelected;
    std::optional<int> m_nSelectedID;

    // Lists every VPD in name order, none chosen.
    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

    wxListBox* GetVPDList() const { return m_pList; }
    const std::vector<CChoice>& GetVPDChoices() const { return m_vpds; }

  private:
    // Entry n stands for m_vpds[n].
    std::vector<CChoice> m_vpds;
    wxListBox* m_pList = nullptr;
};

// Tools > VPD selecter: the chosen VPD becomes current. A VPD that is gone
// by then, or none chosen, is reported and the current VPD stays. The views
// and the current schedule are left as they are.
void RunVPDSelecter(CVersiluxDoc& doc, wxWindow* pParent);
