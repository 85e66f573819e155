#include "view/FitText.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "text/LineEnds.h"
#include "text/StripMarkup.h"
#include "view/MarkedLine.h"

namespace {

struct FitLine {
    size_t begin = 0;
    size_t end = 0;
    bool bHasBrace = false;      // the line holds a chord mark
    bool bRestHasBrace = false;  // the text from this line on holds one
};

// The lines of a text, each with whether chord marks stand in it or after it.
std::vector<FitLine> SplitFitLines(const wxString& text) {
    std::vector<FitLine> lines;
    const size_t lastBrace = text.rfind('{');
    for (const TextLine& range : SplitLines(text)) {
        FitLine line;
        line.begin = range.begin;
        line.end = range.end;
        line.bRestHasBrace = lastBrace != wxString::npos && lastBrace >= line.begin;
        for (size_t i = line.begin; line.bRestHasBrace && i < line.end && !line.bHasBrace; ++i) {
            line.bHasBrace = text[i] == '{';
        }
        lines.push_back(line);
    }
    return lines;
}

class Fitter {
  public:
    Fitter(Canvas& dc, const wxString& text, wxSize box, int nTranspose, bool bPreferFlats,
           FitSearch search, FitShape shape)
        : m_dc(dc),
          m_text(text),
          m_box(box),
          m_nTranspose(nTranspose),
          m_bPreferFlats(bPreferFlats),
          m_search(search),
          m_bMultiLine(HasLineEnd(text) || (shape == FitShape::ChordBlock && !text.empty())) {
        if (m_bMultiLine) {
            m_lines = SplitFitLines(text);
            for (const FitLine& line : m_lines) {
                m_nLineUnits += line.bHasBrace ? 2 : 1;
            }
        } else {
            m_nLineUnits = 1;
        }
    }

    bool Fits(wxSize extent) const { return extent.x <= m_box.x && extent.y <= m_box.y; }

    // Whether lines of this height may stack within the box; the text's
    // height is its line count (chord lines included) times the line height.
    bool HeightMayFit(long long lineHeight) const { return m_nLineUnits * lineHeight <= m_box.y; }

    // Whether the current font may let the text fit, judged without
    // measuring the whole text; false only when it certainly cannot.
    bool MayFit() {
        if (!HeightMayFit(m_dc.GetLineHeight())) {
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

// The first size of the walk from nSize down (nSize, nSize - 10, ...) that
// either may fit by its line height or is below zero (where the walk ends).
// No font is made: a font's line is never lower than its pixel height, which
// only grows with the size, so the sizes passed over cannot fit and a
// binary search finds the first one that may.
int FirstSizeThatMayFit(const Fitter& fitter, int nSize, int nDpiY) {
    auto stop = [&](long long k) {
        const long long size = nSize - 10 * k;
        return size < 0 || fitter.HeightMayFit(FontPixelHeight(static_cast<int>(size), nDpiY));
    };
    long long low = 0;
    long long high = nSize < 0 ? 0 : nSize / 10 + 1;  // the first step below zero
    while (low < high) {
        const long long mid = low + (high - low) / 2;
        if (stop(mid)) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    return static_cast<int>(nSize - 10 * low);
}

}  // namespace

CFitResult FitTextToBox(Canvas& dc, wxString strText, int nStartSize, wxSize boxSize,
                        int nTranspose, bool bPreferFlats, FitSearch search, FitShape shape) {
    strText = WithoutFinalLineEnd(strText);
    Fitter fitter(dc, strText, boxSize, nTranspose, bPreferFlats, search, shape);
    CFitResult result;
    if (nStartSize <= 0) {
        dc.SetDefaultFont();
        result.nSize = nStartSize;
        result.bFont = false;
        result.extent = fitter.Measure();
        return result;
    }
    const int dpiY = dc.GetDPI().y;
    int size = nStartSize;
    std::optional<int> font;  // the size of the font selected, once one is
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
        bMeasured = false;
        bFits = false;
        if (search == FitSearch::Pruned) {
            // A huge start size would otherwise make a font for every step.
            size = FirstSizeThatMayFit(fitter, size, dpiY);
            if (size < 0) {
                break;
            }
        }
        dc.SetFont(size);
        font = size;
        if (search == FitSearch::Pruned && !fitter.MayFit()) {
            continue;
        }
        result.extent = fitter.Measure();
        bMeasured = true;
        bFits = fitter.Fits(result.extent);
    }
    if (!bMeasured) {
        // Nothing fitted: the smallest size's extent, measured as the walk does.
        if (font != size) {
            dc.SetFont(size);
        }
        result.extent = fitter.Measure();
    }
    result.nSize = size;
    return result;
}
