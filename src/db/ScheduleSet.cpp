#include "db/ScheduleSet.h"

#include "db/DataSourceName.h"

CScheduleSet::CScheduleSet(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_nFields = 3;
    m_nDefaultType = dynaset;
    m_strKeyColumn = "[ID]";
}

wxString CScheduleSet::GetDefaultConnect() {
    return GetDataSourceConnect();
}

wxString CScheduleSet::GetDefaultSQL() {
    return "[Schedules]";
}

void CScheduleSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, "[Name]", m_Name);
    RFX_Long(pFX, "[ID]", m_ID);
    RFX_Int(pFX, "[VPD]", m_VPD);
}
