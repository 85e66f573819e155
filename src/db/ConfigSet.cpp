#include "db/ConfigSet.h"

#include "db/DataSourceName.h"

CConfigSet::CConfigSet(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_nFields = 32;
    m_nDefaultType = dynaset;
    // No key: edits find the table's one row.
}

wxString CConfigSet::GetDefaultConnect() {
    return GetDataSourceConnect();
}

wxString CConfigSet::GetDefaultSQL() {
    return "[config]";
}

void CConfigSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Int(pFX, "[Max Font]", m_Max_Font);
    RFX_Int(pFX, "[Normal Font]", m_Normal_Font);
    RFX_Int(pFX, "[Background_Default]", m_Background_Default);
    RFX_Int(pFX, "[Foreground_Default]", m_Foreground_Default);
    RFX_Int(pFX, "[Bottom]", m_Bottom);
    RFX_Bool(pFX, "[Full Screen]", m_Full_Screen);
    RFX_Int(pFX, "[Left]", m_Left);
    RFX_Int(pFX, "[Right]", m_Right);
    RFX_Int(pFX, "[Top]", m_Top);
    RFX_Int(pFX, "[Foreground2_Default]", m_Foreground2_Default);
    RFX_Int(pFX, "[Screen1_default]", m_Screen1_default);
    RFX_Int(pFX, "[Screen2_default]", m_Screen2_default);
    RFX_Int(pFX, "[Screen3_default]", m_Screen3_default);
    RFX_Int(pFX, "[Screen4_default]", m_Screen4_default);
    RFX_Int(pFX, "[Screen5_default]", m_Screen5_default);
    RFX_Int(pFX, "[VPD_Default]", m_VPD_Default);
    RFX_Int(pFX, "[Bar_colour]", m_Bar_colour);
    RFX_Int(pFX, "[Chord_colour]", m_Chord_colour);
    RFX_Int(pFX, "[Print Font]", m_Print_Font);
    RFX_Text(pFX, "[Version]", m_Version);
    RFX_Int(pFX, "[Bar_screen]", m_Bar_screen);
    RFX_Int(pFX, "[Chord_screen]", m_Chord_screen);
    RFX_Int(pFX, "[Foreground3]", m_Foreground3);
    RFX_Int(pFX, "[Foreground4]", m_Foreground4);
    RFX_Bool(pFX, "[Kensington]", m_Kensington);
    RFX_Int(pFX, "[Margin]", m_Margin);
    RFX_Bool(pFX, "[TabletMode]", m_TabletMode);
    RFX_Bool(pFX, "[BlankScreen]", m_BlankScreen);
    RFX_Text(pFX, "[Flag1]", m_Flag1);
    RFX_Text(pFX, "[Flag2]", m_Flag2);
    RFX_Text(pFX, "[Flag3]", m_Flag3);
    RFX_Text(pFX, "[Flag4]", m_Flag4);
}
