// Rows of the tempsearch table: plain texts for the phrase search.
#pragma once

#include <cstdint>

#include "odbc/Recordset.h"

class CTempSearchSet : public CRecordset {
  public:
    explicit CTempSearchSet(CDatabase* pDatabase);

    std::int32_t m_ID = 0;
    int m_VPD = 0;
    wxString m_Field1;
    wxString m_Title;

    wxString GetDefaultConnect() override;
    wxString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
};
