#include "db/RowClaim.h"

#include "db/SQLCountSet.h"
#include "db/StoreKind.h"
#include "odbc/Database.h"

bool ClaimRowForChange(CDatabase& db, const wxString& strTable, int nID) {
    const wxString dbms = db.GetDBMSName();
    SQLCountSet found(&db);
    if (IsPostgreSQL(dbms)) {
        // A row lock: a second claim of the row waits for this transaction.
        found.m_strTable =
            wxString::Format("(SELECT ID FROM %s WHERE ID=%d FOR UPDATE) claimed", strTable, nID);
    } else {
        ClaimTableForChange(db, strTable);
        found.m_strTable = strTable;
        found.m_strWhere = wxString::Format("ID=%d", nID);
    }
    found.Open();
    return !found.IsEOF() && found.m_TOTAL > 0;
}

void ClaimTableForChange(CDatabase& db, const wxString& strTable) {
    if (IsPostgreSQL(db.GetDBMSName())) {
        // Other programs still read the table; a second claim waits.
        db.ExecuteSQL("LOCK TABLE " + strTable + " IN SHARE ROW EXCLUSIVE MODE");
        return;
    }
    // The whole store's write lock, taken by a write that matches no row:
    // the next claim waits for it, as a later write would.
    db.ExecuteSQL("UPDATE " + strTable + " SET ID=ID WHERE 1=0");
}
