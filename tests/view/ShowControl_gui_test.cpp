// Running a show on the demo library: Go, the first screen through the
// display window's repaint, the key table, the end notice and menu, Stop.
#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/listbox.h>
#include <wx/msgdlg.h>
#include <wx/toplevel.h>

#include "app/MainFrame.h"
#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"
#include "show/FullScreenWnd.h"
#include "support/DialogExpectations.h"
#include "support/ShellFixture.h"
#include "support/ShownScreen.h"
#include "support/WaitFor.h"
#include "view/ScreenRenderer.h"
#include "view/VersiluxView.h"
#include "view/WxCanvas.h"

namespace {

constexpr long kSundayMorning = 1;
constexpr long kEveningChords = 2;

class ShowTest : public testing::Test {
  protected:
    CVersiluxDoc& Doc() { return shell.Doc(); }
    CVersiluxView& View() { return shell.View(); }
    int Position() { return View().GetShowState().m_nNextEntry; }
    CFullScreenWnd* Display() { return dynamic_cast<CFullScreenWnd*>(shell.Display()); }

    void Start(long schedule) {
        Doc().m_bKensington = false;
        Doc().m_bTabletMode = false;
        shell.SelectSchedule(schedule);
        ASSERT_TRUE(shell.GoAndWaitForFirstScreen());
        ASSERT_EQ(Position(), 1);
    }
    // The position after showing entry n (the screen on view is n).
    void ShowEntry(int n) {
        shell.Key(WXK_HOME);
        for (int i = 0; i < n; ++i) {
            shell.Key(WXK_DOWN);
        }
        ASSERT_EQ(Position(), n + 1);
    }
    // First entry of an item with at least nParts parts, or -1.
    int FirstEntryOfItemWithParts(int nParts) {
        for (int i = 0; i < Doc().GetLastEntry(); ++i) {
            if ((Doc().GetEntryFlags(i) & 2) == 0 && Doc().LastPartOf(i) - i + 1 >= nParts) {
                return i;
            }
        }
        return -1;
    }
    // The display window holds exactly what entry n looks like.
    void ExpectPainted(int n) {
        ASSERT_NE(Display(), nullptr);
        ASSERT_TRUE(Display()->HasScreenMarker());
        EXPECT_TRUE(DisplayShowsEntry(shell, n));
    }

    ShellFixture shell;
};

TEST_F(ShowTest, TheFirstScreenArrivesThroughTheRepaintAndDownShowsTheNext) {
    Start(kSundayMorning);
    ExpectPainted(0);
    shell.Key(WXK_DOWN);
    EXPECT_EQ(Position(), 2);
    ExpectPainted(1);
    // A repaint of a painted screen asks for nothing.
    Display()->Present();
    ProcessPending();
    EXPECT_EQ(Position(), 2);
}

TEST_F(ShowTest, BackOnTheFirstScreenActsAsNext) {
    Start(kSundayMorning);
    shell.Key(WXK_UP);
    EXPECT_EQ(Position(), 2);
    shell.Key(WXK_UP);
    EXPECT_EQ(Position(), 1);
    ExpectPainted(0);
}

TEST_F(ShowTest, JumpTakesThreeDigitsFromEitherRowOfKeys) {
    Start(kSundayMorning);
    for (int key : {'J', '0', '0', '3'}) {
        shell.Key(key);
    }
    EXPECT_EQ(Position(), Doc().EntryOfItem(3) + 1);
    ExpectPainted(Doc().EntryOfItem(3));
    for (int key : {WXK_NUMPAD_MULTIPLY, WXK_NUMPAD0, WXK_NUMPAD0, WXK_NUMPAD2}) {
        shell.Key(key);
    }
    EXPECT_EQ(Position(), Doc().EntryOfItem(2) + 1);
    EXPECT_FALSE(View().GetShowState().m_bJumpEntry);
}

TEST_F(ShowTest, OtherKeysDuringJumpActAndAJumpPastTheEndLandsOnTheMenu) {
    Start(kSundayMorning);
    ShowEntry(2);
    shell.Key('J');
    shell.Key('1');
    shell.Key('A');  // again: the same screen, jump entry goes on
    EXPECT_EQ(Position(), 3);
    EXPECT_TRUE(View().GetShowState().m_bJumpEntry);
    shell.Key('2');
    wxTEST_DIALOG(shell.Key('3'), wxExpectModal<CShowMenuShortDlg>(0).Describe("end menu"));
    EXPECT_EQ(Position(), Doc().GetLastEntry() + 1);
    EXPECT_FALSE(View().GetShowState().m_bJumpEntry);
}

TEST_F(ShowTest, BlackoutBlanksInTheBackgroundAndReturns) {
    Start(kSundayMorning);
    ShowEntry(2);
    shell.Key('B');
    EXPECT_TRUE(View().GetShowState().m_bBlackout);
    EXPECT_EQ(Position(), 2);
    const wxImage blank = Display()->GetBackingBitmap().ConvertToImage();
    const COLORREF bg = Doc().GetBackground(2);
    EXPECT_EQ(blank.GetRed(500, 500), RedOf(bg));
    EXPECT_EQ(blank.GetGreen(500, 500), GreenOf(bg));
    EXPECT_EQ(blank.GetBlue(500, 500), BlueOf(bg));
    shell.Key('B');  // the same screen again
    EXPECT_EQ(Position(), 3);
    ExpectPainted(2);
    EXPECT_FALSE(View().GetShowState().m_bBlackout);

    // B, Down, B: Down shows the blanked screen, the second B the next one.
    shell.Key(WXK_NUMPAD2);
    shell.Key(WXK_DOWN);
    EXPECT_EQ(Position(), 3);
    ExpectPainted(2);
    EXPECT_TRUE(View().GetShowState().m_bBlackout);
    shell.Key('B');
    EXPECT_EQ(Position(), 4);
    ExpectPainted(3);
    EXPECT_FALSE(View().GetShowState().m_bBlackout);
}

TEST_F(ShowTest, RightThreeTimesTransposesEveryPartOfTheCurrentItemOnly) {
    Start(kEveningChords);
    const int first = FirstEntryOfItemWithParts(2);
    ASSERT_GE(first, 0) << "the demo has a chord song of several parts";
    const int last = Doc().LastPartOf(first);
    std::vector<int> before;
    for (int i = 0; i <= Doc().GetLastEntry(); ++i) {
        before.push_back(Doc().GetTranspose(i));
    }
    ShowEntry(first + 1);
    for (int i = 0; i < 3; ++i) {
        shell.Key(WXK_RIGHT);
    }
    EXPECT_EQ(Position(), first + 2);
    ExpectPainted(first + 1);
    for (int i = 0; i < Doc().GetLastEntry() - 1; ++i) {
        const int expected = before[static_cast<size_t>(i)] + (i >= first && i <= last ? 3 : 0);
        EXPECT_EQ(Doc().GetTranspose(i), expected) << "entry " << i;
    }
    shell.Key(WXK_LEFT);
    EXPECT_EQ(Doc().GetTranspose(first), before[static_cast<size_t>(first)] + 2);

    // A new Go starts from the keys the show list gives.
    shell.Command(ID_SHOW_STOP);
    ASSERT_TRUE(shell.GoAndWaitForFirstScreen());
    EXPECT_EQ(Doc().GetTranspose(first), before[static_cast<size_t>(first)]);
}

TEST_F(ShowTest, LeftAndRightOnTheEndNoticeChangeNoKey) {
    Start(kEveningChords);
    const int notice = Doc().GetLastEntry() - 1;
    const int lastItemKey = Doc().GetTranspose(notice - 1);
    ShowEntry(notice);
    shell.Key(WXK_RIGHT);
    EXPECT_EQ(Position(), notice + 1);
    EXPECT_EQ(Doc().GetTranspose(notice - 1), lastItemKey);
}

TEST_F(ShowTest, PageKeysMoveByItems) {
    Start(kEveningChords);
    const int first = FirstEntryOfItemWithParts(3);
    ASSERT_GE(first, 0) << "the demo has an item of three parts";
    ShowEntry(first + 2);
    shell.Key(WXK_PAGEUP);  // the third part: back to the first
    EXPECT_EQ(Position(), first + 1);
    ExpectPainted(first);
    shell.Key(WXK_PAGEUP);  // on a first part: that part again
    EXPECT_EQ(Position(), first + 1);
    shell.Key(WXK_PAGEDOWN);  // to the next item's first screen
    EXPECT_EQ(Position(), Doc().LastPartOf(first) + 2);

    // The Kensington layout steps one screen each way.
    Doc().m_bKensington = true;
    ShowEntry(first + 1);
    shell.Key(WXK_PAGEDOWN);
    EXPECT_EQ(Position(), first + 3);
    shell.Key(WXK_PAGEUP);
    EXPECT_EQ(Position(), first + 2);
}

TEST_F(ShowTest, TabletModeBackOpensTheMenuAndKeyUpTransposes) {
    Start(kEveningChords);
    Doc().m_bTabletMode = true;
    const int first = FirstEntryOfItemWithParts(2);
    ASSERT_GE(first, 0);
    ShowEntry(first + 1);
    const int key = Doc().GetTranspose(first);
    wxTEST_DIALOG(shell.Key(WXK_UP), wxExpectModal<CShowMenuDlg>(3).Describe("tablet menu"));
    EXPECT_EQ(Doc().GetTranspose(first), key + 1);
    EXPECT_EQ(Doc().GetTranspose(first + 1), key + 1);
    EXPECT_EQ(Position(), first + 2);

    wxTEST_DIALOG(shell.Key(WXK_UP), wxExpectModal<CShowMenuDlg>(1).Describe("Go Back"));
    EXPECT_EQ(Position(), first + 1);
    ShowEntry(first + 1);
    wxTEST_DIALOG(shell.Key(WXK_UP), wxExpectModal<CShowMenuDlg>(0).Describe("Cancel"));
    EXPECT_EQ(Position(), first + 2);
    wxTEST_DIALOG(shell.Key(WXK_UP), wxExpectModal<CShowMenuDlg>(5).Describe("Quit"));
    EXPECT_TRUE(WaitFor([] { return ShellFixture::CountDisplayWindows() == 0; }));
    EXPECT_FALSE(View().IsShowRunning());
}

TEST_F(ShowTest, GoToRandomHomeAndQuit) {
    Start(kSundayMorning);
    wxTEST_DIALOG(shell.Key('G'), wxExpectModal<CGotoItemDlg>([](CGotoItemDlg& dlg) {
                                      dlg.GetTitleList()->SetSelection(2);
                                      return PressOK(dlg);
                                  }).Describe("Goto Item"));
    EXPECT_EQ(Position(), Doc().EntryOfItem(3) + 1);
    wxTEST_DIALOG(shell.Key(WXK_NUMPAD7), wxExpectModal<CGotoItemDlg>([](CGotoItemDlg& dlg) {
                                              return PressOK(dlg);
                                          }).Describe("Goto Item, nothing chosen"));
    EXPECT_EQ(Position(), Doc().EntryOfItem(3) + 1);

    for (int i = 0; i < 20; ++i) {
        shell.Key(i % 2 ? static_cast<int>('R') : static_cast<int>(WXK_F3));
        const int shown = Position() - 1;
        EXPECT_EQ(Doc().FirstPartOf(shown), shown);
        EXPECT_LT(shown, Doc().GetLastEntry() - 1);
    }
    shell.Key(WXK_HOME);
    EXPECT_EQ(Position(), 1);
    shell.Key('Q');
    EXPECT_TRUE(WaitFor([] { return ShellFixture::CountDisplayWindows() == 0; }));
    EXPECT_FALSE(View().IsShowRunning());
}

TEST_F(ShowTest, AnEmptyScheduleShowsTheEndNoticeAndTheMenu) {
    shell.Source().Exec("INSERT INTO Schedules (ID, Name, VPD) VALUES (50, 'Empty', 1)");
    Start(50);
    EXPECT_TRUE(Doc().GetEntry(0).StartsWith("99"));
    ExpectPainted(0);
    shell.Key('R');  // no item to pick: the end notice again
    EXPECT_EQ(Position(), 1);
    wxTEST_DIALOG(shell.Key(WXK_DOWN), wxExpectModal<CShowMenuShortDlg>(0).Describe("menu"));
    EXPECT_EQ(Position(), 2);
    // Past the menu the menu stays.
    wxTEST_DIALOG(shell.Key(WXK_DOWN), wxExpectModal<CShowMenuShortDlg>(0).Describe("menu"));
    EXPECT_EQ(Position(), 3);
    wxTEST_DIALOG(shell.Key(WXK_DOWN), wxExpectModal<CShowMenuShortDlg>(3).Describe("Quit"));
    EXPECT_TRUE(WaitFor([] { return ShellFixture::CountDisplayWindows() == 0; }));
    EXPECT_FALSE(View().IsShowRunning());
}

TEST_F(ShowTest, TheEndMenuGoesBackOrHome) {
    Start(kSundayMorning);
    const int menu = Doc().GetLastEntry();
    ShowEntry(menu - 2);
    shell.Key(WXK_DOWN);  // the end notice
    wxTEST_DIALOG(shell.Key(WXK_DOWN), wxExpectModal<CShowMenuShortDlg>(1).Describe("Go Back"));
    // The last screen before the notice, with the position left at the menu.
    ExpectPainted(menu - 2);
    EXPECT_EQ(Position(), menu);
    shell.Key('A');
    EXPECT_EQ(Position(), menu);
    ExpectPainted(menu - 1);
    wxTEST_DIALOG(shell.Key(WXK_DOWN), wxExpectModal<CShowMenuShortDlg>(2).Describe("Go Home"));
    EXPECT_EQ(Position(), 1);
    ExpectPainted(0);
}

TEST_F(ShowTest, KeypadKeysWithNumLockOffActAsTheKeysPrintedOnThem) {
    Start(kEveningChords);
    const int first = FirstEntryOfItemWithParts(3);
    ASSERT_GE(first, 0);
    ShowEntry(first + 2);
    shell.Key(WXK_NUMPAD_UP);  // back one screen
    EXPECT_EQ(Position(), first + 2);
    shell.Key(WXK_NUMPAD_DOWN);
    EXPECT_EQ(Position(), first + 3);
    shell.Key(WXK_NUMPAD_PAGEUP);  // start of the item
    EXPECT_EQ(Position(), first + 1);
    const int key = Doc().GetTranspose(first);
    shell.Key(WXK_NUMPAD_RIGHT);
    EXPECT_EQ(Doc().GetTranspose(first), key + 1);
    shell.Key(WXK_NUMPAD_LEFT);
    shell.Key(WXK_NUMPAD_LEFT);
    EXPECT_EQ(Doc().GetTranspose(first), key - 1);
    EXPECT_EQ(Position(), first + 1);
    shell.Key(WXK_NUMPAD_PAGEDOWN);  // start of the next item
    EXPECT_EQ(Position(), Doc().LastPartOf(first) + 2);
    shell.Key(WXK_NUMPAD_HOME);
    EXPECT_EQ(Position(), 1);
}

TEST_F(ShowTest, TheShowAreaFollowsTheSizeTheDisplayWindowIsGiven) {
    Start(kSundayMorning);
    ShowEntry(1);
    // As a window manager may do: another size than the one asked for.
    Display()->SetSize(wxRect(40, 30, 800, 600));
    ASSERT_TRUE(WaitFor([this] {
        return View().GetShowState().m_rcShow == wxRect(0, 0, 800, 600) &&
               Display()->GetBackingBitmap().GetSize() == wxSize(800, 600) &&
               Display()->HasScreenMarker();
    }));
    // The current screen again, drawn for the new area.
    EXPECT_EQ(Position(), 2);
    ExpectPainted(1);
    // Shrunk with Esc, the area stays the show's; back, it is the window's.
    shell.Key(WXK_ESCAPE);
    ProcessPending();
    EXPECT_EQ(View().GetShowState().m_rcShow.GetSize(), wxSize(800, 600));
}

TEST_F(ShowTest, CommandsThatWouldDisturbAShowAreOffWhileItRuns) {
    shell.SelectSchedule(kSundayMorning);
    EXPECT_TRUE(shell.IsEnabled(ID_SHOW_GO));
    EXPECT_FALSE(shell.IsEnabled(ID_SHOW_STOP));
    EXPECT_TRUE(shell.IsEnabled(ID_SHOW_SELECT_SCHEDULE));
    ASSERT_TRUE(shell.GoAndWaitForFirstScreen());
    EXPECT_FALSE(shell.IsEnabled(ID_SHOW_GO));
    EXPECT_TRUE(shell.IsEnabled(ID_SHOW_STOP));
    for (int id : {ID_SHOW_SELECT_SCHEDULE, ID_SHOW_DATABASE, ID_SHOW_SCHEDULE, ID_TOOLS_SCREEN,
                   ID_TOOLS_COPY, ID_TOOLS_SEARCH, ID_TOOLS_VPD_SELECTER, ID_TOOLS_VPD_MANAGER,
                   ID_TOOLS_CONFIGURATION, ID_FILE_IMPORT_PLAYER, ID_FILE_IMPORT_SONGS}) {
        EXPECT_FALSE(shell.IsEnabled(id)) << id;
    }
    EXPECT_TRUE(shell.IsEnabled(ID_FILE_EXPORT_PLAYER));  // it only reads
    shell.Command(ID_SHOW_STOP);
    EXPECT_TRUE(shell.IsEnabled(ID_SHOW_SELECT_SCHEDULE));
    EXPECT_TRUE(shell.IsEnabled(ID_SHOW_GO));
    // No schedule: nothing to go with.
    shell.Doc().m_nScheduleID = 0;
    EXPECT_FALSE(shell.IsEnabled(ID_SHOW_GO));
}

TEST_F(ShowTest, StopFromAnyStateLeavesNoWindow) {
    shell.SelectSchedule(kSundayMorning);
    const std::vector<std::vector<int>> states = {
        {}, {'J', '1'}, {'B'}, {WXK_ESCAPE}, {WXK_ESCAPE, 'B', 'J'}};
    for (const auto& keys : states) {
        ASSERT_TRUE(shell.GoAndWaitForFirstScreen());
        for (int key : keys) {
            shell.Key(key);
        }
        shell.Command(ID_SHOW_STOP);
        EXPECT_TRUE(WaitFor([] { return ShellFixture::CountDisplayWindows() == 0; }));
        EXPECT_FALSE(View().IsShowRunning());
        EXPECT_FALSE(View().GetShowState().m_bJumpEntry);
        EXPECT_EQ(shell.Display(), nullptr);
        // Keys after the show do nothing of the show's.
        shell.Key(WXK_DOWN);
        EXPECT_EQ(shell.Display(), nullptr);
    }
}

TEST_F(ShowTest, ClosingTheMainWindowDuringAShowEndsItCleanly) {
    Start(kSundayMorning);
    shell.Key('J');
    shell.Close();
    EXPECT_EQ(ShellFixture::CountDisplayWindows(), 0);
}

TEST_F(ShowTest, TheKeyboardHelpListsTheShowKeys) {
    wxString text;
    wxTEST_DIALOG(shell.Command(ID_HELP_KEYBOARD), ExpectMessageBox(&text));
    EXPECT_EQ(text, kKeyboardHelp);
    EXPECT_TRUE(text.StartsWith("Special keys for show:\n\nA - Again (show same slide)\n"));
    EXPECT_TRUE(text.EndsWith("G - go to item selected from pop-up list"));
}

TEST(ShowWithoutWindow, AMissingDisplayWindowSaysWhatWindow) {
    ShellFixture shell;
    shell.SelectSchedule(kSundayMorning);
    // A view of the same document whose display window cannot be made.
    auto* frame = new wxFrame(nullptr, wxID_ANY, "second");
    auto* view = new CVersiluxView(frame, CShowHooks{});  // the document owns its views
    view->SetDocument(&shell.Doc());
    ASSERT_TRUE(view->OnCreate(&shell.Doc(), 0));
    wxString text;
    wxTEST_DIALOG(view->StartShow(), ExpectMessageBox(&text));
    EXPECT_EQ(text, "What window?");
    EXPECT_FALSE(view->IsShowRunning());
    EXPECT_EQ(ShellFixture::CountDisplayWindows(), 0);
    delete view;
    shell.View().Activate(true);
    frame->Destroy();
    ProcessPending();
}

}  // namespace
