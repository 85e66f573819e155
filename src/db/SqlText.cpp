#include "db/SqlText.h"

wxString EscapeSqlLiteral(const wxString& strText) {
    wxString escaped = strText;
    escaped.Replace("'", "''");
    return escaped;
}
