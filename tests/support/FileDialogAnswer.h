// Answers a file dialog under wxTEST_DIALOG as the operator would: the
// dialog's offer is kept, a path is chosen (or the dialog cancelled).
#pragma once

#include <wx/filedlg.h>
#include <wx/testing.h>

// A file dialog: what it offered is kept, the path is chosen (or Cancel).
struct CFileDialogSeen {
    wxString strFilename;
    wxString strWildcard;
    long nStyle = 0;
};

class AnswerFileDialog : public wxExpectModalBase<wxFileDialog, AnswerFileDialog> {
  public:
    AnswerFileDialog(const wxString& strPath, CFileDialogSeen* pSeen, int nAnswer = wxID_OK)
        : m_strPath(strPath), m_pSeen(pSeen), m_nAnswer(nAnswer) {}

  protected:
    int OnInvoked(wxFileDialog* dlg) const override {
        // A dialog for several files has no single name to offer.
        if (!dlg->HasFlag(wxFD_MULTIPLE)) {
            m_pSeen->strFilename = dlg->GetFilename();
        }
        m_pSeen->strWildcard = dlg->GetWildcard();
        m_pSeen->nStyle = dlg->GetWindowStyle();
        if (m_nAnswer == wxID_OK) {
            dlg->SetPath(m_strPath);
        }
        return m_nAnswer;
    }

  private:
    wxString m_strPath;
    CFileDialogSeen* m_pSeen;
    int m_nAnswer;
};
