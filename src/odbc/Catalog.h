// What the store says it holds: its tables and their columns, from the
// driver's catalog, so nothing needs a statement that may fail (which on
// some stores spoils the open transaction).
#pragma once

#include <wx/string.h>
#include <vector>

#include "odbc/FieldExchange.h"

class CDatabase;

struct CColumnInfo {
    wxString strName;                  // as the store spells it, without quotes
    FieldKind kind = FieldKind::Long;  // Text for character columns, else Long
};

// The names of the store's own tables, as it spells them.
std::vector<wxString> ListTables(CDatabase& db);

// The columns of a table in their order; empty when there is no such table.
std::vector<CColumnInfo> ListColumns(CDatabase& db, const wxString& strTable);

// The name without the brackets the program's SQL writes around it.
wxString UnbracketedName(const wxString& strName);
