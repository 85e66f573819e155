#include "view/ViewCanvas.h"

#include "view/VersiluxView.h"

#include <algorithm>

CViewCanvas::CViewCanvas(CVersiluxView* pView, wxWindow* pParent)
    : wxScrolledWindow(pParent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                       wxHSCROLL | wxVSCROLL | wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE),
      m_pView(pView) {
    SetBackgroundColour(*wxWHITE);
    SetScrollbars(kScrollUnit, kScrollUnit, kAreaWidth / kScrollUnit, kAreaHeight / kScrollUnit);
    Bind(wxEVT_KEY_DOWN, &CViewCanvas::OnKeyDown, this);
    Bind(wxEVT_RIGHT_DOWN, &CViewCanvas::OnRightDown, this);
}

void CViewCanvas::OnDraw(wxDC& dc) {
    if (m_pView != nullptr) {
        m_pView->OnDraw(&dc);
    }
}

int CViewCanvas::GetScrollTopPixels() const {
    int x = 0;
    int y = 0;
    CalcUnscrolledPosition(0, 0, &x, &y);
    return y;
}

void CViewCanvas::ScrollToPixels(int y) {
    Scroll(0, std::max(0, y) / kScrollUnit);
}

void CViewCanvas::SetAreaHeight(int nHeight) {
    const int height = std::max(kAreaHeight, nHeight);
    if (height != m_nAreaHeight) {
        m_nAreaHeight = height;
        SetVirtualSize(kAreaWidth, height);
    }
}

void CViewCanvas::OnRightDown(wxMouseEvent& event) {
    // The click goes on to the usual handling whatever the view does with it.
    event.Skip();
    if (m_pView != nullptr) {
        m_pView->OnRButtonDown(CalcUnscrolledPosition(event.GetPosition()));
    }
}

void CViewCanvas::OnKeyDown(wxKeyEvent& event) {
    // Keys with Ctrl or Alt are the menu's accelerators and mnemonics; every
    // other key belongs to the view. The window's own key scrolling stays off.
    if (m_pView == nullptr || event.ControlDown() || event.AltDown() ||
        event.GetKeyCode() == WXK_ALT || event.GetKeyCode() == WXK_TAB) {
        event.Skip();
        return;
    }
    m_pView->OnKeyDown(event.GetKeyCode());
}
