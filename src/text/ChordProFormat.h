// ChordPro song files: directives in braces, chords in square brackets
// before their syllable, sections that make the screens.
#pragma once

#include <wx/string.h>

#include "text/SongFile.h"

// Reads a ChordPro text (already checked and decoded) into song.
bool ReadChordPro(const wxString& text, CSongText& song, CSongFileError& error);
