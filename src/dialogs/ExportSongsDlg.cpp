#include "dialogs/ExportSongsDlg.h"

#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

CExportSongsDlg::CExportSongsDlg(wxWindow* pParent, int nListed, bool bSelected)
    : wxDialog(pParent, wxID_ANY, "Export Songs") {
    auto* top = new wxBoxSizer(wxVERTICAL);

    auto* which = new wxStaticBoxSizer(wxVERTICAL, this, "Export");
    wxWindow* whichBox = which->GetStaticBox();
    m_pSelected = new wxRadioButton(whichBox, wxID_ANY, "The &selected item", wxDefaultPosition,
                                    wxDefaultSize, wxRB_GROUP);
    m_pAllListed =
        new wxRadioButton(whichBox, wxID_ANY, wxString::Format("&All %d listed items", nListed));
    m_pSelected->Enable(bSelected);
    m_pAllListed->Enable(nListed > 0);
    which->Add(m_pSelected, 0, wxALL, FromDIP(4));
    which->Add(m_pAllListed, 0, wxALL, FromDIP(4));
    top->Add(which, 0, wxEXPAND | wxALL, FromDIP(10));

    auto* format = new wxStaticBoxSizer(wxVERTICAL, this, "Format");
    wxWindow* formatBox = format->GetStaticBox();
    m_pChordPro = new wxRadioButton(formatBox, wxID_ANY, "&ChordPro (chord charts only)",
                                    wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    m_pOpenLyrics = new wxRadioButton(formatBox, wxID_ANY, "&OpenLyrics (any item)");
    format->Add(m_pChordPro, 0, wxALL, FromDIP(4));
    format->Add(m_pOpenLyrics, 0, wxALL, FromDIP(4));
    top->Add(format, 0, wxEXPAND | wxLEFT | wxRIGHT, FromDIP(10));

    top->Add(CreateSeparatedButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, FromDIP(10));
    SetSizerAndFit(top);
}

bool CExportSongsDlg::TransferDataToWindow() {
    // Nothing selected: every listed item is the only choice left.
    const bool bAll = m_bAllListed || !m_pSelected->IsEnabled();
    m_pAllListed->SetValue(bAll);
    m_pSelected->SetValue(!bAll);
    m_pOpenLyrics->SetValue(m_bOpenLyrics);
    m_pChordPro->SetValue(!m_bOpenLyrics);
    (bAll ? m_pAllListed : m_pSelected)->SetFocus();
    return true;
}

bool CExportSongsDlg::TransferDataFromWindow() {
    m_bAllListed = m_pAllListed->GetValue();
    m_bOpenLyrics = m_pOpenLyrics->GetValue();
    return true;
}
