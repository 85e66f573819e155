// The display window a show is painted on: borderless, black, always on top,
// with an invisible pointer. It draws nothing of its own: screens arrive in
// its backing bitmap, keys and clicks go to the main view, and a paint that
// finds no screen marker asks the view to show the current screen again.
#pragma once

#include <wx/bitmap.h>
#include <wx/frame.h>

#include "view/ShowWindow.h"

class CServerScreen;
class CVersiluxView;
class wxDC;

class CFullScreenWnd : public wxFrame, public CShowWindow {
  public:
    CFullScreenWnd() = default;
    ~CFullScreenWnd() override;

    // Creates the window small (20 x 20 at (10, 10)) and visible. pView gets
    // the keys and repaint requests; it may be null (a placement test).
    bool CreateDisplay(wxWindow* pParent, CVersiluxView* pView);

    void TogglePlacement(bool bMaximised, int nTop, int nLeft, int nBottom, int nRight) override;
    void ToggleShown() override;
    bool IsPlaced() const override { return m_bPlaced; }
    wxRect GetShowClientRect() const override;
    wxBitmap& GetBackingBitmap() override;
    wxBitmap& GetBitmapToDrawOn() override;
    void Present() override;
    std::shared_ptr<CPreparedScreen> PrepareScreen(const wxBitmap& bmp) override;
    void PresentScreen(const std::shared_ptr<CPreparedScreen>& screen) override;
    wxWindow* GetWindow() override { return this; }
    void DestroyDisplay() override;

    // True when the backing bitmap carries the screen marker at (0, 0).
    bool HasScreenMarker() const;
    // The surface that takes the keys and clicks (tests send events to it).
    wxWindow* GetSurface() const { return m_pSurface; }
    // How many times the window has been painted (benchmarks wait on it).
    unsigned GetPaintCount() const { return m_nPaints; }

    bool m_bPlaced = false;
    bool m_bMaximised = true;
    int m_nTop = 0;
    int m_nLeft = 0;
    int m_nBottom = 100;
    int m_nRight = 100;

  private:
    void OnKeyDown(wxKeyEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnIdle(wxIdleEvent& event);
    // Copies the current screen to dc, and asks for the screen again when
    // the bitmap carries no marker.
    void PaintOn(wxDC& dc);
    void OnClose(wxCloseEvent& event);
    void OnSize(wxSizeEvent& event);
    void PostKey(int nKeyCode);
    // The screen the window stands on, for a maximised placement.
    wxRect DisplayArea() const;

    CVersiluxView* m_pView = nullptr;
    wxWindow* m_pSurface = nullptr;
    wxBitmap m_bmpBacking;
    // The prepared screen the backing bitmap came from, while it is shown.
    std::shared_ptr<const CServerScreen> m_pShown;
    // The bitmap screens were drawn on, set aside while a prepared one is up.
    wxBitmap m_bmpDrawn;
    unsigned m_nPaints = 0;
};

// The display window for a show of pView, or nullptr when it cannot be made.
CShowWindow* CreateFullScreenWnd(wxWindow* pParent, CVersiluxView& view);
