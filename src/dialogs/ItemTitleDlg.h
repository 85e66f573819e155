// "Title for Item": a one-line prompt for a new item's title (at most 100
// characters, empty accepted).
#pragma once

#include <wx/dialog.h>
#include <wx/string.h>

#include "doc/ItemLibrary.h"

class wxTextCtrl;

class CItemTitleDlg : public wxDialog {
  public:
    static constexpr size_t kMaxTitle = kMaxItemTitle;

    explicit CItemTitleDlg(wxWindow* pParent);

    // An over-long title is refused by OK with the usual message; the
    // dialog stays open.
    wxString m_strTitle;

    wxTextCtrl* GetTitleEdit() const { return m_pEdit; }

  private:
    wxTextCtrl* m_pEdit = nullptr;
};
