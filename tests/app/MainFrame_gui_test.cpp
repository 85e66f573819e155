// The main window: menu, toolbar, status bar, About box, the file commands
// that touch no data, and Select Schedule through the menu.
#include <gtest/gtest.h>
#include <wx/ffile.h>
#include <wx/fileconf.h>
#include <wx/filehistory.h>
#include <wx/filename.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "app/AboutDlg.h"
#include "app/MainFrame.h"
#include "app/VersiluxDocManager.h"
#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"
#include "support/DialogExpectations.h"
#include "support/ShellFixture.h"
#include "support/WaitFor.h"

namespace {

// The About box as it opens: its caption and the texts it shows.
class ExpectAbout : public wxExpectModalBase<CAboutDlg, ExpectAbout> {
  public:
    ExpectAbout(wxString* pCaption, wxString* pTexts) : m_pCaption(pCaption), m_pTexts(pTexts) {}

  protected:
    int OnInvoked(CAboutDlg* dlg) const override {
        *m_pCaption = dlg->GetTitle();
        for (wxWindow* child : dlg->GetChildren()) {
            if (auto* text = dynamic_cast<wxStaticText*>(child)) {
                *m_pTexts += text->GetLabel();
            }
        }
        return wxID_OK;
    }

  private:
    wxString* m_pCaption;
    wxString* m_pTexts;
};

class MainFrameTest : public testing::Test {
  protected:
    wxMenuBar* Bar() { return shell.Frame().GetMenuBar(); }
    wxString Label(int nId) {
        wxMenuItem* item = Bar()->FindItem(nId);
        return item == nullptr ? wxString("(missing)") : item->GetItemLabel();
    }
    long DataRows() {
        return shell.Source().QueryNumber(
            "SELECT (SELECT count(*) FROM items) + (SELECT count(*) FROM Schedules) + "
            "(SELECT count(*) FROM [schedule items]) + (SELECT count(*) FROM VPD)");
    }
    wxString FileIn(const wxString& name, const wxString& text = "not ours") {
        const wxString path = shell.Source().Dir() + "/" + name;
        wxFFile file(path, "w");
        file.Write(text);
        return path;
    }

    ShellFixture shell;
};

TEST_F(MainFrameTest, TheMenuHasEveryEntryWithItsCaption) {
    const char* menus[] = {"&File", "&Edit", "&View", "&Show", "&Tools", "St&ats", "&Help"};
    ASSERT_EQ(Bar()->GetMenuCount(), std::size(menus));
    for (size_t i = 0; i < std::size(menus); ++i) {
        EXPECT_EQ(Bar()->GetMenuLabel(i), menus[i]);
    }
    const std::pair<int, const char*> entries[] = {
        {wxID_NEW, "&New\tCtrl+N"},
        {wxID_OPEN, "&Open...\tCtrl+O"},
        {wxID_SAVE, "&Save\tCtrl+S"},
        {wxID_SAVEAS, "Save &As..."},
        {ID_FILE_EXPORT_PLAYER, "&Export for player"},
        {ID_FILE_IMPORT_PLAYER, "&Import player"},
        {ID_FILE_IMPORT_SONGS, "Import Son&gs..."},
        {wxID_PRINT, "&Print...\tCtrl+P"},
        {wxID_PREVIEW, "Print Pre&view"},
        {wxID_PRINT_SETUP, "P&rint Setup..."},
        {ID_FILE_MRU_PLACEHOLDER, "Recent File"},
        {wxID_EXIT, "E&xit"},
        {wxID_UNDO, "&Undo\tCtrl+Z"},
        {wxID_CUT, "Cu&t\tCtrl+X"},
        {wxID_COPY, "&Copy\tCtrl+C"},
        {wxID_PASTE, "&Paste\tCtrl+V"},
        {ID_VIEW_TOOLBAR, "&Toolbar"},
        {ID_VIEW_STATUS_BAR, "&Status Bar"},
        {ID_VIEW_REFRESH, "&Refresh"},
        {ID_SHOW_GO, "&Go"},
        {ID_SHOW_STOP, "&Stop"},
        {ID_SHOW_SELECT_SCHEDULE, "S&elect Schedule"},
        {ID_SHOW_DATABASE, "&Database"},
        {ID_SHOW_SCHEDULE, "S&chedule"},
        {ID_TOOLS_SCREEN, "&Screen"},
        {ID_TOOLS_VPD_SELECTER, "&VPD selecter"},
        {ID_TOOLS_VPD_MANAGER, "V&PD Manager"},
        {ID_TOOLS_COPY, "&Copy"},
        {ID_TOOLS_SEARCH, "S&earch"},
        {ID_TOOLS_CONFIGURATION, "C&onfiguration"},
        {ID_TOOLS_ALT_H2, "&Alt H2"},
        {ID_TOOLS_DISPLAY_FILE, "&Display file"},
        {ID_TOOLS_SEARCH_MORE, "Search &More"},
        {ID_TOOLS_DEBUG_SHOW_GO, "Debug Show Go"},
        {ID_STATS_MOST_RECENTLY_USED, "&Most recently used"},
        {ID_STATS_MOST_USED, "Most &used"},
        {ID_STATS_LEAST_RECENTLY_USED, "&Least recently used"},
        {ID_STATS_LEAST_USED, "L&east used"},
        {wxID_ABOUT, "&About Versilux..."},
        {ID_HELP_KEYBOARD, "&Keyboard"},
    };
    for (const auto& [id, caption] : entries) {
        EXPECT_EQ(Label(id), caption) << id;
    }
    EXPECT_TRUE(Bar()->FindItem(ID_TOOLS_ALT_H2)->IsCheckable());
    EXPECT_TRUE(Bar()->FindItem(ID_TOOLS_DISPLAY_FILE)->IsCheckable());
    EXPECT_EQ(Bar()->FindItem(ID_TOOLS_SCREEN)->GetHelp(), "Select part of screen to display on");
    EXPECT_EQ(Bar()->FindItem(ID_TOOLS_VPD_SELECTER)->GetHelp(), "Set Virtual Private Database");
}

TEST_F(MainFrameTest, CommandsStillToComeArePresentButDisabled) {
    for (int id : std::initializer_list<int>{wxID_UNDO, wxID_CUT, wxID_PASTE, ID_TOOLS_UPGRADE,
                                             ID_FILE_MRU_PLACEHOLDER}) {
        EXPECT_FALSE(shell.IsEnabled(id)) << id;
    }
    for (int id : std::initializer_list<int>{wxID_NEW,
                                             wxID_OPEN,
                                             wxID_SAVEAS,
                                             ID_SHOW_SELECT_SCHEDULE,
                                             ID_SHOW_DATABASE,
                                             ID_SHOW_SCHEDULE,
                                             ID_TOOLS_SCREEN,
                                             ID_TOOLS_COPY,
                                             ID_TOOLS_SEARCH,
                                             ID_VIEW_REFRESH,
                                             ID_HELP_KEYBOARD,
                                             wxID_ABOUT,
                                             ID_TOOLS_ALT_H2,
                                             ID_TOOLS_DISPLAY_FILE,
                                             ID_TOOLS_DEBUG_SHOW_GO,
                                             ID_STATS_MOST_RECENTLY_USED,
                                             ID_STATS_MOST_USED,
                                             ID_STATS_LEAST_RECENTLY_USED,
                                             ID_STATS_LEAST_USED,
                                             ID_TOOLS_VPD_SELECTER,
                                             ID_TOOLS_VPD_MANAGER}) {
        EXPECT_TRUE(shell.IsEnabled(id)) << id;
    }
    EXPECT_TRUE(shell.IsEnabled(ID_TOOLS_CONFIGURATION));
    EXPECT_TRUE(shell.IsEnabled(ID_FILE_EXPORT_PLAYER));
    EXPECT_TRUE(shell.IsEnabled(ID_FILE_IMPORT_PLAYER));
    EXPECT_TRUE(shell.IsEnabled(ID_FILE_IMPORT_SONGS));
    // Printing prints whatever the view lists.
    for (int id : {wxID_PRINT, wxID_PREVIEW, wxID_PRINT_SETUP}) {
        EXPECT_TRUE(shell.IsEnabled(id)) << id;
    }
    // Copy, Save and Search More wait for a listing that has something to give.
    for (int id : std::initializer_list<int>{wxID_SAVE, wxID_COPY, ID_TOOLS_SEARCH_MORE}) {
        EXPECT_FALSE(shell.IsEnabled(id)) << id;
    }
    // A second key of a disabled command does nothing either.
    shell.Command(ID_NEXT_PANE);
}

TEST_F(MainFrameTest, ToolbarAndStatusBarToggleWithTheirCheckMarks) {
    wxUpdateUIEvent check(ID_VIEW_TOOLBAR);
    shell.Frame().ProcessWindowEvent(check);
    EXPECT_TRUE(check.GetChecked());
    shell.Command(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(shell.Frame().GetMainToolBar()->IsShown());
    wxUpdateUIEvent after(ID_VIEW_TOOLBAR);
    shell.Frame().ProcessWindowEvent(after);
    EXPECT_FALSE(after.GetChecked());
    shell.Command(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(shell.Frame().GetMainToolBar()->IsShown());
    shell.Command(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(shell.Frame().GetMainStatusBar()->IsShown());
    shell.Command(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(shell.Frame().GetMainStatusBar()->IsShown());
}

TEST_F(MainFrameTest, TheDisplayFileButtonShowsItsState) {
    wxToolBar* bar = shell.Frame().GetMainToolBar();
    ASSERT_EQ(bar->FindById(ID_TOOLS_DISPLAY_FILE)->GetKind(), wxITEM_CHECK);
    shell.Command(ID_TOOLS_DISPLAY_FILE);
    bar->UpdateWindowUI();
    EXPECT_TRUE(bar->GetToolState(ID_TOOLS_DISPLAY_FILE));
    shell.Command(ID_TOOLS_DISPLAY_FILE);
    bar->UpdateWindowUI();
    EXPECT_FALSE(bar->GetToolState(ID_TOOLS_DISPLAY_FILE));
}

TEST_F(MainFrameTest, ToolbarButtonsStandInOrderWithTheirTooltips) {
    wxToolBar* bar = shell.Frame().GetMainToolBar();
    const std::vector<int> order = {wxID_NEW,
                                    ID_FILE_EXPORT_PLAYER,
                                    wxID_SEPARATOR,
                                    wxID_CUT,
                                    wxID_COPY,
                                    wxID_PASTE,
                                    wxID_SEPARATOR,
                                    wxID_PRINT,
                                    wxID_SEPARATOR,
                                    ID_SHOW_SELECT_SCHEDULE,
                                    ID_SHOW_GO,
                                    ID_SHOW_STOP,
                                    ID_SHOW_DATABASE,
                                    ID_SHOW_SCHEDULE,
                                    ID_TOOLS_COPY,
                                    ID_TOOLS_SEARCH,
                                    ID_TOOLS_SEARCH_MORE,
                                    ID_TOOLS_VPD_SELECTER,
                                    ID_TOOLS_DISPLAY_FILE,
                                    wxID_SEPARATOR,
                                    ID_VIEW_REFRESH,
                                    wxID_ABOUT};
    ASSERT_EQ(bar->GetToolsCount(), order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        const wxToolBarToolBase* tool = bar->GetToolByPos(static_cast<int>(i));
        if (order[i] == wxID_SEPARATOR) {
            EXPECT_TRUE(tool->IsSeparator()) << i;
        } else {
            EXPECT_EQ(tool->GetId(), order[i]) << i;
        }
    }
    EXPECT_EQ(bar->GetToolShortHelp(ID_SHOW_GO), "Start show");
    EXPECT_EQ(bar->GetToolShortHelp(ID_SHOW_STOP), "Stop the show");
    EXPECT_EQ(bar->GetToolShortHelp(ID_TOOLS_SEARCH_MORE), "Display next screen of search results");
    EXPECT_EQ(bar->GetToolShortHelp(ID_FILE_EXPORT_PLAYER), "Export schedule for VL player");
    EXPECT_EQ(bar->GetToolLongHelp(ID_TOOLS_VPD_SELECTER), "Set Virtual Private Database");
}

TEST_F(MainFrameTest, TheVPDPaneAlwaysNamesTheCurrentVPD) {
    wxStatusBar* status = shell.Frame().GetMainStatusBar();
    ASSERT_EQ(status->GetFieldsCount(), CMainFrame::kPaneCount);
    shell.Frame().UpdatePanes();
    EXPECT_EQ(status->GetStatusText(CMainFrame::kPaneVPD), shell.Doc().m_strVPDName);
    EXPECT_FALSE(shell.Doc().m_strVPDName.empty());
    shell.Doc().m_strVPDName = "Youth";
    EXPECT_TRUE(WaitFor([&] { return status->GetStatusText(CMainFrame::kPaneVPD) == "Youth"; }));
    // Wide enough for a long name.
    EXPECT_GT(status->GetStatusWidth(CMainFrame::kPaneVPD),
              status->GetTextExtent("Verrrrrrrrrrrry Looooooooooong VPD").x);
}

TEST_F(MainFrameTest, TheAboutBoxNamesTheVersion) {
    wxString caption;
    wxString texts;
    wxTEST_DIALOG(shell.Command(wxID_ABOUT), ExpectAbout(&caption, &texts));
    EXPECT_EQ(caption, "About Versilux");
    EXPECT_EQ(texts, "Versilux Version 6.0");
}

TEST_F(MainFrameTest, SelectScheduleFromTheMenuListsAndTitlesTheSchedule) {
    wxTEST_DIALOG(
        shell.Command(ID_SHOW_SELECT_SCHEDULE),
        wxExpectModal<CSelectScheduleDlg>([](CSelectScheduleDlg& dlg) {
            // The demo's VPD 1 has two schedules; newest first.
            EXPECT_EQ(dlg.GetScheduleList()->GetCount(), 2u);
            EXPECT_TRUE(dlg.GetScheduleList()->GetString(0).StartsWith("Evening Chords Demo"));
            dlg.GetScheduleList()->SetSelection(1);
            return PressOK(dlg);
        }).Describe("Select Schedule"));
    EXPECT_EQ(shell.Doc().m_nScheduleID, 1);
    EXPECT_EQ(shell.Frame().GetTitle(), "Sunday Morning Demo - Versilux");
    EXPECT_TRUE(shell.IsEnabled(ID_SHOW_GO));
}

TEST_F(MainFrameTest, NewOpenAndSaveAsChangeOnlyTheNameAndTheRecentFiles) {
    const long before = DataRows();
    CVersiluxDoc* doc = &shell.Doc();

    const wxString a = FileIn("a.vl");
    ASSERT_TRUE(shell.Manager().OpenDocumentFile(a));
    EXPECT_EQ(&shell.Doc(), doc);  // the same document, connection and all
    EXPECT_EQ(shell.Frame().GetTitle(), "a.vl - Versilux");
    EXPECT_EQ(shell.Manager().GetFileHistory()->GetHistoryFile(0), a);

    // Saving writes a file that holds nothing of the program's data.
    const wxString saved = FileIn("saved.vl", "old contents");
    ASSERT_TRUE(shell.Doc().OnSaveDocument(saved));
    EXPECT_EQ(wxFileName::GetSize(saved), 0);

    shell.Command(wxID_NEW);
    EXPECT_EQ(&shell.Doc(), doc);
    EXPECT_EQ(shell.Frame().GetTitle(), "Untitled - Versilux");
    EXPECT_EQ(DataRows(), before);
}

TEST_F(MainFrameTest, TheRecentFileListKeepsFourAndIsRemembered) {
    std::vector<wxString> paths;
    for (int i = 0; i < 5; ++i) {
        paths.push_back(FileIn(wxString::Format("f%d.vl", i)));
        ASSERT_TRUE(shell.Manager().OpenDocumentFile(paths.back()));
    }
    wxFileHistory* history = shell.Manager().GetFileHistory();
    ASSERT_EQ(history->GetCount(), 4u);
    EXPECT_EQ(history->GetHistoryFile(0), paths[4]);
    EXPECT_EQ(history->GetHistoryFile(3), paths[1]);
    shell.Frame().RefreshRecentFiles();
    wxMenuItem* first = shell.Frame().GetFileMenu()->FindItem(wxID_FILE1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetItemLabel(), "&1 " + paths[4]);
    EXPECT_EQ(shell.Frame().GetFileMenu()->FindItem(ID_FILE_MRU_PLACEHOLDER), nullptr);

    // Kept under the vendor's key for the next run.
    wxFileConfig config("Versilux", "Kestrelwood", shell.Source().Dir() + "/versilux.conf",
                        wxString(), wxCONFIG_USE_LOCAL_FILE);
    config.SetPath("/Recent File List");
    wxFileHistory again(4);
    again.Load(config);
    EXPECT_EQ(again.GetCount(), 4u);
    EXPECT_EQ(again.GetHistoryFile(0), paths[4]);

    // A recent file that has gone is dropped with a message.
    wxRemoveFile(paths[4]);
    wxTEST_DIALOG(shell.Command(wxID_FILE1),
                  wxExpectModal<wxMessageDialog>(wxOK).Describe("file gone"));
    EXPECT_EQ(history->GetCount(), 3u);
}

TEST_F(MainFrameTest, OpeningAMissingFileSaysSoAndChangesNothing) {
    const wxString title = shell.Frame().GetTitle();
    bool bOpened = true;
    wxTEST_DIALOG(bOpened = shell.Manager().OpenDocumentFile(shell.Source().Dir() + "/none"),
                  wxExpectModal<wxMessageDialog>(wxOK).Describe("cannot open"));
    EXPECT_FALSE(bOpened);
    EXPECT_EQ(shell.Frame().GetTitle(), title);
    EXPECT_EQ(shell.Manager().GetFileHistory()->GetCount(), 0u);
}

}  // namespace
