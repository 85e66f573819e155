// The schedule manager's reads and writes: the VPD's schedules, a schedule's
// rows, the items offered for adding, and saving, adding, renaming and
// deleting schedules.
#include <map>

#include "db/AssignedId.h"
#include "db/RowClaim.h"
#include "doc/ItemKinds.h"
#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"

namespace {

// Equal names keep one order, so the list and the query agree on positions
// and the newest of equal names comes last.
const char* const kScheduleSort = "Name, ID";
const char* const kUnknownItem = "**unknown**";
const char* const kScheduleGone =
    "The schedule is no longer in the library: another program using the library may have "
    "deleted it. Its running order was not saved.";

}  // namespace

std::vector<CChoice> CVersiluxDoc::ListSchedules() {
    CScheduleSet& schedules = *m_pScheduleSet;
    schedules.m_strFilter = wxString::Format("VPD=%d", m_nVPD);
    schedules.m_strSort = kScheduleSort;
    RequeryOrOpen(schedules);
    std::vector<CChoice> listed;
    for (; !schedules.IsEOF(); schedules.MoveNext()) {
        listed.push_back({schedules.m_ID, schedules.m_Name});
    }
    return listed;
}

std::vector<CScheduleEntry> CVersiluxDoc::ReadScheduleEntries(int nScheduleID) {
    OpenScheduleRows(nScheduleID);
    CScheduleItemSet& rows = *m_pScheduleItemSet;
    std::vector<CScheduleEntry> entries;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        entries.push_back({rows.m_Item_ID, wxString(), rows.m_Transpose, false});
    }
    if (entries.empty()) {
        return entries;
    }
    // Titles alone, in one query: an item's texts are not needed to name it.
    wxString strIDs;
    for (const CScheduleEntry& entry : entries) {
        strIDs << (strIDs.empty() ? "" : ",") << entry.nItemID;
    }
    std::map<int, wxString> titles;
    for (const CListedItem& item : ReadItemTitles("[ID] IN (" + strIDs + ")")) {
        titles[item.nID] = item.strTitle;
    }
    for (CScheduleEntry& entry : entries) {
        const auto found = titles.find(entry.nItemID);
        entry.bKnown = found != titles.end();
        entry.strTitle = entry.bKnown ? found->second : wxString(kUnknownItem);
    }
    return entries;
}

std::vector<CListedItem> CVersiluxDoc::ListAvailableItems(int nTypeFilter, int nVPD) {
    m_bShowSearch = false;
    return ReadItemTitles(ItemKindFilter(nTypeFilter, nVPD));
}

void CVersiluxDoc::InsertScheduleRows(int nScheduleID, const std::vector<CScheduleEntry>& entries) {
    CScheduleItemSet& rows = *m_pScheduleItemSet;
    OpenScheduleRows(nScheduleID);
    int nOrder = 0;
    for (const CScheduleEntry& entry : entries) {
        Writing(rows, [&] {
            rows.AddNew();
            rows.m_Transpose = entry.nTranspose;
            rows.m_Item_ID = entry.nItemID;
            rows.m_Item_Order = nOrder++;
            rows.m_Schedule_ID = nScheduleID;
            return rows.Update();
        });
    }
}

void CVersiluxDoc::SaveScheduleEntries(int nScheduleID,
                                       const std::vector<CScheduleEntry>& entries) {
    {
        CTransaction transaction(m_database);
        // A second program saving the same schedule waits until this save
        // has ended, so the two never mix their rows, and a schedule another
        // program deleted gets no rows.
        if (!ClaimRowForChange(m_database, "Schedules", nScheduleID)) {
            throw CDBException("HY000", 0, kScheduleGone,
                               wxString::Format("saving schedule %d", nScheduleID));
        }
        m_database.ExecuteSQL(
            wxString::Format("DELETE FROM [schedule items] WHERE Schedule_ID=%d", nScheduleID));
        InsertScheduleRows(nScheduleID, entries);
        transaction.Commit();
    }
    // The set read its rows inside the transaction: read what was kept.
    OpenScheduleRows(nScheduleID);
}

int CVersiluxDoc::AddSchedule(const wxString& strName, const std::vector<CScheduleEntry>& entries) {
    int nScheduleID = 0;
    {
        CTransaction transaction(m_database);
        CScheduleSet& schedules = *m_pScheduleSet;
        schedules.m_strFilter = wxString::Format("VPD=%d", m_nVPD);
        schedules.m_strSort = kScheduleSort;
        RequeryOrOpen(schedules);
        Writing(schedules, [&] {
            schedules.AddNew();
            schedules.m_Name = strName;
            schedules.m_VPD = m_nVPD;
            return schedules.Update();
        });
        // Asked of the store: another program may add one of the same name.
        nScheduleID = ReadAssignedId(m_database, "Schedules");
        if (nScheduleID > 0) {
            InsertScheduleRows(nScheduleID, entries);
        }
        transaction.Commit();
    }
    if (nScheduleID > 0) {
        OpenScheduleRows(nScheduleID);
    }
    return nScheduleID;
}

bool CVersiluxDoc::FindSchedule(int nScheduleID) {
    CScheduleSet& schedules = *m_pScheduleSet;
    schedules.m_strFilter = wxString::Format("[ID]=%d", nScheduleID);
    RequeryOrOpen(schedules);
    return !schedules.IsEOF();
}

bool CVersiluxDoc::RenameSchedule(int nScheduleID, const wxString& strName) {
    if (!FindSchedule(nScheduleID)) {
        return false;
    }
    CScheduleSet& schedules = *m_pScheduleSet;
    Writing(schedules, [&] {
        schedules.Edit();
        schedules.m_Name = strName;
        return schedules.Update();
    });
    return true;
}

bool CVersiluxDoc::DeleteSchedule(int nScheduleID) {
    if (!FindSchedule(nScheduleID)) {
        return false;
    }
    m_pScheduleSet->Delete();
    m_pScheduleSet->MoveNext();
    return true;
}
