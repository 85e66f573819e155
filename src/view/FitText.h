// Choosing the font size at which a marked-up text fits a box: sizes are
// tried from the start size downward one point (10 tenths) at a time, and the
// first that fits is taken. When none fits, the search ends after the first
// size below zero, and the text is drawn in that smallest font regardless.
#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>

#include "view/Canvas.h"

// How the sizes are examined. Both choose the same size and extent.
enum class FitSearch {
    // Every size is measured line by line until a line is too wide.
    Walk,
    // A size is first tested with what costs no text measurement: every line
    // of a font is equally high, so the text's height is its line count
    // (chord lines included) times the line height. Then the line that was
    // too wide at the size before is measured; only a size that passes both
    // is measured in full, exactly as the walk measures it.
    Pruned,
};

// What a text is laid out as.
enum class FitShape {
    // A text of one line is one line as typed, braces and bars included.
    AsTyped,
    // Every line, a text of one line too, has its chords above its lyric.
    ChordBlock,
};

struct CFitResult {
    wxSize extent;      // the text's extent at the chosen size
    int nSize = 0;      // the chosen size, in tenths of a point
    bool bFont = true;  // false: no font was made (start size 0 or below)
};

// Fits strText (a final line end is ignored; lines may end in CR LF, LF or
// CR) into a box of boxSize, leaving the chosen font selected on dc. Chords
// are measured transposed by nTranspose.
// A start size of 0 or below makes no font: the text is measured in the
// canvas's default font, which stays selected.
CFitResult FitTextToBox(Canvas& dc, wxString strText, int nStartSize, wxSize boxSize,
                        int nTranspose, bool bPreferFlats, FitSearch search = FitSearch::Pruned,
                        FitShape shape = FitShape::AsTyped);
