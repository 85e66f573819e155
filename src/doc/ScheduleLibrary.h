// What the schedule manager exchanges with the document: one entry of a
// schedule being composed.
#pragma once

#include <wx/string.h>

// The transposition of a schedule entry that has none of its own: the show
// then uses the item's.
constexpr int kOwnTranspose = 999;

// An item at one place of a schedule, with the transposition the schedule
// gives it there.
struct CScheduleEntry {
    int nItemID = 0;
    wxString strTitle;  // "**unknown**" when no item has the ID
    int nTranspose = kOwnTranspose;
    bool bKnown = true;  // false: the item is gone; the row is kept until saved without it
};
