// The main frame: the menu, the toolbar, the accelerators and the status bar
// with the pane that names the current VPD.
#pragma once

#include <wx/docview.h>

class CVersiluxDoc;
class wxMenu;
class wxStatusBar;
class wxToolBar;

class CMainFrame : public wxDocParentFrame {
  public:
    // Status-bar panes.
    enum Pane { kPaneMessage = 0, kPaneVPD, kPaneCaps, kPaneNum, kPaneScroll, kPaneCount };

    explicit CMainFrame(wxDocManager* pManager);

    // The toolbar and the status bar; false (with a debug trace) on failure.
    bool CreateBars();

    CVersiluxDoc* GetDocument() const;
    wxToolBar* GetMainToolBar() const { return m_wndToolBar; }
    wxStatusBar* GetMainStatusBar() const { return m_wndStatusBar; }
    wxMenu* GetFileMenu() const { return m_pFileMenu; }

    // Brings the idle-time panes up to date (the VPD name, the lock keys).
    void UpdatePanes();
    // Lists the recent files in the File menu (or the disabled placeholder).
    void RefreshRecentFiles();

  private:
    void CreateMenus();
    bool CreateMainToolBar();
    bool CreateMainStatusBar();
    void CreateAccelerators();

    void OnIdle(wxIdleEvent& event);
    void OnMenuOpen(wxMenuEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnShowSelectSchedule(wxCommandEvent& event);
    void OnShowDatabase(wxCommandEvent& event);
    void OnShowSchedule(wxCommandEvent& event);
    void OnToolsScreen(wxCommandEvent& event);
    void OnToolsCopy(wxCommandEvent& event);
    void OnToolsVPDSelecter(wxCommandEvent& event);
    void OnToolsVPDManager(wxCommandEvent& event);
    void OnToolsConfiguration(wxCommandEvent& event);
    void OnToolsSearch(wxCommandEvent& event);
    void OnFileImportSongs(wxCommandEvent& event);
    void OnViewToolbar(wxCommandEvent& event);
    void OnViewStatusBar(wxCommandEvent& event);
    void OnAlternateAccelerator(wxCommandEvent& event);
    void OnUpdateViewToolbar(wxUpdateUIEvent& event);
    void OnUpdateViewStatusBar(wxUpdateUIEvent& event);
    void OnUpdateAvailable(wxUpdateUIEvent& event);
    void OnUpdateNotYetAvailable(wxUpdateUIEvent& event);

    wxToolBar* m_wndToolBar = nullptr;
    wxStatusBar* m_wndStatusBar = nullptr;
    wxMenu* m_pFileMenu = nullptr;

    wxDECLARE_EVENT_TABLE();
};
