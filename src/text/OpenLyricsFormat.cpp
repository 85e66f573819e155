#include "text/OpenLyricsFormat.h"

#include <expat.h>

#include <map>
#include <memory>
#include <vector>

#include "text/LineEnds.h"
#include "text/SongCredits.h"
#include "text/SongScreens.h"

namespace {

const char kNamespace[] = "http://openlyrics.info/namespace/2009/song";
const char kNameSeparator = '\x01';

wxString FromUtf8(const XML_Char* text, const int length = -1) {
    return length < 0 ? wxString::FromUTF8(text) : wxString::FromUTF8(text, length);
}

bool IsXmlSpace(const wxUniChar c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Runs of white space as one space, none at the ends.
wxString Collapsed(const wxString& text) {
    wxString out;
    bool bSpace = false;
    for (const wxUniChar c : text) {
        if (IsXmlSpace(c)) {
            bSpace = !out.empty();
        } else {
            if (bSpace) {
                out += ' ';
            }
            bSpace = false;
            out += c;
        }
    }
    return out;
}

// The words of a text separated by white space.
std::vector<wxString> Words(const wxString& text) {
    std::vector<wxString> words;
    wxString word;
    for (const wxUniChar c : text) {
        if (IsXmlSpace(c)) {
            if (!word.empty()) {
                words.push_back(word);
                word.clear();
            }
        } else {
            word += c;
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

// A piece of a <lines> element: text, a chord, or a line break.
struct Piece {
    enum class Kind { Text, Chord, Break } kind = Kind::Text;
    wxString text;
};

struct Verse {
    wxString strName;
    std::vector<std::vector<Piece>> groups;  // one per <lines>
};

// One line of pieces as text: white space collapsed as in XML mixed content
// and taken off both ends of the line; chords become chord marks.
wxString LineText(std::vector<Piece> pieces) {
    for (Piece& p : pieces) {
        if (p.kind == Piece::Kind::Text) {
            wxString out;
            bool bSpace = false;
            for (const wxUniChar c : p.text) {
                if (IsXmlSpace(c)) {
                    if (!bSpace) {
                        out += ' ';
                    }
                    bSpace = true;
                } else {
                    out += c;
                    bSpace = false;
                }
            }
            p.text = out;
        }
    }
    // Indentation at either end is layout of the XML, not words.
    for (Piece& p : pieces) {
        if (p.kind != Piece::Kind::Text) {
            continue;
        }
        p.text.Trim(false);
        if (!p.text.empty()) {
            break;
        }
    }
    for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) {
        if (it->kind != Piece::Kind::Text) {
            continue;
        }
        it->text.Trim(true);
        if (!it->text.empty()) {
            break;
        }
    }
    wxString line;
    for (const Piece& p : pieces) {
        line += p.kind == Piece::Kind::Chord ? "{" + p.text + "}" : p.text;
    }
    return line;
}

// The lines of one <lines> element. Line breaks come from <br/> (or the
// <line> elements of 0.7); a file that has neither anywhere breaks its lines
// where the text does, as early 0.8 writers did.
std::vector<wxString> GroupLines(const std::vector<Piece>& group, const bool bNewlinesBreak) {
    std::vector<std::vector<Piece>> lines(1);
    for (const Piece& p : group) {
        if (p.kind == Piece::Kind::Break) {
            lines.emplace_back();
        } else if (p.kind == Piece::Kind::Text && bNewlinesBreak) {
            // (wxStringTokenizer slows down quadratically on many empty parts.)
            size_t begin = 0;
            for (;;) {
                const size_t end = p.text.find('\n', begin);
                lines.back().push_back(Piece{Piece::Kind::Text, p.text.substr(begin, end - begin)});
                if (end == wxString::npos) {
                    break;
                }
                lines.emplace_back();
                begin = end + 1;
            }
        } else {
            lines.back().push_back(p);
        }
    }
    std::vector<wxString> texts;
    for (const auto& line : lines) {
        texts.push_back(LineText(line));
    }
    if (bNewlinesBreak) {
        while (!texts.empty() && texts.back().empty()) {
            texts.pop_back();
        }
        size_t first = 0;
        while (first < texts.size() && texts[first].empty()) {
            ++first;
        }
        texts.erase(texts.begin(), texts.begin() + static_cast<std::ptrdiff_t>(first));
    }
    return texts;
}

const struct {
    const char* structure;
    const char* suffix;
} kStructures[] = {
    // Short codes.
    {"major", ""},
    {"min", "m"},
    {"power", "5"},
    {"aug", "aug"},
    {"dim", "dim"},
    {"dom7", "7"},
    {"maj7", "maj7"},
    {"min7", "m7"},
    {"dim7", "dim7"},
    {"halfdim7", "m7b5"},
    {"minmaj7", "m(maj7)"},
    {"augmaj7", "maj7#5"},
    {"aug7", "7#5"},
    {"maj6", "6"},
    {"min6", "m6"},
    {"dom9", "9"},
    {"dom9b", "7b9"},
    {"maj9", "maj9"},
    {"min9", "m9"},
    {"aug9", "9#5"},
    {"dom11", "11"},
    {"min11", "m11"},
    {"dom13", "13"},
    {"sus2", "sus2"},
    {"sus4", "sus4"},
    {"add9", "add9"},
    // Interval formulas.
    {"3-5", ""},
    {"m3-5", "m"},
    {"5", "5"},
    {"3-a5", "aug"},
    {"m3-d5", "dim"},
    {"3-5-m7", "7"},
    {"3-5-7", "maj7"},
    {"m3-5-m7", "m7"},
    {"m3-d5-d7", "dim7"},
    {"m3-d5-m7", "m7b5"},
    {"m3-5-7", "m(maj7)"},
    {"3-a5-m7", "7#5"},
    {"3-d5-m7", "7b5"},
    {"3-5-6", "6"},
    {"m3-5-6", "m6"},
    {"3-5-m7-9", "9"},
    {"3-5-m7-m9", "7b9"},
    {"3-5-7-9", "maj9"},
    {"m3-5-m7-9", "m9"},
    {"2-5", "sus2"},
    {"4-5", "sus4"},
    {"4-5-m7", "7sus4"},
    {"3-5-9", "add9"},
};

class COpenLyricsReader {
  public:
    bool Read(std::string_view utf8, CSongText& song, CSongFileError& error);

  private:
    static void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char** atts);
    static void XMLCALL OnEnd(void* data, const XML_Char* name);
    static void XMLCALL OnText(void* data, const XML_Char* text, int length);
    static void XMLCALL OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*,
                                  int);
    static void XMLCALL OnEntity(void* data, const XML_Char*, int, const XML_Char*, int,
                                 const XML_Char*, const XML_Char*, const XML_Char*,
                                 const XML_Char*);

    void Start(const wxString& uri, const wxString& local, const XML_Char** atts);
    void End(const wxString& local);
    void Stop(const wxString& reason);
    bool PathIs(std::initializer_list<const char*> names) const;
    int Line() const { return static_cast<int>(XML_GetCurrentLineNumber(m_parser.get())); }

    struct ParserFree {
        void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
    };
    std::unique_ptr<XML_ParserStruct, ParserFree> m_parser;
    bool m_bStopped = false;
    CSongFileError m_error;

    std::vector<wxString> m_path;  // local names of the open elements
    wxString m_strText;            // text of the innermost property element
    wxString m_strType;            // its type attribute (author, tempo)

    size_t m_nLinesDepth = 0;  // path depth of the open <lines>; 0: none
    int m_nCommentDepth = 0;   // inside a <comment> of the lines
    size_t m_nLinesInGroup = 0;
    bool m_bAnyBreak = false;
    bool m_bAnyChord = false;

    std::vector<wxString> m_titles;
    CSongCredits m_credits;
    std::vector<wxString> m_details;
    int m_nBPM = 0;
    int m_nTranspose = 0;
    wxString m_strVerseOrder;
    std::vector<Verse> m_verses;
};

void COpenLyricsReader::OnStart(void* data, const XML_Char* name, const XML_Char** atts) {
    auto* self = static_cast<COpenLyricsReader*>(data);
    const wxString full = FromUtf8(name);
    const int sep = full.Find(wxUniChar(kNameSeparator));
    if (sep == wxNOT_FOUND) {
        self->Start(wxString(), full, atts);
    } else {
        self->Start(full.substr(0, sep), full.substr(sep + 1), atts);
    }
}

void COpenLyricsReader::OnEnd(void* data, const XML_Char* name) {
    auto* self = static_cast<COpenLyricsReader*>(data);
    const wxString full = FromUtf8(name);
    const int sep = full.Find(wxUniChar(kNameSeparator));
    self->End(sep == wxNOT_FOUND ? full : full.substr(sep + 1));
}

void COpenLyricsReader::OnText(void* data, const XML_Char* text, const int length) {
    auto* self = static_cast<COpenLyricsReader*>(data);
    const wxString piece = FromUtf8(text, length);
    if (self->m_nLinesDepth == 0) {
        self->m_strText += piece;
        return;
    }
    if (self->m_nCommentDepth > 0 || self->m_verses.empty()) {
        return;
    }
    std::vector<Piece>& group = self->m_verses.back().groups.back();
    if (group.empty() || group.back().kind != Piece::Kind::Text) {
        group.push_back(Piece{Piece::Kind::Text, wxString()});
    }
    group.back().text += piece;
}

// Document types can declare entities that expand without end; a song file
// needs none, so any is refused before it is read.
void COpenLyricsReader::OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*,
                                  int) {
    static_cast<COpenLyricsReader*>(data)->Stop(
        "the file declares a document type (<!DOCTYPE>); OpenLyrics files have none");
}

void COpenLyricsReader::OnEntity(void* data, const XML_Char*, int, const XML_Char*, int,
                                 const XML_Char*, const XML_Char*, const XML_Char*,
                                 const XML_Char*) {
    static_cast<COpenLyricsReader*>(data)->Stop(
        "the file declares an entity; OpenLyrics files have none");
}

void COpenLyricsReader::Stop(const wxString& reason) {
    if (!m_bStopped) {
        m_bStopped = true;
        m_error.nLine = Line();
        m_error.strReason = reason;
        XML_StopParser(m_parser.get(), XML_FALSE);
    }
}

bool COpenLyricsReader::PathIs(std::initializer_list<const char*> names) const {
    if (names.size() != m_path.size()) {
        return false;
    }
    size_t i = 0;
    for (const char* name : names) {
        if (m_path[i++] != name) {
            return false;
        }
    }
    return true;
}

wxString Attribute(const XML_Char** atts, const char* wanted) {
    for (size_t i = 0; atts[i] != nullptr && atts[i + 1] != nullptr; i += 2) {
        wxString name = FromUtf8(atts[i]);
        const int sep = name.Find(wxUniChar(kNameSeparator));
        if (sep != wxNOT_FOUND) {
            name = name.substr(sep + 1);
        }
        if (name == wanted) {
            return FromUtf8(atts[i + 1]);
        }
    }
    return wxString();
}

// A chord's text, without what would break a chord mark.
wxString ChordText(const XML_Char** atts) {
    wxString chord = Attribute(atts, "name");
    if (chord.empty()) {
        const wxString root = Attribute(atts, "root");
        if (!root.empty()) {
            chord = root + ChordSuffixOfStructure(Attribute(atts, "structure"));
            const wxString bass = Attribute(atts, "bass");
            if (!bass.empty()) {
                chord += "/" + bass;
            }
        }
    }
    wxString clean;
    for (const wxUniChar c : chord) {
        if (c != '{' && c != '}' && c != '\r' && c != '\n') {
            clean += c;
        }
    }
    return clean;
}

void COpenLyricsReader::Start(const wxString& uri, const wxString& local, const XML_Char** atts) {
    if (m_bStopped) {
        return;
    }
    if (m_path.empty() && local == "song" && uri != kNamespace) {
        Stop(
            wxString::Format("XML of another kind: the root element <song> is not in the "
                             "OpenLyrics namespace %s",
                             kNamespace));
        return;
    }
    if (m_path.empty() && local != "song") {
        Stop(
            wxString::Format("XML of another kind: the root element is <%s>, not an OpenLyrics "
                             "<song>",
                             local));
        return;
    }
    m_path.push_back(local);
    if (m_nLinesDepth != 0) {
        if (m_nCommentDepth > 0 || local == "comment") {
            ++m_nCommentDepth;  // notes for singers, not words
            return;
        }
        std::vector<Piece>& group = m_verses.back().groups.back();
        if (local == "br") {
            group.push_back(Piece{Piece::Kind::Break, wxString()});
            m_bAnyBreak = true;
        } else if (local == "line") {
            if (m_nLinesInGroup++ > 0) {
                group.push_back(Piece{Piece::Kind::Break, wxString()});
            }
            m_bAnyBreak = true;
        } else if (local == "chord") {
            const wxString chord = ChordText(atts);
            if (!chord.empty()) {
                group.push_back(Piece{Piece::Kind::Chord, chord});
                m_bAnyChord = true;
            }
        }
        // Other elements (tags, beats) keep their text.
        return;
    }
    m_strText.clear();
    m_strType = Attribute(atts, "type");
    if (PathIs({"song", "lyrics", "verse"})) {
        m_verses.push_back(Verse{Attribute(atts, "name"), {}});
    } else if (PathIs({"song", "lyrics", "verse", "lines"})) {
        m_verses.back().groups.emplace_back();
        m_nLinesDepth = m_path.size();
        m_nLinesInGroup = 0;
    }
}

void COpenLyricsReader::End(const wxString& local) {
    if (m_bStopped || m_path.empty()) {
        return;
    }
    if (m_nLinesDepth != 0) {
        if (m_nCommentDepth > 0) {
            --m_nCommentDepth;
        }
        if (m_path.size() == m_nLinesDepth) {
            m_nLinesDepth = 0;
        }
        m_path.pop_back();
        return;
    }
    const wxString text = Collapsed(m_strText);
    if (PathIs({"song", "properties", "titles", "title"})) {
        if (!text.empty()) {
            m_titles.push_back(text);
        }
    } else if (PathIs({"song", "properties", "authors", "author"})) {
        const wxString type = m_strType.Lower();
        AddCredit(type == "words"         ? m_credits.words
                  : type == "music"       ? m_credits.music
                  : type == "translation" ? m_credits.translation
                                          : m_credits.others,
                  text);
    } else if (PathIs({"song", "properties", "copyright"})) {
        AddCredit(m_credits.copyright, text);
    } else if (PathIs({"song", "properties", "tempo"})) {
        long bpm = 0;
        if (m_strType.Lower() != "text" && m_nBPM == 0 && text.ToLong(&bpm) && bpm >= 1 &&
            bpm <= 999) {
            m_nBPM = static_cast<int>(bpm);
        } else {
            AddCredit(m_details, text);
        }
    } else if (PathIs({"song", "properties", "key"}) ||
               PathIs({"song", "properties", "timeSignature"})) {
        AddCredit(m_details, text);
    } else if (PathIs({"song", "properties", "transposition"})) {
        long n = 0;
        if (!text.ToLong(&n) || n < -12 || n > 12) {
            Stop("<transposition> takes a whole number of semitones from -12 to 12");
            return;
        }
        m_nTranspose = static_cast<int>(n);
    } else if (PathIs({"song", "properties", "verseOrder"})) {
        m_strVerseOrder = text;
    }
    (void)local;
    m_strText.clear();
    m_path.pop_back();
}

bool COpenLyricsReader::Read(std::string_view utf8, CSongText& song, CSongFileError& error) {
    // The bytes were checked as UTF-8; a declaration naming another
    // encoding must not make expat read them otherwise.
    m_parser.reset(XML_ParserCreateNS("UTF-8", kNameSeparator));
    if (m_parser == nullptr) {
        error.nLine = 0;
        error.strReason = "out of memory";
        return false;
    }
    XML_SetUserData(m_parser.get(), this);
    XML_SetElementHandler(m_parser.get(), OnStart, OnEnd);
    XML_SetCharacterDataHandler(m_parser.get(), OnText);
    XML_SetStartDoctypeDeclHandler(m_parser.get(), OnDoctype);
    XML_SetEntityDeclHandler(m_parser.get(), OnEntity);
    const XML_Status status =
        XML_Parse(m_parser.get(), utf8.data(), static_cast<int>(utf8.size()), XML_TRUE);
    if (status != XML_STATUS_OK) {
        if (m_bStopped) {
            error = m_error;
        } else {
            error.nLine = Line();
            error.strReason = "not well-formed XML: " +
                              FromUtf8(XML_ErrorString(XML_GetErrorCode(m_parser.get())));
        }
        return false;
    }
    m_parser.reset();

    // Verses in the order the song names them, each once; the rest after
    // them as the file has them.
    std::map<wxString, size_t> byName;
    for (size_t i = m_verses.size(); i-- > 0;) {
        byName[m_verses[i].strName] = i;  // the first of a name wins
    }
    std::vector<size_t> order;
    std::vector<bool> used(m_verses.size(), false);
    for (const wxString& name : Words(m_strVerseOrder)) {
        const auto it = byName.find(name);
        if (it != byName.end() && !used[it->second]) {
            used[it->second] = true;
            order.push_back(it->second);
        }
    }
    for (size_t i = 0; i < m_verses.size(); ++i) {
        if (!used[i]) {
            order.push_back(i);
        }
    }
    CSongScreenBuilder screens;
    for (const size_t i : order) {
        screens.StartScreen();
        for (const auto& group : m_verses[i].groups) {
            for (const wxString& line : GroupLines(group, !m_bAnyBreak)) {
                screens.AddLine(line);
            }
        }
        screens.EndScreen();
    }

    song = CSongText();
    if (!m_titles.empty()) {
        song.strTitle = m_titles[0];
        song.strHeading1 = m_titles[0];
    }
    const wxString subtitle = m_titles.size() > 1 ? m_titles[1] : wxString();
    const wxString base = !subtitle.empty() || m_details.empty() ? subtitle : song.strTitle;
    song.strHeading2 = HeadingWithDetails(base, m_details);
    song.strHeading2Alt = CreditsText(m_credits);
    song.strField1 = screens.Text();
    song.nBPM = m_nBPM;
    song.nTranspose = m_nTranspose;
    song.bChords = m_bAnyChord;
    return true;
}

wxString Escaped(const wxString& text, const bool bAttribute) {
    wxString out;
    for (const wxUniChar c : text) {
        if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (bAttribute && c == '"') {
            out += "&quot;";
        } else if ((c < 0x20 && c != '\t') || c == 0xFFFE || c == 0xFFFF) {
            // XML 1.0 has no way to hold other control characters and these
            // two non-characters.
        } else {
            out += c;
        }
    }
    return out;
}

// A main-text line as the contents of <lines>: chord marks as chords, all
// other markup as text.
wxString LinesText(const wxString& line) {
    wxString out;
    wxString text;
    size_t i = 0;
    while (i < line.length()) {
        if (line[i] == '{') {
            // An empty mark stays text: a chord without a name is dropped.
            const size_t close = line.find('}', i + 1);
            if (close != wxString::npos && close > i + 1) {
                out += Escaped(text, false);
                text.clear();
                out += "<chord name=\"" + Escaped(line.substr(i + 1, close - i - 1), true) + "\"/>";
                i = close + 1;
                continue;
            }
        }
        text += line[i];
        ++i;
    }
    return out + Escaped(text, false);
}

}  // namespace

wxString ChordSuffixOfStructure(const wxString& structure) {
    for (const auto& s : kStructures) {
        if (structure == s.structure) {
            return s.suffix;
        }
    }
    return structure;
}

bool ReadOpenLyrics(std::string_view utf8, CSongText& song, CSongFileError& error) {
    COpenLyricsReader reader;
    return reader.Read(utf8, song, error);
}

std::string WriteOpenLyrics(const CSongText& song) {
    wxString out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<song xmlns=\"http://openlyrics.info/namespace/2009/song\" version=\"0.8\" "
        "createdIn=\"Versilux\">\n"
        "  <properties>\n";
    const wxString title = !song.strTitle.empty() ? song.strTitle : song.strHeading1;
    const auto oneLine = [](const wxString& text) {
        return Escaped(LineEndsAsBlanks(text), false);
    };
    // OpenLyrics allows no empty elements.
    const wxString title1 = oneLine(title);
    const wxString title2 = oneLine(song.strHeading2);
    if (!title1.empty() || !title2.empty()) {
        out += "    <titles>\n";
        if (!title1.empty()) {
            out += "      <title>" + title1 + "</title>\n";
        }
        if (!title2.empty()) {
            out += "      <title>" + title2 + "</title>\n";
        }
        out += "    </titles>\n";
    }
    if (song.nBPM > 0) {
        out += wxString::Format("    <tempo type=\"bpm\">%d</tempo>\n", song.nBPM);
    }
    if (song.nTranspose != 0) {
        out += wxString::Format("    <transposition>%d</transposition>\n", song.nTranspose);
    }
    wxString verses;
    wxString order;
    int n = 0;
    for (const CSongScreen& screen : ShownScreens(song.strField1)) {
        ++n;
        const wxString name = wxString::Format("v%d", n);
        order += (order.empty() ? "" : " ") + name;
        // One <lines> on one line: white space in it would be read as words.
        verses += "    <verse name=\"" + name + "\">\n      <lines>";
        for (size_t i = 0; i < screen.lines.size(); ++i) {
            verses += (i > 0 ? "<br/>" : "") + LinesText(screen.lines[i]);
        }
        verses += "</lines>\n    </verse>\n";
    }
    if (!order.empty()) {
        out += "    <verseOrder>" + order + "</verseOrder>\n";
    }
    out += "  </properties>\n  <lyrics>\n" + verses + "  </lyrics>\n</song>\n";
    const wxScopedCharBuffer utf8 = out.utf8_str();
    return std::string(utf8.data(), utf8.length());
}
