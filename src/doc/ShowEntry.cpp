#include "doc/ShowEntry.h"

#include <climits>

int EntryTypeCode(const wxString& field) {
    long long code = 0;
    for (const wxUniChar c : field) {
        if (c < '0' || c > '9') {
            break;
        }
        code = code * 10 + (c.GetValue() - '0');
        if (code > INT_MAX) {
            return INT_MAX;
        }
    }
    return static_cast<int>(code);
}

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

wxString NextItemEntry(const CEntryTexts& item, wxString& strPartText, wxString& strPartHeading,
                       int& nPartIndex) {
    if (!IsSplitType(item.nType)) {
        nPartIndex = 0;
        return wxString::Format("%d\b%s\b%s\b%s\b%s", item.nType, item.strHeading1,
                                item.strShownHeading2, item.strField1, item.strField2);
    }
    if (strPartText.empty()) {
        strPartText = item.strField1;
        strPartHeading = item.nType == 4   ? item.strHeading1
                         : item.nType == 8 ? item.strHeading2
                                           : wxString();
        nPartIndex = 0;
    } else {
        ++nPartIndex;
    }
    // A '&' at index 0 or 1 never splits, so no part is empty.
    const size_t p = strPartText.find('&', 2);
    wxString strPart;
    if (p == wxString::npos) {
        strPart = strPartText;
        strPartText.clear();
    } else {
        strPart = strPartText.Left(p);
        strPartText = strPartText.Mid(p);
    }
    return item.nType == 8
               ? wxString::Format("%d\b\b%s\b%s\b", item.nType, strPartHeading, strPart)
               : wxString::Format("%d\b%s\b\b%s\b", item.nType, strPartHeading, strPart);
}
