#include "text/PlainTextSong.h"

#include <vector>

#include "text/LineEnds.h"
#include "text/PlaceChords.h"
#include "text/SongScreens.h"

namespace {

const wxUniChar kInlineChord(0xAC);

// The length of a note name (root letter and accidental) at pos, or 0.
size_t NoteAt(const wxString& token, const size_t pos) {
    if (pos >= token.length() || token[pos] < 'A' || token[pos] > 'G') {
        return 0;
    }
    if (pos + 1 < token.length() && (token[pos + 1] == '#' || token[pos + 1] == 'b')) {
        return 2;
    }
    return 1;
}

// The length of the chord suffix at pos: the longest run of the usual signs.
size_t SuffixAt(const wxString& token, size_t pos) {
    static const char* const kWords[] = {"maj", "min", "dim", "aug", "sus", "add", "M", "m"};
    const size_t start = pos;
    while (pos < token.length()) {
        const wxUniChar c = token[pos];
        if ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '(' || c == ')' || c == '#' ||
            c == 'b') {
            ++pos;
            continue;
        }
        size_t word = 0;
        for (const char* w : kWords) {
            const size_t n = wxStrlen(w);
            if (token.compare(pos, n, w) == 0) {
                word = n;
                break;
            }
        }
        if (word == 0) {
            break;
        }
        pos += word;
    }
    return pos - start;
}

std::vector<wxString> Tokens(const wxString& line) {
    std::vector<wxString> tokens;
    wxString token;
    for (const wxUniChar c : line) {
        if (c == ' ' || c == '\t') {
            if (!token.empty()) {
                tokens.push_back(token);
                token.clear();
            }
        } else {
            token += c;
        }
    }
    if (!token.empty()) {
        tokens.push_back(token);
    }
    return tokens;
}

bool IsNoChord(const wxString& token) {
    return token == "N.C." || token == "NC" || token == "N.C";
}

// A chord line with no words under it, as inline chords the way chord charts
// write introductions: chords between bars grouped in one pair of signs,
// "¬G D¬ | ¬Em C¬".
wxString InlineChords(const wxString& line) {
    wxString out;
    wxString group;
    const auto flush = [&]() {
        if (!group.empty()) {
            if (!out.empty()) {
                out += " ";
            }
            out += kInlineChord + group + kInlineChord;
            group.clear();
        }
    };
    for (const wxString& token : Tokens(line)) {
        if (token == "|") {
            flush();
            out += out.empty() ? "|" : " |";
        } else {
            group += (group.empty() ? "" : " ") + token;
        }
    }
    flush();
    return out;
}

}  // namespace

bool IsChordToken(const wxString& token) {
    size_t pos = NoteAt(token, 0);
    if (pos == 0) {
        return false;
    }
    pos += SuffixAt(token, pos);
    if (pos < token.length() && token[pos] == '/') {
        const size_t bass = NoteAt(token, pos + 1);
        if (bass == 0) {
            return false;
        }
        pos += 1 + bass;
    }
    return pos == token.length();
}

bool IsChordLine(const wxString& line) {
    bool bChord = false;
    for (const wxString& token : Tokens(line)) {
        if (IsChordToken(token) || IsNoChord(token)) {
            bChord = true;
        } else if (token != "|") {
            return false;
        }
    }
    return bChord;
}

bool ReadPlainTextSong(const wxString& text, CSongText& song, CSongFileError& /*error*/) {
    std::vector<wxString> lines;
    for (const TextLine& l : SplitLines(text)) {
        lines.push_back(TrimTrailingBlanks(text.substr(l.begin, l.end - l.begin)));
    }
    song = CSongText();
    size_t i = 0;
    while (i < lines.size() && lines[i].empty()) {
        ++i;
    }
    if (i < lines.size()) {
        song.strTitle = wxString(lines[i]).Trim(false);
        song.strHeading1 = song.strTitle;
        ++i;
    }
    CSongScreenBuilder screens;
    for (; i < lines.size(); ++i) {
        const wxString& line = lines[i];
        if (line.empty()) {
            screens.EndScreen();
            continue;
        }
        if (!IsChordLine(line)) {
            screens.AddLine(line);
            continue;
        }
        song.bChords = true;
        const bool bWordsUnder = i + 1 < lines.size() && !lines[i + 1].empty() &&
                                 !IsChordLine(lines[i + 1]) && !lines[i + 1].StartsWith("&");
        if (bWordsUnder) {
            // The item editor's Place Chords, so a text reads the same
            // whether it was imported or pasted and placed by hand.
            const wxString placed = PlaceChords(line + "\r\n" + lines[i + 1]);
            screens.AddLine(WithoutFinalLineEnd(placed));
            ++i;
        } else {
            screens.AddLine(InlineChords(line));
        }
    }
    song.strField1 = screens.Text();
    return true;
}
