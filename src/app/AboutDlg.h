// The About box: the program's icon, name and version.
#pragma once

#include <wx/dialog.h>

class CAboutDlg : public wxDialog {
  public:
    explicit CAboutDlg(wxWindow* pParent);
};
