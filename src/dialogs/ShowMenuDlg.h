// "RClick" with six choices: the tablet-mode menu the running show opens for
// the back key. It only returns the choice; the show acts on it.
#pragma once

#include <wx/dialog.h>

class CShowMenuDlg : public wxDialog {
  public:
    enum Choice { kGoBack = 1, kGoHome = 2, kKeyUp = 3, kKeyDown = 4, kQuit = 5, kGoTo = 6 };

    explicit CShowMenuDlg(wxWindow* pParent);

    int m_nChoice = 0;

    // What a press of the button with this choice does.
    void Choose(int nChoice);
};
