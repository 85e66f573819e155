// "Copy Shedule": asks before a schedule's item list goes to the clipboard,
// with or without the items' texts.
#pragma once

#include <wx/dialog.h>

class wxCheckBox;

class CCopyScheduleDlg : public wxDialog {
  public:
    explicit CCopyScheduleDlg(wxWindow* pParent);

    int m_bNamesOnly = 0;

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

    wxCheckBox* GetNamesOnlyBox() const { return m_pNamesOnly; }

  private:
    wxCheckBox* m_pNamesOnly = nullptr;
};
