#include "support/RecordingCanvas.h"

wxString ColourText(COLORREF cr) {
    return wxString::Format("#%02X%02X%02X", RedOf(cr), GreenOf(cr), BlueOf(cr));
}

void RecordingCanvas::Record(Call call) {
    m_calls.push_back(std::move(call));
}

void RecordingCanvas::SetFont(int nSize) {
    m_nFont = nSize;
    m_bDefaultFont = false;
    m_nFontHeight = HeightOf(nSize);
    Call call;
    call.kind = "font";
    call.font = nSize;
    call.line = wxString::Format("font %d", nSize);
    Record(call);
}

void RecordingCanvas::SetDefaultFont() {
    m_nFont = 0;
    m_bDefaultFont = true;
    m_nFontHeight = kDefaultFontHeight;
    Call call;
    call.kind = "font";
    call.line = "font default";
    Record(call);
}

wxSize RecordingCanvas::DoGetTextExtent(const wxString& str) {
    return wxSize(WidthOf(str), m_nFontHeight);
}

void RecordingCanvas::DrawText(const wxString& str, int x, int y) {
    Call call;
    call.kind = "text";
    call.text = str;
    call.x = x;
    call.y = y;
    call.colour = m_crText;
    call.opaque = m_bOpaque;
    call.background = m_bOpaque ? m_crBackground : 0;
    call.font = m_nFont;
    call.defaultFont = m_bDefaultFont;
    call.size = wxSize(WidthOf(str), m_nFontHeight);
    call.line = wxString::Format(
        "text %d,%d %s %s%s \"%s\"", x, y,
        m_bDefaultFont ? wxString("default") : wxString::Format("%d", m_nFont),
        ColourText(m_crText), m_bOpaque ? " on " + ColourText(m_crBackground) : wxString(), str);
    Record(call);
}

void RecordingCanvas::SetTextColour(COLORREF cr) {
    m_crText = cr;
}

void RecordingCanvas::SetBackgroundOpaque(bool bOpaque) {
    m_bOpaque = bOpaque;
}

void RecordingCanvas::SetBackgroundColour(COLORREF cr) {
    m_crBackground = cr;
}

void RecordingCanvas::SetPen(PenStyle style, int nWidth, COLORREF cr) {
    m_pen = style;
    m_nPenWidth = nWidth;
    m_crPen = cr;
}

void RecordingCanvas::DrawLine(int x1, int y1, int x2, int y2) {
    Call call;
    call.kind = "line";
    call.x = x1;
    call.y = y1;
    call.x2 = x2;
    call.y2 = y2;
    call.colour = m_crPen;
    call.pen = m_pen;
    call.penWidth = m_nPenWidth;
    call.line = wxString::Format("line %d,%d %d,%d %s %d %s", x1, y1, x2, y2,
                                 m_pen == PenStyle::Dotted ? "dotted" : "solid", m_nPenWidth,
                                 ColourText(m_crPen));
    Record(call);
}

void RecordingCanvas::FillRect(const wxRect& rc, COLORREF cr) {
    Call call;
    call.kind = "fill";
    call.x = rc.x;
    call.y = rc.y;
    call.size = rc.GetSize();
    call.colour = cr;
    call.line =
        wxString::Format("fill %d,%d %dx%d %s", rc.x, rc.y, rc.width, rc.height, ColourText(cr));
    Record(call);
}

void RecordingCanvas::SetPixel(int x, int y, COLORREF cr) {
    Call call;
    call.kind = "pixel";
    call.x = x;
    call.y = y;
    call.colour = cr;
    call.line = wxString::Format("pixel %d,%d %s", x, y, ColourText(cr));
    Record(call);
}

void RecordingCanvas::DrawImage(const wxImage& image, const wxRect& rcDest) {
    Call call;
    call.kind = "image";
    call.x = rcDest.x;
    call.y = rcDest.y;
    call.size = rcDest.GetSize();
    call.line = wxString::Format("image %d,%d %dx%d of %dx%d", rcDest.x, rcDest.y, rcDest.width,
                                 rcDest.height, image.IsOk() ? image.GetWidth() : 0,
                                 image.IsOk() ? image.GetHeight() : 0);
    Record(call);
}

std::vector<RecordingCanvas::Call> RecordingCanvas::Calls(const wxString& kind) const {
    std::vector<Call> out;
    for (const Call& call : m_calls) {
        if (call.kind == kind) {
            out.push_back(call);
        }
    }
    return out;
}

const RecordingCanvas::Call* RecordingCanvas::FindText(const wxString& str) const {
    for (const Call& call : m_calls) {
        if (call.kind == "text" && call.text == str) {
            return &call;
        }
    }
    return nullptr;
}

std::string RecordingCanvas::Log() const {
    wxString log;
    for (const Call& call : m_calls) {
        log << call.line << '\n';
    }
    return log.utf8_string();
}

std::string RecordingCanvas::TextSummary() const {
    wxString out;
    for (const auto& t : Texts()) {
        out << t.text << "@" << t.x << "," << t.y << " ";
    }
    return out.Trim().utf8_string();
}
