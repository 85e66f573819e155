// What the item editors exchange with the document: a listed item, the texts
// of the edit boxes, an item's properties and a choice of a list.
#pragma once

#include <wx/string.h>
#include <array>
#include <cstddef>
#include <vector>

// The longest title an item may have.
constexpr size_t kMaxItemTitle = 100;

// One entry of an editor's item list.
struct CListedItem {
    int nID = 0;
    wxString strTitle;
    int nTranspose = 0;  // the item's own
};

// The item editor's boxes. Texts are as edit boxes hold them: lines end in
// LF alone, where items hold CR LF.
struct CItemEditTexts {
    wxString strHeading1;
    wxString strField1;
    wxString strHeading2;
    wxString strField2;
    wxString strFileName;
    std::array<bool, 4> flags{};
};

// An item's attributes beside its texts. Colours and the VPD are row IDs;
// 0 for a colour, kind -1 or type 0 mean "none chosen".
struct CItemProperties {
    wxString strTitle;
    int nForeground = 0;
    int nForeground2 = 0;
    int nBackground = 0;
    int nSubtype = -1;
    int nType = 0;
    int nTranspose = 0;
    bool bPreferFlats = false;
    int nBPM = 0;
    int nVPD = 0;
};

// What writing an item's properties did.
struct CPropertiesOutcome {
    bool bWritten = false;           // some column changed
    bool bTransposeChanged = false;  // the operator should hear about schedules
    bool bVPDFound = true;           // false: the VPD was gone and stayed unchanged
};

// The longest name a VPD may have.
constexpr size_t kMaxVPDName = 50;

// What still belongs to a VPD: while either count is above 0 it stays.
struct CVPDUsage {
    int nItems = 0;
    int nSchedules = 0;
};

// A row of a list the operator picks from (a colour, a VPD).
struct CChoice {
    int nID = 0;
    wxString strName;
};

// The position of the entry that stands for row nID (a listed item, a
// choice), or -1 when none does.
template <typename Entry>
int IndexOfID(const std::vector<Entry>& entries, int nID) {
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].nID == nID) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The row ID of the entry at nIndex, or nNone when nIndex names no entry (a
// list left without a choice).
template <typename Entry>
int IDAtIndex(const std::vector<Entry>& entries, int nIndex, int nNone) {
    return nIndex >= 0 && static_cast<size_t>(nIndex) < entries.size() ? entries[nIndex].nID
                                                                       : nNone;
}
