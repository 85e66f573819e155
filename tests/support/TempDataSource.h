// A data source named Versilux on a temporary SQLite file, seen only by this
// process: HOME, XDG_DATA_HOME and ODBCINI point into a temporary folder for
// the fixture's life, so the user's own data source is never touched.
//
// With VERSILUX_TEST_STORE=postgresql the data source is a fresh database on
// the PostgreSQL server VERSILUX_TEST_PG names (an ODBC connect string for
// its maintenance database, as scripts/with-postgresql sets it), dropped
// again with the fixture.
#pragma once

#include <wx/string.h>
#include <memory>

class CDatabase;

class TempDataSource {
  public:
    enum class Content {
        Nothing,      // the file exists but holds no tables
        Schema,       // the tables, empty
        Library,      // the tables with the shipped palette, settings and demo library
        NoDataSource  // the folder and environment only: no data source registered
    };

    explicit TempDataSource(Content content = Content::Library);
    ~TempDataSource();
    TempDataSource(const TempDataSource&) = delete;
    TempDataSource& operator=(const TempDataSource&) = delete;

    const wxString& Dir() const { return m_strDir; }
    // The SQLite file; empty on PostgreSQL.
    const wxString& DatabaseFile() const { return m_strDatabaseFile; }

    // True when the fixtures of this run are on PostgreSQL.
    static bool OnPostgreSQL();

    // Points the process at this data source again, for a program that keeps
    // more than one alive (a benchmark comparing stores): the newest one
    // otherwise wins.
    void MakeCurrent();

    // Runs statements on a connection of its own (test set-up and checks).
    void Exec(const wxString& strSQL);
    // The first column of the first row as text; empty when there is no row.
    wxString QueryText(const wxString& strSQL);
    long QueryNumber(const wxString& strSQL);
    // The first column of every row, in the order the query gives, joined by
    // strSeparator (what SQLite's group_concat gives, on any store).
    wxString QueryJoined(const wxString& strSQL, const wxString& strSeparator = ",");

  private:
    wxString m_strDir;
    wxString m_strDatabaseFile;
    wxString m_strServerDatabase;  // on PostgreSQL: the database to drop
    struct SavedEnv;
    std::unique_ptr<SavedEnv> m_pSavedEnv;
};
