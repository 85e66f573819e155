// The driver manager's list of data sources: whether a name is known, and
// registering a new one for the current user.
#pragma once

#include <wx/string.h>

// True when a user or system data source of that name exists.
bool DataSourceExists(const wxString& strName);

// The driver name (or the driver library's path) to use for SQLite files;
// empty when no SQLite3 ODBC driver is installed.
wxString FindSqliteDriver();

#include <utility>
#include <vector>

// Adds a user data source with the given keys (Driver, Database, ...).
// Throws CDBException on failure.
void RegisterDataSource(const wxString& strName,
                        const std::vector<std::pair<wxString, wxString>>& entries);

// Adds a user data source for an SQLite file. Throws CDBException on failure.
void RegisterSqliteDataSource(const wxString& strName, const wxString& strDriver,
                              const wxString& strDatabaseFile);
