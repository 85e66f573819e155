// The name every part of the program connects to.
#pragma once

#include <wx/string.h>

inline constexpr const char* kDataSourceName = "Versilux";
inline constexpr const char* kDefaultConnect = "ODBC;DSN=Versilux";

// The data source this run of the program uses: kDataSourceName unless the
// command line named another (--data-source).
wxString GetDataSourceName();
void SetDataSourceName(const wxString& strName);
// "ODBC;DSN=<name>" for the data source this run uses.
wxString GetDataSourceConnect();
// True when this run uses the program's own data source, the one it may
// create on first start.
bool UsesDefaultDataSource();
