// The one row of the config table: the program's settings.
#pragma once

#include <cstdint>

#include "odbc/Recordset.h"

class CConfigSet : public CRecordset {
  public:
    explicit CConfigSet(CDatabase* pDatabase);

    int m_Max_Font = 0;
    int m_Normal_Font = 0;
    int m_Background_Default = 0;
    int m_Foreground_Default = 0;
    int m_Bottom = 0;
    bool m_Full_Screen = false;
    int m_Left = 0;
    int m_Right = 0;
    int m_Top = 0;
    int m_Foreground2_Default = 0;
    int m_Screen1_default = 0;
    int m_Screen2_default = 0;
    int m_Screen3_default = 0;
    int m_Screen4_default = 0;
    int m_Screen5_default = 0;
    int m_VPD_Default = 0;
    int m_Bar_colour = 0;
    int m_Chord_colour = 0;
    int m_Print_Font = 0;
    wxString m_Version;
    int m_Bar_screen = 0;
    int m_Chord_screen = 0;
    int m_Foreground3 = 0;
    int m_Foreground4 = 0;
    bool m_Kensington = false;
    int m_Margin = 0;
    bool m_TabletMode = false;
    bool m_BlankScreen = false;
    wxString m_Flag1;
    wxString m_Flag2;
    wxString m_Flag3;
    wxString m_Flag4;

    wxString GetDefaultConnect() override;
    wxString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
};
