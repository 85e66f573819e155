// The chord and bar marks of a verse, for the item editor's "Symbols" and
// "Insert" tools, which copy them onto the next verse one at a time.
#pragma once

#include <wx/string.h>

#include <vector>

// The symbols of a text, in text order. A symbol starts at a bar mark "|" or
// a chord mark "{" and takes the marks joined to it: a bar directly before a
// chord mark takes the chord, the character right after "{" always belongs
// to the chord, the chord runs to the next "}", and the "}" and "|"
// characters directly after it belong to the symbol too. Text outside marks
// is skipped. A chord mark never closed yields its opening marks ("{" or
// "|{", with any "}" or "|" directly after them) and the scan goes on after
// them, so a typo never swallows the rest of the song.
std::vector<wxString> CollectSymbols(const wxString& text);
