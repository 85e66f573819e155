// Inside the ODBC layer only: owned handles and the one checked call helper.
// Nothing outside src/odbc includes <sql.h>.
#pragma once

// The program talks to drivers in UTF-8 through the narrow entry points.
#undef UNICODE
#include <sql.h>
#include <sqlext.h>

#include <wx/string.h>

#include <utility>
#include "odbc/FieldExchange.h"

namespace odbc {

// Throws CDBException with the first diagnostic record of the handle when rc
// is an error. Only the first record is read: some drivers misbehave on more.
void Check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const wxString& context);

inline bool Succeeded(SQLRETURN rc) {
    return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO;
}

// Reads one column of the fetched row: text of any length, decoded as
// UTF-8 or, for rows older programs wrote, Windows-1252; numbers parsed.
FieldValue ReadColumn(SQLHSTMT stmt, SQLUSMALLINT column, FieldKind kind, const wxString& sql);

// Owns one ODBC handle of the given type; frees it when destroyed.
template <SQLSMALLINT Type>
class Handle {
  public:
    Handle() = default;
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    Handle(Handle&& other) noexcept : m_h(std::exchange(other.m_h, nullptr)) {}
    Handle& operator=(Handle&& other) noexcept {
        if (this != &other) {
            Reset();
            m_h = std::exchange(other.m_h, nullptr);
        }
        return *this;
    }
    ~Handle() { Reset(); }

    void Allocate(SQLHANDLE parent, SQLSMALLINT parentType, const wxString& context) {
        Reset();
        SQLHANDLE h = SQL_NULL_HANDLE;
        SQLRETURN rc = SQLAllocHandle(Type, parent, &h);
        if (!Succeeded(rc)) {
            Check(rc, parentType, parent, context);
        }
        m_h = h;
    }
    void Reset() noexcept {
        if (m_h != SQL_NULL_HANDLE) {
            SQLFreeHandle(Type, m_h);
            m_h = SQL_NULL_HANDLE;
        }
    }
    // Forgets the handle without freeing it: for a handle the driver
    // manager already freed with its connection.
    void Release() noexcept { m_h = SQL_NULL_HANDLE; }
    SQLHANDLE Get() const { return m_h; }
    explicit operator bool() const { return m_h != SQL_NULL_HANDLE; }

  private:
    SQLHANDLE m_h = SQL_NULL_HANDLE;
};

using EnvHandle = Handle<SQL_HANDLE_ENV>;
using DbcHandle = Handle<SQL_HANDLE_DBC>;
using StmtHandle = Handle<SQL_HANDLE_STMT>;

// An environment handle set to ODBC 3 behaviour.
EnvHandle MakeEnvironment();

// Text to the driver: the data sources hold UTF-8 (reading accepts older
// Windows-1252 rows too, see EightBitText.h).
inline std::string ToDriver(const wxString& s) {
    return std::string(s.utf8_str());
}

}  // namespace odbc
