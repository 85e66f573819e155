// Finding the items whose main text holds a phrase: the SQL condition that
// matches the phrase literally, and the stretch of text shown with a result.
// Pure text code; the document's search runs the queries.
#pragma once

#include <wx/string.h>

// A condition on strColumn that holds when the column contains strPhrase as
// typed: quotes cannot end the literal, and %, _ and [ match themselves
// rather than acting as wildcards. ASCII letters match in either case on
// every store (strDBMSName: the store the condition is for).
wxString ContainsPhraseCondition(const wxString& strColumn, const wxString& strPhrase,
                                 const wxString& strDBMSName);

// Where the phrase stands in the text, ignoring case; -1 when it does not.
int FindPhrase(const wxString& strField1, const wxString& strPhrase);

// The text around the first match: from up to 50 characters before it, at
// most the phrase's length + 100 characters. nMatch, when known, is what
// FindPhrase returned for the two.
wxString SearchContext(const wxString& strField1, const wxString& strPhrase);
wxString SearchContext(const wxString& strField1, const wxString& strPhrase, int nMatch);

// One row of search results, from whichever set the search filled.
struct CSearchResult {
    wxString strTitle;
    wxString strField1;
    int nVPD = 0;
    int nID = 0;
};
