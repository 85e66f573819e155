// The data source the program uses when the user has none: an SQLite file
// with the tables, a palette, settings and a demo library, registered under
// the program's data source name.
#pragma once

#include <wx/string.h>

// Where the default library file lives: $XDG_DATA_HOME/versilux (or
// ~/.local/share/versilux) / versilux.db.
wxString GetDefaultLibraryFile();

// Creates an SQLite file with the tables and the shipped content (schema.sql,
// library.sql and demo.sql from strDataDir), all in one transaction. Throws
// CDBException or std::runtime_error on failure; a failed run leaves no file.
void CreateSqliteLibrary(const wxString& strDatabaseFile, const wxString& strDataDir);

class CDatabase;

// Runs a script of statements, each ending in ';' at the end of a line;
// "@DATA@" stands for strDataDir.
void RunSqlScript(CDatabase& db, const wxString& strScript, const wxString& strDataDir);

// Reads a UTF-8 script file; throws std::runtime_error when it cannot.
wxString ReadSqlScript(const wxString& strPath);

// When this run uses another data source (--data-source), only checks that it
// is registered. When no data source of the program's name exists, creates the default
// library and registers it for the user. An existing one is used as it is.
// Returns false with a reason in strError when that was not possible.
bool EnsureDefaultDataSource(wxString& strError, bool* pbCreated = nullptr);
