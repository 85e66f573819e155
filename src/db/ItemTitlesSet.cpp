#include "db/ItemTitlesSet.h"

#include "db/DataSourceName.h"

CItemTitlesSet::CItemTitlesSet(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_nFields = 3;
    m_nDefaultType = snapshot;
}

wxString CItemTitlesSet::GetDefaultConnect() {
    return GetDataSourceConnect();
}

wxString CItemTitlesSet::GetDefaultSQL() {
    return "[items]";
}

void CItemTitlesSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Long(pFX, "[ID]", m_ID);
    RFX_Text(pFX, "[Title]", m_Title);
    RFX_Int(pFX, "[Transpose]", m_Transpose);
}
