#include "dialogs/ConfigurationDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/valgen.h>

#include <utility>

#include "dialogs/ChoiceNames.h"
#include "dialogs/IntRangeValidator.h"
#include "doc/ItemKinds.h"
#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"

namespace {

using ColourField = int CConfigValues::*;

// The value behind each colour list, in the lists' order.
constexpr std::array<ColourField, CConfigurationDlg::kColourListCount> kColourFields = {
    &CConfigValues::nForeground,  &CConfigValues::nForeground2, &CConfigValues::nForeground3,
    &CConfigValues::nForeground4, &CConfigValues::nBackground,  &CConfigValues::nChordScreen,
    &CConfigValues::nBarScreen,   &CConfigValues::nChordPrint,  &CConfigValues::nBarPrint};

// Twenty-five labels share the letters and digits with OK and Cancel, so
// some mnemonics sit inside a word; none is used twice.
const char* const kColourLabels[CConfigurationDlg::kColourListCount] = {
    "&Foreground Colour 1",   "Fo&reground Colour 2",  "Fore&ground Colour 3",
    "Foregro&und Colour 4",   "&Background Colour",    "Screen c&hord Colour",
    "Scr&een barline Colour", "Pr&inted chord colour", "Printed b&arline colour"};

const char* const kTypeLabels[CConfigurationDlg::kKindCount] = {
    "&Title Screen default type", "&Song Screen default type", "&Liturgy Screen default type",
    "Chords Screen default t&ype", "&Picture Screen default type"};

const char* const kFlagLabels[4] = {"Item Flag &1", "Item Flag &2", "Item Flag &3", "Item Flag &4"};

constexpr int kPictureKind = CConfigurationDlg::kKindCount - 1;

}  // namespace

CConfigurationDlg::CConfigurationDlg(wxWindow* pParent, std::vector<CChoice> colours,
                                     std::vector<CChoice> vpds)
    : wxDialog(pParent, wxID_ANY, "Configuration"),
      m_colours(std::move(colours)),
      m_vpds(std::move(vpds)) {
    // Two columns of rows, read (and tabbed through) down the left column and
    // then down the right one. Each label is created just before the control
    // its mnemonic reaches, so creation order is the tab order.
    const int gap = FromDIP(6);
    auto* left = new wxFlexGridSizer(2, gap, gap * 2);
    auto* right = new wxFlexGridSizer(2, gap, gap * 2);
    auto addRow = [this](wxFlexGridSizer* grid, const wxString& strLabel, auto makeControl,
                         bool bExpand = true) {
        grid->Add(new wxStaticText(this, wxID_ANY, strLabel), 0, wxALIGN_CENTER_VERTICAL);
        auto* control = makeControl();
        grid->Add(control, 0, wxALIGN_CENTER_VERTICAL | (bExpand ? wxEXPAND : 0));
        return control;
    };
    auto colourRow = [this, &addRow](wxFlexGridSizer* grid, ColourList n) {
        m_colourLists[n] = addRow(grid, kColourLabels[n], [this] { return MakeColourList(); });
    };

    m_pMaxFont = addRow(
        left, "Ma&ximum Font Size",
        [&] { return MakeNumberBox(CIntRangeValidator(&m_values.nMaxFont)); }, false);
    m_pNormalFont = addRow(
        left, "&Normal Font Size",
        [&] { return MakeNumberBox(CIntRangeValidator(&m_values.nNormalFont)); }, false);
    for (ColourList n : {kForeground1, kForeground2, kForeground3, kForeground4, kBackground,
                         kScreenChord, kScreenBar}) {
        colourRow(left, n);
    }
    m_pVPD = addRow(left, "Default &VPD", [&] {
        auto* list = new wxChoice(this, wxID_ANY);
        ShowChoices(list, m_vpds);
        return list;
    });

    for (int nKind = 0; nKind < kKindCount; ++nKind) {
        m_typeLists[nKind] = addRow(right, kTypeLabels[nKind], [&] { return MakeTypeList(nKind); });
    }
    colourRow(right, kPrintChord);
    colourRow(right, kPrintBar);
    m_pPrintFont = addRow(
        right, "Printed Font Si&ze",
        [&] { return MakeNumberBox(CIntRangeValidator(&m_values.nPrintFont)); }, false);
    m_pMargin = addRow(
        right, "Printed &Margin",
        [&] { return MakeNumberBox(CIntRangeValidator(&m_values.nMargin, 0, kMaxMargin)); }, false);
    m_pKensington = new wxCheckBox(this, wxID_ANY, "&Kensington mode", wxDefaultPosition,
                                   wxDefaultSize, 0, wxGenericValidator(&m_values.bKensington));
    m_pTablet = new wxCheckBox(this, wxID_ANY, "Tablet mo&de", wxDefaultPosition, wxDefaultSize, 0,
                               wxGenericValidator(&m_values.bTabletMode));
    auto* modes = new wxBoxSizer(wxHORIZONTAL);
    modes->Add(m_pKensington, 0, wxRIGHT, FromDIP(16));
    modes->Add(m_pTablet, 0);
    right->AddSpacer(0);
    right->Add(modes, 0, wxALIGN_CENTER_VERTICAL);
    for (int n = 0; n < 4; ++n) {
        m_flagEdits[n] = addRow(right, kFlagLabels[n], [&] {
            return new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, 0,
                                  wxGenericValidator(&m_values.flagCaptions[n]));
        });
    }

    auto* ok = new wxButton(this, wxID_OK);
    auto* cancel = new wxButton(this, wxID_CANCEL);
    ok->SetDefault();  // Enter in a box is OK; Escape is Cancel
    auto* buttons = new wxBoxSizer(wxVERTICAL);
    buttons->Add(ok, 0, wxEXPAND | wxBOTTOM, FromDIP(5));
    buttons->Add(cancel, 0, wxEXPAND);

    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(left, 0, wxALL, FromDIP(10));
    top->Add(right, 0, wxALL, FromDIP(10));
    top->Add(buttons, 0, wxALIGN_TOP | wxALL, FromDIP(10));
    SetSizerAndFit(top);
    m_pMaxFont->SetFocus();
}

wxChoice* CConfigurationDlg::MakeColourList() {
    auto* list = new wxChoice(this, wxID_ANY);
    ShowChoices(list, m_colours);
    return list;
}

wxChoice* CConfigurationDlg::MakeTypeList(int nKind) {
    auto* list = new wxChoice(this, wxID_ANY);
    for (const wxString& name : DefaultTypeNames(nKind == kPictureKind)) {
        list->Append(name);
    }
    return list;
}

wxTextCtrl* CConfigurationDlg::MakeNumberBox(const wxValidator& validator) {
    return new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(FromDIP(70), -1), 0,
                          validator);
}

bool CConfigurationDlg::TransferDataToWindow() {
    // The validators show the numbers, the two modes and the flag captions.
    if (!wxDialog::TransferDataToWindow()) {
        return false;
    }
    // A stored value without an entry (a colour or VPD that is gone, type 8)
    // shows as no choice.
    for (int n = 0; n < kColourListCount; ++n) {
        m_colourLists[n]->SetSelection(IndexOfID(m_colours, m_values.*kColourFields[n]));
    }
    m_pVPD->SetSelection(IndexOfID(m_vpds, m_values.nVPD));
    for (int nKind = 0; nKind < kKindCount; ++nKind) {
        m_typeLists[nKind]->SetSelection(
            DefaultTypeIndex(m_values.defaultTypes[nKind], nKind == kPictureKind));
    }
    return true;
}

bool CConfigurationDlg::TransferDataFromWindow() {
    if (!wxDialog::TransferDataFromWindow()) {
        return false;
    }
    // No colour or VPD chosen keeps the stored one: 0 would name no row.
    for (int n = 0; n < kColourListCount; ++n) {
        int& value = m_values.*kColourFields[n];
        value = IDAtIndex(m_colours, m_colourLists[n]->GetSelection(), value);
    }
    m_values.nVPD = IDAtIndex(m_vpds, m_pVPD->GetSelection(), m_values.nVPD);
    for (int nKind = 0; nKind < kKindCount; ++nKind) {
        m_values.defaultTypes[nKind] =
            DefaultTypeAt(m_typeLists[nKind]->GetSelection(), nKind == kPictureKind);
    }
    return true;
}

void RunConfiguration(CVersiluxDoc& doc, wxWindow* pParent) {
    auto report = [pParent](const CDBException& e) {
        wxMessageBox(e.GetErrorMessage(), "Versilux", wxOK | wxICON_ERROR, pParent);
    };
    std::vector<CChoice> colours;
    std::vector<CChoice> vpds;
    try {
        colours = doc.ColourChoicesByID();
        vpds = doc.VPDChoicesByID();
    } catch (const CDBException& e) {
        report(e);
        return;
    }
    CConfigurationDlg dlg(pParent, std::move(colours), std::move(vpds));
    dlg.m_values = doc.CurrentConfiguration();
    if (dlg.ShowModal() != wxID_OK) {
        return;
    }
    try {
        doc.SaveConfiguration(dlg.m_values);
        // The listings' print font and margin come from the row.
        doc.RefreshViews();
    } catch (const CDBException& e) {
        report(e);
    }
}
