#include "support/SmallLibrary.h"

#include <vector>

#include "db/SqlText.h"

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
    Exec("CREATE TABLE writes (n INTEGER)");
    Exec("INSERT INTO writes VALUES (0)");
    Exec("CREATE TRIGGER count_writes AFTER UPDATE ON " + table +
         " BEGIN UPDATE writes SET n = n + 1; END");
}
