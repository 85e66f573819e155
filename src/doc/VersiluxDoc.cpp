#include "doc/VersiluxDoc.h"

#include "db/ConnectionTuning.h"
#include "db/DataSourceName.h"

CVersiluxDoc::CVersiluxDoc() {
    m_database.Open(wxString(), false, false, GetDataSourceConnect(), false);
    TuneConnection(m_database);

    m_pColoursSet = std::make_unique<CColoursSet>(&m_database);
    m_pConfigSet = std::make_unique<CConfigSet>(&m_database);
    m_pItemsSet = std::make_unique<CItemsSet>(&m_database);
    m_pLookupSet = std::make_unique<CItemsSet>(&m_database);
    m_pScheduleItemSet = std::make_unique<CScheduleItemSet>(&m_database);
    m_pScheduleSet = std::make_unique<CScheduleSet>(&m_database);
    m_pTempSearchSet = std::make_unique<CTempSearchSet>(&m_database);
    m_pVPDSet = std::make_unique<CVPDSet>(&m_database);

    m_pConfigSet->Open();
    m_pVPDSet->Open();
    if (m_pConfigSet->IsEOF()) {
        throw CStartupError(
            wxString::Format("The data source \"%s\" has no row in its config table.",
                             GetDataSourceName())
                .ToStdString());
    }
    if (m_pVPDSet->IsEOF()) {
        throw CStartupError(wxString::Format("The data source \"%s\" has no row in its VPD table.",
                                             GetDataSourceName())
                                .ToStdString());
    }
    ChooseDefaultVPD();
    ReadConfigCopies();
}

CVersiluxDoc::~CVersiluxDoc() {
    // In creation order; the connection closes last, as a member.
    m_pColoursSet.reset();
    m_pConfigSet.reset();
    m_pItemsSet.reset();
    m_pLookupSet.reset();
    m_pScheduleItemSet.reset();
    m_pScheduleSet.reset();
    m_pTempSearchSet.reset();
    m_pVPDSet.reset();
}

void CVersiluxDoc::ChooseDefaultVPD() {
    const int wanted = m_pConfigSet->m_VPD_Default;
    m_pVPDSet->MoveFirst();
    while (!m_pVPDSet->IsEOF() && m_pVPDSet->m_ID != wanted) {
        m_pVPDSet->MoveNext();
    }
    if (m_pVPDSet->IsEOF()) {
        m_pVPDSet->MoveFirst();  // a default naming no VPD is not an error
    }
    m_nVPD = m_pVPDSet->m_ID;
    m_strVPDName = m_pVPDSet->m_Name;
}

void CVersiluxDoc::ReadConfigCopies() {
    ++m_nShowRevision;
    m_bKensington = m_pConfigSet->m_Kensington;
    m_bTabletMode = m_pConfigSet->m_TabletMode;
    ResolveScreenColours();
}

COLORREF CVersiluxDoc::LookupColour(int nColourID, COLORREF crFallback) {
    m_pColoursSet->m_strFilter = wxString::Format("ID=%d", nColourID);
    RequeryOrOpen(*m_pColoursSet);
    if (m_pColoursSet->IsEOF()) {
        return crFallback;
    }
    return MakeColourValue(m_pColoursSet->m_Red, m_pColoursSet->m_Green, m_pColoursSet->m_Blue);
}

void CVersiluxDoc::ResolveScreenColours() {
    // A number with no palette row falls back to a colour that stays readable
    // on the usual dark background.
    const COLORREF white = MakeColourValue(255, 255, 255);
    const int fg3 = m_pConfigSet->m_Foreground3;
    const int fg4 = m_pConfigSet->m_Foreground4;
    const int chord = m_pConfigSet->m_Chord_screen;
    const int bar = m_pConfigSet->m_Bar_screen;
    m_crForeground3 = LookupColour(fg3, white);
    m_crForeground4 = LookupColour(fg4, white);
    m_crChord = LookupColour(chord, MakeColourValue(255, 255, 0));
    m_crBar = LookupColour(bar, MakeColourValue(128, 128, 128));
}

void CVersiluxDoc::ShowListing(CListingKind kind) {
    m_bShowSearch = kind == CListingKind::Search;
    m_bShowStats = kind == CListingKind::Statistics;
    m_bPrintable = kind == CListingKind::Printable;
}

void CVersiluxDoc::OpenScheduleRows(int nScheduleID) {
    m_pScheduleItemSet->m_strFilter = wxString::Format("Schedule_ID=%d", nScheduleID);
    m_pScheduleItemSet->m_strSort = "Item_Order";
    RequeryOrOpen(*m_pScheduleItemSet);
}

void CVersiluxDoc::ReturnFromEditor() {
    if (m_nScheduleID > 0) {
        OpenScheduleRows(m_nScheduleID);
        m_show.m_strPartText.clear();
    }
    RefreshViews();
}

wxString CVersiluxDoc::GetVPDFilter() const {
    return wxString::Format(" and VPD=%d", m_nVPD);
}
