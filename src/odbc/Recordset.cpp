#include "odbc/Recordset.h"

#include <wx/debug.h>
#include <cstdlib>
#include <optional>

#include "odbc/Catalog.h"
#include "odbc/DBException.h"
#include "odbc/Database.h"
#include "odbc/EightBitText.h"
#include "odbc/OdbcCall.h"

struct CRecordset::Statement {
    odbc::StmtHandle stmt;
    int nConnection = 0;  // the connection it was allocated on
};

namespace {

// An edit or delete that found no row: never retried as an insert. A table
// without a key finds its row by every value, so a change counts too.
const char* const kRowGone =
    "the row is no longer in the table as it was read: another program using the library may "
    "have changed or deleted it";

bool IsSelectStatement(const wxString& sql) {
    return sql.Strip(wxString::leading).Upper().StartsWith("SELECT");
}

// "[Item ID]" and "item id" name the same column.
wxString BareName(const wxString& name) {
    return UnbracketedName(name).Lower();
}

// A column default as the catalog gives it ("7", "'untitled'", "(0)"), when
// it is a plain value a member can hold; nothing for NULL and expressions.
std::optional<FieldValue> ParseDefault(wxString text, FieldKind kind) {
    text.Trim(true).Trim(false);
    // PostgreSQL names the type after the value: "''::text", "0::integer".
    const size_t cast = text.rfind("::");
    if (cast != wxString::npos && text.find('\'', cast) == wxString::npos) {
        text = text.Left(cast).Trim(true);
    }
    while (text.length() >= 2 && text.StartsWith("(") && text.EndsWith(")")) {
        text = text.Mid(1, text.length() - 2).Trim(true).Trim(false);
    }
    if (text.empty() || text.CmpNoCase("NULL") == 0) {
        return std::nullopt;
    }
    bool bQuoted = false;
    if (text.length() >= 3 && (text[0] == 'N' || text[0] == 'n') && text[1] == '\'') {
        text = text.Mid(1);
    }
    if (text.length() >= 2 && text.StartsWith("'") && text.EndsWith("'")) {
        text = text.Mid(1, text.length() - 2);
        text.Replace("''", "'");
        bQuoted = true;
    } else if (text.CmpNoCase("TRUE") == 0) {
        text = "1";
    } else if (text.CmpNoCase("FALSE") == 0) {
        text = "0";
    }
    FieldValue value;
    value.bNull = false;
    if (kind == FieldKind::Text) {
        if (!bQuoted) {
            // Some drivers (SQLite's) hand text defaults back without their
            // quotes, so only what looks like an expression is left alone.
            if (text.Contains("(") || text.Upper().StartsWith("CURRENT_")) {
                return std::nullopt;
            }
            text.Replace("''", "'");
        }
        value.strValue = text;
        return value;
    }
    if (!text.ToLongLong(&value.nValue)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

CRecordset::CRecordset(CDatabase* pDatabase) : m_pDatabase(pDatabase) {}

CRecordset::~CRecordset() {
    Close();
}

void CRecordset::Describe() {
    m_fields.clear();
    CFieldExchange fx(CFieldExchange::Describe, nullptr, &m_fields);
    DoFieldExchange(&fx);
    m_nFields = static_cast<int>(m_fields.size());
    m_bDefaultsRead = false;
    wxASSERT_MSG(m_strKeyColumn.empty() || KeyField() >= 0,
                 "the key column is not among the bound columns");
}

wxString CRecordset::BuildSQL() {
    wxString sql = GetDefaultSQL();
    if (!IsSelectStatement(sql)) {
        wxString columns;
        for (const FieldInfo& f : m_fields) {
            if (!columns.empty()) {
                columns << ", ";
            }
            columns << f.strName;
        }
        sql = "SELECT " + columns + " FROM " + sql;
    }
    if (!m_strFilter.empty()) {
        sql << " WHERE " << m_strFilter;
    }
    if (!m_strSort.empty()) {
        sql << " ORDER BY " << m_strSort;
    }
    return sql;
}

bool CRecordset::Open(int nOpenType) {
    if (m_pDatabase != nullptr) {
        m_pDatabase->EnsureConnected();
    }
    if (m_pDatabase == nullptr || !m_pDatabase->IsOpen()) {
        throw CDBException("08003", 0, "the connection is not open", "opening a record set");
    }
    Close();
    m_nOpenType = nOpenType == useDefault ? m_nDefaultType : static_cast<OpenType>(nOpenType);
    Describe();
    m_pStmt = std::make_unique<Statement>();
    m_pStmt->nConnection = m_pDatabase->GetConnectionNumber();
    m_bOpen = true;
    try {
        m_pStmt->stmt.Allocate(m_pDatabase->GetHDBC(), SQL_HANDLE_DBC, "allocating a statement");
        Execute();
    } catch (const CDBException& e) {
        Close();
        throw m_pDatabase->Diagnose(e);
    } catch (...) {
        Close();
        throw;
    }
    return true;
}

bool CRecordset::StatementIsStale() const {
    return m_pStmt && m_pStmt->nConnection != m_pDatabase->GetConnectionNumber();
}

void CRecordset::DropStatement() noexcept {
    if (m_pStmt && StatementIsStale()) {
        m_pStmt->stmt.Release();
    }
    m_pStmt.reset();
}

bool CRecordset::Requery() {
    if (m_bOpen) {
        m_pDatabase->EnsureConnected();
    }
    if (!m_bOpen || StatementIsStale()) {
        return Open();
    }
    m_editMode = EditMode::none;
    SQLFreeStmt(m_pStmt->stmt.Get(), SQL_CLOSE);
    try {
        Execute();
    } catch (const CDBException& e) {
        throw m_pDatabase->Diagnose(e);
    }
    return true;
}

void CRecordset::Execute() {
    m_rows.clear();
    m_bAllFetched = false;
    m_nCurrent = -1;
    m_strSQL = BuildSQL();
    std::string text = odbc::ToDriver(m_pDatabase->NativeSQL(m_strSQL));
    SQLHSTMT stmt = m_pStmt->stmt.Get();
    try {
        SQLRETURN rc = SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(text.data()),
                                     static_cast<SQLINTEGER>(text.size()));
        odbc::Check(rc, SQL_HANDLE_STMT, stmt, "executing: " + m_strSQL);
        m_bBOF = m_bEOF = false;
        MoveNext();
        m_bBOF = m_bEOF;  // an empty result is both before the first and past the last row
    } catch (...) {
        // No row of the old result may pass for current, and walking on
        // must find the end instead of fetching from a failed statement.
        SQLFreeStmt(stmt, SQL_CLOSE);
        m_rows.clear();
        m_bAllFetched = true;
        m_nCurrent = -1;
        m_bBOF = m_bEOF = true;
        SetMembersToDefault();
        throw;
    }
}

bool CRecordset::FetchRow() {
    if (m_bAllFetched) {
        return false;
    }
    if (StatementIsStale()) {
        // The rows read so far stay; the rest went with the old connection.
        m_bAllFetched = true;
        throw CDBException::Lost("08003", 0,
                                 "the connection was opened again since this query ran; run it "
                                 "again",
                                 "fetching from: " + m_strSQL);
    }
    SQLHSTMT stmt = m_pStmt->stmt.Get();
    try {
        SQLRETURN rc = SQLFetch(stmt);
        if (rc == SQL_NO_DATA) {
            m_bAllFetched = true;
            SQLFreeStmt(stmt, SQL_CLOSE);  // frees the driver's cursor early
            return false;
        }
        odbc::Check(rc, SQL_HANDLE_STMT, stmt, "fetching from: " + m_strSQL);
        Row row;
        row.values.reserve(m_fields.size());
        for (size_t i = 0; i < m_fields.size(); ++i) {
            row.values.push_back(odbc::ReadColumn(stmt, static_cast<SQLUSMALLINT>(i + 1),
                                                  m_fields[i].kind, m_strSQL));
        }
        m_rows.push_back(std::move(row));
    } catch (const CDBException& e) {
        throw m_pDatabase->Diagnose(e);
    }
    return true;
}

void CRecordset::Close() noexcept {
    DropStatement();
    m_rows.clear();
    m_bOpen = false;
    m_bAllFetched = false;
    m_bBOF = m_bEOF = true;
    m_nCurrent = -1;
    m_editMode = EditMode::none;
    m_bDefaultsRead = false;
}

bool CRecordset::IsBOF() const {
    return m_bBOF;
}
bool CRecordset::IsEOF() const {
    return m_bEOF;
}

bool CRecordset::IsDeleted() const {
    return m_nCurrent >= 0 && m_nCurrent < static_cast<long>(m_rows.size()) &&
           m_rows[m_nCurrent].bDeleted;
}

void CRecordset::LoadCurrent() {
    CFieldExchange fx(CFieldExchange::Load, &m_rows[m_nCurrent].values, nullptr);
    DoFieldExchange(&fx);
}

void CRecordset::MoveNext() {
    RequireOpen("MoveNext");
    if (m_bEOF) {
        return;
    }
    long i = m_nCurrent + 1;
    for (;;) {
        if (i < static_cast<long>(m_rows.size())) {
            if (!m_rows[i].bDeleted) {
                m_nCurrent = i;
                m_bBOF = m_bEOF = false;
                LoadCurrent();
                return;
            }
            ++i;
        } else if (!FetchRow()) {
            m_nCurrent = static_cast<long>(m_rows.size());
            m_bEOF = true;
            return;
        }
    }
}

void CRecordset::MovePrev() {
    RequireOpen("MovePrev");
    for (long i = m_nCurrent - 1; i >= 0; --i) {
        if (i < static_cast<long>(m_rows.size()) && !m_rows[i].bDeleted) {
            m_nCurrent = i;
            m_bBOF = m_bEOF = false;
            LoadCurrent();
            return;
        }
    }
    m_nCurrent = -1;
    m_bBOF = true;
    m_bEOF = m_rows.empty() && m_bAllFetched;
}

void CRecordset::MoveFirst() {
    RequireOpen("MoveFirst");
    m_nCurrent = -1;
    m_bBOF = m_bEOF = false;
    MoveNext();
    m_bBOF = m_bEOF;
}

void CRecordset::MoveLast() {
    RequireOpen("MoveLast");
    while (FetchRow()) {
    }
    m_nCurrent = static_cast<long>(m_rows.size());
    m_bEOF = false;
    MovePrev();
}

void CRecordset::SetAbsolutePosition(long nRows) {
    RequireOpen("SetAbsolutePosition");
    if (nRows < 0) {
        while (FetchRow()) {
        }
        nRows += static_cast<long>(m_rows.size()) + 1;
    }
    if (nRows <= 0) {
        m_nCurrent = -1;
        m_bBOF = true;
        m_bEOF = false;
        return;
    }
    while (static_cast<long>(m_rows.size()) < nRows && FetchRow()) {
    }
    if (static_cast<long>(m_rows.size()) < nRows) {
        m_nCurrent = static_cast<long>(m_rows.size());
        m_bEOF = true;
        return;
    }
    m_nCurrent = nRows - 1;
    m_bBOF = m_bEOF = false;
    if (!m_rows[m_nCurrent].bDeleted) {
        LoadCurrent();
    }
}

long CRecordset::GetRecordCount() const {
    return static_cast<long>(m_rows.size());
}

bool CRecordset::IsFieldNull(const void* pField) const {
    if (m_nCurrent < 0 || m_nCurrent >= static_cast<long>(m_rows.size())) {
        return true;
    }
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].pAddress == pField) {
            return m_rows[m_nCurrent].values[i].bNull;
        }
    }
    return false;
}

wxString CRecordset::TableName() {
    return GetDefaultSQL();
}

int CRecordset::KeyField() const {
    if (m_strKeyColumn.empty()) {
        return -1;
    }
    const wxString key = BareName(m_strKeyColumn);
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (BareName(m_fields[i].strName) == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool CRecordset::CanUpdate() const {
    return m_bOpen && m_nOpenType == dynaset &&
           !IsSelectStatement(const_cast<CRecordset*>(this)->GetDefaultSQL());
}

void CRecordset::RequireOpen(const char* what) const {
    if (!m_bOpen) {
        throw CDBException("HY010", 0, "the record set is not open", wxString(what));
    }
}

void CRecordset::RequireCurrent(const char* what) const {
    RequireOpen(what);
    if (m_nCurrent < 0 || m_nCurrent >= static_cast<long>(m_rows.size()) ||
        m_rows[m_nCurrent].bDeleted) {
        throw CDBException("24000", 0, "no current record", wxString(what));
    }
}

std::vector<FieldValue> CRecordset::StoreMembers() {
    std::vector<FieldValue> values;
    values.reserve(m_fields.size());
    CFieldExchange fx(CFieldExchange::Store, &values, nullptr);
    DoFieldExchange(&fx);
    return values;
}

void CRecordset::SetMembersToDefault() {
    CFieldExchange fx(CFieldExchange::SetDefault, nullptr, nullptr);
    DoFieldExchange(&fx);
}

std::vector<FieldValue> CRecordset::StoreDefaults() {
    std::vector<FieldValue> defaults(m_fields.size());
    odbc::StmtHandle stmt;
    stmt.Allocate(m_pDatabase->GetHDBC(), SQL_HANDLE_DBC, "allocating a statement");
    const wxString table = BareName(TableName());
    std::string name = odbc::ToDriver(table);
    SQLRETURN rc =
        SQLColumns(stmt.Get(), nullptr, 0, nullptr, 0, reinterpret_cast<SQLCHAR*>(name.data()),
                   static_cast<SQLSMALLINT>(name.size()), nullptr, 0);
    if (!odbc::Succeeded(rc)) {
        return defaults;  // a driver without a catalog: columns nobody set stay unwritten
    }
    const wxString context = "reading the columns of " + TableName();
    for (;;) {
        rc = SQLFetch(stmt.Get());
        if (rc == SQL_NO_DATA) {
            break;
        }
        odbc::Check(rc, SQL_HANDLE_STMT, stmt.Get(), context);
        // TABLE_NAME, COLUMN_NAME and COLUMN_DEF; the table name is a pattern,
        // so other tables may answer too.
        const FieldValue rowTable = odbc::ReadColumn(stmt.Get(), 3, FieldKind::Text, context);
        const FieldValue column = odbc::ReadColumn(stmt.Get(), 4, FieldKind::Text, context);
        const FieldValue def = odbc::ReadColumn(stmt.Get(), 13, FieldKind::Text, context);
        if (def.bNull || rowTable.strValue.Lower() != table) {
            continue;
        }
        for (size_t i = 0; i < m_fields.size(); ++i) {
            if (BareName(m_fields[i].strName) == column.strValue.Lower()) {
                if (auto value = ParseDefault(def.strValue, m_fields[i].kind)) {
                    defaults[i] = *value;
                }
            }
        }
    }
    return defaults;
}

void CRecordset::AddNew() {
    RequireOpen("AddNew");
    if (!CanUpdate()) {
        throw CDBException("HY092", 0, "the record set is read-only", "AddNew");
    }
    if (!m_bDefaultsRead) {
        m_defaults = m_pDatabase->Guarded("reading the columns of " + TableName(),
                                          [&] { return StoreDefaults(); });
        m_bDefaultsRead = true;
    }
    CFieldExchange fx(CFieldExchange::Load, &m_defaults, nullptr);
    DoFieldExchange(&fx);
    m_editSnapshot = StoreMembers();
    m_editMode = EditMode::addNew;
}

void CRecordset::Edit() {
    RequireCurrent("Edit");
    if (!CanUpdate()) {
        throw CDBException("HY092", 0, "the record set is read-only", "Edit");
    }
    m_editSnapshot = StoreMembers();
    m_editMode = EditMode::edit;
}

void CRecordset::CancelUpdate() {
    if (m_editMode == EditMode::none) {
        return;
    }
    m_editMode = EditMode::none;
    if (m_nCurrent >= 0 && m_nCurrent < static_cast<long>(m_rows.size())) {
        LoadCurrent();
    }
}

bool CRecordset::Update() {
    RequireOpen("Update");
    if (m_editMode == EditMode::none) {
        throw CDBException("HY010", 0, "Update without AddNew or Edit", "Update");
    }
    const EditMode mode = m_editMode;
    const std::vector<FieldValue> values = StoreMembers();
    const int key = KeyField();
    std::vector<size_t> changed;
    for (size_t i = 0; i < values.size(); ++i) {
        // The store assigns the key. A new row gets every column whose default
        // the members started from, so an assigned 0 or empty text is not
        // mistaken for "not set"; other columns only when set.
        const bool bWrite = mode == EditMode::addNew && !m_defaults[i].bNull;
        if (static_cast<int>(i) != key && (bWrite || values[i] != m_editSnapshot[i])) {
            changed.push_back(i);
        }
    }
    std::vector<FieldValue> params;
    std::vector<FieldKind> kinds;
    for (size_t i : changed) {
        params.push_back(values[i]);
        kinds.push_back(m_fields[i].kind);
    }
    wxString sql;
    if (mode == EditMode::addNew) {
        if (changed.empty()) {
            sql = "INSERT INTO " + TableName() + " DEFAULT VALUES";
        } else {
            wxString names, marks;
            for (size_t i : changed) {
                names << (names.empty() ? "" : ", ") << m_fields[i].strName;
                marks << (marks.empty() ? "?" : ", ?");
            }
            sql = "INSERT INTO " + TableName() + " (" + names + ") VALUES (" + marks + ")";
        }
    } else {
        if (changed.empty()) {
            m_editMode = EditMode::none;
            return false;
        }
        wxString sets;
        for (size_t i : changed) {
            sets << (sets.empty() ? "" : ", ") << m_fields[i].strName << "=?";
        }
        sql = "UPDATE " + TableName() + " SET " + sets + CurrentRowCondition(params, kinds);
    }
    const long long nRows = ExecuteWrite(sql, params, kinds);
    // Like a write the driver refused, a row not found leaves the edit
    // pending, so CancelUpdate can put the members back as read.
    if (mode == EditMode::edit && nRows == 0) {
        throw CDBException("HY000", 0, kRowGone, "Update of " + TableName());
    }
    m_editMode = EditMode::none;
    if (mode == EditMode::edit) {
        for (size_t i : changed) {
            m_rows[m_nCurrent].values[i] = values[i];
        }
    } else if (m_nCurrent >= 0 && m_nCurrent < static_cast<long>(m_rows.size())) {
        LoadCurrent();  // back on the row that was current before AddNew
    }
    return true;
}

void CRecordset::Delete() {
    RequireCurrent("Delete");
    if (!CanUpdate()) {
        throw CDBException("HY092", 0, "the record set is read-only", "Delete");
    }
    std::vector<FieldValue> params;
    std::vector<FieldKind> kinds;
    const wxString sql = "DELETE FROM " + TableName() + CurrentRowCondition(params, kinds);
    if (ExecuteWrite(sql, params, kinds) == 0) {
        throw CDBException("HY000", 0, kRowGone, "Delete from " + TableName());
    }
    m_rows[m_nCurrent].bDeleted = true;
}

wxString CRecordset::CurrentRowCondition(std::vector<FieldValue>& params,
                                         std::vector<FieldKind>& kinds) {
    // By the key when there is one; else by every column as it was read, so a
    // table without a key (config) has only the row that was read changed.
    // Rows alike in every column cannot be told apart and change together.
    const std::vector<FieldValue>& row = m_rows[m_nCurrent].values;
    const int key = KeyField();
    wxString where;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (key >= 0 && static_cast<int>(i) != key) {
            continue;
        }
        where << (where.empty() ? " WHERE " : " AND ") << m_fields[i].strName;
        if (row[i].bNull) {
            where << " IS NULL";
        } else {
            where << "=?";
            params.push_back(row[i]);
            kinds.push_back(m_fields[i].kind);
        }
    }
    return where;
}

long long CRecordset::ExecuteWrite(const wxString& sql, const std::vector<FieldValue>& params,
                                   const std::vector<FieldKind>& kinds) {
    // Never on a connection opened again since the row was read: inside a
    // transaction that fails, so no part of one lands outside it.
    return m_pDatabase->Guarded("executing: " + sql,
                                [&] { return ExecuteWriteOnce(sql, params, kinds); });
}

long long CRecordset::ExecuteWriteOnce(const wxString& sql, const std::vector<FieldValue>& params,
                                       const std::vector<FieldKind>& kinds) {
    odbc::StmtHandle stmt;
    stmt.Allocate(m_pDatabase->GetHDBC(), SQL_HANDLE_DBC, "allocating a statement");
    // Buffers live until the statement has run; sized first so nothing moves.
    std::vector<std::string> texts(params.size());
    std::vector<SQLINTEGER> numbers(params.size(), 0);
    std::vector<SQLLEN> indicators(params.size(), 0);
    for (size_t i = 0; i < params.size(); ++i) {
        const auto n = static_cast<SQLUSMALLINT>(i + 1);
        SQLRETURN rc;
        if (kinds[i] == FieldKind::Text) {
            // A value read as Windows-1252 goes back as the bytes it was read
            // from, so a condition on it finds the row.
            texts[i] = params[i].strBytes.empty() ? odbc::ToDriver(params[i].strValue)
                                                  : params[i].strBytes;
            indicators[i] = params[i].bNull ? SQL_NULL_DATA : static_cast<SQLLEN>(texts[i].size());
            const SQLULEN size = texts[i].empty() ? 1 : texts[i].size();
            rc = SQLBindParameter(stmt.Get(), n, SQL_PARAM_INPUT, SQL_C_CHAR,
                                  size > 255 ? SQL_LONGVARCHAR : SQL_VARCHAR, size, 0,
                                  texts[i].data(), static_cast<SQLLEN>(texts[i].size()),
                                  &indicators[i]);
        } else {
            numbers[i] = static_cast<SQLINTEGER>(params[i].nValue);
            indicators[i] = params[i].bNull ? SQL_NULL_DATA : 0;
            rc = SQLBindParameter(stmt.Get(), n, SQL_PARAM_INPUT, SQL_C_SLONG, SQL_INTEGER, 0, 0,
                                  &numbers[i], 0, &indicators[i]);
        }
        odbc::Check(rc, SQL_HANDLE_STMT, stmt.Get(), "binding a value for: " + sql);
    }
    std::string text = odbc::ToDriver(m_pDatabase->NativeSQL(sql));
    SQLRETURN rc = SQLExecDirect(stmt.Get(), reinterpret_cast<SQLCHAR*>(text.data()),
                                 static_cast<SQLINTEGER>(text.size()));
    odbc::Check(rc, SQL_HANDLE_STMT, stmt.Get(), "executing: " + sql);
    SQLLEN nRows = -1;
    if (!odbc::Succeeded(SQLRowCount(stmt.Get(), &nRows))) {
        nRows = -1;  // unknown counts as written
    }
    return nRows;
}

void RequeryOrOpen(CRecordset& set) {
    if (set.IsOpen()) {
        set.Requery();
    } else {
        set.Open();
    }
}
