#include "db/TempSearchSet.h"

#include "db/DataSourceName.h"

CTempSearchSet::CTempSearchSet(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_nFields = 4;
    m_nDefaultType = dynaset;
    // No key of its own: ID is the item the row was copied from and is
    // written with the row. The table is only filled and emptied.
}

wxString CTempSearchSet::GetDefaultConnect() {
    return GetDataSourceConnect();
}

wxString CTempSearchSet::GetDefaultSQL() {
    return "[tempsearch]";
}

void CTempSearchSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Long(pFX, "[ID]", m_ID);
    RFX_Int(pFX, "[VPD]", m_VPD);
    RFX_Text(pFX, "[Field1]", m_Field1, 32768);
    RFX_Text(pFX, "[Title]", m_Title);
}
