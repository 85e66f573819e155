#include "view/MarkedLine.h"

#include <algorithm>

#include "text/ChordTransposer.h"

namespace {

const wxUniChar kInlineChordSign(0xAC);

bool IsLetter(wxUniChar c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The character a chord mark's side is judged by: the one at i, or the next
// one outwards when that is a bar mark; a space beyond the text.
wxUniChar SideCharacter(const wxString& text, long i, long step) {
    const long n = static_cast<long>(text.length());
    if (i >= 0 && i < n && text[static_cast<size_t>(i)] == '|') {
        i += step;
    }
    return i >= 0 && i < n ? text[static_cast<size_t>(i)] : wxUniChar(' ');
}

// The number of a colour mark: the digits after its '['; 0 when there are
// none, -1 (no colour) when there are too many to be a colour.
int ColourNumber(const wxString& text, size_t i) {
    int number = 0;
    int digits = 0;
    for (; i < text.length() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (++digits > 6) {
            return -1;
        }
        number = number * 10 + static_cast<int>(text[i].GetValue() - '0');
    }
    return number;
}

}  // namespace

wxString ExpandInlineChords(const wxString& strLine, int nTranspose, bool bPreferFlats) {
    if (strLine.find(kInlineChordSign) == wxString::npos) {
        return strLine;
    }
    wxString result;
    result.reserve(strLine.length() + 16);
    size_t pos = 0;
    while (true) {
        const size_t open = strLine.find(kInlineChordSign, pos);
        if (open == wxString::npos) {
            break;
        }
        const size_t close = strLine.find(kInlineChordSign, open + 1);
        if (close == wxString::npos) {
            break;
        }
        result.append(strLine, pos, open - pos);
        result += "[5]";
        result += TransposeChordText(strLine.substr(open + 1, close - open - 1), nTranspose,
                                     bPreferFlats);
        result += "[0]";
        pos = close + 1;
    }
    result.append(strLine, pos, wxString::npos);
    return result;
}

void DrawMarkedLine(Canvas& dc, int x, int y, int nChordOffset, const wxString& strLine,
                    int nTranspose, bool bPreferFlats, const CLineColours& colours,
                    wxSize* pExtent) {
    const bool bDraw = pExtent == nullptr;
    const wxString text = ExpandInlineChords(strLine, nTranspose, bPreferFlats);
    const size_t n = text.length();
    const bool bChords = nChordOffset > 0 && text.find('{') != wxString::npos;
    const int offset = bChords ? nChordOffset : 0;
    // Every extent of a font has its line height, the whole line's included.
    const int lineHeight = dc.GetLineHeight();
    const wxString marks = bChords ? "[{|" : "[";
    // Where the last closing characters stand, so a mark left open is known
    // at once instead of by scanning the rest of the line again.
    const size_t lastBracket = text.rfind(']');
    const size_t lastBrace = text.rfind('}');

    const COLORREF crStart = dc.GetTextColour();
    COLORREF crCurrent = crStart;
    COLORREF crKept = crStart;
    int cx = x;
    // No chord drawn yet: nothing to keep clear of.
    int chordEnd = x;

    auto width = [&dc](const wxString& s) { return s.empty() ? 0 : dc.GetTextExtent(s).x; };
    // Draws and measures the lyric text between two marks.
    auto lyric = [&](size_t from, size_t to) {
        if (to <= from) {
            return 0;
        }
        const wxString fragment = text.substr(from, to - from);
        if (bDraw) {
            dc.DrawText(fragment, cx, y + offset);
        }
        return width(fragment);
    };

    size_t pos = 0;
    while (pos < n) {
        const size_t i = text.find_first_of(marks, pos);
        if (i == wxString::npos) {
            break;
        }
        const wxUniChar mark = text[i];
        if (mark == '[') {
            cx += lyric(pos, i);
            const size_t close = lastBracket != wxString::npos && lastBracket > i
                                     ? text.find(']', i + 1)
                                     : wxString::npos;
            if (bDraw) {
                const int number = ColourNumber(text, i + 1);
                const COLORREF choices[] = {colours.crForeground, colours.crForeground2,
                                            colours.crForeground3, colours.crForeground4,
                                            colours.crChord};
                if (number >= 1 && number <= 5) {
                    crKept = crCurrent;
                    crCurrent = choices[number - 1];
                    dc.SetTextColour(crCurrent);
                } else if (number == 0) {
                    crCurrent = crKept;
                    dc.SetTextColour(crCurrent);
                }
            }
            pos = close == wxString::npos ? i + 1 : close + 1;
        } else if (mark == '{') {
            cx += lyric(pos, i);
            const size_t close = lastBrace != wxString::npos && lastBrace > i
                                     ? text.find('}', i + 1)
                                     : wxString::npos;
            wxString chord;
            size_t after;
            if (close == wxString::npos) {
                after = std::min(i + 2, n);
            } else {
                chord = text.substr(i + 1, close - i - 1);
                after = close + 1;
            }
            if (cx < chordEnd) {
                // The chord before is wider than the lyric under it: the rest
                // of the lyric moves past it.
                if (bDraw && IsLetter(SideCharacter(text, static_cast<long>(i) - 1, -1)) &&
                    IsLetter(SideCharacter(text, static_cast<long>(after), 1))) {
                    const int mid = y + offset + lineHeight / 2;
                    dc.SetPen(Canvas::PenStyle::Dotted, 1, colours.crForeground);
                    dc.DrawLine(cx, mid, chordEnd, mid);
                }
                cx = chordEnd;
            }
            const wxString shown = TransposeChordText(chord, nTranspose, bPreferFlats);
            if (bDraw && !shown.empty()) {
                dc.SetTextColour(colours.crChord);
                dc.DrawText(shown, cx, y);
                dc.SetTextColour(crCurrent);
            }
            chordEnd = cx + width(shown) + 5;
            pos = after;
        } else {  // a bar mark
            // A bar with nothing left after it stands a space clear of the cursor.
            cx += (i == pos && i + 1 == n) ? width(" ") : lyric(pos, i);
            if (bDraw) {
                dc.SetPen(Canvas::PenStyle::Solid, 2, colours.crBar);
                dc.DrawLine(cx, y, cx, y + offset + lineHeight);
            }
            pos = i + 1;
        }
    }
    const int rest = pos < n ? lyric(pos, n) : 0;
    if (pExtent) {
        *pExtent = wxSize(std::max(cx, chordEnd) - x + rest, lineHeight + offset);
    }
}
