#include "text/StripMarkup.h"

#include "text/LineEnds.h"

namespace {

// Removes each '[' up to and including the first ']' after it; a '[' with no
// ']' after it goes alone.
wxString RemoveColourMarks(const wxString& text) {
    // Knowing where the last ']' stands keeps unclosed marks from rescanning
    // the rest of the text for each '['.
    const size_t lastClose = text.rfind(']');
    wxString result;
    result.reserve(text.length());
    size_t pos = 0;
    while (pos < text.length()) {
        const size_t open = text.find('[', pos);
        if (open == wxString::npos) {
            result.append(text, pos, wxString::npos);
            break;
        }
        result.append(text, pos, open - pos);
        if (lastClose != wxString::npos && lastClose > open) {
            pos = text.find(']', open + 1) + 1;
        } else {
            pos = open + 1;
        }
    }
    return result;
}

wxString RemoveBars(const wxString& text) {
    wxString result;
    result.reserve(text.length());
    for (const wxUniChar c : text) {
        if (c != '|') {
            result += c;
        }
    }
    return result;
}

// Splits the line text[begin, end) into its chord names (appended to chordLine)
// and its lyric (appended to lyrics). Returns whether the line had a chord.
bool SplitLine(const wxString& text, size_t begin, size_t end, wxString& chordLine,
               wxString& lyrics) {
    size_t lastClose = wxString::npos;
    for (size_t i = end; i > begin; --i) {
        if (text[i - 1] == '}') {
            lastClose = i - 1;
            break;
        }
    }
    bool hadChords = false;
    size_t i = begin;
    while (i < end) {
        const wxUniChar c = text[i];
        if (c != '{') {
            lyrics += c;
            ++i;
            continue;
        }
        hadChords = true;
        if (lastClose != wxString::npos && lastClose > i) {
            const size_t close = text.find('}', i + 1);
            chordLine.append(text, i + 1, close - i - 1);
            i = close + 1;
        } else {
            // An unclosed chord mark goes with the character after it and
            // names an empty chord.
            i = i + 2 < end ? i + 2 : end;
        }
    }
    return hadChords;
}

}  // namespace

wxString StripMarkup(wxString text, bool chords) {
    text = RemoveColourMarks(text);
    if (!chords) {
        return text;
    }
    text = RemoveBars(text);
    if (!text.empty() && text.Last() == '}') {
        text.RemoveLast();
        const size_t open = text.rfind('{');
        if (open != wxString::npos) {
            text.erase(open, 1);
        }
    }
    if (text.find('{') == wxString::npos) {
        return text;
    }
    // The extra "\r " closes the last line like every other.
    text += "\r ";
    wxString chordLines;
    wxString lyrics;
    chordLines.reserve(text.length());
    lyrics.reserve(text.length());
    size_t pos = 0;
    while (pos < text.length()) {
        // Lines end in CR LF, or in LF or CR alone.
        const size_t end = FindLineEnd(text, pos);
        if (end == wxString::npos) {
            break;
        }
        if (SplitLine(text, pos, end, chordLines, lyrics)) {
            chordLines += '\r';
        }
        lyrics += '\r';
        pos = AfterLineEnd(text, end);
    }
    lyrics.RemoveLast();
    return chordLines + lyrics;
}
