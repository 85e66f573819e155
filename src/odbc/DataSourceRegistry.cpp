#include "odbc/DataSourceRegistry.h"

#include "odbc/OdbcCall.h"  // first: it selects the narrow entry points

#include <odbcinst.h>
#include <wx/filename.h>

#include "odbc/DBException.h"

namespace {

// Walks one of the driver manager's lists; stops when visit returns true.
template <typename Visit>
bool Enumerate(bool drivers, Visit visit) {
    odbc::EnvHandle env = odbc::MakeEnvironment();
    SQLCHAR name[512];
    SQLCHAR description[1024];
    SQLSMALLINT nameLength = 0;
    SQLSMALLINT descriptionLength = 0;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    for (;;) {
        SQLRETURN rc = drivers
                           ? SQLDrivers(env.Get(), direction, name, sizeof name, &nameLength,
                                        description, sizeof description, &descriptionLength)
                           : SQLDataSources(env.Get(), direction, name, sizeof name, &nameLength,
                                            description, sizeof description, &descriptionLength);
        if (!odbc::Succeeded(rc)) {
            return false;
        }
        if (visit(wxString::FromUTF8(reinterpret_cast<const char*>(name)))) {
            return true;
        }
        direction = SQL_FETCH_NEXT;
    }
}

wxString InstallerError() {
    DWORD code = 0;
    char message[SQL_MAX_MESSAGE_LENGTH + 1] = {0};
    WORD length = 0;
    if (SQLInstallerError(1, &code, message, sizeof message, &length) == SQL_SUCCESS) {
        return wxString::FromUTF8(message);
    }
    return "the data source list could not be written";
}

}  // namespace

bool DataSourceExists(const wxString& strName) {
    return Enumerate(false, [&](const wxString& n) { return n.CmpNoCase(strName) == 0; });
}

wxString FindSqliteDriver() {
    if (Enumerate(true, [](const wxString& n) { return n == "SQLite3"; })) {
        return "SQLite3";
    }
    // Installed without registration: name the library itself.
    for (const char* path : {"/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so",
                             "/usr/lib/aarch64-linux-gnu/odbc/libsqlite3odbc.so",
                             "/usr/lib/odbc/libsqlite3odbc.so", "/usr/lib64/libsqlite3odbc.so"}) {
        if (wxFileName::FileExists(path)) {
            return path;
        }
    }
    return wxString();
}

void RegisterDataSource(const wxString& strName,
                        const std::vector<std::pair<wxString, wxString>>& entries) {
    const std::string name = odbc::ToDriver(strName);
    UWORD previous = ODBC_BOTH_DSN;
    SQLGetConfigMode(&previous);
    SQLSetConfigMode(ODBC_USER_DSN);
    bool ok = true;
    for (const auto& [key, value] : entries) {
        ok = ok && SQLWritePrivateProfileString(name.c_str(), odbc::ToDriver(key).c_str(),
                                                odbc::ToDriver(value).c_str(), "odbc.ini");
    }
    wxString error = ok ? wxString() : InstallerError();
    SQLSetConfigMode(previous);
    if (!ok) {
        throw CDBException("HY000", 0, error, "registering the data source " + strName);
    }
}

void RegisterSqliteDataSource(const wxString& strName, const wxString& strDriver,
                              const wxString& strDatabaseFile) {
    RegisterDataSource(strName, {{"Description", "Versilux song library"},
                                 {"Driver", strDriver},
                                 {"Database", strDatabaseFile},
                                 {"Timeout", "2000"}});
}
