// A single total: COUNT over a table or join, optionally of distinct column
// combinations, assembled from its string members when opened. Read-only.
#pragma once

#include "odbc/Recordset.h"

class SQLCountSet : public CRecordset {
  public:
    explicit SQLCountSet(CDatabase* pDatabase);

    int m_TOTAL = 0;

    wxString m_strTable;
    wxString m_strWhere;     // empty: no condition
    wxString m_strDistinct;  // columns to count distinct combinations of; empty: rows
    wxString m_strCount;     // a whole aggregate replacing the generated one

    wxString GetDefaultConnect() override;
    wxString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
};
