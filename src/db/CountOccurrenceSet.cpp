#include "db/CountOccurrenceSet.h"

#include "db/DataSourceName.h"

CCountOccurrenceSet::CCountOccurrenceSet(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_nFields = 2;
    m_nDefaultType = snapshot;
}

wxString CCountOccurrenceSet::GetDefaultConnect() {
    return GetDataSourceConnect();
}

wxString CCountOccurrenceSet::GetDefaultSQL() {
    // Every piece goes in even when empty; the sort repeats the aggregate
    // itself, since not every store sorts by an alias.
    return "SELECT " + m_strListNum + " AS LISTNUM, " + m_strTotal + " AS TOTAL FROM " + m_strFrom +
           " GROUP BY " + m_strGroupBy + " HAVING " + m_strHaving + " ORDER BY " + m_strTotal +
           " " + m_strOrder;
}

void CCountOccurrenceSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Long(pFX, "[LISTNUM]", m_LISTNUM);
    RFX_Int(pFX, "[TOTAL]", m_TOTAL);  // a NULL total loads as 0
}

void CCountOccurrenceSet::OpenItemUsage(const wxString& strTotal, const wxString& strHaving,
                                        const wxString& strOrder) {
    m_strFrom =
        "Schedules INNER JOIN [schedule items] ON Schedules.ID = [schedule items].Schedule_ID";
    m_strListNum = "[Item ID]";
    m_strTotal = strTotal;
    m_strGroupBy = "[schedule items].[Item ID], Schedules.VPD";
    m_strHaving = strHaving;
    m_strOrder = strOrder;
    Open();
}
