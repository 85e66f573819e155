#include "app/MainFrame.h"

#include <wx/accel.h>
#include <wx/artprov.h>
#include <wx/dcmemory.h>
#include <wx/filehistory.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include "app/AboutDlg.h"
#include "app/AppIcon.h"
#include "dialogs/ConfigurationDlg.h"
#include "dialogs/CopyItemsDlg.h"
#include "dialogs/DatabaseDlg.h"
#include "dialogs/PhraseSearchCommand.h"
#include "dialogs/SongFilesCommands.h"
#include "dialogs/ScheduleManagerDlg.h"
#include "dialogs/ScreenPositionDlg.h"
#include "dialogs/SelectScheduleDlg.h"
#include "dialogs/SelectVPDDlg.h"
#include "dialogs/VPDManagerDlg.h"
#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"

namespace {

// The second keys of Undo, Cut, Copy and Paste, and the pane keys: each runs
// its command only when the command's update handler leaves it enabled.
enum AlternateAccelerator : int {
    ID_ACCEL_UNDO = kCommandBase + 200,
    ID_ACCEL_CUT,
    ID_ACCEL_COPY,
    ID_ACCEL_PASTE,
    ID_ACCEL_NEXT_PANE,
    ID_ACCEL_PREV_PANE,
};

int CommandOfAccelerator(int nId) {
    switch (nId) {
        case ID_ACCEL_UNDO:
            return wxID_UNDO;
        case ID_ACCEL_CUT:
            return wxID_CUT;
        case ID_ACCEL_COPY:
            return wxID_COPY;
        case ID_ACCEL_PASTE:
            return wxID_PASTE;
        case ID_ACCEL_NEXT_PANE:
            return ID_NEXT_PANE;
        default:
            return ID_PREV_PANE;
    }
}

// The commands whose work comes with later features: present, disabled.
// clang-format off
const int kNotYetAvailable[] = {
    wxID_CUT,
    wxID_PASTE,
    ID_TOOLS_UPGRADE,
    ID_NEXT_PANE,
    ID_PREV_PANE,
    ID_FILE_MRU_PLACEHOLDER,
};
// clang-format on

const char* const kVPDPaneSample = "Verrrrrrrrrrrry Looooooooooong VPD";

// A small drawn button face for a command without a stock picture.
wxBitmap LetterBitmap(const wxString& strLetter) {
    wxBitmap bitmap(16, 16, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(wxBrush(wxColour(60, 90, 160)));
    dc.Clear();
    dc.SetTextForeground(*wxWHITE);
    dc.SetFont(wxFont(wxFontInfo(7).Bold()));
    const wxSize extent = dc.GetTextExtent(strLetter);
    dc.DrawText(strLetter, (16 - extent.x) / 2, (16 - extent.y) / 2);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

wxBitmap ToolBitmap(const wxArtID& art, const wxString& strFallback) {
    wxBitmap bitmap = wxArtProvider::GetBitmap(art, wxART_TOOLBAR, wxSize(16, 16));
    return bitmap.IsOk() ? bitmap : LetterBitmap(strFallback);
}

}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(CMainFrame, wxDocParentFrame)
    EVT_IDLE(CMainFrame::OnIdle)
    EVT_MENU_OPEN(CMainFrame::OnMenuOpen)
    EVT_MENU(wxID_ABOUT, CMainFrame::OnAbout)
    EVT_MENU(ID_SHOW_SELECT_SCHEDULE, CMainFrame::OnShowSelectSchedule)
    EVT_MENU(ID_SHOW_DATABASE, CMainFrame::OnShowDatabase)
    EVT_MENU(ID_SHOW_SCHEDULE, CMainFrame::OnShowSchedule)
    EVT_MENU(ID_TOOLS_SCREEN, CMainFrame::OnToolsScreen)
    EVT_MENU(ID_TOOLS_COPY, CMainFrame::OnToolsCopy)
    EVT_MENU(ID_TOOLS_VPD_SELECTER, CMainFrame::OnToolsVPDSelecter)
    EVT_MENU(ID_TOOLS_VPD_MANAGER, CMainFrame::OnToolsVPDManager)
    EVT_MENU(ID_TOOLS_SEARCH, CMainFrame::OnToolsSearch)
    EVT_MENU(ID_FILE_IMPORT_SONGS, CMainFrame::OnFileImportSongs)
    EVT_MENU(ID_TOOLS_CONFIGURATION, CMainFrame::OnToolsConfiguration)
    EVT_MENU(ID_VIEW_TOOLBAR, CMainFrame::OnViewToolbar)
    EVT_MENU(ID_VIEW_STATUS_BAR, CMainFrame::OnViewStatusBar)
    EVT_MENU_RANGE(ID_ACCEL_UNDO, ID_ACCEL_PREV_PANE, CMainFrame::OnAlternateAccelerator)
    EVT_UPDATE_UI(ID_VIEW_TOOLBAR, CMainFrame::OnUpdateViewToolbar)
    EVT_UPDATE_UI(ID_VIEW_STATUS_BAR, CMainFrame::OnUpdateViewStatusBar)
    EVT_UPDATE_UI(ID_SHOW_SELECT_SCHEDULE, CMainFrame::OnUpdateAvailable)
    EVT_UPDATE_UI(ID_SHOW_DATABASE, CMainFrame::OnUpdateAvailable)
    EVT_UPDATE_UI(ID_SHOW_SCHEDULE, CMainFrame::OnUpdateAvailable)
    EVT_UPDATE_UI(ID_TOOLS_SCREEN, CMainFrame::OnUpdateAvailable)
    EVT_UPDATE_UI(ID_TOOLS_COPY, CMainFrame::OnUpdateAvailable)
    EVT_UPDATE_UI(ID_TOOLS_VPD_SELECTER, CMainFrame::OnUpdateAvailable)
    EVT_UPDATE_UI(ID_TOOLS_VPD_MANAGER, CMainFrame::OnUpdateAvailable)
    EVT_UPDATE_UI(ID_TOOLS_SEARCH, CMainFrame::OnUpdateAvailable)
    EVT_UPDATE_UI(ID_FILE_IMPORT_SONGS, CMainFrame::OnUpdateAvailable)
    EVT_UPDATE_UI(ID_TOOLS_CONFIGURATION, CMainFrame::OnUpdateAvailable)
wxEND_EVENT_TABLE()
    // clang-format on

    CMainFrame::CMainFrame(wxDocManager* pManager)
    : wxDocParentFrame(pManager, nullptr, wxID_ANY, "Versilux") {
    SetIcons(MakeAppIcons());
    for (int nId : kNotYetAvailable) {
        Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateNotYetAvailable, this, nId);
    }
    CreateMenus();
    CreateAccelerators();
}

CVersiluxDoc* CMainFrame::GetDocument() const {
    wxDocManager* manager = GetDocumentManager();
    return manager == nullptr ? nullptr
                              : dynamic_cast<CVersiluxDoc*>(manager->GetCurrentDocument());
}

void CMainFrame::CreateMenus() {
    // Status prompts are the help strings; toolbar tooltips are set below.
    auto* file = new wxMenu;
    file->Append(wxID_NEW, "&New\tCtrl+N", "Create a new document");
    file->Append(wxID_OPEN, "&Open...\tCtrl+O", "Open an existing document");
    file->Append(wxID_SAVE, "&Save\tCtrl+S", "Save the active document");
    file->Append(wxID_SAVEAS, "Save &As...", "Save the active document with a new name");
    file->AppendSeparator();
    file->Append(ID_FILE_EXPORT_PLAYER, "&Export for player", "");
    file->Append(ID_FILE_IMPORT_PLAYER, "&Import player", "");
    file->Append(ID_FILE_IMPORT_SONGS, "Import Son&gs...",
                 "Import songs from ChordPro, OpenLyrics and text files into the current VPD");
    file->AppendSeparator();
    file->Append(wxID_PRINT, "&Print...\tCtrl+P", "Print the active document");
    file->Append(wxID_PREVIEW, "Print Pre&view", "Display full pages");
    file->Append(wxID_PRINT_SETUP, "P&rint Setup...", "Change the printer and printing options");
    file->AppendSeparator();
    file->Append(ID_FILE_MRU_PLACEHOLDER, "Recent File", "Open this document");
    file->AppendSeparator();
    file->Append(wxID_EXIT, "E&xit", "Quit the application; prompts to save documents");
    m_pFileMenu = file;

    auto* edit = new wxMenu;
    edit->Append(wxID_UNDO, "&Undo\tCtrl+Z", "Undo the last action");
    edit->AppendSeparator();
    edit->Append(wxID_CUT, "Cu&t\tCtrl+X", "Cut the selection and put it on the Clipboard");
    edit->Append(wxID_COPY, "&Copy\tCtrl+C", "Copy the selection and put it on the Clipboard");
    edit->Append(wxID_PASTE, "&Paste\tCtrl+V", "Insert Clipboard contents");

    auto* view = new wxMenu;
    view->AppendCheckItem(ID_VIEW_TOOLBAR, "&Toolbar", "Show or hide the toolbar");
    view->AppendCheckItem(ID_VIEW_STATUS_BAR, "&Status Bar", "Show or hide the status bar");
    view->Append(ID_VIEW_REFRESH, "&Refresh", "");

    auto* show = new wxMenu;
    show->Append(ID_SHOW_GO, "&Go", "");
    show->Append(ID_SHOW_STOP, "&Stop", "");
    show->Append(ID_SHOW_SELECT_SCHEDULE, "S&elect Schedule", "");
    show->Append(ID_SHOW_DATABASE, "&Database", "");
    show->Append(ID_SHOW_SCHEDULE, "S&chedule", "");

    auto* tools = new wxMenu;
    tools->Append(ID_TOOLS_SCREEN, "&Screen", "Select part of screen to display on");
    tools->Append(ID_TOOLS_VPD_SELECTER, "&VPD selecter", "Set Virtual Private Database");
    tools->Append(ID_TOOLS_VPD_MANAGER, "V&PD Manager", "");
    tools->Append(ID_TOOLS_COPY, "&Copy", "");
    tools->Append(ID_TOOLS_SEARCH, "S&earch", "");
    tools->Append(ID_TOOLS_CONFIGURATION, "C&onfiguration", "");
    tools->AppendCheckItem(ID_TOOLS_ALT_H2, "&Alt H2", "");
    tools->Append(ID_TOOLS_UPGRADE, "&Upgrade", "Upgrade to the latest version");
    tools->AppendCheckItem(ID_TOOLS_DISPLAY_FILE, "&Display file", "");
    tools->Append(ID_TOOLS_SEARCH_MORE, "Search &More", "");
    tools->Append(ID_TOOLS_DEBUG_SHOW_GO, "Debug Show Go", "");

    auto* stats = new wxMenu;
    stats->Append(ID_STATS_MOST_RECENTLY_USED, "&Most recently used", "");
    stats->Append(ID_STATS_MOST_USED, "Most &used", "");
    stats->Append(ID_STATS_LEAST_RECENTLY_USED, "&Least recently used", "");
    stats->Append(ID_STATS_LEAST_USED, "L&east used", "");

    auto* help = new wxMenu;
    help->Append(wxID_ABOUT, "&About Versilux...",
                 "Display program information, version number and copyright");
    help->Append(ID_HELP_KEYBOARD, "&Keyboard", "");

    auto* bar = new wxMenuBar;  // the frame owns the bar, the bar its menus
    bar->Append(file, "&File");
    bar->Append(edit, "&Edit");
    bar->Append(view, "&View");
    bar->Append(show, "&Show");
    bar->Append(tools, "&Tools");
    bar->Append(stats, "St&ats");
    bar->Append(help, "&Help");
    SetMenuBar(bar);
    RefreshRecentFiles();
}

void CMainFrame::CreateAccelerators() {
    wxAcceleratorEntry entries[] = {
        {wxACCEL_ALT, WXK_BACK, ID_ACCEL_UNDO},       {wxACCEL_SHIFT, WXK_DELETE, ID_ACCEL_CUT},
        {wxACCEL_CTRL, WXK_INSERT, ID_ACCEL_COPY},    {wxACCEL_SHIFT, WXK_INSERT, ID_ACCEL_PASTE},
        {wxACCEL_NORMAL, WXK_F6, ID_ACCEL_NEXT_PANE}, {wxACCEL_SHIFT, WXK_F6, ID_ACCEL_PREV_PANE},
    };
    SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(std::size(entries)), entries));
}

bool CMainFrame::CreateBars() {
    return CreateMainToolBar() && CreateMainStatusBar();
}

bool CMainFrame::CreateMainToolBar() {
    m_wndToolBar = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL | wxTB_TOP);
    if (m_wndToolBar == nullptr) {
        wxLogDebug("Failed to create toolbar\n");
        return false;
    }
    m_wndToolBar->SetToolBitmapSize(wxSize(16, 16));
    struct Tool {
        int id;
        wxArtID art;
        const char* fallback;
        const char* tooltip;
        const char* prompt;
        // A switch shows its state (its update handler checks it).
        wxItemKind kind = wxITEM_NORMAL;
    };
    const Tool kSeparator{0, wxART_MISSING_IMAGE, "", "", ""};
    const Tool tools[] = {
        {wxID_NEW, wxART_NEW, "N", "New", "Create a new document"},
        {ID_FILE_EXPORT_PLAYER, wxART_FILE_SAVE_AS, "E", "Export schedule for VL player", ""},
        kSeparator,
        {wxID_CUT, wxART_CUT, "X", "Cut", "Cut the selection and put it on the Clipboard"},
        {wxID_COPY, wxART_COPY, "C", "Copy", "Copy the selection and put it on the Clipboard"},
        {wxID_PASTE, wxART_PASTE, "V", "Paste", "Insert Clipboard contents"},
        kSeparator,
        {wxID_PRINT, wxART_PRINT, "P", "Print", "Print the active document"},
        kSeparator,
        {ID_SHOW_SELECT_SCHEDULE, wxART_LIST_VIEW, "Se", "Select Schedule", ""},
        {ID_SHOW_GO, wxART_GO_FORWARD, "Go", "Start show", ""},
        {ID_SHOW_STOP, wxART_CROSS_MARK, "St", "Stop the show", ""},
        {ID_SHOW_DATABASE, wxART_REPORT_VIEW, "D", "Database", ""},
        {ID_SHOW_SCHEDULE, wxART_EDIT, "Sc", "Schedule manager", ""},
        {ID_TOOLS_COPY, wxART_GO_DIR_UP, "Cp", "Copy item", ""},
        {ID_TOOLS_SEARCH, wxART_FIND, "F", "Phrase search", ""},
        {ID_TOOLS_SEARCH_MORE, wxART_GO_DOWN, "M", "Display next screen of search results", ""},
        {ID_TOOLS_VPD_SELECTER, wxART_HARDDISK, "VP", "", "Set Virtual Private Database"},
        {ID_TOOLS_DISPLAY_FILE, wxART_NORMAL_FILE, "Fi", "", "", wxITEM_CHECK},
        kSeparator,
        {ID_VIEW_REFRESH, wxART_REDO, "R", "Refresh View", ""},
        {wxID_ABOUT, wxART_INFORMATION, "?", "About",
         "Display program information, version number and copyright"},
    };
    for (const Tool& tool : tools) {
        if (tool.id == 0) {
            m_wndToolBar->AddSeparator();
        } else {
            m_wndToolBar
                ->AddTool(tool.id, wxString(), ToolBitmap(tool.art, tool.fallback), tool.tooltip,
                          tool.kind)
                ->SetLongHelp(tool.prompt);
        }
    }
    m_wndToolBar->Realize();
    return true;
}

bool CMainFrame::CreateMainStatusBar() {
    m_wndStatusBar = CreateStatusBar(kPaneCount);
    if (m_wndStatusBar == nullptr) {
        wxLogDebug("Failed to create status bar\n");
        return false;
    }
    const int nPad = 12;
    const int widths[kPaneCount] = {
        -1,
        m_wndStatusBar->GetTextExtent(kVPDPaneSample).x + nPad,
        m_wndStatusBar->GetTextExtent("CAP").x + nPad,
        m_wndStatusBar->GetTextExtent("NUM").x + nPad,
        m_wndStatusBar->GetTextExtent("SCRL").x + nPad,
    };
    m_wndStatusBar->SetStatusWidths(kPaneCount, widths);
    SetStatusBarPane(kPaneMessage);
    SetStatusText("Ready", kPaneMessage);
    return true;
}

void CMainFrame::UpdatePanes() {
    if (m_wndStatusBar == nullptr) {
        return;
    }
    auto set = [this](int nPane, const wxString& text) {
        if (m_wndStatusBar->GetStatusText(nPane) != text) {
            m_wndStatusBar->SetStatusText(text, nPane);
        }
    };
    if (const CVersiluxDoc* doc = GetDocument()) {
        set(kPaneVPD, doc->m_strVPDName);
    }
    set(kPaneCaps, wxGetKeyState(WXK_CAPITAL) ? "CAP" : "");
    set(kPaneNum, wxGetKeyState(WXK_NUMLOCK) ? "NUM" : "");
    set(kPaneScroll, wxGetKeyState(WXK_SCROLL) ? "SCRL" : "");
}

void CMainFrame::RefreshRecentFiles() {
    wxMenu* file = m_pFileMenu;
    for (int nId = wxID_FILE1; nId <= wxID_FILE9; ++nId) {
        if (file->FindItem(nId) != nullptr) {
            file->Destroy(nId);
        }
    }
    if (file->FindItem(ID_FILE_MRU_PLACEHOLDER) != nullptr) {
        file->Destroy(ID_FILE_MRU_PLACEHOLDER);
    }
    // The recent files stand just above the separator before Exit.
    size_t nAt = 0;
    file->FindChildItem(wxID_EXIT, &nAt);
    nAt = nAt > 0 ? nAt - 1 : 0;

    const wxFileHistory* history =
        GetDocumentManager() != nullptr ? GetDocumentManager()->GetFileHistory() : nullptr;
    const size_t nFiles = history != nullptr ? history->GetCount() : 0;
    if (nFiles == 0) {
        file->Insert(nAt, ID_FILE_MRU_PLACEHOLDER, "Recent File", "Open this document");
        return;
    }
    for (size_t i = 0; i < nFiles; ++i) {
        wxString path = history->GetHistoryFile(i);
        path.Replace("&", "&&");
        file->Insert(nAt + i, wxID_FILE1 + static_cast<int>(i),
                     wxString::Format("&%zu %s", i + 1, path), "Open this document");
    }
}

void CMainFrame::OnIdle(wxIdleEvent& event) {
    UpdatePanes();
    event.Skip();
}

void CMainFrame::OnMenuOpen(wxMenuEvent& event) {
    if (event.GetMenu() == m_pFileMenu) {
        RefreshRecentFiles();
    }
    event.Skip();
}

void CMainFrame::OnAbout(wxCommandEvent& /*event*/) {
    CAboutDlg dlg(this);
    dlg.ShowModal();
}

void CMainFrame::OnShowSelectSchedule(wxCommandEvent& /*event*/) {
    if (CVersiluxDoc* doc = GetDocument()) {
        RunSelectSchedule(*doc, this);
    }
}

void CMainFrame::OnToolsSearch(wxCommandEvent& /*event*/) {
    if (CVersiluxDoc* doc = GetDocument()) {
        RunPhraseSearchCommand(*doc, this);
    }
}

void CMainFrame::OnFileImportSongs(wxCommandEvent& /*event*/) {
    if (CVersiluxDoc* doc = GetDocument()) {
        RunImportSongsCommand(*doc, this);
    }
}

void CMainFrame::OnShowDatabase(wxCommandEvent& /*event*/) {
    if (CVersiluxDoc* doc = GetDocument()) {
        RunItemEditor(*doc, this);
    }
}

void CMainFrame::OnShowSchedule(wxCommandEvent& /*event*/) {
    if (CVersiluxDoc* doc = GetDocument()) {
        RunScheduleManager(*doc, this);
    }
}

void CMainFrame::OnToolsScreen(wxCommandEvent& /*event*/) {
    if (CVersiluxDoc* doc = GetDocument()) {
        RunScreenPosition(*doc, this);
    }
}

void CMainFrame::OnToolsCopy(wxCommandEvent& /*event*/) {
    if (CVersiluxDoc* doc = GetDocument()) {
        RunCopyItems(*doc, this);
    }
}

void CMainFrame::OnToolsVPDSelecter(wxCommandEvent& /*event*/) {
    if (CVersiluxDoc* doc = GetDocument()) {
        RunVPDSelecter(*doc, this);
    }
}

void CMainFrame::OnToolsVPDManager(wxCommandEvent& /*event*/) {
    if (CVersiluxDoc* doc = GetDocument()) {
        RunVPDManager(*doc, this);
    }
}

void CMainFrame::OnToolsConfiguration(wxCommandEvent& /*event*/) {
    if (CVersiluxDoc* doc = GetDocument()) {
        RunConfiguration(*doc, this);
    }
}

void CMainFrame::OnViewToolbar(wxCommandEvent& /*event*/) {
    m_wndToolBar->Show(!m_wndToolBar->IsShown());
    SendSizeEvent();
}

void CMainFrame::OnViewStatusBar(wxCommandEvent& /*event*/) {
    m_wndStatusBar->Show(!m_wndStatusBar->IsShown());
    SendSizeEvent();
}

void CMainFrame::OnAlternateAccelerator(wxCommandEvent& event) {
    const int nCommand = CommandOfAccelerator(event.GetId());
    wxUpdateUIEvent update(nCommand);
    update.SetEventObject(this);
    ProcessWindowEvent(update);
    if (update.GetSetEnabled() && !update.GetEnabled()) {
        return;
    }
    if (!update.GetSetEnabled()) {
        return;  // no one owns the command
    }
    wxCommandEvent command(wxEVT_MENU, nCommand);
    command.SetEventObject(this);
    ProcessWindowEvent(command);
}

void CMainFrame::OnUpdateViewToolbar(wxUpdateUIEvent& event) {
    event.Check(m_wndToolBar != nullptr && m_wndToolBar->IsShown());
}

void CMainFrame::OnUpdateViewStatusBar(wxUpdateUIEvent& event) {
    event.Check(m_wndStatusBar != nullptr && m_wndStatusBar->IsShown());
}

void CMainFrame::OnUpdateAvailable(wxUpdateUIEvent& event) {
    event.Enable(true);
}

void CMainFrame::OnUpdateNotYetAvailable(wxUpdateUIEvent& event) {
    event.Enable(false);
}
