#include "dialogs/ItemPropertiesDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/gbsizer.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <array>
#include <utility>

#include "dialogs/ChoiceNames.h"
#include "dialogs/IntRangeValidator.h"
#include "dialogs/MaxLengthValidator.h"
#include "doc/ItemKinds.h"
#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"

namespace {

// The row ID of the list's chosen entry, or nNone when none is chosen.
int ChosenID(const wxChoice* list, const std::vector<CChoice>& choices, int nNone) {
    return IDAtIndex(choices, list->GetSelection(), nNone);
}

template <size_t N>
wxChoice* MakeNamesList(wxWindow* pParent, const std::array<wxString, N>& names) {
    auto* list = new wxChoice(pParent, wxID_ANY);
    for (const wxString& name : names) {
        list->Append(name);
    }
    return list;
}

}  // namespace

CItemPropertiesDlg::CItemPropertiesDlg(wxWindow* pParent, std::vector<CChoice> colours,
                                       std::vector<CChoice> vpds)
    : wxDialog(pParent, wxID_ANY, "Properties"),
      m_colours(std::move(colours)),
      m_vpds(std::move(vpds)) {
    // Created in reading order, which is the tab order; each label just
    // before the control its mnemonic reaches. Save and Cancel own S and C.
    const wxSize numberSize(FromDIP(60), -1);
    auto* nameLabel = new wxStaticText(this, wxID_ANY, "&Name");
    m_pName = new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, 0,
                             CMaxLengthValidator(&m_props.strTitle, kMaxTitle));
    auto* coloursLabel = new wxStaticText(this, wxID_ANY, "Co&lours");
    m_pForeground = MakeList(m_colours);
    auto* onLabel = new wxStaticText(this, wxID_ANY, "&on");
    m_pBackground = MakeList(m_colours);
    auto* alternativeLabel = new wxStaticText(this, wxID_ANY, "&Alternative");
    m_pForeground2 = MakeList(m_colours);
    auto* transposeLabel = new wxStaticText(this, wxID_ANY, "&Transpose");
    m_pTranspose =
        new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, numberSize, 0,
                       CIntRangeValidator(&m_props.nTranspose, -kMaxTranspose, kMaxTranspose));
    auto* kindLabel = new wxStaticText(this, wxID_ANY, "Ty&pe");
    m_pKind = MakeNamesList(this, ItemKindNames());
    m_pPreferFlats = new wxCheckBox(this, wxID_ANY, "Prefer &Flats to Sharps", wxDefaultPosition,
                                    wxDefaultSize, wxALIGN_RIGHT);
    auto* layoutLabel = new wxStaticText(this, wxID_ANY, "La&yout");
    m_pLayout = MakeNamesList(this, ScreenTypeNames());
    auto* vpdLabel = new wxStaticText(this, wxID_ANY, "&VPD");
    m_pVPD = MakeList(m_vpds);
    auto* bpmLabel = new wxStaticText(this, wxID_ANY, "&BPM (song start)");
    m_pBPM = new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, numberSize, 0,
                            CIntRangeValidator(&m_props.nBPM, 0, kMaxBPM));

    const int gap = FromDIP(8);
    auto* grid = new wxGridBagSizer(gap, gap);
    const int label = wxALIGN_CENTER_VERTICAL;
    const int control = wxALIGN_CENTER_VERTICAL | wxEXPAND;
    const int number = wxALIGN_CENTER_VERTICAL;
    grid->Add(nameLabel, {0, 0}, {1, 1}, label);
    grid->Add(m_pName, {0, 1}, {1, 3}, control);
    grid->Add(coloursLabel, {1, 0}, {1, 1}, label);
    grid->Add(m_pForeground, {1, 1}, {1, 1}, control);
    grid->Add(onLabel, {1, 2}, {1, 1}, label);
    grid->Add(m_pBackground, {1, 3}, {1, 1}, control);
    grid->Add(alternativeLabel, {2, 0}, {1, 1}, label);
    grid->Add(m_pForeground2, {2, 1}, {1, 1}, control);
    grid->Add(transposeLabel, {2, 2}, {1, 1}, label);
    grid->Add(m_pTranspose, {2, 3}, {1, 1}, number);
    grid->Add(kindLabel, {3, 0}, {1, 1}, label);
    grid->Add(m_pKind, {3, 1}, {1, 1}, control);
    grid->Add(m_pPreferFlats, {3, 2}, {1, 2}, label);
    grid->Add(layoutLabel, {4, 0}, {1, 1}, label);
    grid->Add(m_pLayout, {4, 1}, {1, 3}, control);
    grid->Add(vpdLabel, {5, 0}, {1, 1}, label);
    grid->Add(m_pVPD, {5, 1}, {1, 1}, control);
    grid->Add(bpmLabel, {5, 2}, {1, 1}, label);
    grid->Add(m_pBPM, {5, 3}, {1, 1}, number);
    grid->AddGrowableCol(1);
    grid->AddGrowableCol(3);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(grid, 1, wxEXPAND | wxALL, FromDIP(10));
    top->Add(CreateSeparatedButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM,
             FromDIP(10));
    // OK is the stock button, so Enter and the dialog's OK still reach it.
    if (auto* save = wxDynamicCast(FindWindow(wxID_OK), wxButton)) {
        save->SetLabel("&Save");
    }
    SetSizerAndFit(top);
    // The button sizer takes the focus for Save; the name comes first.
    m_pName->SetFocus();
}

wxChoice* CItemPropertiesDlg::MakeList(const std::vector<CChoice>& choices) {
    auto* list = new wxChoice(this, wxID_ANY);
    ShowChoices(list, choices);
    return list;
}

bool CItemPropertiesDlg::TransferDataToWindow() {
    // The validators show the name, the transposition and the tempo.
    if (!wxDialog::TransferDataToWindow()) {
        return false;
    }
    // A stored value without an entry (a colour that is gone, a kind or type
    // the lists do not name) shows as no choice, and no choice keeps it.
    m_pForeground->SetSelection(IndexOfID(m_colours, m_props.nForeground));
    m_pBackground->SetSelection(IndexOfID(m_colours, m_props.nBackground));
    m_pForeground2->SetSelection(IndexOfID(m_colours, m_props.nForeground2));
    const int nKinds = static_cast<int>(m_pKind->GetCount());
    m_pKind->SetSelection(m_props.nSubtype >= 0 && m_props.nSubtype < nKinds ? m_props.nSubtype
                                                                             : wxNOT_FOUND);
    const int nTypes = static_cast<int>(m_pLayout->GetCount());
    m_pLayout->SetSelection(m_props.nType >= 1 && m_props.nType <= nTypes ? m_props.nType - 1
                                                                          : wxNOT_FOUND);
    m_pVPD->SetSelection(IndexOfID(m_vpds, m_props.nVPD));
    m_pPreferFlats->SetValue(m_props.bPreferFlats);
    return true;
}

bool CItemPropertiesDlg::TransferDataFromWindow() {
    if (!wxDialog::TransferDataFromWindow()) {
        return false;
    }
    m_props.nForeground = ChosenID(m_pForeground, m_colours, 0);
    m_props.nBackground = ChosenID(m_pBackground, m_colours, 0);
    m_props.nForeground2 = ChosenID(m_pForeground2, m_colours, 0);
    m_props.nSubtype = m_pKind->GetSelection() >= 0 ? m_pKind->GetSelection() : -1;
    m_props.nType = m_pLayout->GetSelection() >= 0 ? m_pLayout->GetSelection() + 1 : 0;
    m_props.nVPD = ChosenID(m_pVPD, m_vpds, m_props.nVPD);
    m_props.bPreferFlats = m_pPreferFlats->GetValue();
    return true;
}

bool RunItemProperties(CVersiluxDoc& doc, wxWindow* pParent) {
    const CItemsSet& item = *doc.m_pItemsSet;
    if (!item.IsOpen() || item.IsEOF() || item.IsBOF()) {
        return false;  // no item loaded: nothing to edit
    }
    auto report = [pParent](const CDBException& e) {
        wxMessageBox(e.GetErrorMessage(), "Versilux", wxOK | wxICON_ERROR, pParent);
    };
    std::vector<CChoice> colours;
    std::vector<CChoice> vpds;
    try {
        colours = doc.ColourChoices();
        vpds = doc.VPDChoices();
    } catch (const CDBException& e) {
        report(e);
        return false;
    }
    CItemPropertiesDlg dlg(pParent, std::move(colours), std::move(vpds));
    dlg.m_props = doc.CurrentItemProperties();
    if (dlg.ShowModal() != wxID_OK) {
        return false;
    }
    CPropertiesOutcome outcome;
    try {
        outcome = doc.SaveCurrentItemProperties(dlg.m_props);
    } catch (const CDBException& e) {
        report(e);
        return true;
    }
    if (!outcome.bVPDFound) {
        wxMessageBox("Error - failed to re-find VPD name - not changed", "Versilux",
                     wxOK | wxICON_ERROR, pParent);
    }
    if (outcome.bTransposeChanged) {
        wxMessageBox(
            "WARNING - transpose has been altered. This does not affect schedules with this item "
            "in it - those transpose values remain unaltered.",
            "Versilux", wxOK | wxICON_WARNING, pParent);
    }
    return true;
}
