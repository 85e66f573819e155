// One connection to an ODBC data source; every record set is built on one.
#pragma once

#include <wx/string.h>
#include <memory>

#include "odbc/DBException.h"
#include "odbc/SqlDialect.h"

class CDatabase {
  public:
    CDatabase();
    ~CDatabase();
    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;

    // Connects with a connect string such as "ODBC;DSN=Versilux" (the leading
    // "ODBC;" is optional). lpszDSN, when given, names the data source instead.
    // Throws CDBException when the data source cannot be reached.
    bool Open(const wxString& lpszDSN, bool bExclusive = false, bool bReadOnly = false,
              const wxString& lpszConnect = "ODBC;", bool bUseCursorLib = false);
    bool OpenEx(const wxString& lpszConnectString);
    void Close() noexcept;
    bool IsOpen() const;
    const wxString& GetConnect() const { return m_strConnect; }

    // The store behind the connection as its driver names it ("SQLite",
    // "PostgreSQL"); empty when closed or not told.
    wxString GetDBMSName() const;

    // Runs a statement; any rows it returns are passed over. Returns the
    // number of rows it changed, -1 when the driver does not tell.
    long long ExecuteSQL(const wxString& lpszSQL);

    // The statement as this store reads it (see SqlDialect.h). Every
    // statement of this layer goes through it.
    wxString NativeSQL(const wxString& strSQL) const;
    const CSqlDialect& GetDialect() const { return m_dialect; }

    // Transactions: while one is open, changes reach the store only on commit.
    bool BeginTrans();
    bool CommitTrans();
    bool Rollback();
    bool InTransaction() const { return m_bInTransaction; }

    // Handles for the record sets of this layer.
    void* GetHDBC() const;

    // A connection the store dropped (server restarted, network gone) is
    // reported with the data source's name, and the next use connects
    // again. While a transaction is open the next use fails instead, until
    // its owner ends it, so no part of it lands outside the transaction.
    void EnsureConnected();
    // For this layer's failed calls: the exception to throw, telling that
    // the connection was lost when it was.
    CDBException Diagnose(const CDBException& e);
    // Runs work that starts a new call on this connection: connects again
    // first when the store dropped it, and turns a failure into the
    // exception Diagnose gives.
    template <typename Work>
    decltype(auto) Guarded(const wxString& strContext, Work work) {
        EnsureConnected();
        if (!IsOpen()) {
            throw CDBException("08003", 0, "the connection is not open", strContext);
        }
        try {
            return work();
        } catch (const CDBException& e) {
            throw Diagnose(e);
        }
    }
    // Changes on every new connection: statements of an earlier one are gone.
    int GetConnectionNumber() const { return m_nConnection; }
    // The data source's name as the user knows it ("Versilux").
    wxString GetDataSourceLabel() const;

  private:
    struct Handles;
    std::unique_ptr<Handles> m_pHandles;
    wxString m_strConnect;
    CSqlDialect m_dialect;
    bool m_bInTransaction = false;
    bool m_bLost = false;
    int m_nConnection = 0;
    void EndTransaction(bool commit);
    bool ConnectionDead(const CDBException& e) const;
    CDBException LostDuringChange(const wxString& strContext) const;
};

// Rolls back unless Commit was called; for writes that belong together.
class CTransaction {
  public:
    explicit CTransaction(CDatabase& db) : m_db(db) { m_db.BeginTrans(); }
    ~CTransaction() {
        if (!m_bDone) {
            try {
                m_db.Rollback();
            } catch (...) {  // a destructor must not throw; the store keeps the old data
            }
        }
    }
    CTransaction(const CTransaction&) = delete;
    CTransaction& operator=(const CTransaction&) = delete;
    void Commit() {
        m_db.CommitTrans();
        m_bDone = true;
    }

  private:
    CDatabase& m_db;
    bool m_bDone = false;
};
