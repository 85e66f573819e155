// What the Configuration dialog edits of the config row: every setting but
// the display placement (which has a dialog of its own) and Version.
#pragma once

#include <wx/string.h>
#include <array>

struct CConfigValues {
    // Font sizes in tenths of a point.
    int nMaxFont = 0;
    int nNormalFont = 0;
    int nPrintFont = 0;
    int nMargin = 0;
    // Colours are Colours IDs, the VPD a VPD ID.
    int nForeground = 0;   // Foreground_Default
    int nForeground2 = 0;  // Foreground2_Default
    int nForeground3 = 0;
    int nForeground4 = 0;
    int nBackground = 0;   // Background_Default
    int nChordScreen = 0;  // Chord_screen
    int nBarScreen = 0;    // Bar_screen
    int nChordPrint = 0;   // Chord_colour
    int nBarPrint = 0;     // Bar_colour
    int nVPD = 0;          // VPD_Default
    // The screen type new items of each kind get: Screen1_default (titles) to
    // Screen5_default (pictures); 0 for none.
    std::array<int, 5> defaultTypes{};
    bool bKensington = false;
    bool bTabletMode = false;
    // The captions of the item editor's four flag check boxes.
    std::array<wxString, 4> flagCaptions;
};
