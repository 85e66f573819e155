// The Stats commands: which items of the current VPD the schedules used
// most, least, most recently and least recently. Time is the order of
// schedule IDs: a later schedule has a higher ID.
#include <algorithm>

#include "db/CountOccurrenceSet.h"
#include "doc/VersiluxDoc.h"

void CVersiluxDoc::RunStatistics(CStatistics kind) {
    if (kind == CStatistics::MostRecentlyUsed) {
        CountMostRecentlyUsed();
    } else if (kind == CStatistics::LeastRecentlyUsed) {
        CountLeastRecentlyUsed();
    } else {
        CountUses(kind == CStatistics::MostUsed);
    }
    ShowListing(CListingKind::Statistics);
    RefreshViews();
}

void CVersiluxDoc::ClearStatistics() {
    m_nStatCount = 0;
    std::fill(m_statIDs.begin(), m_statIDs.end(), 0);
    std::fill(m_statCounts.begin(), m_statCounts.end(), 0);
    std::fill(m_statTitles.begin(), m_statTitles.end(), wxString());
}

void CVersiluxDoc::CountMostRecentlyUsed() {
    ClearStatistics();
    CScheduleSet& schedules = *m_pScheduleSet;
    schedules.m_strFilter = wxString::Format("VPD=%d", m_nVPD);
    schedules.m_strSort = "ID DESC";
    RequeryOrOpen(schedules);
    CScheduleItemSet& rows = *m_pScheduleItemSet;
    // The scan stops at the 50th item: counts cover the schedules read so far.
    for (; !schedules.IsEOF() && m_nStatCount < kMaxStats; schedules.MoveNext()) {
        OpenScheduleRows(schedules.m_ID);
        for (; !rows.IsEOF() && m_nStatCount < kMaxStats; rows.MoveNext()) {
            const auto filled = m_statIDs.begin() + m_nStatCount;
            const auto found = std::find(m_statIDs.begin(), filled, rows.m_Item_ID);
            if (found != filled) {
                ++m_statCounts[static_cast<size_t>(found - m_statIDs.begin())];
            } else {
                const auto n = static_cast<size_t>(m_nStatCount++);
                m_statIDs[n] = rows.m_Item_ID;
                m_statCounts[n] = 1;
                m_statTitles[n] = schedules.m_Name;
            }
        }
    }
    schedules.m_strSort.clear();
    rows.m_strSort.clear();
}

void CVersiluxDoc::CountUses(bool bMostFirst) {
    CCountOccurrenceSet query(&m_database);
    query.OpenItemUsage("COUNT(*)", wxString::Format("Schedules.VPD=%d", m_nVPD),
                        bMostFirst ? "DESC" : "ASC");
    ClearStatistics();
    for (; !query.IsEOF() && m_nStatCount < kMaxStats; query.MoveNext()) {
        const auto n = static_cast<size_t>(m_nStatCount++);
        m_statIDs[n] = query.m_LISTNUM;
        m_statCounts[n] = query.m_TOTAL;
    }
}

void CVersiluxDoc::CountLeastRecentlyUsed() {
    CCountOccurrenceSet query(&m_database);
    query.OpenItemUsage("min(schedules.ID)", wxString::Format("Schedules.VPD=%d", m_nVPD), "ASC");
    ClearStatistics();
    for (; !query.IsEOF() && m_nStatCount < kMaxStats; query.MoveNext()) {
        const auto n = static_cast<size_t>(m_nStatCount++);
        m_statIDs[n] = query.m_LISTNUM;
        m_statCounts[n] = 0;
        m_statTitles[n] = GetScheduleName(query.m_TOTAL);
    }
}
