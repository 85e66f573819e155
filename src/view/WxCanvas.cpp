#include "view/WxCanvas.h"

#include <wx/bitmap.h>
#include <wx/brush.h>

#include "view/WxColour.h"

namespace {

// Remembered widths are dropped beyond this many, so a huge text cannot make
// the cache grow without bound.
constexpr size_t kMaxRememberedWidths = 4096;

// Control characters (a line end inside a line, a tab) would make the text
// engine start new lines or jump; they take the room of a space instead.
wxString Printable(const wxString& str) {
    bool clean = true;
    for (const wxUniChar c : str) {
        if (c < 0x20 || c == 0x7F) {
            clean = false;
            break;
        }
    }
    if (clean) {
        return str;
    }
    wxString out(str);
    for (auto it = out.begin(); it != out.end(); ++it) {
        if (*it < 0x20 || *it == 0x7F) {
            *it = ' ';
        }
    }
    return out;
}

}  // namespace

WxCanvas::WxCanvas(wxDC& dc, wxSize dpi) : m_dc(dc), m_dpi(dpi) {
    const wxSize devicePPI = m_dc.GetPPI();
    if (m_dpi == wxDefaultSize) {
        m_dpi = devicePPI.y > 0 ? devicePPI : wxSize(96, 96);
    }
    if (devicePPI.y > 0) {
        m_dDevicePPIy = devicePPI.y;
    }
    m_defaultFont = m_dc.GetFont().IsOk() ? m_dc.GetFont() : *wxNORMAL_FONT;
    m_pen = wxPen(*wxBLACK, 1);
    m_dc.SetTextForeground(*wxBLACK);
    m_dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    UseFont(m_defaultFont);
}

void WxCanvas::UseFont(const wxFont& font) {
    m_dc.SetFont(font);
    m_nLineHeight = -1;
    m_widths.clear();
}

void WxCanvas::SetFont(int nSize) {
    // wx sizes fonts in points of the device's own resolution; this gives the
    // pixel height the font must have at the canvas's resolution.
    const double points = FontPixelHeight(nSize, m_dpi.y) * 72.0 / m_dDevicePPIy;
    UseFont(wxFont(wxFontInfo(points).FaceName("Arial")));
}

void WxCanvas::SetDefaultFont() {
    UseFont(m_defaultFont);
}

int WxCanvas::GetLineHeight() {
    if (m_nLineHeight < 0) {
        m_nLineHeight = m_dc.GetCharHeight();
    }
    return m_nLineHeight;
}

wxSize WxCanvas::DoGetTextExtent(const wxString& str) {
    const int height = GetLineHeight();
    if (str.empty()) {
        return wxSize(0, height);
    }
    if (auto it = m_widths.find(str); it != m_widths.end()) {
        return wxSize(it->second, height);
    }
    ++m_nDeviceMeasurements;
    wxCoord width = 0;
    wxCoord textHeight = 0;
    m_dc.GetTextExtent(Printable(str), &width, &textHeight);
    if (m_widths.size() >= kMaxRememberedWidths) {
        m_widths.clear();
    }
    m_widths.emplace(str, width);
    return wxSize(width, height);
}

void WxCanvas::DrawText(const wxString& str, int x, int y) {
    if (!str.empty()) {
        m_dc.DrawText(Printable(str), x, y);
    }
}

void WxCanvas::SetTextColour(COLORREF cr) {
    m_crText = cr;
    m_dc.SetTextForeground(ToWxColour(cr));
}

void WxCanvas::SetBackgroundOpaque(bool bOpaque) {
    m_dc.SetBackgroundMode(bOpaque ? wxBRUSHSTYLE_SOLID : wxBRUSHSTYLE_TRANSPARENT);
}

void WxCanvas::SetBackgroundColour(COLORREF cr) {
    m_dc.SetTextBackground(ToWxColour(cr));
}

void WxCanvas::SetPen(PenStyle style, int nWidth, COLORREF cr) {
    m_pen = wxPen(ToWxColour(cr), nWidth,
                  style == PenStyle::Dotted ? wxPENSTYLE_DOT : wxPENSTYLE_SOLID);
    m_dc.SetPen(m_pen);
}

void WxCanvas::DrawLine(int x1, int y1, int x2, int y2) {
    m_dc.DrawLine(x1, y1, x2, y2);
}

void WxCanvas::FillRect(const wxRect& rc, COLORREF cr) {
    if (rc.width <= 0 || rc.height <= 0) {
        return;
    }
    m_dc.SetPen(*wxTRANSPARENT_PEN);
    m_dc.SetBrush(wxBrush(ToWxColour(cr)));
    m_dc.DrawRectangle(rc);
    m_dc.SetPen(m_pen);
}

void WxCanvas::SetPixel(int x, int y, COLORREF cr) {
    FillRect(wxRect(x, y, 1, 1), cr);
}

void WxCanvas::DrawImage(const wxImage& image, const wxRect& rcDest) {
    if (!image.IsOk() || rcDest.width <= 0 || rcDest.height <= 0) {
        return;
    }
    const wxImage scaled = image.GetWidth() == rcDest.width && image.GetHeight() == rcDest.height
                               ? image
                               : image.Scale(rcDest.width, rcDest.height, wxIMAGE_QUALITY_HIGH);
    m_dc.DrawBitmap(wxBitmap(scaled), rcDest.x, rcDest.y, true);
}
