#include "text/ChordProFormat.h"

#include <wx/arrstr.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "text/LineEnds.h"
#include "text/SongCredits.h"
#include "text/SongScreens.h"

namespace {

struct Directive {
    wxString strName;   // lower case
    wxString strValue;  // as written, one separating blank taken off
};

wxString Trimmed(wxString text) {
    return text.Trim(true).Trim(false);
}

bool IsBlank(const wxUniChar c) {
    return c == ' ' || c == '\t';
}

size_t FirstNonBlank(const wxString& line) {
    size_t i = 0;
    while (i < line.length() && IsBlank(line[i])) {
        ++i;
    }
    return i;
}

// "name: value", "name:value" or "name value". Values are kept as written
// but for the one blank that separates them, so that comments and labels keep
// an indent the author gave them.
Directive ParseDirective(const wxString& inner) {
    const size_t begin = FirstNonBlank(inner);
    size_t end = begin;
    while (end < inner.length() && inner[end] != ':' && !IsBlank(inner[end])) {
        ++end;
    }
    Directive d;
    d.strName = inner.substr(begin, end - begin).Lower();
    size_t next = end;
    while (next < inner.length() && IsBlank(inner[next])) {
        ++next;
    }
    size_t value = end;
    if (next < inner.length() && inner[next] == ':') {
        value = next + 1;
    }
    if (value < inner.length() && IsBlank(inner[value])) {
        ++value;
    }
    d.strValue = value < inner.length() ? inner.substr(value) : wxString();
    return d;
}

// A lyric line with its [chords] as chord marks; a bracket holding one digit
// is a colour mark and stays. False when a "[" is not closed on the line.
bool LyricLine(const wxString& line, wxString& lyric) {
    lyric.clear();
    size_t i = 0;
    while (i < line.length()) {
        if (line[i] != '[') {
            lyric += line[i];
            ++i;
            continue;
        }
        const size_t close = line.find(']', i + 1);
        if (close == wxString::npos) {
            return false;
        }
        const wxString inner = line.substr(i + 1, close - i - 1);
        if (inner.length() == 1 && inner[0] >= '0' && inner[0] <= '9') {
            lyric += "[" + inner + "]";
        } else if (!inner.empty()) {
            lyric += "{" + inner + "}";
        }
        i = close + 1;
    }
    return true;
}

// The section a start_of_/end_of_ directive names ("verse", "chorus", ...),
// or empty when the directive is none of them.
wxString SectionOf(const wxString& name, const wxString& prefix, const wxString& shortPrefix) {
    if (name.StartsWith(prefix) && name.length() > prefix.length()) {
        return name.substr(prefix.length());
    }
    static const struct {
        const char* letter;
        const char* section;
    } kShort[] = {{"v", "verse"}, {"c", "chorus"}, {"b", "bridge"}, {"t", "tab"}, {"g", "grid"}};
    for (const auto& s : kShort) {
        if (name == shortPrefix + s.letter) {
            return s.section;
        }
    }
    return wxString();
}

bool ParseWholeNumber(const wxString& text, long& value) {
    const wxString t = Trimmed(text);
    return !t.empty() && t.ToLong(&value) && t.find_first_not_of("+-0123456789") == wxString::npos;
}

class CChordProReader {
  public:
    bool Read(const wxString& text, CSongText& song, CSongFileError& error);

  private:
    bool Fail(int line, const wxString& reason);
    bool HandleDirective(const Directive& d, int line);

    CSongFileError* m_pError = nullptr;
    CSongScreenBuilder m_screens;
    wxString m_strTitle;
    wxString m_strSubtitle;
    std::vector<wxString> m_details;
    CSongCredits m_credits;
    bool m_bHeading1 = false;
    wxString m_strHeading1;
    bool m_bHeading2Alt = false;
    wxString m_strHeading2Alt;
    int m_nBPM = 0;
    int m_nTranspose = 0;
    bool m_bPreferFlats = false;
    int m_nType = 0;
    int m_colours[3] = {0, 0, 0};
    wxString m_strSection;  // the open section; empty outside sections
    int m_nSectionLine = 0;
};

bool CChordProReader::Fail(const int line, const wxString& reason) {
    m_pError->nLine = line;
    m_pError->strReason = reason;
    return false;
}

bool CChordProReader::HandleDirective(const Directive& d, const int line) {
    const wxString& name = d.strName;
    if (name == "title" || name == "t") {
        if (m_strTitle.empty()) {
            m_strTitle = Trimmed(d.strValue);
        }
    } else if (name == "subtitle" || name == "st") {
        if (m_strSubtitle.empty()) {
            m_strSubtitle = Trimmed(d.strValue);
        }
    } else if (name == "key" || name == "time") {
        AddCredit(m_details, d.strValue);
    } else if (name == "tempo") {
        long bpm = 0;
        if (m_nBPM == 0 && ParseWholeNumber(d.strValue, bpm) && bpm >= 1 && bpm <= 999) {
            m_nBPM = static_cast<int>(bpm);
        } else {
            AddCredit(m_details, d.strValue);
        }
    } else if (name == "artist") {
        AddCredit(m_credits.others, d.strValue);
    } else if (name == "composer") {
        AddCredit(m_credits.music, d.strValue);
    } else if (name == "lyricist") {
        AddCredit(m_credits.words, d.strValue);
    } else if (name == "copyright") {
        AddCredit(m_credits.copyright, d.strValue);
    } else if (name == "transpose") {
        long n = 0;
        if (!ParseWholeNumber(d.strValue, n) || n < -12 || n > 12) {
            return Fail(line, "{transpose} takes a whole number of semitones from -12 to 12");
        }
        m_nTranspose = static_cast<int>(n);
    } else if (name == "x_versilux_heading1") {
        m_bHeading1 = true;
        m_strHeading1 = Trimmed(d.strValue);
    } else if (name == "x_versilux_heading2_alt") {
        m_bHeading2Alt = true;
        m_strHeading2Alt = Trimmed(d.strValue);
    } else if (name == "x_versilux_prefer_flats") {
        const wxString v = Trimmed(d.strValue).Lower();
        m_bPreferFlats = v == "true" || v == "yes" || v == "1" || v == "on";
    } else if (name == "x_versilux_layout") {
        // Only a type a layout has; anything else leaves the default.
        long type = 0;
        if (ParseWholeNumber(d.strValue, type) && ((type >= 1 && type <= 8) || type == 50)) {
            m_nType = static_cast<int>(type);
        }
    } else if (name == "x_versilux_colours") {
        // All three colour numbers, or none.
        const wxArrayString numbers = wxSplit(Trimmed(d.strValue), ' ');
        int colours[3] = {0, 0, 0};
        bool bValid = numbers.size() == 3;
        for (size_t i = 0; bValid && i < 3; ++i) {
            long n = 0;
            bValid = ParseWholeNumber(numbers[i], n) && n > 0 && n <= 0x7FFF;
            colours[i] = static_cast<int>(n);
        }
        if (bValid) {
            std::copy(std::begin(colours), std::end(colours), m_colours);
        }
    } else if (name == "comment" || name == "c" || name == "comment_italic" || name == "ci" ||
               name == "comment_box" || name == "cb" || name == "highlight") {
        m_screens.AddLine(d.strValue);
    } else if (name == "chorus") {
        m_screens.AddLine("Chorus");
    } else if (const wxString start = SectionOf(name, "start_of_", "so"); !start.empty()) {
        if (!m_strSection.empty()) {
            return Fail(line, wxString::Format("a section starts inside the %s opened on line %d; "
                                               "close that with {end_of_%s} first",
                                               m_strSection, m_nSectionLine, m_strSection));
        }
        m_strSection = start;
        m_nSectionLine = line;
        m_screens.StartScreen(d.strValue);
    } else if (const wxString end = SectionOf(name, "end_of_", "eo"); !end.empty()) {
        // A stray end of a section that was never opened hides nothing: it
        // is passed over, as editors leave such lines behind.
        if (m_strSection.empty()) {
            return true;
        }
        if (end != m_strSection) {
            return Fail(line, wxString::Format("{end_of_%s} cannot close the %s opened on line %d",
                                               end, m_strSection, m_nSectionLine));
        }
        m_strSection.clear();
        m_screens.EndScreen();
    }
    // Every other directive (chord diagrams, fonts, ...) says nothing an item
    // keeps.
    return true;
}

bool CChordProReader::Read(const wxString& text, CSongText& song, CSongFileError& error) {
    m_pError = &error;
    const std::vector<TextLine> lines = SplitLines(text);
    for (size_t n = 0; n < lines.size(); ++n) {
        const int lineNo = static_cast<int>(n) + 1;
        const wxString line =
            TrimTrailingBlanks(text.substr(lines[n].begin, lines[n].end - lines[n].begin));
        const size_t lead = FirstNonBlank(line);
        if (lead < line.length() && line[lead] == '{') {
            if (!line.EndsWith("}")) {
                return Fail(lineNo,
                            "the directive is not closed: a line starting with { must "
                            "end with }");
            }
            const size_t length = line.length() - lead - 2;
            if (!HandleDirective(ParseDirective(line.substr(lead + 1, length)), lineNo)) {
                return false;
            }
            continue;
        }
        if (line.StartsWith("#")) {
            continue;  // a note for whoever edits the file
        }
        if (line.empty()) {
            // Blank lines divide screens outside sections; inside a section
            // they are part of it.
            if (m_strSection.empty()) {
                m_screens.EndScreen();
            } else {
                m_screens.AddLine(line);
            }
            continue;
        }
        if (m_strSection == "tab" || m_strSection == "grid") {
            m_screens.AddLine(line);  // columns of a tablature, taken as they stand
            continue;
        }
        wxString lyric;
        if (!LyricLine(line, lyric)) {
            return Fail(lineNo, "a [ is not closed on this line: a chord is written [G]");
        }
        m_screens.AddLine(lyric);
    }
    if (!m_strSection.empty()) {
        return Fail(m_nSectionLine,
                    wxString::Format("the %s that starts here is never closed with {end_of_%s}",
                                     m_strSection, m_strSection));
    }
    song = CSongText();
    song.strTitle = m_strTitle;
    song.strHeading1 = m_bHeading1 ? m_strHeading1 : m_strTitle;
    const wxString base = !m_strSubtitle.empty() || m_details.empty() ? m_strSubtitle : m_strTitle;
    song.strHeading2 = HeadingWithDetails(base, m_details);
    song.strHeading2Alt = m_bHeading2Alt ? m_strHeading2Alt : CreditsText(m_credits);
    song.strField1 = m_screens.Text();
    song.nBPM = m_nBPM;
    song.nTranspose = m_nTranspose;
    song.bPreferFlats = m_bPreferFlats;
    song.nType = m_nType;
    song.nBackground = m_colours[0];
    song.nForeground = m_colours[1];
    song.nForeground2 = m_colours[2];
    song.bChords = true;
    return true;
}

// A main-text line in ChordPro: chord marks become [chords]. A line that
// would not read back as it stands (a bracket of its own, an empty chord,
// a start that reads as a directive or a comment) goes into a comment, which
// keeps it word for word.
wxString ChordProLine(const wxString& line) {
    wxString out;
    size_t i = 0;
    while (i < line.length()) {
        if (line[i] == '{') {
            const size_t close = line.find('}', i + 1);
            if (close != wxString::npos) {
                out += "[" + line.substr(i + 1, close - i - 1) + "]";
                i = close + 1;
                continue;
            }
        }
        out += line[i];
        ++i;
    }
    const size_t lead = FirstNonBlank(out);
    wxString back;
    if (lead < out.length() && out[lead] != '{' && out[0] != '#' && LyricLine(out, back) &&
        back == line) {
        return out;
    }
    return "{comment: " + line + "}";
}

wxString SectionFor(const wxString& label) {
    const wxString l = label.Lower();
    if (l.StartsWith("chorus") || l.StartsWith("refrain")) {
        return "chorus";
    }
    if (l.StartsWith("bridge")) {
        return "bridge";
    }
    return "verse";
}

}  // namespace

bool ReadChordPro(const wxString& text, CSongText& song, CSongFileError& error) {
    CChordProReader reader;
    return reader.Read(text, song, error);
}

std::string WriteChordPro(const CSongText& song) {
    wxString out;
    const auto directive = [&out](const wxString& name, const wxString& value) {
        out += "{" + name + ": " + LineEndsAsBlanks(value) + "}\n";
    };
    if (!song.strTitle.empty()) {
        directive("title", song.strTitle);
    }
    // ChordPro has one title; the program's first heading, when it differs,
    // and what ChordPro has no word for go into directives of our own.
    if (song.strHeading1 != song.strTitle) {
        directive("x_versilux_heading1", song.strHeading1);
    }
    if (!song.strHeading2.empty()) {
        directive("subtitle", song.strHeading2);
    }
    if (!song.strHeading2Alt.empty()) {
        directive("x_versilux_heading2_alt", song.strHeading2Alt);
    }
    if (song.nBPM > 0) {
        directive("tempo", wxString::Format("%d", song.nBPM));
    }
    if (song.nTranspose != 0) {
        directive("transpose", wxString::Format("%d", song.nTranspose));
    }
    if (song.bPreferFlats) {
        directive("x_versilux_prefer_flats", "true");
    }
    if (song.nType > 0) {
        directive("x_versilux_layout", wxString::Format("%d", song.nType));
    }
    if (song.nBackground > 0 && song.nForeground > 0 && song.nForeground2 > 0) {
        directive("x_versilux_colours", wxString::Format("%d %d %d", song.nBackground,
                                                         song.nForeground, song.nForeground2));
    }
    for (const CSongScreen& screen : ShownScreens(song.strField1)) {
        // Blank lines divide screens, so a screen holding one, or one with a
        // label, is written as a section.
        const bool bSection = !screen.strLabel.empty() ||
                              std::any_of(screen.lines.begin(), screen.lines.end(), IsBlankLine);
        out += "\n";
        const wxString section = SectionFor(screen.strLabel);
        if (bSection) {
            out += "{start_of_" + section;
            if (!screen.strLabel.empty()) {
                out += ": " + screen.strLabel;
            }
            out += "}\n";
        }
        for (const wxString& line : screen.lines) {
            if (!IsBlankLine(line)) {
                out += ChordProLine(line);
            }
            out += "\n";
        }
        if (bSection) {
            out += "{end_of_" + section + "}\n";
        }
    }
    const wxScopedCharBuffer utf8 = out.utf8_str();
    return std::string(utf8.data(), utf8.length());
}
