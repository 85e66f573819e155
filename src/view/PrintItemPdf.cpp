#include "view/PrintItemPdf.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <wx/cmndata.h>
#include <wx/dcgraph.h>
#include <wx/graphics.h>
#include <wx/paper.h>
#include <wx/print.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "doc/VersiluxDoc.h"
#include "view/VersiluxPrintout.h"

namespace {

bool ParseNumber(const wxString& text, long nMin, long nMax, long& value) {
    return !text.empty() && text.ToLong(&value) && value >= nMin && value <= nMax;
}

// The PDF bytes go through our own file, so a failed write is noticed.
cairo_status_t WriteToFile(void* closure, const unsigned char* data, unsigned int length) {
    std::FILE* file = static_cast<std::FILE*>(closure);
    return std::fwrite(data, 1, length, file) == length ? CAIRO_STATUS_SUCCESS
                                                        : CAIRO_STATUS_WRITE_ERROR;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
struct SurfaceDestroyer {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDestroyer {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};

}  // namespace

bool ParsePrintItemArgs(int argc, char** argv, int nFirst, CPrintItemArgs& args) {
    if (nFirst >= argc) {
        return false;
    }
    long value = 0;
    if (!ParseNumber(wxString::FromUTF8(argv[nFirst]), 1, 0x7FFFFFFF, value)) {
        return false;
    }
    args.nItemID = static_cast<int>(value);
    for (int i = nFirst + 1; i < argc; ++i) {
        const wxString arg = wxString::FromUTF8(argv[i]);
        if (arg == "--transpose" && i + 1 < argc && !args.bTranspose) {
            if (!ParseNumber(wxString::FromUTF8(argv[++i]), -12, 12, value)) {
                return false;
            }
            args.bTranspose = true;
            args.nTranspose = static_cast<int>(value);
        } else if ((arg == "--flats" || arg == "--sharps") && args.nFlats < 0) {
            args.nFlats = arg == "--flats" ? 1 : 0;
        } else if (arg == "--bw" && !args.bBlackAndWhite) {
            args.bBlackAndWhite = true;
        } else if (arg == "--pdf" && i + 1 < argc && args.strPdf.empty()) {
            args.strPdf = wxString::FromUTF8(argv[++i]);
            if (args.strPdf.empty()) {
                return false;
            }
        } else {
            return false;
        }
    }
    return !args.strPdf.empty();
}

CPdfPage DefaultPdfPage() {
    CPdfPage page;
    const wxPrintData data;
    wxSize mm = data.GetPaperSize();
    if (wxThePrintPaperDatabase != nullptr && data.GetPaperId() != wxPAPER_NONE) {
        if (const wxPrintPaperType* type =
                wxThePrintPaperDatabase->FindPaperType(data.GetPaperId())) {
            mm = type->GetSize() / 10;  // tenths of a millimetre
        }
    }
    if (mm.x > 0 && mm.y > 0) {
        page.dWidthPt = mm.x * 72.0 / 25.4;
        page.dHeightPt = mm.y * 72.0 / 25.4;
    }
    if (data.GetOrientation() == wxLANDSCAPE) {
        std::swap(page.dWidthPt, page.dHeightPt);
    }
    return page;
}

bool PrintToPdf(wxPrintout& printout, const wxString& strPath, const CPdfPage& page,
                wxString& strError) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(strPath.fn_str(), "wb"));
    if (!file) {
        strError = wxString::Format("cannot write the file \"%s\": %s", strPath,
                                    wxString::FromUTF8(std::strerror(errno)));
        return false;
    }
    std::unique_ptr<cairo_surface_t, SurfaceDestroyer> surface(cairo_pdf_surface_create_for_stream(
        WriteToFile, file.get(), page.dWidthPt, page.dHeightPt));
    std::unique_ptr<cairo_t, ContextDestroyer> context(cairo_create(surface.get()));
    // One unit is one printer dot, as on a printer's page.
    const double scale = 72.0 / page.nDpi;
    cairo_scale(context.get(), scale, scale);
    const int width = static_cast<int>(page.dWidthPt / scale);
    const int height = static_cast<int>(page.dHeightPt / scale);
    bool bPrinted = true;
    {
        const unsigned refs = cairo_get_reference_count(context.get());
        wxGraphicsContext* gc =
            wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(context.get());
        // The toolkit's context releases the cairo context when it goes; it
        // must hold a reference of its own for ours to stay valid.
        if (cairo_get_reference_count(context.get()) == refs) {
            cairo_reference(context.get());
        }
        wxGCDC dc(gc);  // owns gc
        printout.SetDC(&dc);
        printout.SetPPIScreen(96, 96);
        printout.SetPPIPrinter(page.nDpi, page.nDpi);
        printout.SetPageSizePixels(width, height);
        printout.SetPaperRectPixels(wxRect(0, 0, width, height));
        printout.SetPageSizeMM(static_cast<int>(page.dWidthPt * 25.4 / 72.0 + 0.5),
                               static_cast<int>(page.dHeightPt * 25.4 / 72.0 + 0.5));
        printout.OnPreparePrinting();
        int minPage = 1, maxPage = 1, from = 1, to = 1;
        printout.GetPageInfo(&minPage, &maxPage, &from, &to);
        printout.OnBeginPrinting();
        if (!printout.OnBeginDocument(minPage, maxPage)) {
            bPrinted = false;
        }
        for (int n = minPage; bPrinted && n <= maxPage && printout.HasPage(n); ++n) {
            gc->PushState();
            bPrinted = printout.OnPrintPage(n);
            gc->PopState();
            gc->Flush();
            cairo_show_page(context.get());
        }
        printout.OnEndDocument();
        printout.OnEndPrinting();
        printout.SetDC(nullptr);
    }
    cairo_surface_finish(surface.get());
    const cairo_status_t status = cairo_surface_status(surface.get());
    context.reset();
    surface.reset();
    const bool bClosed = std::fclose(file.release()) == 0;
    if (!bPrinted || status != CAIRO_STATUS_SUCCESS || !bClosed) {
        strError = wxString::Format("cannot write the file \"%s\"", strPath);
        if (auto* ours = dynamic_cast<CVersiluxPrintout*>(&printout);
            ours != nullptr && !ours->GetFailure().empty()) {
            strError = ours->GetFailure();
        }
        std::remove(strPath.fn_str());
        return false;
    }
    return true;
}

int PrintItemToPdf(CVersiluxDoc& doc, const CPrintItemArgs& args, wxString& strError) {
    CItemsSet& item = *doc.m_pItemsSet;
    item.m_strFilter = wxString::Format("ID=%d", args.nItemID);
    RequeryOrOpen(item);
    if (item.IsEOF()) {
        strError = wxString::Format("no item has the ID %d", args.nItemID);
        return 1;
    }
    doc.ShowListing(CListingKind::Printable);
    doc.m_nPrintTranspose = args.bTranspose ? args.nTranspose : item.m_Transpose;
    doc.m_bPrintPreferFlats = args.nFlats < 0 ? item.m_PreferFlats : args.nFlats == 1;
    doc.m_bPrintBW = args.bBlackAndWhite;
    wxString title = item.m_Title;
    title.Trim(true);
    CVersiluxPrintout printout(doc, title);
    return PrintToPdf(printout, args.strPdf, DefaultPdfPage(), strError) ? 0 : 1;
}
