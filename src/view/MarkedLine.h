// Drawing and measuring one line of marked-up song text: colour marks, chords
// above the lyric, bar lines, the dotted line that joins a word a chord has
// pushed apart, and inline chords drawn within the lyric.
#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>

#include "doc/ColourValue.h"
#include "view/Canvas.h"

// The colours of one show entry's marked text.
struct CLineColours {
    COLORREF crForeground = 0;   // colour mark 1 and the word-joining line
    COLORREF crForeground2 = 0;  // colour mark 2
    COLORREF crForeground3 = 0;  // colour mark 3
    COLORREF crForeground4 = 0;  // colour mark 4
    COLORREF crChord = 0;        // colour mark 5 and chords
    COLORREF crBar = 0;          // bar lines
};

// Replaces each pair of inline-chord signs and the chord between them with
// "[5]", the transposed chord and "[0]". A last sign without a partner stays
// as an ordinary character.
wxString ExpandInlineChords(const wxString& strLine, int nTranspose, bool bPreferFlats);

// Draws strLine with its chord line's top at y and its lyric nChordOffset
// below, starting at x; chords and bar marks are read only when nChordOffset
// is above 0 and the line has a '{', otherwise they are drawn as typed. The
// text colour at the call is the line's starting colour; the colour in
// effect at the line's end stays set.
//
// With pExtent nothing is drawn: the width of the line (from x) and its
// height, chord line included, are stored there.
void DrawMarkedLine(Canvas& dc, int x, int y, int nChordOffset, const wxString& strLine,
                    int nTranspose, bool bPreferFlats, const CLineColours& colours,
                    wxSize* pExtent = nullptr);
