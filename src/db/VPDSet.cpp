#include "db/VPDSet.h"

#include "db/DataSourceName.h"

CVPDSet::CVPDSet(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_nFields = 2;
    m_nDefaultType = dynaset;
    m_strKeyColumn = "[ID]";
}

wxString CVPDSet::GetDefaultConnect() {
    return GetDataSourceConnect();
}

wxString CVPDSet::GetDefaultSQL() {
    return "[VPD]";
}

void CVPDSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, "[Name]", m_Name);
    RFX_Long(pFX, "[ID]", m_ID);
}
