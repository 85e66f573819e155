// The printable form of an item: its screens one under the other, chords above
// the lyrics, bar lines, inline chords and colour marks, in the print key and
// spelling, in colour or black and white. The same drawing serves the main
// view's print mode and the printed page; pagination counts text lines.
#pragma once

#include <wx/string.h>
#include <vector>

#include "doc/ColourValue.h"

class Canvas;
class CVersiluxDoc;

// The printed chord colour when no Colours row has the configured number: red
// stands apart from the black lyrics and stays legible on paper.
inline constexpr COLORREF kPrintChordFallback = MakeColourValue(255, 0, 0);
// The printed bar-line colour when no Colours row has the configured number.
inline constexpr COLORREF kPrintBarFallback = MakeColourValue(255, 255, 0);

// Everything the print drawing reads besides the entries.
struct CPrintOptions {
    int nTranspose = 0;  // semitones
    bool bPreferFlats = false;
    bool bBlackAndWhite = false;
    int nFontSize = 0;  // Print Font: tenths of a point
    int nMargin = 0;    // left margin in device units
    COLORREF crChord = kPrintChordFallback;
    COLORREF crBar = kPrintBarFallback;
};

// The document's print settings: key, spelling and colour switches, the
// configured print font, margin and printed colours.
CPrintOptions PrintOptionsOf(CVersiluxDoc& doc);

// The first entry of each page (the first is always 0), from the entries'
// line counts: 42 lines a page for screen type 3, 21 for any other. An entry
// is never split: one that does not fit starts the next page, and one longer
// than a page alone runs past its bottom. Counting stops at the first entry
// of type 99. There are as many pages as starts, however many that is.
std::vector<int> PaginateEntries(const std::vector<wxString>& entries);

// What one drawing did.
struct CPrintDrawn {
    int nNextEntry = 0;  // the entry after the last one drawn
    int nBottom = 0;     // the y below the last line drawn
};

// Draws the entries from nFirst on until one of type 99 has been drawn, the
// list ends, or (nStop >= 0) entry nStop is reached: the start of the next
// page. Sets the canvas's font, pen and colours.
CPrintDrawn DrawPrintableEntries(Canvas& canvas, const std::vector<wxString>& entries, int nFirst,
                                 int nStop, const CPrintOptions& options);

// The main view's print mode on screen: the current item, every screen.
CPrintDrawn DrawPrintableItem(CVersiluxDoc& doc, Canvas& canvas);
