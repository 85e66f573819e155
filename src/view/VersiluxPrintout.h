// The main view on paper: in print mode the current item, paginated (as many
// pages as it needs), and any other listing on a single page. Used by File >
// Print and Print Preview and by the command line's PDF printing.
#pragma once

#include <wx/print.h>
#include <functional>
#include <vector>

#include "view/PrintableItem.h"

class CVersiluxDoc;

class CVersiluxPrintout : public wxPrintout {
  public:
    explicit CVersiluxPrintout(CVersiluxDoc& doc, const wxString& strTitle = "Versilux");

    // Reads the entries and the print settings once for the whole job and
    // finds the page breaks.
    void OnPreparePrinting() override;
    void GetPageInfo(int* pMinPage, int* pMaxPage, int* pSelFrom, int* pSelTo) override;
    bool HasPage(int nPage) override;
    bool OnBeginDocument(int nStartPage, int nEndPage) override;
    bool OnPrintPage(int nPage) override;

    // A database failure while printing: the message, "" when there was
    // none. The job ends at the failure; onFailure, when set, is told too.
    const wxString& GetFailure() const { return m_strFailure; }
    std::function<void(const wxString&)> m_onFailure;

    int GetPageCount() const { return static_cast<int>(m_printPageStart.size()); }
    // The first entry of each page, in print mode.
    const std::vector<int>& GetPageStarts() const { return m_printPageStart; }

  private:
    void Fail(const wxString& strMessage);

    CVersiluxDoc& m_doc;
    wxString m_strFailure;
    bool m_bPrintable = false;
    std::vector<wxString> m_entries;
    std::vector<int> m_printPageStart{0};
    CPrintOptions m_options;
};
