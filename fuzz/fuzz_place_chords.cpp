// The item editor's text tools over arbitrary texts: Place Chords and the
// symbol collection of Symbols/Insert.

#include <vector>

#include "FuzzInput.h"
#include "text/LineEnds.h"
#include "text/PlaceChords.h"
#include "text/Symbols.h"

namespace {

bool IsBlank(const wxString& line) {
    return line.empty() || line == " ";
}

// The line without its chord marks, and the marks' contents run together.
void SplitMarks(const wxString& line, wxString& lyric, wxString& chords) {
    bool inMark = false;
    for (const wxUniChar c : line) {
        if (c == '{') {
            inMark = true;
        } else if (c == '}') {
            inMark = false;
        } else if (inMark) {
            chords += c;
        } else {
            lyric += c;
        }
    }
}

wxString WithoutSpaces(wxString text) {
    text.Replace(" ", "");
    return text;
}

void CheckPlaceChords(const wxString& text) {
    const wxString placed = PlaceChords(text);
    const std::vector<TextLine> in = SplitLines(text);
    const size_t pairs = in.size() / 2;
    // One CR LF per pair and no other line end: the lines themselves hold none.
    wxString rest = placed;
    FUZZ_CHECK(rest.Replace("\r\n", "") == pairs);
    FUZZ_CHECK(!HasLineEnd(rest));
    if (text.find_first_of("{}") != wxString::npos) {
        return;  // marks typed already cannot be told from the placed ones
    }
    // Each merged line holds its lyric line whole and in order, and the
    // chord line's chords in order.
    auto line = [](const wxString& s, const TextLine& l) {
        return s.substr(l.begin, l.end - l.begin);
    };
    // An empty last line without partner leaves nothing after the last pair.
    const bool bLastAlone = in.size() % 2 == 1 && !line(text, in.back()).empty();
    const std::vector<TextLine> out = SplitLines(placed);
    FUZZ_CHECK(out.size() == pairs + (bLastAlone ? 1 : 0));
    for (size_t k = 0; k < pairs; ++k) {
        const wxString h = line(text, in[2 * k]);
        const wxString e = line(text, in[2 * k + 1]);
        const wxString d = line(placed, out[k]);
        if (IsBlank(h)) {
            FUZZ_CHECK(d == e);
        } else if (IsBlank(e)) {
            FUZZ_CHECK(d == h);
        } else {
            wxString lyric, chords;
            SplitMarks(d, lyric, chords);
            FUZZ_CHECK(lyric == e);
            FUZZ_CHECK(WithoutSpaces(chords) == WithoutSpaces(h));
        }
    }
    if (bLastAlone) {
        FUZZ_CHECK(line(placed, out.back()) == line(text, in.back()));
    }
}

void CheckSymbols(const wxString& text) {
    const std::vector<wxString> symbols = CollectSymbols(text);
    // Each symbol is a piece of the text starting at a mark, in text order,
    // and no two overlap.
    size_t pos = 0;
    for (const wxString& symbol : symbols) {
        FUZZ_CHECK(!symbol.empty());
        FUZZ_CHECK(symbol[0] == '|' || symbol[0] == '{');
        const size_t at = text.find(symbol, pos);
        FUZZ_CHECK(at != wxString::npos);
        pos = at + symbol.length();
    }
}

void Check(const wxString& text) {
    CheckPlaceChords(text);
    CheckSymbols(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Check(FuzzTextUtf8(data, size));
    Check(FuzzTextLatin1(data, size));
    return 0;
}
