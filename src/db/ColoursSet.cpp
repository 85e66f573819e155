#include "db/ColoursSet.h"

#include "db/DataSourceName.h"

CColoursSet::CColoursSet(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_nFields = 5;
    m_nDefaultType = dynaset;
    m_strKeyColumn = "[ID]";
}

wxString CColoursSet::GetDefaultConnect() {
    return GetDataSourceConnect();
}

wxString CColoursSet::GetDefaultSQL() {
    return "[Colours]";
}

void CColoursSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Long(pFX, "[ID]", m_ID);
    RFX_Text(pFX, "[Name]", m_Name);
    RFX_Byte(pFX, "[Red]", m_Red);
    RFX_Byte(pFX, "[Green]", m_Green);
    RFX_Byte(pFX, "[Blue]", m_Blue);
}
