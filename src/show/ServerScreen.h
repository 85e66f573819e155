// A show screen kept on the display server: putting it up is a copy the
// server makes between its own surfaces, not a transfer of the whole bitmap
// from the program (about 0.5 ms instead of 4 ms for 1920 x 1080 here). Once
// it is there the program keeps no copy of its own (8 MB a screen); the
// bitmap is read back only when asked for.
#pragma once

#include <wx/bitmap.h>

#include <memory>

#include "view/ShowWindow.h"

class wxDC;
class wxWindow;
struct _cairo_surface;

class CServerScreen : public CPreparedScreen {
  public:
    // Copies bmp to the server, on a surface made for wnd's display; without
    // one (the window not on the screen yet) only the bitmap is kept.
    CServerScreen(const wxBitmap& bmp, wxWindow* pWnd);

    // The screen as a bitmap, read back from the server the first time.
    const wxBitmap& GetBitmap() const override;
    wxSize GetSize() const { return m_size; }
    // Draws the screen at (0, 0) on dc, from the server copy when there is one.
    void DrawOn(wxDC& dc) const;
    bool IsOnServer() const { return m_pSurface != nullptr; }

  private:
    struct SurfaceDeleter {
        void operator()(_cairo_surface* p) const;
    };
    wxSize m_size;
    mutable wxBitmap m_bmp;
    std::unique_ptr<_cairo_surface, SurfaceDeleter> m_pSurface;
};
