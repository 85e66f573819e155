// The ID, title and own transposition of items, and nothing else: what a
// list of item titles needs, without fetching any item's texts. Read-only.
#pragma once

#include <cstdint>

#include "odbc/Recordset.h"

class CItemTitlesSet : public CRecordset {
  public:
    explicit CItemTitlesSet(CDatabase* pDatabase);

    std::int32_t m_ID = 0;
    wxString m_Title;
    int m_Transpose = 0;

    wxString GetDefaultConnect() override;
    wxString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
};
