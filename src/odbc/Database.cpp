#include "odbc/Database.h"

#include <wx/arrstr.h>

#include "odbc/DBException.h"
#include "odbc/OdbcCall.h"

namespace {

CSqlDialect AskDialect(SQLHDBC dbc) {
    CSqlDialect dialect;
    SQLCHAR quote[8] = {0};
    SQLSMALLINT length = 0;
    if (SQL_SUCCEEDED(SQLGetInfo(dbc, SQL_IDENTIFIER_QUOTE_CHAR, quote, sizeof quote, &length))) {
        // A blank answer means the store has no identifier quote.
        dialect.strQuote = wxString::FromUTF8(reinterpret_cast<const char*>(quote)).Trim();
    }
    SQLUSMALLINT nCase = SQL_IC_MIXED;
    if (SQL_SUCCEEDED(SQLGetInfo(dbc, SQL_IDENTIFIER_CASE, &nCase, sizeof nCase, nullptr))) {
        dialect.nCase = nCase == SQL_IC_LOWER   ? EIdentifierCase::Lower
                        : nCase == SQL_IC_UPPER ? EIdentifierCase::Upper
                                                : EIdentifierCase::Mixed;
    }
    return dialect;
}

}  // namespace

struct CDatabase::Handles {
    odbc::EnvHandle env;
    odbc::DbcHandle dbc;
};

CDatabase::CDatabase() = default;

CDatabase::~CDatabase() {
    Close();
}

bool CDatabase::Open(const wxString& lpszDSN, bool /*bExclusive*/, bool /*bReadOnly*/,
                     const wxString& lpszConnect, bool /*bUseCursorLib*/) {
    // The driver manager's cursor library is never used: record sets keep
    // their own rows, so scrolling works on any driver.
    wxString connect = lpszConnect;
    if (!lpszDSN.empty()) {
        connect = "DSN=" + lpszDSN + ";";
    }
    return OpenEx(connect);
}

bool CDatabase::OpenEx(const wxString& lpszConnectString) {
    Close();
    wxString connect = lpszConnectString;
    if (connect.Upper().StartsWith("ODBC;")) {
        connect = connect.Mid(5);
    }
    auto handles = std::make_unique<Handles>();
    handles->env = odbc::MakeEnvironment();
    handles->dbc.Allocate(handles->env.Get(), SQL_HANDLE_ENV, "allocating a connection");
    std::string text = odbc::ToDriver(connect);
    SQLCHAR out[1024] = {0};
    SQLSMALLINT outLength = 0;
    SQLRETURN rc = SQLDriverConnect(
        handles->dbc.Get(), nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
        static_cast<SQLSMALLINT>(text.size()), out, sizeof out, &outLength, SQL_DRIVER_NOPROMPT);
    odbc::Check(rc, SQL_HANDLE_DBC, handles->dbc.Get(), "connecting to " + connect);
    ++m_nConnection;
    m_bLost = false;
    m_dialect = AskDialect(handles->dbc.Get());
    m_pHandles = std::move(handles);
    m_strConnect = "ODBC;" + connect;
    if (IsPostgreSQL(GetDBMSName())) {
        // The server's driver takes the session's encoding from the locale
        // (SQL_ASCII under LANG=C); this layer always speaks UTF-8.
        ExecuteSQL("SET client_encoding TO 'UTF8'");
    }
    return true;
}

void CDatabase::Close() noexcept {
    if (!m_pHandles) {
        return;
    }
    if (m_bInTransaction) {
        SQLEndTran(SQL_HANDLE_DBC, m_pHandles->dbc.Get(), SQL_ROLLBACK);
        m_bInTransaction = false;
    }
    SQLDisconnect(m_pHandles->dbc.Get());
    m_pHandles.reset();
}

bool CDatabase::IsOpen() const {
    return m_pHandles != nullptr;
}

void* CDatabase::GetHDBC() const {
    return m_pHandles ? m_pHandles->dbc.Get() : nullptr;
}

wxString CDatabase::GetDBMSName() const {
    if (!IsOpen()) {
        return wxString();
    }
    SQLCHAR name[256] = {0};
    SQLSMALLINT length = 0;
    if (!SQL_SUCCEEDED(
            SQLGetInfo(m_pHandles->dbc.Get(), SQL_DBMS_NAME, name, sizeof name, &length))) {
        return wxString();
    }
    return wxString::FromUTF8(reinterpret_cast<const char*>(name));
}

long long CDatabase::ExecuteSQL(const wxString& lpszSQL) {
    return Guarded("executing: " + lpszSQL, [&] {
        odbc::StmtHandle stmt;
        stmt.Allocate(m_pHandles->dbc.Get(), SQL_HANDLE_DBC, "allocating a statement");
        std::string text = odbc::ToDriver(NativeSQL(lpszSQL));
        SQLRETURN rc = SQLExecDirect(stmt.Get(), reinterpret_cast<SQLCHAR*>(text.data()),
                                     static_cast<SQLINTEGER>(text.size()));
        odbc::Check(rc, SQL_HANDLE_STMT, stmt.Get(), "executing: " + lpszSQL);
        SQLLEN nRows = -1;
        if (!SQL_SUCCEEDED(SQLRowCount(stmt.Get(), &nRows))) {
            nRows = -1;
        }
        return static_cast<long long>(nRows);
    });
}

wxString CDatabase::GetDataSourceLabel() const {
    for (const wxString& part : wxSplit(m_strConnect, ';', '\0')) {
        if (part.Upper().StartsWith("DSN=")) {
            return part.Mid(4);
        }
    }
    return m_strConnect.Upper().StartsWith("ODBC;") ? m_strConnect.Mid(5) : m_strConnect;
}

bool CDatabase::ConnectionDead(const CDBException& e) const {
    if (e.m_strState.StartsWith("08")) {
        return true;
    }
    if (!m_pHandles) {
        return false;
    }
    SQLUINTEGER dead = SQL_CD_FALSE;
    return SQL_SUCCEEDED(SQLGetConnectAttr(m_pHandles->dbc.Get(), SQL_ATTR_CONNECTION_DEAD, &dead,
                                           SQL_IS_UINTEGER, nullptr)) &&
           dead == SQL_CD_TRUE;
}

CDBException CDatabase::Diagnose(const CDBException& e) {
    if (e.m_bConnectionLost || !ConnectionDead(e)) {
        return e;
    }
    m_bLost = true;
    return CDBException::Lost(
        e.m_strState, e.m_nNativeError,
        wxString::Format("The connection to the data source \"%s\" was "
                         "lost (%s). The next command connects again.",
                         GetDataSourceLabel(), e.m_strError.Strip(wxString::both)),
        e.m_strContext);
}

CDBException CDatabase::LostDuringChange(const wxString& strContext) const {
    return CDBException::Lost("08003", 0,
                              wxString::Format("The connection to the data source \"%s\" was "
                                               "lost during a change; nothing of it was saved.",
                                               GetDataSourceLabel()),
                              strContext);
}

void CDatabase::EnsureConnected() {
    if (!m_bLost) {
        return;
    }
    if (m_bInTransaction) {
        throw LostDuringChange("");
    }
    try {
        OpenEx(m_strConnect);
    } catch (const CDBException& e) {
        m_bLost = true;  // still: the next command tries again
        throw CDBException::Lost(
            e.m_strState, e.m_nNativeError,
            wxString::Format("The data source \"%s\" cannot be reached (%s).", GetDataSourceLabel(),
                             e.m_strError.Strip(wxString::both)),
            e.m_strContext);
    }
}

wxString CDatabase::NativeSQL(const wxString& strSQL) const {
    return RewriteBracketQuoting(strSQL, m_dialect);
}

bool CDatabase::BeginTrans() {
    EnsureConnected();
    if (!IsOpen() || m_bInTransaction) {
        return false;
    }
    try {
        odbc::Check(SQLSetConnectAttr(m_pHandles->dbc.Get(), SQL_ATTR_AUTOCOMMIT,
                                      reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0),
                    SQL_HANDLE_DBC, m_pHandles->dbc.Get(), "starting a transaction");
    } catch (const CDBException& e) {
        throw Diagnose(e);
    }
    m_bInTransaction = true;
    return true;
}

bool CDatabase::CommitTrans() {
    if (!m_bInTransaction) {
        return false;
    }
    EndTransaction(true);
    return true;
}

bool CDatabase::Rollback() {
    if (!m_bInTransaction) {
        return false;
    }
    EndTransaction(false);
    return true;
}

void CDatabase::EndTransaction(bool commit) {
    m_bInTransaction = false;
    if (!m_pHandles) {
        // A failed reconnection closed it: there is nothing left to end.
        if (commit) {
            throw CDBException("08003", 0, "the connection is not open", "committing");
        }
        return;
    }
    if (m_bLost) {
        // The store dropped the transaction with the connection: a commit
        // must not pass for saved.
        if (commit) {
            throw LostDuringChange("committing");
        }
        return;
    }
    SQLHANDLE dbc = m_pHandles->dbc.Get();
    SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, dbc, commit ? SQL_COMMIT : SQL_ROLLBACK);
    // Back to one statement at a time even when the end failed.
    SQLSetConnectAttr(dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
    try {
        odbc::Check(rc, SQL_HANDLE_DBC, dbc, commit ? "committing" : "rolling back");
    } catch (const CDBException& e) {
        throw Diagnose(e);
    }
}
