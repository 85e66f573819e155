// How one item has been used: its latest schedules, its total per VPD, and
// the chord charts that were sung with it.
#include <algorithm>

#include "db/CountOccurrenceSet.h"
#include "doc/VersiluxDoc.h"

wxString CVersiluxDoc::FormatItemUsage(int nItemID) {
    CScheduleItemSet& rows = *m_pScheduleItemSet;
    rows.m_strFilter = wxString::Format("[Item ID]=%d", nItemID);
    rows.m_strSort = "ID DESC";
    RequeryOrOpen(rows);
    wxString message = GetItemTitle(nItemID) + " last 5 uses in:";
    // A schedule that holds the item twice is remembered twice.
    std::vector<int> schedules;
    for (; !rows.IsEOF() && schedules.size() < 10; rows.MoveNext()) {
        schedules.push_back(rows.m_Schedule_ID);
    }
    for (size_t i = 0; i < schedules.size() && i < 5; ++i) {
        message << "\n" << GetScheduleName(schedules[i]);
    }

    message << "\n\nTotal usage:" << FormatTotalUsage(nItemID);

    message << "\n\nLast 10 uses included (times):";
    // Per exact title, in the order titles were first counted.
    std::vector<std::pair<wxString, int>> tally;
    for (int nSchedule : schedules) {
        rows.m_strFilter = wxString::Format("[Schedule_ID]=%d", nSchedule);
        RequeryOrOpen(rows);
        std::vector<int> items;
        for (; !rows.IsEOF(); rows.MoveNext()) {
            if (rows.m_Item_ID != nItemID) {
                items.push_back(rows.m_Item_ID);
            }
        }
        for (int nOther : items) {
            if (!FindLookupItem(nOther) || m_pLookupSet->m_Subtype != 3) {
                continue;
            }
            const wxString& title = m_pLookupSet->m_Title;
            auto found = std::find_if(tally.begin(), tally.end(),
                                      [&title](const auto& entry) { return entry.first == title; });
            if (found == tally.end()) {
                tally.emplace_back(title, 1);
            } else {
                ++found->second;
            }
        }
    }
    std::stable_sort(tally.begin(), tally.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    message << "\n";
    for (const auto& [strTitle, nCount] : tally) {
        message << strTitle << " " << wxString::Format("(%02d)", nCount) << "\n";
    }
    rows.m_strSort.clear();
    m_pVPDSet->m_strSort.clear();
    return message;
}

wxString CVersiluxDoc::FormatTotalUsage(int nItemID) {
    wxString text;
    for (const CChoice& vpd : VPDChoices()) {
        CCountOccurrenceSet query(&m_database);
        query.OpenItemUsage("COUNT(*)",
                            wxString::Format("(Schedules.VPD=%d AND [schedule items].[Item ID]=%d)",
                                             vpd.nID, nItemID),
                            "DESC");
        text << wxString::Format("\n%s : %d", vpd.strName, query.IsEOF() ? 0 : query.m_TOTAL);
    }
    return text;
}
