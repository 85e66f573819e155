// The document's own menu commands: the two option switches, the show-list
// dump and the statistics.
#include <wx/msgdlg.h>

#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"

// clang-format off
wxBEGIN_EVENT_TABLE(CVersiluxDoc, wxDocument)
    EVT_MENU(ID_TOOLS_ALT_H2, CVersiluxDoc::OnToolsAltH2)
    EVT_UPDATE_UI(ID_TOOLS_ALT_H2, CVersiluxDoc::OnUpdateToolsAltH2)
    EVT_MENU(ID_TOOLS_DISPLAY_FILE, CVersiluxDoc::OnToolsDisplayFile)
    EVT_UPDATE_UI(ID_TOOLS_DISPLAY_FILE, CVersiluxDoc::OnUpdateToolsDisplayFile)
    EVT_MENU(ID_TOOLS_DEBUG_SHOW_GO, CVersiluxDoc::OnToolsDebugShowGo)
    EVT_UPDATE_UI(ID_TOOLS_DEBUG_SHOW_GO, CVersiluxDoc::OnUpdateToolsDebugShowGo)
    EVT_MENU(ID_FILE_EXPORT_PLAYER, CVersiluxDoc::OnFileExportPlayer)
    EVT_UPDATE_UI(ID_FILE_EXPORT_PLAYER, CVersiluxDoc::OnUpdateFileExportPlayer)
    EVT_MENU(ID_FILE_IMPORT_PLAYER, CVersiluxDoc::OnFileImportPlayer)
    EVT_UPDATE_UI(ID_FILE_IMPORT_PLAYER, CVersiluxDoc::OnUpdateFileImportPlayer)
    EVT_MENU_RANGE(ID_STATS_MOST_RECENTLY_USED, ID_STATS_LEAST_USED, CVersiluxDoc::OnStats)
    EVT_UPDATE_UI_RANGE(ID_STATS_MOST_RECENTLY_USED, ID_STATS_LEAST_USED, CVersiluxDoc::OnUpdateStats)
wxEND_EVENT_TABLE()
    // clang-format on

    void CVersiluxDoc::OnToolsAltH2(wxCommandEvent& /*event*/) {
    m_bAltH2 = !m_bAltH2;
    ++m_nShowRevision;
}

void CVersiluxDoc::OnUpdateToolsAltH2(wxUpdateUIEvent& event) {
    event.Enable(true);
    event.Check(m_bAltH2);
}

void CVersiluxDoc::OnToolsDisplayFile(wxCommandEvent& /*event*/) {
    m_bDisplayFile = !m_bDisplayFile;
    if (m_nScheduleID > 0) {
        RefreshViews();
    }
}

void CVersiluxDoc::OnUpdateToolsDisplayFile(wxUpdateUIEvent& event) {
    event.Enable(true);
    event.Check(m_bDisplayFile);
}

void CVersiluxDoc::OnToolsDebugShowGo(wxCommandEvent& /*event*/) {
    wxString strError;
    if (WriteDebugShowGo("DebugShowGo.txt", strError)) {
        wxMessageBox("DebugShowGo.txt written", "Versilux", wxOK);
    } else {
        wxMessageBox("DebugShowGo.txt could not be written: " + strError, "Versilux",
                     wxOK | wxICON_ERROR);
    }
}

void CVersiluxDoc::OnUpdateToolsDebugShowGo(wxUpdateUIEvent& event) {
    event.Enable(true);
    event.Skip();  // the view turns it off while a show plays from the list
}

void CVersiluxDoc::OnStats(wxCommandEvent& event) {
    switch (event.GetId()) {
        case ID_STATS_MOST_RECENTLY_USED:
            RunStatistics(CStatistics::MostRecentlyUsed);
            break;
        case ID_STATS_MOST_USED:
            RunStatistics(CStatistics::MostUsed);
            break;
        case ID_STATS_LEAST_RECENTLY_USED:
            RunStatistics(CStatistics::LeastRecentlyUsed);
            break;
        default:
            RunStatistics(CStatistics::LeastUsed);
            break;
    }
}

void CVersiluxDoc::OnUpdateStats(wxUpdateUIEvent& event) {
    event.Enable(true);
}
