// A canvas with fixed metrics that records what is drawn, for exact layout
// tests: a font of nSize tenths of a point is FontPixelHeight(nSize, 96)
// pixels high, its line height is that height and every character is half
// that wide (the default font: 16 pixels, characters 8 wide). Each state
// change and drawing call is kept as a record and as a line of text;
// measurements are only counted.
#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>
#include <string>
#include <vector>

#include "view/Canvas.h"

class RecordingCanvas : public Canvas {
  public:
    static constexpr int kDefaultFontHeight = 16;

    struct Call {
        wxString kind;  // font, colour, background, pen, line, fill, pixel, image, text
        wxString text;  // the text drawn
        int x = 0, y = 0, x2 = 0, y2 = 0;
        wxSize size;                     // fill and image sizes
        COLORREF colour = 0;             // text colour of a text; the colour of a pen, fill, pixel
        COLORREF background = 0;         // a text's background colour, when opaque
        bool opaque = false;             // a text drawn on an opaque background
        int font = 0;                    // a text's font size in tenths
        bool defaultFont = false;        // a text drawn in the default font
        PenStyle pen = PenStyle::Solid;  // a line's pen
        int penWidth = 0;
        wxString line;  // the record as a line of text
    };

    explicit RecordingCanvas(wxSize dpi = wxSize(96, 96)) : m_dpi(dpi) {}

    void SetFont(int nSize) override;
    void SetDefaultFont() override;
    int GetLineHeight() override { return m_nFontHeight; }
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

    // The width of str in the current font.
    int WidthOf(const wxString& str) const {
        return static_cast<int>(str.length()) * (m_nFontHeight / 2);
    }
    // The pixel height of a font size at this canvas's resolution.
    int HeightOf(int nSize) const { return FontPixelHeight(nSize, m_dpi.y); }

    const std::vector<Call>& Calls() const { return m_calls; }
    // The records of one kind.
    std::vector<Call> Calls(const wxString& kind) const;
    // The text records, in drawing order.
    std::vector<Call> Texts() const { return Calls("text"); }
    // "text@x,y" for each text drawn, in order, separated by spaces.
    std::string TextSummary() const;
    // The first text record whose text is str; nullptr when there is none.
    const Call* FindText(const wxString& str) const;
    // Every record as a line of text, each ended by '\n' (UTF-8, so test
    // failures print it as text).
    std::string Log() const;
    void Clear() { m_calls.clear(); }

  protected:
    wxSize DoGetTextExtent(const wxString& str) override;

  private:
    void Record(Call call);

    wxSize m_dpi;
    int m_nFont = 0;
    bool m_bDefaultFont = true;
    int m_nFontHeight = kDefaultFontHeight;
    COLORREF m_crText = 0;
    COLORREF m_crBackground = MakeColourValue(255, 255, 255);
    bool m_bOpaque = false;
    PenStyle m_pen = PenStyle::Solid;
    int m_nPenWidth = 1;
    COLORREF m_crPen = 0;
    std::vector<Call> m_calls;
};

// "#RRGGBB" of a colour value.
wxString ColourText(COLORREF cr);
