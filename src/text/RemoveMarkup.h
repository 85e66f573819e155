#pragma once

#include <wx/string.h>

// The plain words of an item text, for the phrase search table and the item
// editor's "Remove Sym" tool: inline chords go with their signs and contents,
// chord marks with their braces and contents, and bar marks; colour marks and
// screen breaks stay; runs of spaces become one space. Malformed markup never
// loses the rest of the text: an inline-chord sign without a partner and a
// chord mark without a closing brace leave the text after them in place.
wxString RemoveMarkup(const wxString& text);
