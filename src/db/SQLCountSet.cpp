#include "db/SQLCountSet.h"

#include "db/DataSourceName.h"

SQLCountSet::SQLCountSet(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_nFields = 1;
    m_nDefaultType = snapshot;
}

wxString SQLCountSet::GetDefaultConnect() {
    return GetDataSourceConnect();
}

wxString SQLCountSet::GetDefaultSQL() {
    // COUNT(DISTINCT a, b) is not portable SQL: several columns are counted
    // as the rows of a derived table instead.
    const bool subSelect = !m_strDistinct.empty() && m_strDistinct.Contains(",");
    wxString sql = "SELECT ";
    if (!m_strCount.empty()) {
        sql << m_strCount;
    } else {
        sql << "COUNT(";
        if (!m_strDistinct.empty() && !subSelect) {
            sql << "DISTINCT " << m_strDistinct;
        } else {
            sql << "*";
        }
        sql << ")";
    }
    sql << " AS TOTAL FROM ";
    if (subSelect) {
        sql << "(SELECT DISTINCT " << m_strDistinct << " FROM ";
    }
    sql << m_strTable;
    if (!m_strWhere.empty()) {
        sql << " WHERE " << m_strWhere;
    }
    if (subSelect) {
        sql << ") table1";
    }
    return sql;
}

void SQLCountSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Int(pFX, "[TOTAL]", m_TOTAL);  // a NULL total loads as 0
}
