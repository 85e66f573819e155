#include "show/ServerScreen.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/window.h>

#include <cairo.h>

namespace {

// The cairo context behind a DC; every DC of the GTK 3 toolkit draws with one.
cairo_t* CairoOf(wxDC& dc) {
    wxGraphicsContext* gc = dc.GetGraphicsContext();
    return gc != nullptr ? static_cast<cairo_t*>(gc->GetNativeContext()) : nullptr;
}

}  // namespace

void CServerScreen::SurfaceDeleter::operator()(_cairo_surface* p) const {
    cairo_surface_destroy(p);
}

CServerScreen::CServerScreen(const wxBitmap& bmp, wxWindow* pWnd)
    : m_size(bmp.IsOk() ? bmp.GetSize() : wxSize()), m_bmp(bmp) {
    if (pWnd == nullptr || !pWnd->IsShownOnScreen() || !bmp.IsOk()) {
        return;
    }
    wxClientDC dcWnd(pWnd);
    cairo_t* crWnd = CairoOf(dcWnd);
    if (crWnd == nullptr) {
        return;
    }
    // A surface like the window's lives on the server, in the window's format.
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(cairo_surface_create_similar(
        cairo_get_target(crWnd), CAIRO_CONTENT_COLOR, bmp.GetWidth(), bmp.GetHeight()));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        return;
    }
    cairo_t* cr = cairo_create(surface.get());
    {
        // The toolkit's own bitmap drawing, as a paint of the bitmap does it.
        const std::unique_ptr<wxGraphicsContext> gc(
            wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(cr));
        if (gc) {
            gc->DrawBitmap(bmp, 0, 0, bmp.GetWidth(), bmp.GetHeight());
        }
    }
    const bool bOk = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    if (bOk) {
        cairo_surface_flush(surface.get());
        m_pSurface = std::move(surface);
        m_bmp = wxBitmap();
    }
}

const wxBitmap& CServerScreen::GetBitmap() const {
    if (m_bmp.IsOk() || !m_pSurface) {
        return m_bmp;
    }
    wxBitmap bmp(m_size.x, m_size.y, 24);
    {
        wxMemoryDC dc(bmp);
        if (cairo_t* cr = CairoOf(dc)) {
            cairo_save(cr);
            cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
            cairo_set_source_surface(cr, m_pSurface.get(), 0, 0);
            cairo_paint(cr);
            cairo_restore(cr);
        }
    }
    m_bmp = bmp;
    return m_bmp;
}

void CServerScreen::DrawOn(wxDC& dc) const {
    cairo_t* cr = m_pSurface ? CairoOf(dc) : nullptr;
    if (cr == nullptr) {
        dc.DrawBitmap(m_bmp, 0, 0, false);
        return;
    }
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, m_pSurface.get(), 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
}
