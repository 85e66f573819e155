// "Properties": an item's title, colours, kind, screen type, transposition,
// flat preference, VPD and tempo, which the item editor's boxes do not show.
#pragma once

#include <wx/dialog.h>

#include <vector>

#include "doc/ItemLibrary.h"

class CVersiluxDoc;
class wxCheckBox;
class wxChoice;
class wxTextCtrl;

class CItemPropertiesDlg : public wxDialog {
  public:
    // The colours (stored order) and VPDs (name order) the lists offer. The
    // lists stand for the rows' IDs, whatever order or gaps those have.
    CItemPropertiesDlg(wxWindow* pParent, std::vector<CChoice> colours, std::vector<CChoice> vpds);

    static constexpr size_t kMaxTitle = kMaxItemTitle;
    static constexpr int kMaxTranspose = 12;
    static constexpr int kMaxBPM = 999;

    // Filled by the caller before ShowModal; read back after wxID_OK. A list
    // left without a choice (its stored value had no entry) gives the colour
    // 0, kind -1, type 0 or the VPD as it was.
    CItemProperties m_props;

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

    wxTextCtrl* GetNameEdit() const { return m_pName; }
    wxChoice* GetForegroundList() const { return m_pForeground; }
    wxChoice* GetBackgroundList() const { return m_pBackground; }
    wxChoice* GetAlternativeList() const { return m_pForeground2; }
    wxTextCtrl* GetTransposeEdit() const { return m_pTranspose; }
    wxChoice* GetKindList() const { return m_pKind; }
    wxCheckBox* GetPreferFlatsBox() const { return m_pPreferFlats; }
    wxChoice* GetLayoutList() const { return m_pLayout; }
    wxChoice* GetVPDList() const { return m_pVPD; }
    wxTextCtrl* GetBPMEdit() const { return m_pBPM; }

  private:
    wxChoice* MakeList(const std::vector<CChoice>& choices);

    std::vector<CChoice> m_colours;
    std::vector<CChoice> m_vpds;

    wxTextCtrl* m_pName = nullptr;
    wxChoice* m_pForeground = nullptr;
    wxChoice* m_pBackground = nullptr;
    wxChoice* m_pForeground2 = nullptr;
    wxTextCtrl* m_pTranspose = nullptr;
    wxChoice* m_pKind = nullptr;
    wxCheckBox* m_pPreferFlats = nullptr;
    wxChoice* m_pLayout = nullptr;
    wxChoice* m_pVPD = nullptr;
    wxTextCtrl* m_pBPM = nullptr;
};

// The item editor's Properties: edits the current row of the document's item
// query (the item the editor has loaded). Anything but Save writes nothing
// and returns false. Save writes what changed, tells the operator when the
// chosen VPD is gone (the item then stays where it is) and when the
// transposition changed (schedules keep their own), reports a database
// failure with nothing left pending, and returns true: the editor's list is
// then to be loaded again, as the item may have left it.
bool RunItemProperties(CVersiluxDoc& doc, wxWindow* pParent);
