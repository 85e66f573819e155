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

// The screen type of a picture.
inline constexpr int kPictureScreen = 50;

// The type code of an entry's first field: its leading digits; 0 without
// any, and a code too long for any screen type reads as an invalid one.
int EntryTypeCode(const wxString& field);

// Screen types split into one screen per part at '&'.
constexpr bool IsSplitType(int nType) {
    return nType == 3 || nType == 4 || nType == 7 || nType == 8;
}

// What an item's entries are made from, whichever source it came from.
struct CEntryTexts {
    int nType = 0;
    wxString strHeading1;
    wxString strHeading2;       // the part heading of type 8
    wxString strShownHeading2;  // field 3 of an item shown whole: Heading2 or its alternative
    wxString strField1;
    wxString strField2;
};

// The item's next entry. A split type gives one part per call: the first
// call (strPartText empty) takes Field1 and the part heading, later calls
// go on with what strPartText kept; the last part leaves strPartText empty.
// Any other type is one entry, the whole item. nPartIndex counts the parts
// given before this one.
wxString NextItemEntry(const CEntryTexts& item, wxString& strPartText, wxString& strPartHeading,
                       int& nPartIndex);

// The five fields; the last one holds the rest of the entry, separators included.
std::array<wxString, 5> SplitEntry(const wxString& strEntry);
