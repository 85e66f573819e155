#include "db/ScheduleItemSet.h"

#include "db/DataSourceName.h"

CScheduleItemSet::CScheduleItemSet(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_nFields = 5;
    m_nDefaultType = dynaset;
    m_strKeyColumn = "[ID]";
}

wxString CScheduleItemSet::GetDefaultConnect() {
    return GetDataSourceConnect();
}

wxString CScheduleItemSet::GetDefaultSQL() {
    return "[schedule items]";
}

void CScheduleItemSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Long(pFX, "[Schedule_ID]", m_Schedule_ID);
    RFX_Long(pFX, "[Item ID]", m_Item_ID);
    RFX_Long(pFX, "[ID]", m_ID);
    RFX_Int(pFX, "[Item_Order]", m_Item_Order);
    RFX_Int(pFX, "[Transpose]", m_Transpose);
}
