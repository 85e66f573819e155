// Line ends of song texts. Item texts end their lines with CR LF; the edit
// boxes of the toolkit deliver LF alone. Layouts read CR LF, LF and CR alike
// as one line end, so a text laid out reads the same whichever it holds.
#pragma once

#include <wx/string.h>
#include <vector>

// Text from an edit box as an item text: every LF gets its CR; a CR LF
// already there stays as it is.
wxString EditToItemText(const wxString& text);
// An item text for an edit box: every CR LF becomes LF.
wxString ItemToEditText(const wxString& text);

// The text as one line: every line end (CR LF, LF or CR) becomes a blank.
wxString LineEndsAsBlanks(wxString text);

// Whether the text holds a line end.
bool HasLineEnd(const wxString& text);
// Where the first line end at or after pos stands (its CR or LF), or npos.
size_t FindLineEnd(const wxString& text, size_t pos = 0);
// Where the next line begins, for a line end at pos.
size_t AfterLineEnd(const wxString& text, size_t pos);
// The text without one line end at its very end: a last line end closes the
// last line and opens none.
wxString WithoutFinalLineEnd(const wxString& text);

// One line of a text: the characters [begin, end), its line end excluded.
struct TextLine {
    size_t begin = 0;
    size_t end = 0;
};
// The lines of a text. A line end at the very end opens no further line, so
// an empty text has none.
std::vector<TextLine> SplitLines(const wxString& text);
