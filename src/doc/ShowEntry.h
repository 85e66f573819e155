// Show entries: one string per screen, five fields separated by '\b'
// (the screen type or a marker code, then four texts).
#pragma once

#include <wx/string.h>
#include <array>

inline constexpr wxChar kEntrySeparator = '\b';

inline const wxString kEntryNotFound = "99\b**Not Found**\b\b\b";
inline const wxString kEntryEndOfSource = "99\b**end - Press Q to quit**\b\b\b";
inline const wxString kEntryEndNotice = "99\b**end - Press Q to quit or advance for menu**\b\b\b";
inline const wxString kEntryMenu = "100\b**menu**\b\b\b";

// Screen types split into one screen per part at '&'.
constexpr bool IsSplitType(int nType) {
    return nType == 3 || nType == 4 || nType == 7 || nType == 8;
}

// The five fields; the last one holds the rest of the entry, separators included.
std::array<wxString, 5> SplitEntry(const wxString& strEntry);
