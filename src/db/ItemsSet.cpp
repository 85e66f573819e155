#include "db/ItemsSet.h"

#include "db/DataSourceName.h"

CItemsSet::CItemsSet(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_nFields = 21;
    m_nDefaultType = dynaset;
    m_strKeyColumn = "[ID]";
}

wxString CItemsSet::GetDefaultConnect() {
    return GetDataSourceConnect();
}

wxString CItemsSet::GetDefaultSQL() {
    return "[items]";
}

void CItemsSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, "[Title]", m_Title);
    RFX_Text(pFX, "[Heading1]", m_Heading1);
    RFX_Text(pFX, "[Heading2]", m_Heading2);
    RFX_Text(pFX, "[Field1]", m_Field1, 32768);
    RFX_Text(pFX, "[Field2]", m_Field2, 32768);
    RFX_Long(pFX, "[ID]", m_ID);
    RFX_Int(pFX, "[Type]", m_Type);
    RFX_Int(pFX, "[Subtype]", m_Subtype);
    RFX_Int(pFX, "[Background]", m_Background);
    RFX_Int(pFX, "[Foreground]", m_Foreground);
    RFX_Int(pFX, "[Foreground2]", m_Foreground2);
    RFX_Int(pFX, "[VPD]", m_VPD);
    RFX_Text(pFX, "[Heading2_alt]", m_Heading2_alt);
    RFX_Int(pFX, "[Transpose]", m_Transpose);
    RFX_Bool(pFX, "[PreferFlats]", m_PreferFlats);
    RFX_Text(pFX, "[FileName]", m_FileName);
    RFX_Bool(pFX, "[Flag1]", m_Flag1);
    RFX_Bool(pFX, "[Flag2]", m_Flag2);
    RFX_Bool(pFX, "[Flag3]", m_Flag3);
    RFX_Bool(pFX, "[Flag4]", m_Flag4);
    RFX_Int(pFX, "[BPM]", m_BPM);
}
