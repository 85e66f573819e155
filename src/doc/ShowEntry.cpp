#include "doc/ShowEntry.h"

std::array<wxString, 5> SplitEntry(const wxString& strEntry) {
    std::array<wxString, 5> fields;
    wxString rest = strEntry;
    for (size_t i = 0; i < 4; ++i) {
        const int at = rest.Find(kEntrySeparator);
        if (at == wxNOT_FOUND) {
            fields[i] = rest;
            return fields;
        }
        fields[i] = rest.Left(at);
        rest = rest.Mid(at + 1);
    }
    fields[4] = rest;
    return fields;
}
