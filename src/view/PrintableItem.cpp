#include "view/PrintableItem.h"

#include <algorithm>

#include "doc/ShowEntry.h"
#include "doc/VersiluxDoc.h"
#include "text/ChordTransposer.h"
#include "text/LineEnds.h"
#include "view/Canvas.h"
#include "view/MarkedLine.h"

namespace {

constexpr COLORREF kBlack = MakeColourValue(0, 0, 0);
constexpr COLORREF kWhite = MakeColourValue(255, 255, 255);
constexpr COLORREF kDarkBlue = MakeColourValue(0, 0, 200);
constexpr int kEndType = 99;
// Room between a chord and the one before it when the lyric is pushed on.
constexpr int kChordGap = 5;

struct CPrintEntry {
    int nType = 0;
    wxString strText;
};

// The screen type and the printed text of an entry. A text that opens with a
// screen break loses that first line: the break is never printed.
CPrintEntry ReadEntry(const wxString& strEntry) {
    const std::array<wxString, 5> fields = SplitEntry(strEntry);
    CPrintEntry entry;
    long type = 0;
    entry.nType = fields[0].ToLong(&type) ? static_cast<int>(type) : 0;
    entry.strText = fields[3];
    if (entry.strText.StartsWith("&")) {
        const size_t end = FindLineEnd(entry.strText);
        entry.strText = end == wxString::npos ? wxString()
                                              : entry.strText.Mid(AfterLineEnd(entry.strText, end));
    }
    return entry;
}

bool HasChordLine(int nType) {
    return nType == 7 || nType == 8;
}

// Draws one entry's text from y on; returns the y after its last line.
class CEntryPrinter {
  public:
    CEntryPrinter(Canvas& canvas, const CPrintOptions& options)
        : m_canvas(canvas),
          m_options(options),
          m_nLine(canvas.GetTextExtent("ABCDEFGb#dimsus479").y) {}

    int LineHeight() const { return m_nLine; }

    // Bar lines: the printed bar colour, or dotted black in black and white.
    void SelectBarPen() {
        if (m_options.bBlackAndWhite) {
            m_canvas.SetPen(Canvas::PenStyle::Dotted, 1, kBlack);
        } else {
            m_canvas.SetPen(Canvas::PenStyle::Solid, 1, m_options.crBar);
        }
    }

    // Every line, the last one included, ends in a line end; an empty text
    // still prints one empty line.
    int Draw(const CPrintEntry& entry, int y) {
        wxString text =
            ExpandInlineChords(entry.strText, m_options.nTranspose, m_options.bPreferFlats);
        if (text.empty() || (text.Last() != '\r' && text.Last() != '\n')) {
            text += "\r\n";
        }
        const size_t n = text.length();
        size_t pos = 0;
        while (pos < n) {
            const size_t e = std::min(FindLineEnd(text, pos), n);
            DrawLine(text, pos, e, y);
            pos = e < n ? AfterLineEnd(text, e) : n;
            y += m_nLine;
            if (HasChordLine(entry.nType)) {
                y += m_nLine;
            }
        }
        return y;
    }

  private:
    // The colour mark's colours on paper.
    COLORREF MarkColour(wxUniChar digit) const {
        if (digit == '1' || m_options.bBlackAndWhite) {
            return kBlack;
        }
        return digit == '5' ? m_options.crChord : kDarkBlue;
    }
    void ChangeColour(COLORREF cr) {
        m_crKept = m_crCurrent;
        m_crCurrent = cr;
        m_canvas.SetTextColour(cr);
    }
    int Width(const wxString& s) { return s.empty() ? 0 : m_canvas.GetTextExtent(s).x; }

    // Draws text[pos, e), one line. Marks are read only within the line, so a
    // malformed mark never swallows the line end or the next line.
    void DrawLine(const wxString& text, size_t pos, size_t e, int y) {
        int x = m_options.nMargin;
        int joinX = 0;
        int chordEnd = 0;
        const int L = m_nLine;
        while (true) {
            const size_t m = text.find_first_of("[{|", pos);
            if (m == wxString::npos || m >= e) {
                break;
            }
            if (m > pos) {
                const wxString before = text.substr(pos, m - pos);
                m_canvas.DrawText(before, x, y);
                x += Width(before);
                joinX = text[m - 1] != ' ' ? x : 0;
            }
            pos = m + 1;
            const wxUniChar mark = text[m];
            if (mark == '[') {
                const wxUniChar digit = pos < e ? text[pos] : wxUniChar(' ');
                if (digit >= '1' && digit <= '9') {
                    ChangeColour(MarkColour(digit));
                } else {  // 0, or no digit: the colour before the last change
                    m_crCurrent = m_crKept;
                    m_canvas.SetTextColour(m_crCurrent);
                }
                pos = std::min(pos + 2, e);
            } else if (mark == '{') {
                const size_t close = text.find('}', pos);
                size_t c;
                size_t after;
                if (close == wxString::npos || close >= e) {
                    // No "}" on the line: two characters are the chord.
                    c = std::min<size_t>(2, e - pos);
                    after = std::min(pos + c + 1, e);
                } else {
                    c = close - pos;
                    after = close + 1;
                }
                ChangeColour(m_options.bBlackAndWhite ? kBlack : m_options.crChord);
                if (x < chordEnd) {
                    x = chordEnd + kChordGap;
                    if (joinX > 0) {
                        m_canvas.SetPen(Canvas::PenStyle::Dotted, 1, kBlack);
                        m_canvas.DrawLine(joinX, y + L / 2, x, y + L / 2);
                        SelectBarPen();
                    }
                }
                const wxString chord = TransposeChordText(text.substr(pos, c), m_options.nTranspose,
                                                          m_options.bPreferFlats);
                m_canvas.DrawText(chord, x, y - L);
                chordEnd = x + Width(chord);
                pos = after;
                ChangeColour(kBlack);
            } else {  // a bar mark
                m_canvas.DrawLine(x, y - L, x, y + L);
            }
        }
        if (e > pos) {
            m_canvas.DrawText(text.substr(pos, e - pos), x, y);
        }
    }

    Canvas& m_canvas;
    const CPrintOptions& m_options;
    int m_nLine;
    COLORREF m_crCurrent = kBlack;
    COLORREF m_crKept = kBlack;  // what the colour mark "[0]" restores
};

}  // namespace

CPrintOptions PrintOptionsOf(CVersiluxDoc& doc) {
    CPrintOptions options;
    options.nTranspose = doc.m_nPrintTranspose;
    options.bPreferFlats = doc.m_bPrintPreferFlats;
    options.bBlackAndWhite = doc.m_bPrintBW;
    options.nFontSize = doc.m_pConfigSet->m_Print_Font;
    options.nMargin = doc.m_pConfigSet->m_Margin;
    options.crBar = doc.LookupColour(doc.m_pConfigSet->m_Bar_colour, kPrintBarFallback);
    options.crChord = doc.LookupColour(doc.m_pConfigSet->m_Chord_colour, kPrintChordFallback);
    return options;
}

std::vector<int> PaginateEntries(const std::vector<wxString>& entries) {
    std::vector<int> starts{0};
    int nPageLines = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        const CPrintEntry entry = ReadEntry(entries[i]);
        if (entry.nType == kEndType) {
            break;
        }
        const int nPerPage = entry.nType == 3 ? 42 : 21;
        // A last line without a line end is a line of the entry too, so it
        // moves with the entry to a new page.
        const int nLines = static_cast<int>(SplitLines(entry.strText).size());
        nPageLines += nLines;
        const int index = static_cast<int>(i);
        if (nPageLines > nPerPage && index != starts.back()) {
            starts.push_back(index);
            nPageLines = nLines;
        }
    }
    return starts;
}

CPrintDrawn DrawPrintableEntries(Canvas& canvas, const std::vector<wxString>& entries, int nFirst,
                                 int nStop, const CPrintOptions& options) {
    canvas.SetFont(options.nFontSize);
    canvas.SetBackgroundOpaque(false);
    canvas.SetBackgroundColour(kWhite);
    canvas.SetTextColour(kBlack);
    CEntryPrinter printer(canvas, options);
    printer.SelectBarPen();
    CPrintDrawn drawn;
    drawn.nNextEntry = std::max(0, nFirst);
    // The first line's chords need room above it.
    int y = printer.LineHeight();
    const int nEntries = static_cast<int>(entries.size());
    while (drawn.nNextEntry < nEntries) {
        if (nStop >= 0 && drawn.nNextEntry >= nStop) {
            break;
        }
        const CPrintEntry entry = ReadEntry(entries[static_cast<size_t>(drawn.nNextEntry)]);
        y = printer.Draw(entry, y);
        ++drawn.nNextEntry;
        y += printer.LineHeight();  // a blank line after each entry
        if (entry.nType == kEndType) {
            break;
        }
    }
    drawn.nBottom = y;
    return drawn;
}

CPrintDrawn DrawPrintableItem(CVersiluxDoc& doc, Canvas& canvas) {
    return DrawPrintableEntries(canvas, doc.BuildPrintableEntries(), 0, -1, PrintOptionsOf(doc));
}
