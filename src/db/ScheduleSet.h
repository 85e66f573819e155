// Rows of the Schedules table: named running orders.
#pragma once

#include <cstdint>

#include "odbc/Recordset.h"

class CScheduleSet : public CRecordset {
  public:
    explicit CScheduleSet(CDatabase* pDatabase);

    wxString m_Name;
    std::int32_t m_ID = 0;
    int m_VPD = 0;

    wxString GetDefaultConnect() override;
    wxString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
};
