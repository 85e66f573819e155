// The display window as the show control sees it. The window itself lives in
// the show layer (CFullScreenWnd); the view only places it, paints into its
// backing bitmap and destroys it.
#pragma once

#include <wx/bitmap.h>
#include <wx/gdicmn.h>

#include <memory>

class wxWindow;

// A screen drawn ahead of its key, as the display window keeps it: the
// bitmap, and whatever copy lets the window put it up fastest.
class CPreparedScreen {
  public:
    virtual ~CPreparedScreen() = default;
    virtual const wxBitmap& GetBitmap() const = 0;
};

class CShowWindow {
  public:
    // Places the window for the show, or shrinks it to the small square near
    // the top-left corner, alternately; stores the arguments for ToggleShown.
    virtual void TogglePlacement(bool bMaximised, int nTop, int nLeft, int nBottom, int nRight) = 0;
    // TogglePlacement with the arguments of the last call (the Esc key).
    virtual void ToggleShown() = 0;
    // True while the window stands at its show placement (not shrunk).
    virtual bool IsPlaced() const = 0;
    // The client area, origin (0, 0).
    virtual wxRect GetShowClientRect() const = 0;
    // The screen up, as a bitmap the size of the client area (read back from
    // the server when a prepared screen is up). Screens are drawn through
    // GetBitmapToDrawOn.
    virtual wxBitmap& GetBackingBitmap() = 0;
    // The bitmap to draw the next screen on, then Present: the backing bitmap,
    // or while a prepared screen is up, the one drawn on before (its screen
    // is not read back from the server just to be drawn over).
    virtual wxBitmap& GetBitmapToDrawOn() = 0;
    // Copies the backing bitmap to the window now.
    virtual void Present() = 0;
    // Keeps bmp (the size of the client area) ready to be shown by
    // PresentScreen.
    virtual std::shared_ptr<CPreparedScreen> PrepareScreen(const wxBitmap& bmp) = 0;
    // Makes the prepared screen the backing bitmap and puts it up now.
    virtual void PresentScreen(const std::shared_ptr<CPreparedScreen>& screen) = 0;
    // The window, as parent of the show's pop-ups.
    virtual wxWindow* GetWindow() = 0;
    // Destroys the window; the object must not be used afterwards.
    virtual void DestroyDisplay() = 0;

  protected:
    ~CShowWindow() = default;  // destroyed through DestroyDisplay only
};
