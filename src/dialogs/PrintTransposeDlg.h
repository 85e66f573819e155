// "Transpose for Printing": the key and spelling the printable view of an
// item uses, and colour or black and white. Preview takes the values and
// ends with OK; Continue (or Escape) ends without taking them.
#pragma once

#include <wx/dialog.h>

class wxCheckBox;
class wxTextCtrl;

class CPrintTransposeDlg : public wxDialog {
  public:
    static constexpr int kMinTranspose = -12;
    static constexpr int kMaxTranspose = 12;

    explicit CPrintTransposeDlg(wxWindow* pParent);

    bool m_bPreferFlats = false;
    int m_nTranspose = 0;
    bool m_bBlackWhite = false;

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

    wxTextCtrl* GetTransposeEdit() const { return m_pTranspose; }
    wxCheckBox* GetPreferFlatsBox() const { return m_pPreferFlats; }
    wxCheckBox* GetBlackWhiteBox() const { return m_pBlackWhite; }

  private:
    wxTextCtrl* m_pTranspose = nullptr;
    wxCheckBox* m_pPreferFlats = nullptr;
    wxCheckBox* m_pBlackWhite = nullptr;
};
