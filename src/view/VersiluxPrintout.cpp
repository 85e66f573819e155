#include "view/VersiluxPrintout.h"

#include <wx/dc.h>

#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"
#include "view/MainListing.h"
#include "view/WxCanvas.h"

CVersiluxPrintout::CVersiluxPrintout(CVersiluxDoc& doc, const wxString& strTitle)
    : wxPrintout(strTitle), m_doc(doc) {}

void CVersiluxPrintout::Fail(const wxString& strMessage) {
    // Only the first failure is told: the job ends with it.
    if (m_strFailure.empty()) {
        m_strFailure = strMessage;
        if (m_onFailure) {
            m_onFailure(strMessage);
        }
    }
}

void CVersiluxPrintout::OnPreparePrinting() {
    m_bPrintable = m_doc.m_bPrintable && !m_doc.m_bShowSearch;
    m_entries.clear();
    m_printPageStart.assign(1, 0);
    m_strFailure.clear();
    if (m_bPrintable) {
        // The printing loop runs inside the toolkit: a failure must not leave here.
        try {
            m_entries = m_doc.BuildPrintableEntries();
            m_printPageStart = PaginateEntries(m_entries);
            m_options = PrintOptionsOf(m_doc);
        } catch (const CDBException& e) {
            Fail(e.GetErrorMessage());
        }
    }
}

bool CVersiluxPrintout::OnBeginDocument(int nStartPage, int nEndPage) {
    return m_strFailure.empty() && wxPrintout::OnBeginDocument(nStartPage, nEndPage);
}

void CVersiluxPrintout::GetPageInfo(int* pMinPage, int* pMaxPage, int* pSelFrom, int* pSelTo) {
    *pMinPage = 1;
    *pMaxPage = GetPageCount();
    *pSelFrom = 1;
    *pSelTo = GetPageCount();
}

bool CVersiluxPrintout::HasPage(int nPage) {
    return nPage >= 1 && nPage <= GetPageCount();
}

bool CVersiluxPrintout::OnPrintPage(int nPage) {
    wxDC* dc = GetDC();
    if (dc == nullptr || !HasPage(nPage) || !m_strFailure.empty()) {
        return false;
    }
    // Units are the printer's dots, and fonts are sized for the printer's
    // resolution. A preview draws on a smaller page: it is scaled so that
    // the printer's page fills it.
    int pageW = 0;
    int pageH = 0;
    GetPageSizePixels(&pageW, &pageH);
    const wxSize dcSize = dc->GetSize();
    if (pageW > 0 && pageH > 0 && dcSize.x > 0 && dcSize.y > 0 && dcSize.x != pageW) {
        dc->SetUserScale(static_cast<double>(dcSize.x) / pageW,
                         static_cast<double>(dcSize.y) / pageH);
    }
    int ppiX = 0;
    int ppiY = 0;
    GetPPIPrinter(&ppiX, &ppiY);
    WxCanvas canvas(*dc, ppiY > 0 ? wxSize(ppiX, ppiY) : wxDefaultSize);
    if (m_bPrintable) {
        const auto page = static_cast<size_t>(nPage);
        const int nStop = page < m_printPageStart.size() ? m_printPageStart[page] : -1;
        DrawPrintableEntries(canvas, m_entries, m_printPageStart[page - 1], nStop, m_options);
        return true;
    }
    // Another listing on one page. The search's row counter is what Search
    // More continues from: the screen's page decides it, not the paper's.
    const int nSearchLine = m_doc.m_nSearchLine;
    CListingRecord record;
    try {
        DrawMainListing(m_doc, canvas, record, {});
    } catch (const CDBException& e) {
        Fail(e.GetErrorMessage());
    }
    m_doc.m_nSearchLine = nSearchLine;
    return m_strFailure.empty();
}
