#include "text/RemoveMarkup.h"

namespace {

const wxUniChar kInlineChordSign(0xAC);

// Cuts each pair of inline-chord signs, counted from the left, with what is
// between them. A last sign without a partner stays as an ordinary character.
wxString RemoveInlineChords(const wxString& text) {
    wxString result;
    result.reserve(text.length());
    size_t pos = 0;
    while (pos < text.length()) {
        const size_t open = text.find(kInlineChordSign, pos);
        if (open == wxString::npos) {
            break;
        }
        const size_t close = text.find(kInlineChordSign, open + 1);
        if (close == wxString::npos) {
            break;
        }
        result.append(text, pos, open - pos);
        pos = close + 1;
    }
    if (pos < text.length()) {
        result.append(text, pos, wxString::npos);
    }
    return result;
}

// Appends c, except a space directly after a space, so runs of spaces shrink
// to one as the result grows.
void AppendCollapsingSpaces(wxString& out, wxUniChar c) {
    if (c == ' ' && !out.empty() && out.Last() == ' ') {
        return;
    }
    out += c;
}

}  // namespace

wxString RemoveMarkup(const wxString& text) {
    const wxString plain = RemoveInlineChords(text);
    const size_t length = plain.length();
    // Knowing where the last '}' stands keeps unclosed chord marks from
    // rescanning the rest of the text for each '{'.
    const size_t lastClose = plain.rfind('}');
    wxString result;
    result.reserve(length);
    size_t pos = 0;
    while (pos < length) {
        const wxUniChar c = plain[pos];
        if (c != '|' && c != '{') {
            AppendCollapsingSpaces(result, c);
            ++pos;
        } else {
            // A chord starts at '{', or at a bar directly before '{'. Its first
            // character (for a bar, the '{' itself) always goes, and the chord
            // runs up to the next '}' after that.
            const bool chord = c == '{' || (pos + 1 < length && plain[pos + 1] == '{');
            const size_t body = pos + 1;
            ++pos;
            // Without a closing brace only the opening mark goes, so a typo
            // never swallows the rest of the song.
            if (chord && lastClose != wxString::npos && lastClose > body) {
                pos = plain.find('}', body + 1);
            }
        }
        while (pos < length && (plain[pos] == '}' || plain[pos] == '|')) {
            ++pos;
        }
    }
    return result;
}
