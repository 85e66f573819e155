#include "support/TempDataSource.h"

#include <gtest/gtest.h>

#include <wx/dir.h>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/utils.h>
#include <cstdlib>
#include <optional>

#include "db/DataFiles.h"
#include "db/DefaultDataSource.h"
#include "odbc/DataSourceRegistry.h"
#include "odbc/Database.h"
#include "odbc/Recordset.h"

struct TempDataSource::SavedEnv {
    std::optional<wxString> home, odbcIni, xdg;
};

namespace {

std::optional<wxString> Save(const char* name) {
    wxString value;
    if (wxGetEnv(name, &value)) {
        return value;
    }
    return std::nullopt;
}

void Restore(const char* name, const std::optional<wxString>& value) {
    if (value) {
        wxSetEnv(name, *value);
    } else {
        wxUnsetEnv(name);
    }
}

// One column of one row, through the record-set layer itself.
class FirstColumnSet : public CRecordset {
  public:
    FirstColumnSet(CDatabase* db, const wxString& sql) : CRecordset(db), m_strStatement(sql) {
        m_nDefaultType = snapshot;
    }
    wxString GetDefaultConnect() override { return "ODBC;DSN=Versilux"; }
    wxString GetDefaultSQL() override { return m_strStatement; }
    void DoFieldExchange(CFieldExchange* pFX) override { RFX_Text(pFX, "value", m_strValue); }
    wxString m_strStatement;
    wxString m_strValue;
};

}  // namespace

TempDataSource::TempDataSource(Content content) : m_pSavedEnv(std::make_unique<SavedEnv>()) {
    char pattern[] = "/tmp/versilux-test-XXXXXX";
    const char* dir = mkdtemp(pattern);
    if (dir == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    m_strDir = dir;
    m_pSavedEnv->home = Save("HOME");
    m_pSavedEnv->odbcIni = Save("ODBCINI");
    m_pSavedEnv->xdg = Save("XDG_DATA_HOME");
    wxSetEnv("HOME", m_strDir);
    wxSetEnv("XDG_DATA_HOME", m_strDir + "/share");
    wxSetEnv("ODBCINI", m_strDir + "/odbc.ini");
    wxFFile(m_strDir + "/odbc.ini", "w").Close();
    m_strDatabaseFile = m_strDir + "/versilux-test.db";
    if (content == Content::NoDataSource) {
        return;
    }
    const wxString dataDir = GetShippedDataDir();
    if (content == Content::Library) {
        CreateSqliteLibrary(m_strDatabaseFile, dataDir);
    } else {
        CDatabase db;
        db.OpenEx("Driver=" + FindSqliteDriver() + ";Database=" + m_strDatabaseFile + ";");
        if (content == Content::Schema) {
            RunSqlScript(db, ReadSqlScript(dataDir + "/schema.sql"), dataDir);
        }
    }
    RegisterSqliteDataSource("Versilux", FindSqliteDriver(), m_strDatabaseFile);
}

TempDataSource::~TempDataSource() {
    Restore("HOME", m_pSavedEnv->home);
    Restore("ODBCINI", m_pSavedEnv->odbcIni);
    Restore("XDG_DATA_HOME", m_pSavedEnv->xdg);
    wxFileName::Rmdir(m_strDir, wxPATH_RMDIR_RECURSIVE);
}

void TempDataSource::Exec(const wxString& strSQL) {
    CDatabase db;
    db.OpenEx("ODBC;DSN=Versilux");
    db.ExecuteSQL(strSQL);
}

wxString TempDataSource::QueryText(const wxString& strSQL) {
    CDatabase db;
    db.OpenEx("ODBC;DSN=Versilux");
    FirstColumnSet set(&db, strSQL);
    set.Open();
    return set.IsEOF() ? wxString() : set.m_strValue;
}

long TempDataSource::QueryNumber(const wxString& strSQL) {
    long n = 0;
    QueryText(strSQL).ToLong(&n);
    return n;
}
