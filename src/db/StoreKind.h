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
