// "Phrase Search": the phrase to look for in songs and chord charts, and the
// search's three switches. The caller presets them and runs the search.
#pragma once

#include <wx/dialog.h>
#include <wx/string.h>

class wxCheckBox;
class wxTextCtrl;

class CPhraseSearchDlg : public wxDialog {
  public:
    explicit CPhraseSearchDlg(wxWindow* pParent);

    wxString m_strPhrase;
    bool m_bThisVPDOnly = false;
    bool m_bUseTemp = false;
    bool m_bCreateTemp = false;

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

    wxTextCtrl* GetPhraseEdit() const { return m_pPhrase; }
    wxCheckBox* GetThisVPDOnlyBox() const { return m_pThisVPDOnly; }
    wxCheckBox* GetUseTempBox() const { return m_pUseTemp; }
    wxCheckBox* GetCreateTempBox() const { return m_pCreateTemp; }

  private:
    wxTextCtrl* m_pPhrase = nullptr;
    wxCheckBox* m_pThisVPDOnly = nullptr;
    wxCheckBox* m_pUseTemp = nullptr;
    wxCheckBox* m_pCreateTemp = nullptr;
};
