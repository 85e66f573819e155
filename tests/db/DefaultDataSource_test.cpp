// The default data source: created on first start, used unaltered after.
#include <gtest/gtest.h>

#include <wx/ffile.h>
#include <wx/filename.h>

#include "db/DataFiles.h"
#include "db/DefaultDataSource.h"
#include "odbc/DataSourceRegistry.h"
#include "support/TempDataSource.h"

namespace {

wxString ReadFile(const wxString& path) {
    wxString text;
    wxFFile(path, "rb").ReadAll(&text);
    return text;
}

TEST(DefaultDataSource, CreatedAndRegisteredWhenNoneExists) {
    TempDataSource home(TempDataSource::Content::NoDataSource);
    ASSERT_FALSE(DataSourceExists("Versilux"));
    wxString error;
    bool created = false;
    ASSERT_TRUE(EnsureDefaultDataSource(error, &created)) << error;
    EXPECT_TRUE(created);
    EXPECT_TRUE(DataSourceExists("Versilux"));
    const wxString file = GetDefaultLibraryFile();
    EXPECT_TRUE(file.StartsWith(home.Dir())) << file;
    EXPECT_TRUE(wxFileName::FileExists(file));
    EXPECT_FALSE(wxFileName::FileExists(file + ".partial"));
    EXPECT_TRUE(ReadFile(home.Dir() + "/odbc.ini").Contains(file));

    // The palette runs 1, 2, 3 ... without gaps; one config row; VPDs from 1.
    const long colours = home.QueryNumber("SELECT count(*) FROM Colours");
    EXPECT_GE(colours, 8);
    EXPECT_EQ(home.QueryNumber("SELECT max(ID) FROM Colours"), colours);
    EXPECT_EQ(home.QueryNumber("SELECT count(*) FROM config"), 1);
    EXPECT_EQ(home.QueryNumber("SELECT min(ID) FROM VPD"), 1);
    EXPECT_EQ(home.QueryNumber("SELECT count(*) FROM VPD"),
              home.QueryNumber("SELECT max(ID) FROM VPD"));
    // Every colour the settings and items name exists.
    EXPECT_EQ(home.QueryNumber("SELECT count(*) FROM items WHERE Background NOT IN (SELECT ID "
                               "FROM Colours) OR Foreground NOT IN (SELECT ID FROM Colours) OR "
                               "Foreground2 NOT IN (SELECT ID FROM Colours)"),
              0);
    // The demo library: songs, chord charts, a title, liturgy, a picture, schedules.
    for (int subtype = 0; subtype <= 4; ++subtype) {
        EXPECT_GT(home.QueryNumber(wxString::Format(
                      "SELECT count(*) FROM items WHERE Subtype=%d AND VPD=1", subtype)),
                  0)
            << "subtype " << subtype;
    }
    EXPECT_GE(home.QueryNumber("SELECT count(*) FROM items WHERE Subtype=1"), 5);
    EXPECT_GE(home.QueryNumber("SELECT count(*) FROM Schedules WHERE VPD=1"), 2);
    EXPECT_EQ(home.QueryNumber("SELECT count(*) FROM [schedule items] WHERE [Item ID] NOT IN "
                               "(SELECT ID FROM items)"),
              0);
    // Texts hold CR LF line ends, chords, bars and the inline-chord sign.
    EXPECT_GT(home.QueryNumber("SELECT count(*) FROM items WHERE instr(Field1, char(13, 10)) > 0"),
              5);
    EXPECT_EQ(home.QueryNumber("SELECT count(*) FROM items WHERE instr(replace(Field1, char(13, "
                               "10), ''), char(10)) > 0"),
              0);
    EXPECT_GT(home.QueryNumber("SELECT count(*) FROM items WHERE Subtype=3 AND instr(Field1, '{') "
                               "> 0 AND instr(Field1, '|') > 0 AND instr(Field1, '&') > 0"),
              0);
    EXPECT_GT(home.QueryNumber("SELECT count(*) FROM items WHERE instr(Field1, char(172)) > 0"), 0);
    // The picture item names a file that is shipped.
    const wxString picture = home.QueryText("SELECT Heading1 FROM items WHERE Type=50");
    EXPECT_TRUE(wxFileName::FileExists(picture)) << picture;
}

TEST(DefaultDataSource, AnExistingDataSourceIsUsedAsItIs) {
    TempDataSource existing(TempDataSource::Content::Schema);
    const wxString ini = ReadFile(existing.Dir() + "/odbc.ini");
    wxString error;
    bool created = true;
    ASSERT_TRUE(EnsureDefaultDataSource(error, &created)) << error;
    EXPECT_FALSE(created);
    EXPECT_EQ(ReadFile(existing.Dir() + "/odbc.ini"), ini);
    EXPECT_FALSE(wxFileName::FileExists(GetDefaultLibraryFile()));
    EXPECT_EQ(existing.QueryNumber("SELECT count(*) FROM items"), 0);
}

TEST(DefaultDataSource, AFailedCreationLeavesNoHalfMadeLibrary) {
    TempDataSource home(TempDataSource::Content::NoDataSource);
    const wxString broken = home.Dir() + "/broken";
    wxFileName::Mkdir(broken);
    wxFFile(broken + "/schema.sql", "w").Write("CREATE TABLE items (x INTEGER);\n");
    wxFFile(broken + "/demo.sql", "w").Write("INSERT INTO nowhere VALUES (1);\n");
    const wxString file = home.Dir() + "/lib/versilux.db";
    EXPECT_ANY_THROW(CreateSqliteLibrary(file, broken));
    EXPECT_FALSE(wxFileName::FileExists(file));
    EXPECT_FALSE(wxFileName::FileExists(file + ".partial"));
    EXPECT_ANY_THROW(CreateSqliteLibrary(file, home.Dir() + "/no-such-folder"));
}

}  // namespace
