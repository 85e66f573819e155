// Rows of the Colours table: the palette items and settings refer to.
#pragma once

#include <cstdint>

#include "odbc/Recordset.h"

class CColoursSet : public CRecordset {
  public:
    explicit CColoursSet(CDatabase* pDatabase);

    std::int32_t m_ID = 0;
    wxString m_Name;
    unsigned char m_Red = 0;
    unsigned char m_Green = 0;
    unsigned char m_Blue = 0;

    wxString GetDefaultConnect() override;
    wxString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
};
