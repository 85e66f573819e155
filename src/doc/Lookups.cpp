// ID-to-name lookups: each returns a placeholder instead of failing. Item
// lookups use their own set, so they never move m_pItemsSet.
#include "doc/VersiluxDoc.h"

namespace {

const wxString kUnknown = "**unknown**";

}  // namespace

bool CVersiluxDoc::FindLookupItem(int nID) {
    m_pLookupSet->m_strFilter = wxString::Format("[ID]=%d", nID);
    RequeryOrOpen(*m_pLookupSet);
    return !m_pLookupSet->IsEOF();
}

wxString CVersiluxDoc::GetVPDName(int nID) {
    m_pVPDSet->m_strFilter = wxString::Format("ID=%d", nID);
    RequeryOrOpen(*m_pVPDSet);
    return m_pVPDSet->IsEOF() ? wxString("*UNKNOWN*") : m_pVPDSet->m_Name;
}

wxString CVersiluxDoc::GetItemTitle(int nID) {
    return FindLookupItem(nID) ? m_pLookupSet->m_Title : kUnknown;
}

wxString CVersiluxDoc::GetItemHeading2(int nID) {
    return FindLookupItem(nID) ? m_pLookupSet->m_Heading2 : kUnknown;
}

wxString CVersiluxDoc::GetItemFileName(int nID) {
    return FindLookupItem(nID) ? m_pLookupSet->m_FileName : kUnknown;
}

wxString CVersiluxDoc::GetItemText(int nID) {
    if (!FindLookupItem(nID)) {
        return kUnknown;
    }
    const CItemsSet& s = *m_pLookupSet;
    return s.m_Heading1 + "\n" + s.m_Heading2 + "\n" + s.m_Field1 + "\n" + s.m_Field2 + "\n";
}

wxString CVersiluxDoc::GetScheduleName(int nID) {
    m_pScheduleSet->m_strFilter = wxString::Format("[ID]=%d", nID);
    RequeryOrOpen(*m_pScheduleSet);
    return m_pScheduleSet->IsEOF() ? kUnknown : m_pScheduleSet->m_Name;
}
