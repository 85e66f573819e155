#include "db/AssignedId.h"

#include "db/StoreKind.h"
#include "odbc/Database.h"
#include "odbc/RowStream.h"

int ReadAssignedId(CDatabase& db, const wxString& strTable) {
    const wxString dbms = db.GetDBMSName();
    const wxString sql = IsSQLite(dbms)       ? wxString("SELECT last_insert_rowid()")
                         : IsPostgreSQL(dbms) ? wxString("SELECT lastval()")
                                              : "SELECT MAX(ID) FROM " + strTable;
    CRowReader id(db, sql, {FieldKind::Long});
    std::vector<FieldValue> values;
    return id.Next(values) ? static_cast<int>(values[0].nValue) : 0;
}
