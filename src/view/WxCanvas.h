// The canvas on a wx device context: a memory bitmap, a window or a printer
// page. Widths measured in the current font are remembered until the font
// changes, since a layout measures each piece of text when fitting it and
// again when drawing it.
#pragma once

#include <wx/dc.h>
#include <wx/font.h>
#include <wx/hashmap.h>
#include <wx/pen.h>
#include <unordered_map>

#include "view/Canvas.h"

class WxCanvas : public Canvas {
  public:
    // Fonts are sized for dpi; wxDefaultSize means the device's own resolution.
    explicit WxCanvas(wxDC& dc, wxSize dpi = wxDefaultSize);

    void SetFont(int nSize) override;
    void SetDefaultFont() override;
    int GetLineHeight() override;
    void DrawText(const wxString& str, int x, int y) override;
    void SetTextColour(COLORREF cr) override;
    COLORREF GetTextColour() const override { return m_crText; }
    void SetBackgroundOpaque(bool bOpaque) override;
    void SetBackgroundColour(COLORREF cr) override;
    void SetPen(PenStyle style, int nWidth, COLORREF cr) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void FillRect(const wxRect& rc, COLORREF cr) override;
    void SetPixel(int x, int y, COLORREF cr) override;
    void DrawImage(const wxImage& image, const wxRect& rcDest) override;
    wxSize GetDPI() const override { return m_dpi; }

    // How many measurements reached the device (the rest were remembered).
    long GetDeviceMeasureCount() const { return m_nDeviceMeasurements; }

  protected:
    wxSize DoGetTextExtent(const wxString& str) override;

  private:
    void UseFont(const wxFont& font);

    wxDC& m_dc;
    wxSize m_dpi;
    double m_dDevicePPIy = 96.0;
    wxFont m_defaultFont;
    wxPen m_pen;
    COLORREF m_crText = 0;
    int m_nLineHeight = -1;  // -1: not measured yet for the current font
    std::unordered_map<wxString, int, wxStringHash, wxStringEqual> m_widths;
    long m_nDeviceMeasurements = 0;
};
