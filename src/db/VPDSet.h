// Rows of the VPD table: the partitions items and schedules belong to.
#pragma once

#include <cstdint>

#include "odbc/Recordset.h"

class CVPDSet : public CRecordset {
  public:
    explicit CVPDSet(CDatabase* pDatabase);

    wxString m_Name;
    std::int32_t m_ID = 0;

    wxString GetDefaultConnect() override;
    wxString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
};
