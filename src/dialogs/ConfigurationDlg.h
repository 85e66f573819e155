// "Configuration": the program's settings in the config row: font sizes, the
// default and screen colours, the default VPD, the screen type each kind of
// new item gets, the printed layout, the key modes and the captions of the
// item flags.
#pragma once

#include <wx/dialog.h>

#include <array>
#include <vector>

#include "doc/ConfigValues.h"
#include "doc/ItemLibrary.h"

class CVersiluxDoc;
class wxCheckBox;
class wxChoice;
class wxTextCtrl;
class wxValidator;

class CConfigurationDlg : public wxDialog {
  public:
    // The colour lists, in the order they stand in the dialog.
    enum ColourList {
        kForeground1,
        kForeground2,
        kForeground3,
        kForeground4,
        kBackground,
        kScreenChord,
        kScreenBar,
        kPrintChord,
        kPrintBar,
        kColourListCount
    };
    static constexpr int kKindCount = 5;  // titles, songs, liturgy, chords, pictures
    static constexpr int kMaxMargin = 1500;

    // The colours and VPDs the lists offer, in ID order. The lists stand for
    // the rows' IDs, whatever gaps those have.
    CConfigurationDlg(wxWindow* pParent, std::vector<CChoice> colours, std::vector<CChoice> vpds);

    // Filled by the caller before ShowModal; read back after wxID_OK. A
    // colour or VPD list left without a choice (its stored value had no
    // entry) keeps the value; a screen-type list without one gives 0.
    CConfigValues m_values;

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

    wxTextCtrl* GetMaxFontEdit() const { return m_pMaxFont; }
    wxTextCtrl* GetNormalFontEdit() const { return m_pNormalFont; }
    wxChoice* GetColourList(ColourList n) const { return m_colourLists[n]; }
    wxChoice* GetVPDList() const { return m_pVPD; }
    // The default screen type of one kind, 0 titles to 4 pictures.
    wxChoice* GetDefaultTypeList(int nKind) const { return m_typeLists[nKind]; }
    wxTextCtrl* GetPrintFontEdit() const { return m_pPrintFont; }
    wxTextCtrl* GetMarginEdit() const { return m_pMargin; }
    wxCheckBox* GetKensingtonBox() const { return m_pKensington; }
    wxCheckBox* GetTabletBox() const { return m_pTablet; }
    // The caption box of flag n, 0 to 3.
    wxTextCtrl* GetFlagEdit(int n) const { return m_flagEdits[n]; }

  private:
    wxChoice* MakeColourList();
    wxChoice* MakeTypeList(int nKind);
    wxTextCtrl* MakeNumberBox(const wxValidator& validator);

    std::vector<CChoice> m_colours;
    std::vector<CChoice> m_vpds;

    wxTextCtrl* m_pMaxFont = nullptr;
    wxTextCtrl* m_pNormalFont = nullptr;
    std::array<wxChoice*, kColourListCount> m_colourLists{};
    wxChoice* m_pVPD = nullptr;
    std::array<wxChoice*, kKindCount> m_typeLists{};
    wxTextCtrl* m_pPrintFont = nullptr;
    wxTextCtrl* m_pMargin = nullptr;
    wxCheckBox* m_pKensington = nullptr;
    wxCheckBox* m_pTablet = nullptr;
    std::array<wxTextCtrl*, 4> m_flagEdits{};
};

// Tools > Configuration: edits the settings of the config row. OK writes the
// columns that changed, then the show's key modes and screen colours follow
// the new row and the views are drawn again; the next show, print and item
// editor use the new values. A database error is reported and the settings
// stay as stored. Cancel writes nothing.
void RunConfiguration(CVersiluxDoc& doc, wxWindow* pParent);
