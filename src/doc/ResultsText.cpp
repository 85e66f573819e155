// The listings as text: search results and statistics for the clipboard,
// search results for a file. Every record of the results, not one page.
#include "doc/ExchangeText.h"
#include "doc/PhraseSearch.h"
#include "doc/VersiluxDoc.h"

wxString CVersiluxDoc::FormatSearchResultsForCopy() {
    const std::vector<CSearchResult> results = GetSearchResults();
    if (results.empty()) {
        return "No results";
    }
    wxString text;
    for (const CSearchResult& result : results) {
        text << result.strTitle;
        if (!m_bSearchThisVPD) {
            text << "[" << GetVPDName(result.nVPD) << "]";
        }
        text << "\n\r" << SearchContext(result.strField1, m_strSearchPhrase) << "\n\r\n\r";
    }
    return text;
}

wxString CVersiluxDoc::FormatSearchResultsForFile() {
    const std::vector<CSearchResult> results = GetSearchResults();
    if (results.empty()) {
        return "No results";
    }
    wxString text;
    for (const CSearchResult& result : results) {
        wxString context = SearchContext(result.strField1, m_strSearchPhrase);
        context.Replace("\n", " ");
        context.Replace("\r", " ");
        text << result.strTitle << "\t" << context << "\r\n";
    }
    return text;
}

wxString CVersiluxDoc::FormatStatisticsForCopy() {
    wxString text;
    const int nRows = std::clamp(m_nStatCount, 0, kMaxStats);
    for (int i = 0; i < nRows; ++i) {
        const auto n = static_cast<size_t>(i);
        text << GetItemTitle(m_statIDs[n]) << " : " << wxString::Format("%d : ", m_statCounts[n])
             << m_statTitles[n] << "\n\r\n\r";
    }
    return text;
}

wxString CVersiluxDoc::FormatListingForCopy() {
    if (m_bShowSearch) {
        return FormatSearchResultsForCopy();
    }
    if (m_bShowStats) {
        return FormatStatisticsForCopy();
    }
    return wxString();
}

bool CVersiluxDoc::WriteSearchResults(const wxString& strPath, wxString& strError) {
    return WriteExchangeFile(strPath, FormatSearchResultsForFile(), strError);
}
