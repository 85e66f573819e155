// How one statement text reaches stores that quote names differently. The
// program writes names with spaces in brackets ("[schedule items]"); each
// store gets them in its driver's own identifier quote, in the case the
// store keeps unquoted names in, so "[Item ID]" and an unquoted "Item_ID"
// style name find their columns alike on every store.
#pragma once

#include <wx/string.h>

enum class EIdentifierCase {
    Mixed,  // the store matches names in any case (SQLite)
    Lower,  // unquoted names are folded to lower case (PostgreSQL)
    Upper,  // unquoted names are folded to upper case
};

// Which store a connection reaches, by the name its driver gives
// (CDatabase::GetDBMSName), for the few places where stores differ.
inline bool IsPostgreSQL(const wxString& strDBMSName) {
    return strDBMSName.Upper().Contains("POSTGRES");
}
inline bool IsSQLite(const wxString& strDBMSName) {
    return strDBMSName.Upper().Contains("SQLITE");
}

struct CSqlDialect {
    // The driver's identifier quote; empty when it has none, then brackets
    // are passed on as written.
    wxString strQuote = "\"";
    EIdentifierCase nCase = EIdentifierCase::Mixed;
};

// The statement with every [name] outside literals, quoted names and comments
// written in the dialect's quote and case. A quote character inside a name
// is doubled; an unclosed bracket is left as written for the store to refuse.
wxString RewriteBracketQuoting(const wxString& strSQL, const CSqlDialect& dialect);
