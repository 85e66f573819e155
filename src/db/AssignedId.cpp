#include "db/AssignedId.h"

#include "db/DataSourceName.h"
#include "db/SQLCountSet.h"
#include "db/StoreKind.h"
#include "odbc/Database.h"

namespace {

class CAssignedIdSet : public CRecordset {
  public:
    CAssignedIdSet(CDatabase* db, const wxString& strSQL) : CRecordset(db), m_strStatement(strSQL) {
        m_nDefaultType = snapshot;
    }
    wxString GetDefaultConnect() override { return GetDataSourceConnect(); }
    wxString GetDefaultSQL() override { return m_strStatement; }
    void DoFieldExchange(CFieldExchange* pFX) override { RFX_Int(pFX, "[ID]", m_ID); }
    wxString m_strStatement;
    int m_ID = 0;
};

}  // namespace

int ReadAssignedId(CDatabase& db, const wxString& strTable) {
    const wxString dbms = db.GetDBMSName();
    if (!IsSQLite(dbms) && !IsPostgreSQL(dbms)) {
        SQLCountSet highest(&db);
        highest.m_strTable = strTable;
        highest.m_strCount = "MAX(ID)";
        highest.Open();
        return highest.IsEOF() ? 0 : highest.m_TOTAL;
    }
    CAssignedIdSet id(&db, IsSQLite(dbms) ? "SELECT last_insert_rowid()" : "SELECT lastval()");
    id.Open();
    return id.IsEOF() ? 0 : id.m_ID;
}
