// The VPD editors' reads and writes: new VPDs, new names, what a VPD still
// holds, deletion, and the choice of the current VPD. Rows are found by
// their ID, so a list in name order with repeated names or gaps in the IDs
// still reaches the row the operator picked.
#include "db/SQLCountSet.h"
#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"

namespace {

// The rows of a table that belong to the VPD.
int CountRowsOfVPD(SQLCountSet& count, const wxString& strTable, int nID) {
    count.m_strTable = strTable;
    count.m_strWhere = wxString::Format("[VPD]=%d", nID);
    count.Open();
    const int nRows = count.IsEOF() ? 0 : count.m_TOTAL;
    count.Close();
    return nRows;
}

}  // namespace

bool CVersiluxDoc::FindVPD(int nID) {
    CVPDSet& vpds = *m_pVPDSet;
    vpds.m_strFilter = wxString::Format("[ID]=%d", nID);
    vpds.m_strSort.clear();
    RequeryOrOpen(vpds);
    return !vpds.IsEOF();
}

void CVersiluxDoc::AddVPD(const wxString& strName) {
    wxASSERT_MSG(!strName.empty() && strName.length() <= kMaxVPDName, "VPD name not checked");
    CVPDSet& vpds = *m_pVPDSet;
    if (!vpds.IsOpen()) {
        vpds.Open();
    }
    Writing(vpds, [&] {
        vpds.AddNew();
        vpds.m_Name = strName;
        vpds.Update();
    });
}

void CVersiluxDoc::RenameVPD(int nID, const wxString& strName) {
    wxASSERT_MSG(!strName.empty() && strName.length() <= kMaxVPDName, "VPD name not checked");
    if (!FindVPD(nID)) {
        throw CDBException("HY000", 0, "the VPD is no longer in the table",
                           wxString::Format("Rename VPD %d", nID));
    }
    CVPDSet& vpds = *m_pVPDSet;
    Writing(vpds, [&] {
        vpds.Edit();
        vpds.m_Name = strName;
        vpds.Update();
    });
}

CVPDUsage CVersiluxDoc::CountVPDUsage(int nID) {
    SQLCountSet count(&m_database);
    CVPDUsage usage;
    usage.nItems = CountRowsOfVPD(count, "[items]", nID);
    usage.nSchedules = CountRowsOfVPD(count, "[Schedules]", nID);
    return usage;
}

int CVersiluxDoc::CountVPDs() {
    SQLCountSet count(&m_database);
    count.m_strTable = "[VPD]";
    count.Open();
    return count.IsEOF() ? 0 : count.m_TOTAL;
}

void CVersiluxDoc::DeleteVPD(int nID) {
    if (!FindVPD(nID)) {
        throw CDBException("HY000", 0, "the VPD is no longer in the table",
                           wxString::Format("Delete VPD %d", nID));
    }
    m_pVPDSet->Delete();
    m_pVPDSet->MoveNext();
}

bool CVersiluxDoc::MakeVPDCurrent(int nID) {
    if (!FindVPD(nID)) {
        return false;
    }
    m_nVPD = m_pVPDSet->m_ID;
    m_strVPDName = m_pVPDSet->m_Name;
    return true;
}

void CVersiluxDoc::FollowEditedVPDs() {
    if (FindVPD(m_nVPD)) {
        return;
    }
    // New items and schedules would otherwise go to a VPD nobody can choose.
    CVPDSet& vpds = *m_pVPDSet;
    vpds.m_strFilter.clear();
    vpds.m_strSort.clear();
    RequeryOrOpen(vpds);
    if (!vpds.IsEOF()) {
        ChooseDefaultVPD();
    }
}
