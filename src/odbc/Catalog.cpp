#include "odbc/Catalog.h"

#include "odbc/OdbcCall.h"  // first: it selects the narrow entry points

#include "odbc/Database.h"

wxString UnbracketedName(const wxString& strName) {
    if (strName.StartsWith("[") && strName.EndsWith("]")) {
        return strName.Mid(1, strName.length() - 2);
    }
    return strName;
}

namespace {

std::vector<wxString> ReadTables(CDatabase& db) {
    odbc::StmtHandle stmt;
    stmt.Allocate(db.GetHDBC(), SQL_HANDLE_DBC, "allocating a statement");
    std::string type = "TABLE";
    const wxString context = "listing the tables";
    odbc::Check(SQLTables(stmt.Get(), nullptr, 0, nullptr, 0, nullptr, 0,
                          reinterpret_cast<SQLCHAR*>(type.data()), SQL_NTS),
                SQL_HANDLE_STMT, stmt.Get(), context);
    std::vector<wxString> tables;
    for (;;) {
        const SQLRETURN rc = SQLFetch(stmt.Get());
        if (rc == SQL_NO_DATA) {
            break;
        }
        odbc::Check(rc, SQL_HANDLE_STMT, stmt.Get(), context);
        tables.push_back(odbc::ReadColumn(stmt.Get(), 3, FieldKind::Text, context).strValue);
    }
    return tables;
}

// The columns of the table as the catalog spells its name.
std::vector<CColumnInfo> ReadColumns(CDatabase& db, const wxString& table,
                                     const wxString& strTable) {
    odbc::StmtHandle stmt;
    stmt.Allocate(db.GetHDBC(), SQL_HANDLE_DBC, "allocating a statement");
    std::string pattern = odbc::ToDriver(table);
    const wxString context = "reading the columns of " + strTable;
    odbc::Check(
        SQLColumns(stmt.Get(), nullptr, 0, nullptr, 0, reinterpret_cast<SQLCHAR*>(pattern.data()),
                   static_cast<SQLSMALLINT>(pattern.size()), nullptr, 0),
        SQL_HANDLE_STMT, stmt.Get(), context);
    std::vector<CColumnInfo> columns;
    for (;;) {
        const SQLRETURN rc = SQLFetch(stmt.Get());
        if (rc == SQL_NO_DATA) {
            break;
        }
        odbc::Check(rc, SQL_HANDLE_STMT, stmt.Get(), context);
        // The table name is a pattern ('_' matches any character), so other
        // tables may answer too.
        if (odbc::ReadColumn(stmt.Get(), 3, FieldKind::Text, context).strValue != table) {
            continue;
        }
        CColumnInfo column;
        column.strName = odbc::ReadColumn(stmt.Get(), 4, FieldKind::Text, context).strValue;
        switch (odbc::ReadColumn(stmt.Get(), 5, FieldKind::Long, context).nValue) {
            case SQL_CHAR:
            case SQL_VARCHAR:
            case SQL_LONGVARCHAR:
            case SQL_WCHAR:
            case SQL_WVARCHAR:
            case SQL_WLONGVARCHAR:
                column.kind = FieldKind::Text;
                break;
            default:
                column.kind = FieldKind::Long;
        }
        columns.push_back(column);
    }
    return columns;
}

}  // namespace

std::vector<wxString> ListTables(CDatabase& db) {
    return db.Guarded("listing the tables", [&] { return ReadTables(db); });
}

std::vector<CColumnInfo> ListColumns(CDatabase& db, const wxString& strTable) {
    // Asked by the name as the store spells it: catalogs differ in whether
    // case counts.
    const wxString wanted = UnbracketedName(strTable);
    wxString table;
    for (const wxString& name : ListTables(db)) {
        if (name.CmpNoCase(wanted) == 0) {
            table = name;
            break;
        }
    }
    if (table.empty()) {
        return {};
    }
    return db.Guarded("reading the columns of " + strTable,
                      [&] { return ReadColumns(db, table, strTable); });
}
