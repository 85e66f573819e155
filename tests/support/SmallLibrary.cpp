#include "support/SmallLibrary.h"

#include <vector>

#include "db/LibrarySetup.h"
#include "db/SqlText.h"
#include "odbc/Database.h"

SmallLibrary::SmallLibrary(int vpdDefault) {
    Exec(
        "INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (1, 'Black', 0, 0, 0), "
        "(2, 'White', 255, 255, 255), (3, 'Yellow', 255, 255, 0), (4, 'Blue', 0, 0, 255)");
    Exec("INSERT INTO VPD (ID, Name) VALUES (1, 'Main'), (2, 'Youth'), (3, 'Choir')");
    Exec(wxString::Format(
        "INSERT INTO config ([Max Font], [Normal Font], Background_Default, Foreground_Default, "
        "Foreground2_Default, VPD_Default, Foreground3, Foreground4, Chord_screen, Bar_screen, "
        "Version, Flag1, Flag2, Flag3, Flag4, Kensington, TabletMode) VALUES (900, 720, 1, 2, 3, "
        "%d, 4, 3, 3, 2, 'v-keep', 'F1', 'F2', 'F3', 'F4', 1, 0)",
        vpdDefault));
    FollowGivenIds();
}

void SmallLibrary::FollowGivenIds() {
    CDatabase db;
    db.OpenEx("ODBC;DSN=Versilux");
    ::FollowGivenIds(db);
}

long SmallLibrary::AddItem(const wxString& title, int type, const wxString& field1, int transpose,
                           bool preferFlats) {
    Exec(wxString::Format(
        "INSERT INTO items (Title, Heading1, Heading2, Heading2_alt, Field1, Field2, Type, "
        "Subtype, Background, Foreground, Foreground2, VPD, Transpose, PreferFlats, FileName) "
        "VALUES ('%s', 'H1 %s', 'H2 %s', 'Alt %s', '%s', 'F2 %s', %d, 1, 1, 2, 3, 1, %d, %d, "
        "'%s.txt')",
        EscapeSqlLiteral(title), EscapeSqlLiteral(title), EscapeSqlLiteral(title),
        EscapeSqlLiteral(title), EscapeSqlLiteral(field1), EscapeSqlLiteral(title), type, transpose,
        preferFlats ? 1 : 0, EscapeSqlLiteral(title)));
    return m_source.QueryNumber("SELECT max(ID) FROM items");
}

long SmallLibrary::AddItemIn(int vpd, int subtype, const wxString& title, const wxString& field1) {
    Exec(
        wxString::Format("INSERT INTO items (Title, Field1, Type, Subtype, VPD) VALUES ('%s', "
                         "'%s', 1, %d, %d)",
                         EscapeSqlLiteral(title), EscapeSqlLiteral(field1), subtype, vpd));
    return m_source.QueryNumber("SELECT max(ID) FROM items");
}

long SmallLibrary::AddScheduleIn(int vpd, const wxString& name, const std::vector<long>& items) {
    const long id = AddSchedule(name, items);
    Exec(wxString::Format("UPDATE Schedules SET VPD=%d WHERE ID=%ld", vpd, id));
    return id;
}

long SmallLibrary::AddSchedule(const wxString& name, const std::vector<long>& items,
                               const std::vector<int>& transposes) {
    Exec("INSERT INTO Schedules (Name, VPD) VALUES ('" + EscapeSqlLiteral(name) + "', 1)");
    const long id = m_source.QueryNumber("SELECT max(ID) FROM Schedules");
    for (size_t i = 0; i < items.size(); ++i) {
        const int t = i < transposes.size() ? transposes[i] : 999;
        Exec(
            wxString::Format("INSERT INTO [schedule items] (Schedule_ID, [Item ID], Item_Order, "
                             "Transpose) VALUES (%ld, %ld, %d, %d)",
                             id, items[i], static_cast<int>(i), t));
    }
    return id;
}

void SmallLibrary::CountWrites(const wxString& table) {
    CountUpdates("writes", table);
}

// Triggers are where the stores differ most; tests reach them only through here.
void SmallLibrary::CountUpdates(const wxString& strCounter, const wxString& strTable,
                                const wxString& strColumns) {
    Exec("CREATE TABLE " + strCounter + " (n INTEGER)");
    Exec("INSERT INTO " + strCounter + " VALUES (0)");
    const wxString name = "count_" + strCounter;
    const wxString event = strColumns.empty() ? "UPDATE" : "UPDATE OF " + strColumns;
    if (TempDataSource::OnPostgreSQL()) {
        Exec("CREATE FUNCTION " + name + "() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN UPDATE " +
             strCounter + " SET n = n + 1; RETURN NULL; END $$");
        Exec("CREATE TRIGGER " + name + " AFTER " + event + " ON " + strTable +
             " FOR EACH ROW EXECUTE FUNCTION " + name + "()");
        return;
    }
    Exec("CREATE TRIGGER " + name + " AFTER " + event + " ON " + strTable + " BEGIN UPDATE " +
         strCounter + " SET n = n + 1; END");
}

void SmallLibrary::Refuse(const wxString& strOperation, const wxString& strTable,
                          const wxString& strCondition) {
    if (TempDataSource::OnPostgreSQL()) {
        Exec(
            "CREATE OR REPLACE FUNCTION refuse() RETURNS trigger LANGUAGE plpgsql AS "
            "$$ BEGIN RAISE EXCEPTION 'refused'; END $$");
        Exec("CREATE TRIGGER refuse BEFORE " + strOperation + " ON " + strTable + " FOR EACH ROW " +
             (strCondition.empty() ? "" : "WHEN (" + strCondition + ") ") +
             "EXECUTE FUNCTION refuse()");
        return;
    }
    Exec("CREATE TRIGGER refuse BEFORE " + strOperation + " ON " + strTable +
         (strCondition.empty() ? "" : " WHEN " + strCondition) +
         " BEGIN SELECT RAISE(ABORT, 'refused'); END");
}

void SmallLibrary::StopRefusing(const wxString& strTable) {
    Exec(TempDataSource::OnPostgreSQL() ? "DROP TRIGGER refuse ON " + strTable
                                        : wxString("DROP TRIGGER refuse"));
}
