// The document's own commands through the main window's menu.
#include <gtest/gtest.h>

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "app/MainFrame.h"
#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"
#include "support/ShellFixture.h"

namespace {

bool IsChecked(ShellFixture& shell, int id) {
    shell.Frame().GetMenuBar()->UpdateMenus();
    return shell.Frame().GetMenuBar()->IsChecked(id);
}

TEST(DocCommands, SwitchesToggleAndShowTheirCheckMarks) {
    ShellFixture shell;
    EXPECT_FALSE(IsChecked(shell, ID_TOOLS_ALT_H2));
    shell.Command(ID_TOOLS_ALT_H2);
    EXPECT_TRUE(shell.Doc().m_bAltH2);
    EXPECT_TRUE(IsChecked(shell, ID_TOOLS_ALT_H2));
    shell.Command(ID_TOOLS_ALT_H2);
    EXPECT_FALSE(shell.Doc().m_bAltH2);
    EXPECT_FALSE(IsChecked(shell, ID_TOOLS_ALT_H2));

    shell.Command(ID_TOOLS_DISPLAY_FILE);  // no schedule: only the switch changes
    EXPECT_TRUE(shell.Doc().m_bDisplayFile);
    EXPECT_TRUE(IsChecked(shell, ID_TOOLS_DISPLAY_FILE));
}

TEST(DocCommands, DebugShowGoWritesTheDumpAndSaysSo) {
    ShellFixture shell;
    const wxString previous = wxGetCwd();
    wxSetWorkingDirectory(shell.Source().Dir());
    shell.SelectSchedule(1);
    wxTEST_DIALOG(shell.Command(ID_TOOLS_DEBUG_SHOW_GO),
                  wxExpectModal<wxMessageDialog>(wxID_OK).Describe("DebugShowGo.txt written"));
    EXPECT_TRUE(wxFileName::FileExists(shell.Source().Dir() + "/DebugShowGo.txt"));
    EXPECT_GT(shell.Doc().GetLastEntry(), 2);

    // Not while a show runs: the dump would rebuild the list being shown.
    ASSERT_TRUE(shell.GoAndWaitForFirstScreen());
    EXPECT_FALSE(shell.IsEnabled(ID_TOOLS_DEBUG_SHOW_GO));
    shell.Command(ID_SHOW_STOP);
    EXPECT_TRUE(shell.IsEnabled(ID_TOOLS_DEBUG_SHOW_GO));
    wxSetWorkingDirectory(previous);
}

}  // namespace
