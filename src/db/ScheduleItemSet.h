// Rows of the schedule items table: one item at one place of a schedule.
#pragma once

#include <cstdint>

#include "odbc/Recordset.h"

class CScheduleItemSet : public CRecordset {
  public:
    explicit CScheduleItemSet(CDatabase* pDatabase);

    std::int32_t m_Schedule_ID = 0;
    std::int32_t m_Item_ID = 0;
    std::int32_t m_ID = 0;
    int m_Item_Order = 0;
    int m_Transpose = 0;

    wxString GetDefaultConnect() override;
    wxString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
};
