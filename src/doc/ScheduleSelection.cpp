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
