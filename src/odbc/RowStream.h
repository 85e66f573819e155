// Many rows at a time: a query read row by row without keeping the rows, and
// one insert statement prepared once and run for row after row. For copying
// whole tables, where a record set would hold every row and build its
// statement again for each one.
#pragma once

#include <wx/string.h>
#include <memory>
#include <vector>

#include "odbc/FieldExchange.h"

class CDatabase;

class CRowReader {
  public:
    // Runs the query; kinds says how to read each of its columns.
    CRowReader(CDatabase& db, const wxString& strSQL, std::vector<FieldKind> kinds);
    ~CRowReader();
    CRowReader(const CRowReader&) = delete;
    CRowReader& operator=(const CRowReader&) = delete;

    // The next row's values; false after the last row.
    bool Next(std::vector<FieldValue>& values);

  private:
    struct Statement;
    std::unique_ptr<Statement> m_pStmt;
    CDatabase& m_db;
    wxString m_strSQL;
    std::vector<FieldKind> m_kinds;
};

class CPreparedInsert {
  public:
    // Prepares "INSERT INTO table (columns) VALUES (?, ...)"; table and
    // column names are written as the program's SQL writes them ("[Item ID]").
    CPreparedInsert(CDatabase& db, const wxString& strTable, const std::vector<wxString>& columns,
                    std::vector<FieldKind> kinds);
    ~CPreparedInsert();
    CPreparedInsert(const CPreparedInsert&) = delete;
    CPreparedInsert& operator=(const CPreparedInsert&) = delete;

    // Inserts one row: values in the order of the columns. Text goes to the
    // store as UTF-8 whatever it was read as.
    void Insert(const std::vector<FieldValue>& values);
    // Inserts the rows with one execution (one trip to a server); throws
    // when the store refused any of them.
    void InsertRows(const std::vector<std::vector<FieldValue>>& rows);

  private:
    void Execute(const std::vector<std::vector<FieldValue>>& rows);
    struct Statement;
    std::unique_ptr<Statement> m_pStmt;
    CDatabase& m_db;
    wxString m_strSQL;
    std::vector<FieldKind> m_kinds;
};
