#include "doc/KeyedEntry.h"

#include <climits>

namespace {
const wxString kPadding(' ', 100);
}

wxString MakeKeyedEntry(const wxString& strName, long nID) {
    return wxString::Format("%s%s : %ld", strName, kPadding, nID);
}

wxString MakeKeyedEntry(const wxString& strName, long nID, long nSecond) {
    return wxString::Format("%s%s : %ld:%ld", strName, kPadding, nID, nSecond);
}

long ParseLeadingNumber(const wxString& strText) {
    size_t i = 0;
    const size_t n = strText.length();
    while (i < n && (strText[i] == ' ' || strText[i] == '\t' || strText[i] == '\n' ||
                     strText[i] == '\r' || strText[i] == '\v' || strText[i] == '\f')) {
        ++i;
    }
    bool bNegative = false;
    if (i < n && (strText[i] == '+' || strText[i] == '-')) {
        bNegative = strText[i] == '-';
        ++i;
    }
    long value = 0;
    for (; i < n && strText[i] >= '0' && strText[i] <= '9'; ++i) {
        const long digit = static_cast<long>(strText[i].GetValue() - '0');
        if (value > (LONG_MAX - digit) / 10) {
            return bNegative ? LONG_MIN : LONG_MAX;
        }
        value = value * 10 + digit;
    }
    return bNegative ? -value : value;
}

long KeyedEntryNumber(const wxString& strEntry) {
    const int nColon = strEntry.Find(':', true);
    return ParseLeadingNumber(nColon == wxNOT_FOUND ? strEntry : strEntry.Mid(nColon + 1));
}

long KeyedEntryFirstNumber(const wxString& strEntry) {
    return KeyedEntryNumber(KeyedEntryName(strEntry));
}

wxString KeyedEntryName(const wxString& strEntry) {
    const int nColon = strEntry.Find(':', true);
    return nColon == wxNOT_FOUND ? wxString() : strEntry.Left(nColon);
}

wxString KeyedEntryVisibleName(const wxString& strEntry) {
    const int nColon = strEntry.Find(':');
    wxString name = nColon == wxNOT_FOUND ? strEntry : strEntry.Left(nColon);
    return name.Trim(true);
}
