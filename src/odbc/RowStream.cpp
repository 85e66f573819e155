#include "odbc/RowStream.h"

#include "odbc/OdbcCall.h"  // first: it selects the narrow entry points

#include <cstdint>
#include <limits>
#include <string>

#include "odbc/DBException.h"
#include "odbc/Database.h"

struct CRowReader::Statement {
    odbc::StmtHandle stmt;
};

CRowReader::CRowReader(CDatabase& db, const wxString& strSQL, std::vector<FieldKind> kinds)
    : m_pStmt(std::make_unique<Statement>()), m_strSQL(strSQL), m_kinds(std::move(kinds)) {
    if (!db.IsOpen()) {
        throw CDBException("08003", 0, "the connection is not open", "executing: " + strSQL);
    }
    m_pStmt->stmt.Allocate(db.GetHDBC(), SQL_HANDLE_DBC, "allocating a statement");
    std::string text = odbc::ToDriver(db.NativeSQL(strSQL));
    odbc::Check(SQLExecDirect(m_pStmt->stmt.Get(), reinterpret_cast<SQLCHAR*>(text.data()),
                              static_cast<SQLINTEGER>(text.size())),
                SQL_HANDLE_STMT, m_pStmt->stmt.Get(), "executing: " + strSQL);
}

CRowReader::~CRowReader() = default;

bool CRowReader::Next(std::vector<FieldValue>& values) {
    SQLHSTMT stmt = m_pStmt->stmt.Get();
    const SQLRETURN rc = SQLFetch(stmt);
    if (rc == SQL_NO_DATA) {
        return false;
    }
    odbc::Check(rc, SQL_HANDLE_STMT, stmt, "fetching from: " + m_strSQL);
    values.resize(m_kinds.size());
    for (size_t i = 0; i < m_kinds.size(); ++i) {
        values[i] = odbc::ReadColumn(stmt, static_cast<SQLUSMALLINT>(i + 1), m_kinds[i], m_strSQL);
    }
    return true;
}

struct CPreparedInsert::Statement {
    odbc::StmtHandle stmt;
};

CPreparedInsert::CPreparedInsert(CDatabase& db, const wxString& strTable,
                                 const std::vector<wxString>& columns, std::vector<FieldKind> kinds)
    : m_pStmt(std::make_unique<Statement>()), m_kinds(std::move(kinds)) {
    wxString names, marks;
    for (const wxString& column : columns) {
        names << (names.empty() ? "" : ", ") << column;
        marks << (marks.empty() ? "?" : ", ?");
    }
    m_strSQL = "INSERT INTO " + strTable + " (" + names + ") VALUES (" + marks + ")";
    if (!db.IsOpen()) {
        throw CDBException("08003", 0, "the connection is not open", "preparing: " + m_strSQL);
    }
    m_pStmt->stmt.Allocate(db.GetHDBC(), SQL_HANDLE_DBC, "allocating a statement");
    std::string text = odbc::ToDriver(db.NativeSQL(m_strSQL));
    odbc::Check(SQLPrepare(m_pStmt->stmt.Get(), reinterpret_cast<SQLCHAR*>(text.data()),
                           static_cast<SQLINTEGER>(text.size())),
                SQL_HANDLE_STMT, m_pStmt->stmt.Get(), "preparing: " + m_strSQL);
}

CPreparedInsert::~CPreparedInsert() = default;

void CPreparedInsert::Insert(const std::vector<FieldValue>& values) {
    if (values.size() != m_kinds.size()) {
        throw CDBException("07002", 0, "the row does not have one value per column",
                           "executing: " + m_strSQL);
    }
    SQLHSTMT stmt = m_pStmt->stmt.Get();
    // Bound afresh for every row: a text's length is part of its binding.
    std::vector<std::string> texts(values.size());
    std::vector<SQLINTEGER> numbers(values.size(), 0);
    std::vector<SQLLEN> indicators(values.size(), 0);
    for (size_t i = 0; i < values.size(); ++i) {
        const auto n = static_cast<SQLUSMALLINT>(i + 1);
        SQLRETURN rc;
        if (m_kinds[i] == FieldKind::Text) {
            texts[i] = odbc::ToDriver(values[i].strValue);
            indicators[i] = values[i].bNull ? SQL_NULL_DATA : static_cast<SQLLEN>(texts[i].size());
            const SQLULEN size = texts[i].empty() ? 1 : texts[i].size();
            rc = SQLBindParameter(
                stmt, n, SQL_PARAM_INPUT, SQL_C_CHAR, size > 255 ? SQL_LONGVARCHAR : SQL_VARCHAR,
                size, 0, texts[i].data(), static_cast<SQLLEN>(texts[i].size()), &indicators[i]);
        } else {
            // A number the column cannot hold is refused, never cut short.
            if (!values[i].bNull && (values[i].nValue < std::numeric_limits<std::int32_t>::min() ||
                                     values[i].nValue > std::numeric_limits<std::int32_t>::max())) {
                throw CDBException(
                    "22003", 0,
                    wxString::Format("the number %lld is out of range", values[i].nValue),
                    "executing: " + m_strSQL);
            }
            numbers[i] = static_cast<SQLINTEGER>(values[i].nValue);
            indicators[i] = values[i].bNull ? SQL_NULL_DATA : 0;
            rc = SQLBindParameter(stmt, n, SQL_PARAM_INPUT, SQL_C_SLONG, SQL_INTEGER, 0, 0,
                                  &numbers[i], 0, &indicators[i]);
        }
        odbc::Check(rc, SQL_HANDLE_STMT, stmt, "binding a value for: " + m_strSQL);
    }
    odbc::Check(SQLExecute(stmt), SQL_HANDLE_STMT, stmt, "executing: " + m_strSQL);
    SQLFreeStmt(stmt, SQL_RESET_PARAMS);  // the buffers go out of scope
}
