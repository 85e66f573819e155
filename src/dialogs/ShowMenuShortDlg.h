// "RClick" with three choices: the menu the show's last entry opens. It only
// returns the choice; the show acts on it. Escape closes it with Cancel.
#pragma once

#include <wx/dialog.h>

class CShowMenuShortDlg : public wxDialog {
  public:
    enum Choice { kGoBack = 1, kGoHome = 2, kQuit = 3 };

    explicit CShowMenuShortDlg(wxWindow* pParent);

    int m_nChoice = 0;

    void Choose(int nChoice);
};
