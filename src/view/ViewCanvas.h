// The main window's scrolling client area: draws through the view's OnDraw
// and hands keys to the view's key handler.
#pragma once

#include <wx/scrolwin.h>

class CVersiluxView;

class CViewCanvas : public wxScrolledWindow {
  public:
    // Units of one scroll step; the area is 1000 x 1500 pixels.
    static constexpr int kScrollUnit = 10;
    static constexpr int kAreaWidth = 1000;
    static constexpr int kAreaHeight = 1500;

    CViewCanvas(CVersiluxView* pView, wxWindow* pParent);

    void OnDraw(wxDC& dc) override;
    // The view is going away: draw nothing and forward nothing from now on.
    void ResetView() { m_pView = nullptr; }

    // The top of the visible part, in pixels.
    int GetScrollTopPixels() const;
    // Scrolls so that pixel row y is at the top, x back at 0.
    void ScrollToPixels(int y);
    // Makes the area tall enough for nHeight pixels (never less than the
    // usual area), keeping the scroll position.
    void SetAreaHeight(int nHeight);

  private:
    void OnKeyDown(wxKeyEvent& event);
    void OnRightDown(wxMouseEvent& event);

    CVersiluxView* m_pView = nullptr;
    int m_nAreaHeight = kAreaHeight;
};
