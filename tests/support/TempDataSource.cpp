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
#include "db/LibrarySetup.h"
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

// The VERSILUX_TEST_PG connect string's keys and values, in order.
std::vector<std::pair<wxString, wxString>> ServerKeys() {
    wxString connect;
    if (!wxGetEnv("VERSILUX_TEST_PG", &connect) || connect.empty()) {
        throw std::runtime_error(
            "VERSILUX_TEST_STORE=postgresql needs a PostgreSQL server named by "
            "VERSILUX_TEST_PG: run the tests through scripts/test or "
            "scripts/with-postgresql, which start one");
    }
    std::vector<std::pair<wxString, wxString>> keys;
    for (const wxString& part : wxSplit(connect, ';', '\0')) {
        if (part.Contains("=")) {
            keys.emplace_back(part.BeforeFirst('='), part.AfterFirst('='));
        }
    }
    return keys;
}

wxString ConnectString(const std::vector<std::pair<wxString, wxString>>& keys) {
    wxString connect;
    for (const auto& [key, value] : keys) {
        connect << key << "=" << value << ";";
    }
    return connect;
}

}  // namespace

bool TempDataSource::OnPostgreSQL() {
    wxString store;
    return wxGetEnv("VERSILUX_TEST_STORE", &store) && store.CmpNoCase("postgresql") == 0;
}

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
    MakeCurrent();
    wxFFile(m_strDir + "/odbc.ini", "w").Close();
    if (content == Content::NoDataSource) {
        m_strDatabaseFile = m_strDir + "/versilux-test.db";
        return;
    }
    const wxString dataDir = GetShippedDataDir();
    if (OnPostgreSQL()) {
        static int s_nCount = 0;
        std::vector<std::pair<wxString, wxString>> keys = ServerKeys();
        m_strServerDatabase = wxString::Format("vtest_%lu_%d", wxGetProcessId(), ++s_nCount);
        {
            CDatabase server;
            server.OpenEx(ConnectString(keys));
            server.ExecuteSQL("DROP DATABASE IF EXISTS " + m_strServerDatabase);
            server.ExecuteSQL("CREATE DATABASE " + m_strServerDatabase);
        }
        for (auto& [key, value] : keys) {
            if (key.CmpNoCase("Database") == 0) {
                value = m_strServerDatabase;
            }
        }
        RegisterDataSource("Versilux", keys);
        if (content != Content::Nothing) {
            CDatabase db;
            db.OpenEx("ODBC;DSN=Versilux");
            CTransaction transaction(db);
            CreateLibrary(
                db, dataDir,
                content == Content::Library ? ELibraryContent::Demo : ELibraryContent::Tables);
            transaction.Commit();
        }
        return;
    }
    m_strDatabaseFile = m_strDir + "/versilux-test.db";
    if (content == Content::Library) {
        CreateSqliteLibrary(m_strDatabaseFile, dataDir);
    } else {
        CDatabase db;
        db.OpenEx("Driver=" + FindSqliteDriver() + ";Database=" + m_strDatabaseFile + ";");
        if (content == Content::Schema) {
            CreateLibrary(db, dataDir, ELibraryContent::Tables);
        }
    }
    RegisterSqliteDataSource("Versilux", FindSqliteDriver(), m_strDatabaseFile);
}

void TempDataSource::MakeCurrent() {
    wxSetEnv("HOME", m_strDir);
    wxSetEnv("XDG_DATA_HOME", m_strDir + "/share");
    wxSetEnv("ODBCINI", m_strDir + "/odbc.ini");
}

TempDataSource::~TempDataSource() {
    if (!m_strServerDatabase.empty()) {
        try {
            CDatabase server;
            server.OpenEx(ConnectString(ServerKeys()));
            // FORCE: a connection a failed test left open must not keep it.
            server.ExecuteSQL("DROP DATABASE IF EXISTS " + m_strServerDatabase + " WITH (FORCE)");
        } catch (const std::exception&) {  // the cluster is thrown away at the end anyway
        }
    }
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

wxString TempDataSource::QueryJoined(const wxString& strSQL, const wxString& strSeparator) {
    CDatabase db;
    db.OpenEx("ODBC;DSN=Versilux");
    FirstColumnSet set(&db, strSQL);
    set.Open();
    wxString joined;
    for (bool first = true; !set.IsEOF(); set.MoveNext(), first = false) {
        if (!first) {
            joined << strSeparator;
        }
        joined << set.m_strValue;
    }
    return joined;
}
