// Songs kept as plain text: a title line, then verses separated by blank
// lines, chords (if any) on lines of their own over the words.
#pragma once

#include <wx/string.h>

#include "text/SongFile.h"

// Reads a plain text (already checked and decoded) into song.
bool ReadPlainTextSong(const wxString& text, CSongText& song, CSongFileError& error);

// Whether a blank-separated token is a chord name: a root A to G, an optional
// # or b, a suffix of the usual chord signs (m, maj, min, dim, aug, sus,
// add, digits, +, -, parentheses, # and b) and an optional /bass note.
bool IsChordToken(const wxString& token);
// Whether a line holds chords (or N.C.) and bar marks "|" alone.
bool IsChordLine(const wxString& line);
