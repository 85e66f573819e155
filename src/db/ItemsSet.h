// Rows of the items table: everything that can be shown.
#pragma once

#include <cstdint>

#include "odbc/Recordset.h"

class CItemsSet : public CRecordset {
  public:
    explicit CItemsSet(CDatabase* pDatabase);

    wxString m_Title;
    wxString m_Heading1;
    wxString m_Heading2;
    wxString m_Field1;
    wxString m_Field2;
    std::int32_t m_ID = 0;
    int m_Type = 0;
    int m_Subtype = 0;
    int m_Background = 0;
    int m_Foreground = 0;
    int m_Foreground2 = 0;
    int m_VPD = 0;
    wxString m_Heading2_alt;
    int m_Transpose = 0;
    bool m_PreferFlats = false;
    wxString m_FileName;
    bool m_Flag1 = false;
    bool m_Flag2 = false;
    bool m_Flag3 = false;
    bool m_Flag4 = false;
    int m_BPM = 0;

    wxString GetDefaultConnect() override;
    wxString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
};
