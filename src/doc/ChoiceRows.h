// The rows of a table a list picks from (colours, VPDs) as choices.
#pragma once

#include <vector>

#include "doc/ItemLibrary.h"
#include "odbc/Recordset.h"

// Every row of the set in strSort's order (empty: as stored): its ID and name.
template <typename Set>
std::vector<CChoice> ReadChoices(Set& set, const wxString& strSort) {
    set.m_strFilter.clear();
    set.m_strSort = strSort;
    RequeryOrOpen(set);
    std::vector<CChoice> choices;
    for (; !set.IsEOF(); set.MoveNext()) {
        choices.push_back({set.m_ID, set.m_Name});
    }
    return choices;
}
