// The item editor's "Place Chords" tool: a text typed as chord lines over
// lyric lines becomes lyric lines carrying chord marks.
#pragma once

#include <wx/string.h>

// Reads the text strictly as pairs of lines, a chord line over a lyric line,
// and merges each pair into one line: every chord (a run of non-spaces on
// the chord line) becomes a chord mark "{chord}" directly before the lyric
// character under its first letter, and chords that overhang the end of the
// lyric line end up together in one final chord mark. A blank chord line
// (empty or one space) keeps its lyric line; a blank lyric line keeps its
// chord line. A last line without a partner stays as it is, without a line
// end.
//
// Lines may end in CR LF, LF or CR alike; the result's lines end in CR LF,
// as item texts do.
wxString PlaceChords(const wxString& text);
