#include "odbc/RowStream.h"

#include "odbc/OdbcCall.h"  // first: it selects the narrow entry points

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "odbc/DBException.h"
#include "odbc/Database.h"

struct CRowReader::Statement {
    odbc::StmtHandle stmt;
};

CRowReader::CRowReader(CDatabase& db, const wxString& strSQL, std::vector<FieldKind> kinds)
    : m_pStmt(std::make_unique<Statement>()),
      m_db(db),
      m_strSQL(strSQL),
      m_kinds(std::move(kinds)) {
    db.Guarded("executing: " + strSQL, [&] {
        m_pStmt->stmt.Allocate(db.GetHDBC(), SQL_HANDLE_DBC, "allocating a statement");
        std::string text = odbc::ToDriver(db.NativeSQL(strSQL));
        odbc::Check(SQLExecDirect(m_pStmt->stmt.Get(), reinterpret_cast<SQLCHAR*>(text.data()),
                                  static_cast<SQLINTEGER>(text.size())),
                    SQL_HANDLE_STMT, m_pStmt->stmt.Get(), "executing: " + strSQL);
    });
}

CRowReader::~CRowReader() = default;

bool CRowReader::Next(std::vector<FieldValue>& values) {
    SQLHSTMT stmt = m_pStmt->stmt.Get();
    try {
        const SQLRETURN rc = SQLFetch(stmt);
        if (rc == SQL_NO_DATA) {
            return false;
        }
        odbc::Check(rc, SQL_HANDLE_STMT, stmt, "fetching from: " + m_strSQL);
        values.resize(m_kinds.size());
        for (size_t i = 0; i < m_kinds.size(); ++i) {
            values[i] =
                odbc::ReadColumn(stmt, static_cast<SQLUSMALLINT>(i + 1), m_kinds[i], m_strSQL);
        }
    } catch (const CDBException& e) {
        throw m_db.Diagnose(e);
    }
    return true;
}

struct CPreparedInsert::Statement {
    odbc::StmtHandle stmt;
};

CPreparedInsert::CPreparedInsert(CDatabase& db, const wxString& strTable,
                                 const std::vector<wxString>& columns, std::vector<FieldKind> kinds)
    : m_pStmt(std::make_unique<Statement>()), m_db(db), m_kinds(std::move(kinds)) {
    wxString names, marks;
    for (const wxString& column : columns) {
        names << (names.empty() ? "" : ", ") << column;
        marks << (marks.empty() ? "?" : ", ?");
    }
    m_strSQL = "INSERT INTO " + strTable + " (" + names + ") VALUES (" + marks + ")";
    db.Guarded("preparing: " + m_strSQL, [&] {
        m_pStmt->stmt.Allocate(db.GetHDBC(), SQL_HANDLE_DBC, "allocating a statement");
        std::string text = odbc::ToDriver(db.NativeSQL(m_strSQL));
        odbc::Check(SQLPrepare(m_pStmt->stmt.Get(), reinterpret_cast<SQLCHAR*>(text.data()),
                               static_cast<SQLINTEGER>(text.size())),
                    SQL_HANDLE_STMT, m_pStmt->stmt.Get(), "preparing: " + m_strSQL);
    });
}

CPreparedInsert::~CPreparedInsert() = default;

void CPreparedInsert::Insert(const std::vector<FieldValue>& values) {
    InsertRows({values});
}

void CPreparedInsert::InsertRows(const std::vector<std::vector<FieldValue>>& rows) {
    if (rows.empty()) {
        return;
    }
    try {
        Execute(rows);
    } catch (const CDBException& e) {
        throw m_db.Diagnose(e);
    }
}

void CPreparedInsert::Execute(const std::vector<std::vector<FieldValue>>& rows) {
    const size_t nRows = rows.size();
    const wxString context = "executing: " + m_strSQL;
    for (const std::vector<FieldValue>& row : rows) {
        if (row.size() != m_kinds.size()) {
            throw CDBException("07002", 0, "the row does not have one value per column", context);
        }
    }
    SQLHSTMT stmt = m_pStmt->stmt.Get();
    // Bound afresh for every call, a column's values side by side: a text
    // column's slots are as wide as its longest value in these rows.
    std::vector<std::vector<char>> texts(m_kinds.size());
    std::vector<std::vector<SQLINTEGER>> numbers(m_kinds.size());
    std::vector<std::vector<SQLLEN>> indicators(m_kinds.size(), std::vector<SQLLEN>(nRows, 0));
    for (size_t c = 0; c < m_kinds.size(); ++c) {
        const auto n = static_cast<SQLUSMALLINT>(c + 1);
        SQLRETURN rc;
        if (m_kinds[c] == FieldKind::Text) {
            std::vector<std::string> values(nRows);
            size_t nWidth = 1;
            for (size_t r = 0; r < nRows; ++r) {
                values[r] = odbc::ToDriver(rows[r][c].strValue);
                nWidth = std::max(nWidth, values[r].size() + 1);
            }
            texts[c].assign(nWidth * nRows, '\0');
            for (size_t r = 0; r < nRows; ++r) {
                std::copy(values[r].begin(), values[r].end(),
                          texts[c].begin() + static_cast<std::ptrdiff_t>(r * nWidth));
                indicators[c][r] =
                    rows[r][c].bNull ? SQL_NULL_DATA : static_cast<SQLLEN>(values[r].size());
            }
            const SQLULEN size = nWidth > 1 ? nWidth - 1 : 1;
            rc = SQLBindParameter(
                stmt, n, SQL_PARAM_INPUT, SQL_C_CHAR, size > 255 ? SQL_LONGVARCHAR : SQL_VARCHAR,
                size, 0, texts[c].data(), static_cast<SQLLEN>(nWidth), indicators[c].data());
        } else {
            numbers[c].assign(nRows, 0);
            for (size_t r = 0; r < nRows; ++r) {
                const FieldValue& value = rows[r][c];
                // A number the column cannot hold is refused, never cut short.
                if (!value.bNull && (value.nValue < std::numeric_limits<std::int32_t>::min() ||
                                     value.nValue > std::numeric_limits<std::int32_t>::max())) {
                    throw CDBException(
                        "22003", 0,
                        wxString::Format("the number %lld is out of range", value.nValue), context);
                }
                numbers[c][r] = static_cast<SQLINTEGER>(value.nValue);
                indicators[c][r] = value.bNull ? SQL_NULL_DATA : 0;
            }
            rc = SQLBindParameter(stmt, n, SQL_PARAM_INPUT, SQL_C_SLONG, SQL_INTEGER, 0, 0,
                                  numbers[c].data(), 0, indicators[c].data());
        }
        odbc::Check(rc, SQL_HANDLE_STMT, stmt, "binding a value for: " + m_strSQL);
    }
    std::vector<SQLUSMALLINT> status(nRows, SQL_PARAM_UNUSED);
    SQLULEN nProcessed = 0;
    const auto set = [&](SQLINTEGER attribute, SQLPOINTER value) {
        odbc::Check(SQLSetStmtAttr(stmt, attribute, value, 0), SQL_HANDLE_STMT, stmt, context);
    };
    set(SQL_ATTR_PARAM_BIND_TYPE, reinterpret_cast<SQLPOINTER>(SQL_PARAM_BIND_BY_COLUMN));
    set(SQL_ATTR_PARAMSET_SIZE, reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(nRows)));
    set(SQL_ATTR_PARAM_STATUS_PTR, status.data());
    set(SQL_ATTR_PARAMS_PROCESSED_PTR, &nProcessed);
    const SQLRETURN rc = SQLExecute(stmt);
    odbc::Check(rc, SQL_HANDLE_STMT, stmt, context);
    // The buffers go out of scope: nothing may point at them afterwards.
    SQLFreeStmt(stmt, SQL_RESET_PARAMS);
    SQLSetStmtAttr(stmt, SQL_ATTR_PARAM_STATUS_PTR, nullptr, 0);
    SQLSetStmtAttr(stmt, SQL_ATTR_PARAMS_PROCESSED_PTR, nullptr, 0);
    // A driver may tell of a refused row only in its status. Some (SQLite's)
    // leave the status alone and count the rows processed.
    bool bAllWritten = rc != SQL_NO_DATA && nProcessed == nRows;
    for (size_t r = 0; r < nRows && bAllWritten; ++r) {
        bAllWritten = status[r] != SQL_PARAM_ERROR;
    }
    if (!bAllWritten) {
        throw CDBException(
            "HY000", 0,
            wxString::Format("not all of %lu rows were written", static_cast<unsigned long>(nRows)),
            context);
    }
}
