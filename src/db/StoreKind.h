// Which store a connection reaches, for the few places where stores differ.
#pragma once

#include <wx/string.h>

#include "odbc/SqlDialect.h"  // IsPostgreSQL, IsSQLite

// The pattern match that ignores letter case the way SQLite's LIKE does (for
// ASCII letters); PostgreSQL's LIKE minds case, its ILIKE does not.
inline const char* CaseBlindLike(const wxString& strDBMSName) {
    return IsPostgreSQL(strDBMSName) ? "ilike" : "like";
}
