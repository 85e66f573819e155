// Grouped counts (one row per group: a key and a total), assembled from its
// string members when opened. Read-only; built, used and dropped by one task.
#pragma once

#include <cstdint>

#include "odbc/Recordset.h"

// Schedules with their rows, grouped per item and VPD: the usage counts.
inline constexpr const char* kSchedulesWithRows =
    "Schedules INNER JOIN [schedule items] ON Schedules.ID = [schedule items].Schedule_ID";
inline constexpr const char* kGroupByItemAndVPD = "[schedule items].[Item ID], Schedules.VPD";

class CCountOccurrenceSet : public CRecordset {
  public:
    explicit CCountOccurrenceSet(CDatabase* pDatabase);

    int m_TOTAL = 0;
    std::int32_t m_LISTNUM = 0;

    wxString m_strFrom;
    wxString m_strListNum;
    wxString m_strGroupBy;
    wxString m_strTotal;  // the aggregate; also the sort key
    wxString m_strHaving;
    wxString m_strOrder;  // "ASC" or "DESC"

    wxString GetDefaultConnect() override;
    wxString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
};
