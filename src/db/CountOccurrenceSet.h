// Grouped counts (one row per group: a key and a total), assembled from its
// string members when opened. Read-only; built, used and dropped by one task.
#pragma once

#include <cstdint>

#include "odbc/Recordset.h"

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

    // The usage query: schedules joined with their rows, one row per item
    // and VPD, LISTNUM the item's ID and TOTAL the aggregate strTotal over its
    // schedule rows; strHaving picks the groups, strOrder sorts by TOTAL.
    void OpenItemUsage(const wxString& strTotal, const wxString& strHaving,
                       const wxString& strOrder);

    wxString GetDefaultConnect() override;
    wxString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
};
