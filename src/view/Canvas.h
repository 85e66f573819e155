// Where show screens, listings and printed pages are drawn. Layout code draws
// only through this interface, so the same code paints a window, a bitmap or
// a page, and a recording canvas with fixed metrics can check every coordinate.
//
// Coordinates are device pixels, x to the right and y down. A text is placed
// by the top-left corner of its cell: y is the top of the line, and the line
// is GetLineHeight() pixels high.
#pragma once

#include <wx/gdicmn.h>
#include <wx/image.h>
#include <wx/string.h>

#include "doc/ColourValue.h"

class Canvas {
  public:
    enum class PenStyle { Solid, Dotted };

    virtual ~Canvas() = default;

    // Arial at nSize tenths of a point (100 = 10 points) for the vertical
    // resolution of GetDPI(): FontPixelHeight(nSize, GetDPI().y) pixels from
    // the top of the capitals' accents to the bottom of the descenders.
    virtual void SetFont(int nSize) = 0;
    // The device's own font, the one in effect before any SetFont.
    virtual void SetDefaultFont() = 0;
    // The line height of the current font: never less than the font's pixel
    // height above, which fitting relies on to pass over sizes too high for
    // a box without making their fonts.
    virtual int GetLineHeight() = 0;

    // The width of str in the current font and the font's line height. The
    // height is the same for every string of one font, the empty string (of
    // width 0) included, so lines stack evenly whatever glyphs they hold.
    wxSize GetTextExtent(const wxString& str) {
        ++m_nMeasurements;
        return DoGetTextExtent(str);
    }
    // How many texts were measured on this canvas so far.
    long GetMeasureCount() const { return m_nMeasurements; }

    // Draws str with the top-left corner of its cell at (x, y) in the text
    // colour, over a box of the background colour when the background is opaque.
    virtual void DrawText(const wxString& str, int x, int y) = 0;
    virtual void SetTextColour(COLORREF cr) = 0;
    virtual COLORREF GetTextColour() const = 0;
    // Text backgrounds are transparent until set otherwise.
    virtual void SetBackgroundOpaque(bool bOpaque) = 0;
    virtual void SetBackgroundColour(COLORREF cr) = 0;

    // The pen of the following DrawLine calls.
    virtual void SetPen(PenStyle style, int nWidth, COLORREF cr) = 0;
    virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
    // Fills rc (right and bottom edges excluded) with cr; the pen is not used.
    virtual void FillRect(const wxRect& rc, COLORREF cr) = 0;
    virtual void SetPixel(int x, int y, COLORREF cr) = 0;
    // Draws the whole image scaled to rcDest.
    virtual void DrawImage(const wxImage& image, const wxRect& rcDest) = 0;

    // Pixels per inch, horizontally and vertically.
    virtual wxSize GetDPI() const = 0;

  protected:
    virtual wxSize DoGetTextExtent(const wxString& str) = 0;

  private:
    long m_nMeasurements = 0;
};

// Pixel height of a font of nSize tenths of a point at nDpiY pixels per inch,
// rounded to the nearest pixel; a negative size counts by its absolute value,
// and no font is less than one pixel high.
constexpr int FontPixelHeight(int nSize, int nDpiY) {
    const long long size = nSize < 0 ? -static_cast<long long>(nSize) : nSize;
    const long long px = (size * nDpiY + 360) / 720;
    return px < 1 ? 1 : px > 100000 ? 100000 : static_cast<int>(px);
}
