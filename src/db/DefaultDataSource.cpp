#include "db/DefaultDataSource.h"

#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/tokenzr.h>
#include <wx/utils.h>
#include <stdexcept>

#include "db/DataFiles.h"
#include "db/DataSourceName.h"
#include "db/LibrarySetup.h"
#include "db/SqlText.h"
#include "odbc/DBException.h"
#include "odbc/DataSourceRegistry.h"
#include "odbc/Database.h"

wxString ReadSqlScript(const wxString& path) {
    wxLogNull quiet;  // the failure is reported by the exception
    wxFFile file(path, "rb");
    wxString text;
    if (!file.IsOpened() || !file.ReadAll(&text, wxConvUTF8)) {
        throw std::runtime_error(std::string(("cannot read " + path).utf8_str()));
    }
    return text;
}

// A script holds one statement per run of lines ending in ';'; whole-line
// comments start with "--".
void RunSqlScript(CDatabase& db, const wxString& text, const wxString& dataDir) {
    wxString statement;
    wxStringTokenizer lines(text, "\n", wxTOKEN_RET_EMPTY_ALL);
    while (lines.HasMoreTokens()) {
        wxString line = lines.GetNextToken();
        line.Replace("\r", "");
        if (statement.empty() && (line.Strip(wxString::both).empty() ||
                                  line.Strip(wxString::leading).StartsWith("--"))) {
            continue;
        }
        statement << line << "\n";
        if (line.Strip(wxString::trailing).EndsWith(";")) {
            statement.Replace("@DATA@", EscapeSqlLiteral(dataDir));
            db.ExecuteSQL(statement.Strip(wxString::both).BeforeLast(';'));
            statement.clear();
        }
    }
    if (!statement.Strip(wxString::both).empty()) {
        statement.Replace("@DATA@", EscapeSqlLiteral(dataDir));
        db.ExecuteSQL(statement);
    }
}

wxString GetDefaultLibraryFile() {
    wxString base;
    if (!wxGetEnv("XDG_DATA_HOME", &base) || base.empty()) {
        base = wxFileName::GetHomeDir() + "/.local/share";
    }
    return base + "/versilux/versilux.db";
}

void CreateSqliteLibrary(const wxString& strDatabaseFile, const wxString& strDataDir) {
    const wxString driver = FindSqliteDriver();
    if (driver.empty()) {
        throw std::runtime_error(
            "the SQLite3 ODBC driver (package libsqliteodbc) is not installed");
    }
    wxFileName::Mkdir(wxFileName(strDatabaseFile).GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    // Built under a temporary name and moved into place, so an interrupted
    // first start never leaves a half-made library behind.
    const wxString partial = strDatabaseFile + ".partial";
    if (wxFileName::FileExists(partial)) {
        wxRemoveFile(partial);
    }
    try {
        CDatabase db;
        db.OpenEx("Driver=" + driver + ";Database=" + partial + ";");
        CTransaction transaction(db);
        CreateLibrary(db, strDataDir, ELibraryContent::Demo);
        transaction.Commit();
        db.Close();
    } catch (...) {
        if (wxFileName::FileExists(partial)) {
            wxRemoveFile(partial);
        }
        throw;
    }
    if (!wxRenameFile(partial, strDatabaseFile, true)) {
        wxRemoveFile(partial);
        throw std::runtime_error(std::string(("cannot create " + strDatabaseFile).utf8_str()));
    }
}

bool EnsureDefaultDataSource(wxString& strError, bool* pbCreated) {
    if (pbCreated != nullptr) {
        *pbCreated = false;
    }
    try {
        if (!UsesDefaultDataSource()) {
            // Another store is the user's own: used as it is, never created.
            if (!DataSourceExists(GetDataSourceName())) {
                strError = "No ODBC data source of this name is registered (see odbcinst -q -s).";
                return false;
            }
            return true;
        }
        if (DataSourceExists(kDataSourceName)) {
            return true;
        }
        const wxString file = GetDefaultLibraryFile();
        if (!wxFileName::FileExists(file)) {
            CreateSqliteLibrary(file, GetShippedDataDir());
            if (pbCreated != nullptr) {
                *pbCreated = true;
            }
        }
        RegisterSqliteDataSource(kDataSourceName, FindSqliteDriver(), file);
        return true;
    } catch (const CDBException& e) {
        strError = e.GetErrorMessage();
    } catch (const std::exception& e) {
        strError = wxString::FromUTF8(e.what());
    }
    return false;
}
