#include "dialogs/CopyScheduleToClipboard.h"

#include <wx/clipbrd.h>
#include <wx/msgdlg.h>

#include "dialogs/CopyScheduleDlg.h"
#include "doc/ScheduleClipboardText.h"

void CopyScheduleToClipboard(CVersiluxDoc& doc, const std::vector<wxString>& entries,
                             wxWindow* pParent) {
    CCopyScheduleDlg dlg(pParent);
    dlg.m_bNamesOnly = 1;
    if (dlg.ShowModal() != wxID_OK) {
        return;
    }
    const wxString text = FormatScheduleForClipboard(doc, entries, dlg.m_bNamesOnly != 0);
    wxClipboardLocker locker;
    if (!locker) {
        wxMessageBox("failed to open clipboard", "Versilux", wxOK, pParent);
        return;
    }
    wxTheClipboard->SetData(new wxTextDataObject(text));  // the clipboard owns it
    wxMessageBox("Schedule list copied to clipboard", "Versilux", wxOK, pParent);
}
