#include "doc/ScheduleSelection.h"

#include "doc/KeyedEntry.h"
#include "doc/VersiluxDoc.h"

void SelectScheduleFromEntry(CVersiluxDoc& doc, const wxString& strSelected) {
    doc.m_nScheduleID = static_cast<int>(KeyedEntryNumber(strSelected));
    doc.OpenScheduleRows(doc.m_nScheduleID);
    doc.m_strScheduleName = KeyedEntryName(strSelected);
    doc.SetTitle(doc.m_strScheduleName);
    doc.m_bPlayerFile = false;
    doc.ShowListing(CListingKind::Schedule);
    doc.RefreshViews();
}

void ClearScheduleSelection(CVersiluxDoc& doc) {
    doc.m_nScheduleID = 0;
    doc.RefreshViews();
}

void FollowEditedSchedules(CVersiluxDoc& doc) {
    if (doc.m_nScheduleID <= 0) {
        return;  // none, or a player file
    }
    if (!doc.FindSchedule(doc.m_nScheduleID)) {
        // Its rows outlive it: a show would still play them.
        doc.m_strScheduleName.clear();
        doc.SetTitle(wxString());
        ClearScheduleSelection(doc);
        return;
    }
    // The name as Select Schedule gives it.
    const wxString strName =
        KeyedEntryName(MakeKeyedEntry(doc.m_pScheduleSet->m_Name, doc.m_nScheduleID));
    if (strName != doc.m_strScheduleName) {
        doc.m_strScheduleName = strName;
        doc.SetTitle(strName);
    }
}
