#include "dialogs/PhraseSearchCommand.h"

#include <wx/msgdlg.h>
#include <wx/utils.h>

#include <functional>

#include "dialogs/PhraseSearchDlg.h"
#include "dialogs/ProgressShown.h"
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
        // A cancel keeps the old table.
        CProgressShown progress(pParent, "Building the temporary search database...");
        const bool bRebuilt = doc.RebuildTempSearch(std::ref(progress));
        progress.Close();
        if (!bRebuilt) {
            return;
        }
    }
    doc.RunPhraseSearch(dlg.m_strPhrase, dlg.m_bThisVPDOnly, dlg.m_bUseTemp);
}
