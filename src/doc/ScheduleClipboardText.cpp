#include "doc/ScheduleClipboardText.h"

#include "doc/KeyedEntry.h"
#include "doc/VersiluxDoc.h"

wxString FormatScheduleForClipboard(CVersiluxDoc& doc, const std::vector<wxString>& entries,
                                    bool bNamesOnly) {
    // Line feed before carriage return: the form other tools already read.
    const wxString kBreak = "\n\r\n\r";
    const wxString kRule(wxUniChar('='), 57);
    wxString text;
    for (const wxString& entry : entries) {
        text += KeyedEntryVisibleName(entry);
        if (!bNamesOnly) {
            text += doc.GetItemText(static_cast<int>(KeyedEntryFirstNumber(entry)));
            text += kBreak + kRule;
        }
        text += kBreak;
    }
    return text;
}
