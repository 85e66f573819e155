#include "dialogs/PhraseSearchCommand.h"

#include <wx/msgdlg.h>
#include <wx/progdlg.h>
#include <wx/utils.h>

#include <algorithm>
#include <memory>

#include "dialogs/PhraseSearchDlg.h"
#include "doc/VersiluxDoc.h"

void RunPhraseSearchCommand(CVersiluxDoc& doc, wxWindow* pParent) {
    // Only the phrase is remembered; the switches start the same every time.
    CPhraseSearchDlg dlg(pParent);
    dlg.m_strPhrase = doc.m_strSearchPhrase;
    dlg.m_bThisVPDOnly = false;
    dlg.m_bUseTemp = true;
    dlg.m_bCreateTemp = false;
    if (dlg.ShowModal() != wxID_OK) {
        return;
    }
    if (dlg.m_strPhrase.empty()) {
        wxMessageBox("Please enter something to search for", "Versilux", wxOK, pParent);
        return;
    }
    if (dlg.m_bCreateTemp) {
        wxBusyCursor wait;
        // Made once the number of charts is known; a cancel keeps the old table.
        std::unique_ptr<wxProgressDialog> progress;
        const bool bRebuilt = doc.RebuildTempSearch([&](int nDone, int nTotal) {
            const int nRange = std::max(nTotal, 1);
            if (!progress) {
                progress = std::make_unique<wxProgressDialog>(
                    "Versilux", "Building the temporary search database...", nRange, pParent,
                    wxPD_APP_MODAL | wxPD_AUTO_HIDE | wxPD_CAN_ABORT | wxPD_ELAPSED_TIME);
            }
            return progress->Update(std::clamp(nDone, 0, nRange));
        });
        progress.reset();
        if (!bRebuilt) {
            return;
        }
    }
    doc.RunPhraseSearch(dlg.m_strPhrase, dlg.m_bThisVPDOnly, dlg.m_bUseTemp);
}
