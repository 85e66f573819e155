#include "view/ScreenRenderer.h"

#include <algorithm>

#include "doc/ShowEntry.h"
#include "doc/VersiluxDoc.h"
#include "text/LineEnds.h"
#include "text/StripMarkup.h"

namespace {

constexpr COLORREF kWhite = MakeColourValue(255, 255, 255);
constexpr COLORREF kBlack = MakeColourValue(0, 0, 0);
constexpr COLORREF kOlive = MakeColourValue(127, 127, 0);
constexpr COLORREF kScreenMarker = MakeColourValue(255, 0, 255);

constexpr int kNextLineFont = 400;
constexpr int kNoticeFont = 100;

const wxString kInvalidType = "Error - Invalid screen type";

// Calls line(text) for each line of the text, its final line end ignored.
template <typename F>
void ForEachLine(const wxString& text, F&& line) {
    for (const TextLine& range : SplitLines(text)) {
        line(text.substr(range.begin, range.end - range.begin));
    }
}

// What follows the first line of a text.
wxString AfterFirstLine(const wxString& text) {
    const size_t end = FindLineEnd(text);
    return end == wxString::npos ? wxString() : text.substr(AfterLineEnd(text, end));
}

// A part that begins with '&' carries its section label on its first line,
// which is not shown.
wxString RemoveSectionLabel(const wxString& text) {
    if (!text.StartsWith("&")) {
        return text;
    }
    if (!HasLineEnd(text)) {
        return text.substr(1);
    }
    return AfterFirstLine(text);
}

// Removes each group from open up to the next close; an open without a
// close cuts the text off there.
wxString RemoveGroups(const wxString& text, wxUniChar open, wxUniChar close) {
    wxString result;
    size_t pos = 0;
    while (pos < text.length()) {
        const size_t at = text.find(open, pos);
        if (at == wxString::npos) {
            result.append(text, pos, wxString::npos);
            break;
        }
        result.append(text, pos, at - pos);
        const size_t end = text.find(close, at + 1);
        if (end == wxString::npos) {
            break;
        }
        pos = end + 1;
    }
    return result;
}

}  // namespace

int ScreenTypeOf(const wxString& strEntry) {
    return EntryTypeCode(SplitEntry(strEntry)[0]);
}

bool IsDrawnOnlyOnItsKey(int nType, bool bPreview) {
    return nType == 100 || (nType == 99 && bPreview);
}

CScreenRenderer::CScreenRenderer(CVersiluxDoc& doc, CShowState& state)
    : m_doc(doc), m_state(state) {}

CLineColours CScreenRenderer::Colours() const {
    const int n = m_state.m_nNextEntry;
    CLineColours colours;
    colours.crForeground = m_doc.GetForeground(n);
    colours.crForeground2 = m_doc.GetForeground2(n);
    colours.crForeground3 = m_doc.GetForeground3();
    colours.crForeground4 = m_doc.GetForeground4();
    colours.crChord = m_doc.GetChordColour();
    colours.crBar = m_doc.GetBarColour();
    return colours;
}

void CScreenRenderer::SelectShowFont(Canvas& dc, int nSize) {
    dc.SetFont(nSize);
    m_fontShow = nSize;
}

void CScreenRenderer::ReleaseShowFont(Canvas& dc) {
    if (m_fontShow) {
        dc.SetDefaultFont();
        m_fontShow.reset();
    }
}

wxSize CScreenRenderer::FitText(Canvas& dc, const wxString& strText, bool bMaxFont,
                                const wxRect& rc, int nTranspose, bool bPreferFlats,
                                FitShape shape) {
    const CConfigSet& config = *m_doc.m_pConfigSet;
    const int start = bMaxFont ? config.m_Max_Font : config.m_Normal_Font;
    const CFitResult fit = FitTextToBox(dc, strText, start, rc.GetSize(), nTranspose, bPreferFlats,
                                        m_fitSearch, shape);
    if (fit.bFont) {
        m_fontShow = fit.nSize;
    } else {
        m_fontShow.reset();
    }
    return fit.extent;
}

void CScreenRenderer::DrawMarkedLine(Canvas& dc, int x, int y, int nChordOffset,
                                     const wxString& strLine, int nTranspose, bool bPreferFlats,
                                     wxSize* pExtent) {
    ::DrawMarkedLine(dc, x, y, nChordOffset, strLine, nTranspose, bPreferFlats, Colours(), pExtent);
}

void CScreenRenderer::ShowScreen(Canvas& dc, int nMode) {
    const int n = m_state.m_nNextEntry;
    std::array<wxString, 5> fields;
    int type = 0;
    if (nMode != 1) {
        fields = SplitEntry(m_doc.GetEntry(n));
        type = EntryTypeCode(fields[0]);
    }
    dc.SetBackgroundOpaque(false);
    dc.SetPen(Canvas::PenStyle::Solid, 1, kWhite);
    dc.FillRect(m_state.m_rcShow, m_doc.GetBackground(n));

    LayOut(dc, type, fields);

    dc.SetPixel(0, 0, kScreenMarker);
    ReleaseShowFont(dc);
}

void CScreenRenderer::LayOut(Canvas& dc, int nType, const std::array<wxString, 5>& fields) {
    const int n = m_state.m_nNextEntry;
    const wxRect& rc = m_state.m_rcShow;
    const Box show{rc.x, rc.y, rc.x + rc.width, rc.y + rc.height};
    const int L = show.l, T = show.t, R = show.r, B = show.b, W = show.W(), H = show.H();
    const int transpose = m_doc.GetTranspose(n);
    const bool flats = m_doc.GetPreferFlats(n);

    switch (nType) {
        case 0:
        case 2:
            // Type 2 names two single-line elements: each is centred in its
            // half of the show area, the first above the second.
            if (nType == 2) {
                const Box top{L, T, R, T + H / 2};
                const Box bottom{L, T + H / 2, R, B};
                Heading(dc, fields[1], top, 0, false, [&top](wxSize e) {
                    return wxPoint((top.W() - e.x) / 2 + top.l, (top.H() - e.y) / 2 + top.t);
                });
                Heading(dc, fields[2], bottom, 0, false, [&bottom](wxSize e) {
                    return wxPoint((bottom.W() - e.x) / 2 + bottom.l,
                                   (bottom.H() - e.y) / 2 + bottom.t);
                });
            }
            break;
        case 1:
            Heading(dc, fields[1], show, 0, false,
                    [&](wxSize e) { return wxPoint((W - e.x) / 2 + L, (H - e.y) / 2 + T); });
            break;
        case 3:
            PlainBlock(dc, fields[3], show);
            ContinuationArrows(dc, show);
            break;
        case 4:
            Heading(dc, fields[1], Box{L, T, R, T + H / 4}, 0, false,
                    [&](wxSize e) { return wxPoint((W - e.x) / 2 + L, (H / 4 - e.y) / 2 + T); });
            PlainBlock(dc, fields[3], Box{L, T + H / 4, R, B});
            ContinuationArrows(dc, show);
            break;
        case 5:
        case 6: {
            const int S = L + (W * 5) / 8;
            const int Tb = T + H / 4;
            const int fitTranspose = nType == 6 ? transpose : 0;
            const bool fitFlats = nType == 6 && flats;
            Heading(dc, fields[1], Box{L, T, S, Tb}, fitTranspose, fitFlats,
                    [&](wxSize e) { return wxPoint(L + 5, (Tb - T - e.y) / 2 + T); });
            Heading(dc, fields[2], Box{S + 5, T, R, Tb}, fitTranspose, fitFlats,
                    [&](wxSize e) { return wxPoint(R - e.x - 5, (Tb - T - e.y) / 2 + T); });
            if (nType == 5) {
                const Box body{L, Tb, R, B};
                ChordBlock(
                    dc, fields[3], body,
                    FitText(dc, fields[3], false, body.Rect(), transpose, flats,
                            FitShape::ChordBlock),
                    [&](int cx) { return R - cx - 10; },
                    [&](int w, int) { return (W - w) / 2 + L; });
            } else {
                const Box right{L + W / 3 + 5, Tb, R, B};
                const int cx = ChordBlock(
                    dc, fields[4], right,
                    FitText(dc, fields[4], false, right.Rect(), transpose, flats,
                            FitShape::ChordBlock),
                    [&](int c) { return R - c - 10; }, [&](int, int c) { return R - c - 10; });
                ReleaseShowFont(dc);
                // The left column is plain text beside the chords.
                const Box left{L, Tb, R - cx - 20, B};
                const wxSize extent = FitText(dc, fields[3], false, left.Rect(), transpose, flats);
                dc.SetTextColour(m_doc.GetForeground(n));
                int y = (B - Tb - extent.y) / 2 + Tb;
                ForEachLine(fields[3], [&](const wxString& line) {
                    DrawMarkedLine(dc, L + 5, y, 0, line, 0, false);
                    y += dc.GetTextExtent(StripMarkup(line, true)).y;
                });
            }
            NextLine(dc);
            break;
        }
        case 7:
        case 8: {
            wxRect heading;  // where the top-right heading stands, if it is shown
            if (nType == 8 && m_doc.GetPartNumber(n) == 1) {
                Heading(dc, fields[2], Box{L + (W * 5) / 8 + 5, T, R, T + H / 4}, 0, false,
                        [&](wxSize e) {
                            const wxPoint at(R - e.x - 5, (H / 4 - e.y) / 2 + T);
                            if (!fields[2].empty()) {
                                heading = wxRect(at, e);
                            }
                            return at;
                        });
            }
            const wxString text = RemoveSectionLabel(fields[3]);
            Box body = show;
            wxSize extent =
                FitText(dc, text, false, body.Rect(), transpose, flats, FitShape::ChordBlock);
            auto singleX = [&](int cx) { return (W - cx) / 2 + L; };
            auto multiX = [&](int, int cx) { return (W - cx) / 2 + L; };
            if (!heading.IsEmpty() &&
                BlockMeets(dc, LayOutChordBlock(dc, text, body, extent, singleX, multiX),
                           heading)) {
                // Text fitted to the whole area would run into the heading:
                // it is fitted to the area below the heading instead.
                body.t = std::min(B, heading.y + heading.height);
                ReleaseShowFont(dc);
                extent =
                    FitText(dc, text, false, body.Rect(), transpose, flats, FitShape::ChordBlock);
            }
            const wxString counter =
                wxString::Format("%d/%d", m_doc.GetPartNumber(n), m_doc.GetPartCount(n));
            dc.SetTextColour(kOlive);
            const wxSize counterExtent = dc.GetTextExtent(counter);
            dc.DrawText(counter, R - counterExtent.x, B - counterExtent.y);
            ChordBlock(dc, text, body, extent, singleX, multiX);
            break;
        }
        case kPictureScreen:
            ShowPicture(dc, fields[1]);
            break;
        case 99:
            if (m_doc.m_bPreview) {
                // A single-item preview ends here instead of showing the notice.
                m_doc.m_bPreview = false;
                if (m_onStopShow) {
                    m_onStopShow();
                }
                break;
            }
            SelectShowFont(dc, kNoticeFont);
            dc.SetBackgroundColour(kWhite);
            dc.SetTextColour(kBlack);
            dc.SetBackgroundOpaque(true);
            dc.DrawText(fields[1], 0, 0);
            dc.SetBackgroundOpaque(false);
            break;
        case 100:
            if (m_onMenuEntry) {
                m_onMenuEntry(dc);
            }
            break;
        default:
            // Black on white, so the message shows on any background.
            ReleaseShowFont(dc);
            dc.SetTextColour(kBlack);
            dc.SetBackgroundColour(kWhite);
            dc.SetBackgroundOpaque(true);
            dc.DrawText(kInvalidType, 0, 0);
            dc.SetBackgroundOpaque(false);
            break;
    }
}

void CScreenRenderer::Heading(Canvas& dc, const wxString& strText, const Box& box,
                              int nFitTranspose, bool bFitFlats, const Placer& place) {
    const wxSize extent = FitText(dc, strText, true, box.Rect(), nFitTranspose, bFitFlats);
    dc.SetTextColour(m_doc.GetForeground(m_state.m_nNextEntry));
    const wxPoint at = place(extent);
    // Drawn as it was fitted: without a line end at its end.
    DrawMarkedLine(dc, at.x, at.y, 0, WithoutFinalLineEnd(strText), 0, false);
    ReleaseShowFont(dc);
}

void CScreenRenderer::PlainBlock(Canvas& dc, const wxString& strText, const Box& box) {
    // Laid out as it is fitted: a line end at the very end opens no line.
    const wxString text = WithoutFinalLineEnd(RemoveSectionLabel(strText));
    const wxSize extent = FitText(dc, text, false, box.Rect(), 0, false);
    dc.SetTextColour(m_doc.GetForeground(m_state.m_nNextEntry));
    if (!HasLineEnd(text)) {
        DrawMarkedLine(dc, (box.W() - extent.x) / 2 + box.l, (box.H() - extent.y) / 2 + box.t, 0,
                       text, 0, false);
        return;
    }
    int y = (box.H() - extent.y) / 2 + box.t;
    ForEachLine(text, [&](const wxString& line) {
        wxString plain = StripMarkup(line, false);
        if (plain.empty()) {
            plain = " ";
        }
        const wxSize size = dc.GetTextExtent(plain);
        DrawMarkedLine(dc, (box.W() - size.x) / 2 + box.l, y, 0, line, 0, false);
        y += size.y;
    });
}

std::vector<CScreenRenderer::BlockLine> CScreenRenderer::LayOutChordBlock(
    Canvas& dc, const wxString& strText, const Box& box, wxSize extent,
    const std::function<int(int)>& singleX, const std::function<int(int, int)>& multiX) {
    std::vector<BlockLine> lines;
    int y = (box.H() - extent.y) / 2 + box.t;
    // As it was fitted: a text of one line, with or without a line end after
    // it, has its chords above its lyric like every line of a longer text.
    const bool bSingle = !HasLineEnd(WithoutFinalLineEnd(strText));
    ForEachLine(strText, [&](const wxString& line) {
        wxString stripped = StripMarkup(line, true);
        if (stripped.empty()) {
            stripped = " ";
        }
        const size_t cr = stripped.find('\r');
        int offset = 0;
        wxSize size;
        if (cr == wxString::npos) {
            size = dc.GetTextExtent(stripped);
            // A line whose one chord stands at its end keeps the chord's name
            // in its stripped lyric; it still gets its chord line, as when
            // the text was fitted.
            if (line.find('{') != wxString::npos) {
                offset = size.y;
            }
        } else {
            offset = dc.GetTextExtent(stripped.substr(0, cr)).y;
            size = dc.GetTextExtent(stripped.substr(cr + 1));
        }
        size.y += offset;
        const int x = bSingle ? singleX(extent.x) : multiX(size.x, extent.x);
        lines.push_back(BlockLine{line, x, y, offset, size});
        y += size.y;
    });
    return lines;
}

int CScreenRenderer::ChordBlock(Canvas& dc, const wxString& strText, const Box& box, wxSize extent,
                                const std::function<int(int)>& singleX,
                                const std::function<int(int, int)>& multiX) {
    const int n = m_state.m_nNextEntry;
    const int transpose = m_doc.GetTranspose(n);
    const bool flats = m_doc.GetPreferFlats(n);
    dc.SetTextColour(m_doc.GetForeground(n));
    for (const BlockLine& line : LayOutChordBlock(dc, strText, box, extent, singleX, multiX)) {
        DrawMarkedLine(dc, line.x, line.y, line.offset, line.text, transpose, flats);
    }
    return extent.x;
}

bool CScreenRenderer::BlockMeets(Canvas& dc, const std::vector<BlockLine>& lines,
                                 const wxRect& rc) {
    const int n = m_state.m_nNextEntry;
    for (const BlockLine& line : lines) {
        if (line.y >= rc.GetBottom() + 1 || line.y + line.size.y <= rc.y) {
            continue;
        }
        wxSize drawn;
        DrawMarkedLine(dc, line.x, line.y, line.offset, line.text, m_doc.GetTranspose(n),
                       m_doc.GetPreferFlats(n), &drawn);
        if (line.x + drawn.x > rc.x && line.x < rc.GetRight() + 1) {
            return true;
        }
    }
    return false;
}

void CScreenRenderer::ContinuationArrows(Canvas& dc, const Box& show) {
    const int flags = m_doc.GetEntryFlags(m_state.m_nNextEntry);
    const int R = show.r, B = show.b;
    dc.SetPen(Canvas::PenStyle::Solid, 1, kWhite);
    if (flags & 3) {
        dc.DrawLine(R - 10, B - 50, R - 10, B);
    }
    if (flags & 1) {
        dc.DrawLine(R - 10, B, R, B - 20);
        dc.DrawLine(R - 10, B, R - 20, B - 20);
    }
    if (flags & 2) {
        dc.DrawLine(R - 10, B - 50, R, B - 30);
        dc.DrawLine(R - 10, B - 50, R - 20, B - 30);
    }
}

void CScreenRenderer::NextLine(Canvas& dc) {
    const std::array<wxString, 5> next = SplitEntry(m_doc.GetEntry(m_state.m_nNextEntry + 1));
    wxString heading = next[1];
    if (heading.empty()) {
        // The first line of the next text that says something: not empty,
        // not a section label, not a colour-marked line; none when the text
        // runs out.
        const wxString& text = next[3];
        size_t pos = 0;
        while (true) {
            const size_t end = FindLineEnd(text, pos);
            heading = text.substr(pos, end == wxString::npos ? wxString::npos : end - pos);
            const bool bUsable =
                !heading.empty() && !heading.StartsWith("&") && !heading.StartsWith("[");
            if (bUsable || end == wxString::npos) {
                if (!bUsable) {
                    heading.clear();
                }
                break;
            }
            pos = AfterLineEnd(text, end);
        }
        heading = RemoveGroups(heading, '{', '}');
        heading.Replace("|", "");
    } else {
        heading = RemoveGroups(heading, '[', ']');
    }
    ReleaseShowFont(dc);
    dc.SetTextColour(kOlive);
    SelectShowFont(dc, kNextLineFont);
    dc.SetBackgroundOpaque(false);
    dc.DrawText("Next: " + heading + " " + next[2], 0, 0);
}

void CScreenRenderer::ShowPicture(Canvas& dc, const wxString& strPath) {
    const wxRect& area = m_state.m_rcShow;
    // Fitted to the show area already, so it is drawn at its own size.
    const wxImage picture = m_doc.m_pictures.Fitted(strPath, area.GetSize());
    if (picture.IsOk()) {
        dc.DrawImage(picture, wxRect(area.GetPosition(), picture.GetSize()));
        return;
    }
    SelectShowFont(dc, kNoticeFont);
    dc.SetBackgroundColour(kWhite);
    dc.SetTextColour(kBlack);
    dc.SetBackgroundOpaque(true);
    dc.DrawText(strPath, area.x, area.y);
    dc.SetBackgroundOpaque(false);
}
