// The phrase search: the scratch table of chord-chart texts without their
// markup, the filtered query on it or on the songs, and reading the results.
#include "doc/PhraseSearch.h"

#include "db/RowClaim.h"
#include "db/SQLCountSet.h"
#include "db/SqlText.h"
#include "db/StoreKind.h"
#include "doc/VersiluxDoc.h"
#include "text/RemoveMarkup.h"

namespace {

// '!' rather than a backslash: some stores treat a backslash inside a
// literal as an escape of their own.
constexpr char kLikeEscape = '!';

}  // namespace

wxString ContainsPhraseCondition(const wxString& strColumn, const wxString& strPhrase,
                                 const wxString& strDBMSName) {
    wxString pattern;
    pattern.reserve(strPhrase.length() + 8);
    for (wxUniChar c : strPhrase) {
        if (c == kLikeEscape || c == '%' || c == '_' || c == '[') {
            pattern << kLikeEscape;
        }
        pattern << c;
    }
    return strColumn + " " + CaseBlindLike(strDBMSName) + " '%" + EscapeSqlLiteral(pattern) +
           "%' escape '" + kLikeEscape + "'";
}

int FindPhrase(const wxString& strField1, const wxString& strPhrase) {
    return strField1.Lower().Find(strPhrase.Lower());
}

wxString SearchContext(const wxString& strField1, const wxString& strPhrase) {
    return SearchContext(strField1, strPhrase, FindPhrase(strField1, strPhrase));
}

wxString SearchContext(const wxString& strField1, const wxString& strPhrase, int nMatch) {
    const size_t nStart = nMatch >= 50 ? static_cast<size_t>(nMatch - 50) : 0;
    return strField1.Mid(nStart, strPhrase.length() + 100);
}

bool CVersiluxDoc::RebuildTempSearch(const CProgress& onProgress) {
    SQLCountSet count(&m_database);
    count.m_strTable = "items";
    count.m_strWhere = "[Subtype]=3";
    count.Open();
    const int nTotal = count.m_TOTAL;
    count.Close();

    // The old copy stays whole until the new one is complete, and a second
    // program rebuilding it meanwhile waits instead of adding its rows too.
    CTransaction transaction(m_database);
    ClaimTableForChange(m_database, "tempsearch");
    m_database.ExecuteSQL("delete from tempsearch");
    if (!m_pTempSearchSet->IsOpen()) {
        m_pTempSearchSet->Open();
    }
    CItemsSet& items = *m_pItemsSet;
    items.m_strFilter = "[Subtype]=3";
    RequeryOrOpen(items);
    CTempSearchSet& copy = *m_pTempSearchSet;
    int nDone = 0;
    for (; !items.IsEOF(); items.MoveNext()) {
        copy.AddNew();
        copy.m_ID = items.m_ID;
        copy.m_VPD = items.m_VPD;
        copy.m_Field1 = RemoveMarkup(items.m_Field1);
        copy.m_Title = items.m_Title;
        copy.Update();
        ++nDone;
        if (onProgress && nDone % 64 == 0 && !onProgress(nDone, nTotal)) {
            return false;
        }
    }
    transaction.Commit();
    if (onProgress) {
        onProgress(nDone, nTotal);
    }
    return true;
}

void CVersiluxDoc::RunPhraseSearch(const wxString& strPhrase, bool bThisVPD, bool bUseTemp) {
    m_bSearchThisVPD = bThisVPD;
    m_bSearchTemp = bUseTemp;
    const wxString contains =
        ContainsPhraseCondition("[Field1]", strPhrase, m_database.GetDBMSName());
    const wxString vpd = bThisVPD ? wxString::Format("[VPD]=%d and ", m_nVPD) : wxString();
    if (bUseTemp) {
        m_pTempSearchSet->m_strFilter = vpd + contains;
        m_pTempSearchSet->m_strSort = "[Title]";
        RequeryOrOpen(*m_pTempSearchSet);
    } else {
        m_pItemsSet->m_strFilter = "[Subtype]=1 and " + vpd + contains;
        m_pItemsSet->m_strSort = "[Title]";
        RequeryOrOpen(*m_pItemsSet);
    }
    m_strSearchPhrase = strPhrase;
    ShowListing(CListingKind::Search);
    m_bScrollTop = true;
    m_nSearchFirst = 0;
    RefreshViews();
}

CRecordset& CVersiluxDoc::SearchResultSet() {
    return m_bSearchTemp ? static_cast<CRecordset&>(*m_pTempSearchSet)
                         : static_cast<CRecordset&>(*m_pItemsSet);
}

CSearchResult CVersiluxDoc::CurrentSearchResult() const {
    if (m_bSearchTemp) {
        const CTempSearchSet& s = *m_pTempSearchSet;
        return {s.m_Title, s.m_Field1, s.m_VPD, static_cast<int>(s.m_ID)};
    }
    const CItemsSet& s = *m_pItemsSet;
    return {s.m_Title, s.m_Field1, s.m_VPD, static_cast<int>(s.m_ID)};
}

std::vector<CSearchResult> CVersiluxDoc::GetSearchResults() {
    std::vector<CSearchResult> results;
    CRecordset& set = SearchResultSet();
    if (!set.IsOpen() || (set.IsBOF() && set.IsEOF())) {
        return results;
    }
    for (set.MoveFirst(); !set.IsEOF(); set.MoveNext()) {
        results.push_back(CurrentSearchResult());
    }
    return results;
}
