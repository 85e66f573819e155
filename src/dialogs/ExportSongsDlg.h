// "Export Songs": which items (the selected one or every listed one) and in
// which format (ChordPro for chord charts, OpenLyrics for any item).
#pragma once

#include <wx/dialog.h>

class wxRadioButton;

class CExportSongsDlg : public wxDialog {
  public:
    // nListed: how many items the editor lists; bSelected: whether one is
    // selected.
    CExportSongsDlg(wxWindow* pParent, int nListed, bool bSelected);

    bool m_bAllListed = false;
    bool m_bOpenLyrics = false;

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

  private:
    wxRadioButton* m_pSelected = nullptr;
    wxRadioButton* m_pAllListed = nullptr;
    wxRadioButton* m_pChordPro = nullptr;
    wxRadioButton* m_pOpenLyrics = nullptr;
};
