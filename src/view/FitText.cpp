#include "view/FitText.h"

#include <algorithm>
#include <vector>

#include "text/StripMarkup.h"
#include "view/MarkedLine.h"

namespace {

struct FitLine {
    size_t begin = 0;
    size_t end = 0;
    bool bHasBrace = false;      // the line holds a chord mark
    bool bRestHasBrace = false;  // the text from this line on holds one
};

// The lines of a text that has a '\r': each ends at a '\r', and the next
// begins after it and the '\n' that follows it.
std::vector<FitLine> SplitLines(const wxString& text) {
    std::vector<FitLine> lines;
    const size_t lastBrace = text.rfind('{');
    size_t pos = 0;
    while (pos < text.length()) {
        FitLine line;
        line.begin = pos;
        const size_t cr = text.find('\r', pos);
        line.end = cr == wxString::npos ? text.length() : cr;
        line.bRestHasBrace = lastBrace != wxString::npos && lastBrace >= pos;
        for (size_t i = line.begin; line.bRestHasBrace && i < line.end && !line.bHasBrace; ++i) {
            line.bHasBrace = text[i] == '{';
        }
        lines.push_back(line);
        pos = line.end;
        if (pos < text.length()) {
            ++pos;
            if (pos < text.length() && text[pos] == '\n') {
                ++pos;
            }
        }
    }
    return lines;
}

class Fitter {
  public:
    Fitter(Canvas& dc, const wxString& text, wxSize box, int nTranspose, bool bPreferFlats,
           FitSearch search)
        : m_dc(dc),
          m_text(text),
          m_box(box),
          m_nTranspose(nTranspose),
          m_bPreferFlats(bPreferFlats),
          m_search(search),
          m_bMultiLine(text.find('\r') != wxString::npos) {
        if (m_bMultiLine) {
            m_lines = SplitLines(text);
            for (const FitLine& line : m_lines) {
                m_nLineUnits += line.bHasBrace ? 2 : 1;
            }
        } else {
            m_nLineUnits = 1;
        }
    }

    bool Fits(wxSize extent) const { return extent.x <= m_box.x && extent.y <= m_box.y; }

    // Whether the current font may let the text fit, judged without
    // measuring the whole text; false only when it certainly cannot.
    bool MayFit() {
        const long long height = static_cast<long long>(m_nLineUnits) * m_dc.GetLineHeight();
        if (height > m_box.y) {
            return false;
        }
        if (m_nTooWide < m_lines.size()) {
            const FitLine& line = m_lines[m_nTooWide];
            if (MeasureLine(line, line.bRestHasBrace ? m_dc.GetLineHeight() : 0).x > m_box.x) {
                return false;
            }
        }
        return true;
    }

    // The text's extent in the current font: line by line until a line is
    // wider than the box, since the font must shrink anyway.
    wxSize Measure() {
        if (!m_bMultiLine) {
            return m_text.empty() ? m_dc.GetTextExtent(" ") : MeasureLine(m_text, 0);
        }
        int width = 0;
        int height = 0;
        for (size_t i = 0; i < m_lines.size() && m_box.x >= width; ++i) {
            const FitLine& line = m_lines[i];
            int offset = 0;
            if (line.bRestHasBrace) {
                offset = m_search == FitSearch::Walk ? ChordLineHeight(line) : m_dc.GetLineHeight();
            }
            const wxSize extent = MeasureLine(line, offset);
            if (extent.x > m_box.x) {
                m_nTooWide = i;
            }
            width = std::max(width, extent.x);
            height += extent.y;
        }
        return wxSize(width, height);
    }

  private:
    wxSize MeasureLine(const FitLine& line, int offset) {
        if (line.end == line.begin) {
            return m_dc.GetTextExtent(" ");
        }
        return MeasureLine(m_text.substr(line.begin, line.end - line.begin), offset);
    }
    wxSize MeasureLine(const wxString& line, int offset) {
        wxSize extent;
        DrawMarkedLine(m_dc, 0, 0, offset, line, m_nTranspose, m_bPreferFlats, CLineColours(),
                       &extent);
        return extent;
    }
    // The height of the chord line of the first line from here on that has
    // chords, measured from the stripped rest of the text.
    int ChordLineHeight(const FitLine& line) {
        const wxString stripped = StripMarkup(m_text.substr(line.begin), true);
        return m_dc.GetTextExtent(stripped.BeforeFirst('\r')).y;
    }

    Canvas& m_dc;
    const wxString& m_text;
    wxSize m_box;
    int m_nTranspose;
    bool m_bPreferFlats;
    FitSearch m_search;
    bool m_bMultiLine;
    std::vector<FitLine> m_lines;
    long long m_nLineUnits = 0;
    size_t m_nTooWide = static_cast<size_t>(-1);
};

}  // namespace

CFitResult FitTextToBox(Canvas& dc, wxString strText, int nStartSize, wxSize boxSize,
                        int nTranspose, bool bPreferFlats, FitSearch search) {
    if (strText.EndsWith("\r\n")) {
        strText.RemoveLast(2);
    }
    Fitter fitter(dc, strText, boxSize, nTranspose, bPreferFlats, search);
    CFitResult result;
    if (nStartSize <= 0) {
        dc.SetDefaultFont();
        result.nSize = nStartSize;
        result.bFont = false;
        result.extent = fitter.Measure();
        return result;
    }
    int size = nStartSize;
    bool bFirst = true;
    bool bFits = false;
    bool bMeasured = false;
    while (true) {
        if (!bFirst && bFits) {
            break;
        }
        if (size < 0) {
            break;
        }
        if (!bFirst) {
            size -= 10;
        }
        bFirst = false;
        dc.SetFont(size);
        bMeasured = false;
        bFits = false;
        if (search == FitSearch::Pruned && !fitter.MayFit()) {
            continue;
        }
        result.extent = fitter.Measure();
        bMeasured = true;
        bFits = fitter.Fits(result.extent);
    }
    if (!bMeasured) {
        // Nothing fitted: the smallest size's extent, measured as the walk does.
        result.extent = fitter.Measure();
    }
    result.nSize = size;
    return result;
}
