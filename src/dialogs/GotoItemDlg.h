// "Goto Item": lists the running show's item titles; returns the chosen one's
// position counted from 1, or leaves m_nChoice as the caller set it.
#pragma once

#include <wx/dialog.h>

class CVersiluxDoc;
class wxListBox;

class CGotoItemDlg : public wxDialog {
  public:
    explicit CGotoItemDlg(wxWindow* pParent);

    CVersiluxDoc* m_pDoc = nullptr;
    int m_nChoice = 0;

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

    wxListBox* GetTitleList() const { return m_pList; }

  private:
    wxListBox* m_pList = nullptr;
};
