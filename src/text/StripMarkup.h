#pragma once

#include <wx/string.h>

// Reduces a marked-up text to what the screen layouts measure. Colour marks
// always go. With chords, bar marks go too, and when chord marks are left each
// line's chord names are gathered before the lyrics: the result is the chord
// names of every line that has chords, each such line ended by '\r', followed
// by the lyric lines separated by '\r'. A chord at the very end of the text is
// kept as ordinary lyric text, since no lyric stands under it. Lines of the
// text may end in CR LF, LF or CR.
wxString StripMarkup(wxString text, bool chords);
