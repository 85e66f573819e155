#include "show/FullScreenWnd.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/display.h>
#include <wx/image.h>
#include <wx/utils.h>

#include <algorithm>
#include <memory>

#include "show/ServerScreen.h"
#include "view/VersiluxView.h"

// Last: their macros clash with names in the headers above.
#include <X11/Xlib.h>
#include <gtk/gtk.h>

namespace {

// The small square a shrunk window stands as: (10, 10) to (30, 30).
const wxRect kShrunk(10, 10, 20, 20);

}  // namespace

CFullScreenWnd::~CFullScreenWnd() {
    // Destroyed other than through DestroyDisplay (with its parent, say): the
    // show must not keep a window that is gone.
    if (m_pView != nullptr) {
        m_pView->OnDisplayDestroyed();
    }
}

bool CFullScreenWnd::CreateDisplay(wxWindow* pParent, CVersiluxView* pView) {
    m_pView = pView;
    if (!wxFrame::Create(pParent, wxID_ANY, wxString(), kShrunk.GetPosition(), kShrunk.GetSize(),
                         wxBORDER_NONE | wxSTAY_ON_TOP | wxFRAME_NO_TASKBAR)) {
        return false;
    }
    SetBackgroundColour(*wxBLACK);
    SetCursor(wxCursor(wxCURSOR_BLANK));
    // A group of its own: a modal dialog's grab (the item editor during a
    // preview) then leaves the display window its own keys and clicks.
    GtkWindowGroup* group = gtk_window_group_new();
    gtk_window_group_add_window(group, GTK_WINDOW(GetHandle()));
    g_object_unref(group);  // the window keeps it
    // A child takes the keys and clicks: a frame of its own gets no focus on
    // every platform.
    m_pSurface = new wxWindow(this, wxID_ANY, wxDefaultPosition, kShrunk.GetSize(),
                              wxBORDER_NONE | wxWANTS_CHARS);
    m_pSurface->SetBackgroundStyle(wxBG_STYLE_PAINT);
    m_pSurface->SetBackgroundColour(*wxBLACK);
    m_pSurface->SetCursor(wxCursor(wxCURSOR_BLANK));
    m_pSurface->Bind(wxEVT_KEY_DOWN, &CFullScreenWnd::OnKeyDown, this);
    m_pSurface->Bind(wxEVT_LEFT_DOWN, &CFullScreenWnd::OnLeftDown, this);
    m_pSurface->Bind(wxEVT_RIGHT_DOWN, &CFullScreenWnd::OnRightDown, this);
    m_pSurface->Bind(wxEVT_PAINT, &CFullScreenWnd::OnPaint, this);
    Bind(wxEVT_CLOSE_WINDOW, &CFullScreenWnd::OnClose, this);
    Bind(wxEVT_SIZE, &CFullScreenWnd::OnSize, this);
    Bind(wxEVT_IDLE, &CFullScreenWnd::OnIdle, this);
    Show();
    m_pSurface->SetFocus();
    return true;
}

wxRect CFullScreenWnd::DisplayArea() const {
    int n = wxDisplay::GetFromWindow(this);
    if (n == wxNOT_FOUND) {
        n = 0;
    }
    return wxDisplay(static_cast<unsigned>(n)).GetGeometry();
}

void CFullScreenWnd::TogglePlacement(bool bMaximised, int nTop, int nLeft, int nBottom,
                                     int nRight) {
    // The new state comes first: the size event it causes may be handled at once.
    m_bPlaced = !m_bPlaced;
    if (!m_bPlaced) {
        SetSize(kShrunk);
    } else if (bMaximised) {
        SetSize(DisplayArea());
    } else {
        // A rectangle with no width or height still leaves a window to find.
        SetSize(wxRect(nLeft, nTop, std::max(1, nRight - nLeft), std::max(1, nBottom - nTop)));
    }
    m_bMaximised = bMaximised;
    m_nTop = nTop;
    m_nLeft = nLeft;
    m_nBottom = nBottom;
    m_nRight = nRight;
    Raise();
}

void CFullScreenWnd::ToggleShown() {
    TogglePlacement(m_bMaximised, m_nTop, m_nLeft, m_nBottom, m_nRight);
}

wxRect CFullScreenWnd::GetShowClientRect() const {
    return wxRect(wxPoint(0, 0), GetClientSize());
}

wxBitmap& CFullScreenWnd::GetBackingBitmap() {
    // A new size starts a new, black bitmap without the marker, so the next
    // paint asks for the screen again. A prepared screen shown last shares
    // its bitmap with it until a drawing context separates the two.
    if (m_pShown && !m_bmpBacking.IsOk()) {
        m_bmpBacking = m_pShown->GetBitmap();
    }
    const wxSize size = GetClientSize();
    const int w = std::max(1, size.x);
    const int h = std::max(1, size.y);
    if (!m_bmpBacking.IsOk() || m_bmpBacking.GetWidth() != w || m_bmpBacking.GetHeight() != h) {
        m_bmpBacking = wxBitmap(w, h, 24);
        wxMemoryDC dc(m_bmpBacking);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
    }
    return m_bmpBacking;
}

wxBitmap& CFullScreenWnd::GetBitmapToDrawOn() {
    if (m_pShown) {
        m_pShown.reset();
        m_bmpBacking = m_bmpDrawn;  // a new size or none: GetBackingBitmap makes one
        m_bmpDrawn = wxBitmap();
    }
    return GetBackingBitmap();
}

void CFullScreenWnd::Present() {
    // The copy is made now rather than at the toolkit's next frame; a burst
    // of keys is thinned out before it gets here (see the view's PostKey).
    if (!m_pSurface->IsShownOnScreen()) {
        m_pSurface->Refresh(false);  // painted when the window appears
        return;
    }
    {
        wxClientDC dc(m_pSurface);
        PaintOn(dc);
    }
    // Sent now, not when the event loop next waits: idle work may come first.
    XFlush(wxGetX11Display());
}

std::shared_ptr<CPreparedScreen> CFullScreenWnd::PrepareScreen(const wxBitmap& bmp) {
    return std::make_shared<CServerScreen>(bmp, m_pSurface);
}

void CFullScreenWnd::PresentScreen(const std::shared_ptr<CPreparedScreen>& screen) {
    auto server = std::dynamic_pointer_cast<const CServerScreen>(screen);
    if (!server) {
        return;
    }
    // The bitmap stays on the server until something asks for it.
    if (!m_pShown) {
        m_bmpDrawn = m_bmpBacking;
    }
    m_bmpBacking = wxBitmap();
    m_pShown = std::move(server);
    Present();
}

void CFullScreenWnd::DestroyDisplay() {
    m_pView = nullptr;
    Hide();
    Destroy();
}

bool CFullScreenWnd::HasScreenMarker() const {
    if (m_pShown && !m_bmpBacking.IsOk()) {
        return true;  // prepared screens are drawn whole, the marker with them
    }
    if (!m_bmpBacking.IsOk()) {
        return false;
    }
    const wxImage pixel = m_bmpBacking.GetSubBitmap(wxRect(0, 0, 1, 1)).ConvertToImage();
    return pixel.GetRed(0, 0) == 255 && pixel.GetGreen(0, 0) == 0 && pixel.GetBlue(0, 0) == 255;
}

void CFullScreenWnd::PostKey(int nKeyCode) {
    if (m_pView != nullptr) {
        m_pView->PostKey(nKeyCode);
    }
}

void CFullScreenWnd::OnKeyDown(wxKeyEvent& event) {
    // Alt and its combinations belong to the system, not to the show.
    if (event.AltDown() || event.GetKeyCode() == WXK_ALT) {
        event.Skip();
    } else if (event.GetKeyCode() == WXK_ESCAPE) {
        ToggleShown();
    } else {
        PostKey(event.GetKeyCode());
    }
}

void CFullScreenWnd::OnLeftDown(wxMouseEvent& event) {
    PostKey(WXK_DOWN);
    event.Skip();
}

void CFullScreenWnd::OnRightDown(wxMouseEvent& event) {
    PostKey(WXK_UP);
    event.Skip();
}

void CFullScreenWnd::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(m_pSurface);
    PaintOn(dc);
}

void CFullScreenWnd::PaintOn(wxDC& dc) {
    // The backing bitmap may have been drawn on since the prepared screen
    // was put up (then the server's copy is no longer what it holds), and a
    // new size wants a new screen.
    if (m_pShown && m_pShown->GetSize() == GetClientSize() &&
        (!m_bmpBacking.IsOk() || m_bmpBacking.IsSameAs(m_pShown->GetBitmap()))) {
        m_pShown->DrawOn(dc);
    } else {
        m_pShown.reset();
        dc.DrawBitmap(GetBackingBitmap(), 0, 0, false);
    }
    ++m_nPaints;
    if (!HasScreenMarker()) {
        PostKey('A');
    }
}

void CFullScreenWnd::OnIdle(wxIdleEvent& event) {
    // Idle time goes into drawing the screens the next keys will ask for.
    if (m_pView != nullptr && m_pView->PrepareNextScreens()) {
        event.RequestMore();
    }
}

void CFullScreenWnd::OnSize(wxSizeEvent& event) {
    event.Skip();  // the surface still fills the window
    if (m_pView != nullptr) {
        m_pView->OnDisplayResized();
    }
}

void CFullScreenWnd::OnClose(wxCloseEvent& event) {
    // Closing the window (from the desktop) quits the show the usual way.
    if (m_pView != nullptr && event.CanVeto()) {
        event.Veto();
        m_pView->PostKey('Q');
        return;
    }
    event.Skip();
}

CShowWindow* CreateFullScreenWnd(wxWindow* pParent, CVersiluxView& view) {
    auto wnd = std::make_unique<CFullScreenWnd>();
    if (!wnd->CreateDisplay(pParent, &view)) {
        return nullptr;
    }
    return wnd.release();  // a created window belongs to wx until DestroyDisplay
}
