// Which store a connection reaches, for the few places where stores differ.
#pragma once

#include <wx/string.h>

class CDatabase;

inline bool IsPostgreSQL(const wxString& strDBMSName) {
    return strDBMSName.Upper().Contains("POSTGRES");
}
inline bool IsSQLite(const wxString& strDBMSName) {
    return strDBMSName.Upper().Contains("SQLITE");
}

// The pattern match that ignores letter case the way SQLite's LIKE does (for
// ASCII letters); PostgreSQL's LIKE minds case, its ILIKE does not.
inline const char* CaseBlindLike(const wxString& strDBMSName) {
    return IsPostgreSQL(strDBMSName) ? "ilike" : "like";
}
