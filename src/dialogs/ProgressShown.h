// How far a long task of the document is, shown in a progress dialog made on
// the task's first step (when it knows its total); Cancel makes the step's
// answer false, which the document's tasks take as "stop".
#pragma once

#include <wx/progdlg.h>
#include <wx/string.h>

#include <memory>

class CProgressShown {
  public:
    // nExtraStyle: wxPD_ flags beside the modal, auto-hiding, cancellable
    // dialog with its elapsed time.
    CProgressShown(wxWindow* pParent, const wxString& strMessage, int nExtraStyle = 0)
        : m_pParent(pParent), m_strMessage(strMessage), m_nExtraStyle(nExtraStyle) {}
    bool operator()(int nDone, int nTotal);
    // Closes the dialog before the task's result is told.
    void Close() { m_pDialog.reset(); }

  private:
    wxWindow* m_pParent;
    wxString m_strMessage;
    int m_nExtraStyle;
    std::unique_ptr<wxProgressDialog> m_pDialog;
};
