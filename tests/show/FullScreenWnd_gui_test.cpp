// The display window: placement from the settings, Esc, clicks, the invisible
// pointer and the repaint that asks for the current screen.
#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/display.h>

#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"
#include "show/FullScreenWnd.h"
#include "support/ShellFixture.h"
#include "support/WaitFor.h"
#include "view/VersiluxView.h"

namespace {

class DisplayTest : public testing::Test {
  protected:
    void Configure(bool bFullScreen, bool bBlankScreen) {
        CConfigSet& config = *shell.Doc().m_pConfigSet;
        config.m_Full_Screen = bFullScreen;
        config.m_BlankScreen = bBlankScreen;
        config.m_Left = 100;
        config.m_Top = 50;
        config.m_Right = 740;
        config.m_Bottom = 530;
        shell.Doc().m_bKensington = false;
        shell.Doc().m_bTabletMode = false;
        shell.SelectSchedule(1);
    }
    CFullScreenWnd& Display() { return *dynamic_cast<CFullScreenWnd*>(shell.Display()); }
    const CShowState& State() { return shell.View().GetShowState(); }
    // The window's rectangle once the placement has reached the screen.
    bool WaitForRect(const wxRect& rc) {
        return WaitFor([&] { return Display().GetScreenRect() == rc; });
    }
    wxRect Screen() { return wxDisplay(0u).GetGeometry(); }

    ShellFixture shell;
};

TEST_F(DisplayTest, FullScreenFillsTheScreenWhateverBlankScreenSays) {
    for (bool bBlank : {false, true}) {
        Configure(true, bBlank);
        ASSERT_TRUE(shell.GoAndWaitForFirstScreen());
        EXPECT_TRUE(WaitForRect(Screen())) << "BlankScreen " << bBlank;
        EXPECT_EQ(State().m_rcShow, wxRect(wxPoint(0, 0), Screen().GetSize()));
        EXPECT_TRUE(Display().IsPlaced());
        EXPECT_TRUE(Display().HasFlag(wxSTAY_ON_TOP));
        shell.Command(ID_SHOW_STOP);
        ASSERT_TRUE(WaitFor([] { return ShellFixture::CountDisplayWindows() == 0; }));
    }
}

TEST_F(DisplayTest, BlankScreenAloneUsesOnlyTheRectangleOfAFullWindow) {
    Configure(false, true);
    ASSERT_TRUE(shell.GoAndWaitForFirstScreen());
    EXPECT_TRUE(WaitForRect(Screen()));
    EXPECT_EQ(State().m_rcShow, wxRect(100, 50, 640, 480));
    ASSERT_TRUE(WaitFor([&] {
        return Display().GetBackingBitmap().GetSize() == Screen().GetSize() &&
               Display().HasScreenMarker();
    }));
    const wxImage image = Display().GetBackingBitmap().ConvertToImage();
    const COLORREF bg = shell.Doc().GetBackground(0);
    // Inside the rectangle the entry's background, outside it black.
    EXPECT_EQ(image.GetRed(101, 51), RedOf(bg));
    EXPECT_EQ(image.GetBlue(101, 51), BlueOf(bg));
    for (const wxPoint p :
         {wxPoint(99, 300), wxPoint(741, 300), wxPoint(300, 531), wxPoint(1900, 1000)}) {
        EXPECT_EQ(image.GetRed(p.x, p.y) + image.GetGreen(p.x, p.y) + image.GetBlue(p.x, p.y), 0)
            << p.x << "," << p.y;
    }
}

TEST_F(DisplayTest, BothOffStandsAtTheRectangleAndShowsInAllOfIt) {
    Configure(false, false);
    ASSERT_TRUE(shell.GoAndWaitForFirstScreen());
    EXPECT_TRUE(WaitForRect(wxRect(100, 50, 640, 480)));
    EXPECT_EQ(State().m_rcShow, wxRect(0, 0, 640, 480));
}

TEST_F(DisplayTest, EscShrinksToTheSmallSquareAndBringsThePlacementBack) {
    Configure(false, false);
    ASSERT_TRUE(shell.GoAndWaitForFirstScreen());
    ASSERT_TRUE(WaitForRect(wxRect(100, 50, 640, 480)));
    // Esc in the display window itself.
    wxKeyEvent esc(wxEVT_KEY_DOWN);
    esc.m_keyCode = WXK_ESCAPE;
    Display().GetSurface()->ProcessWindowEvent(esc);
    EXPECT_TRUE(WaitForRect(wxRect(10, 10, 20, 20)));
    EXPECT_FALSE(Display().IsPlaced());
    // The show goes on while shrunk; the new size gets the screen again.
    EXPECT_TRUE(WaitFor([&] { return Display().HasScreenMarker(); }));
    EXPECT_EQ(State().m_nNextEntry, 1);
    shell.Key(WXK_DOWN);
    EXPECT_EQ(State().m_nNextEntry, 2);
    // Esc in the main window does the same.
    shell.Key(WXK_ESCAPE);
    EXPECT_TRUE(WaitForRect(wxRect(100, 50, 640, 480)));
    EXPECT_TRUE(Display().IsPlaced());
    EXPECT_TRUE(WaitFor([&] { return Display().HasScreenMarker(); }));
    EXPECT_EQ(State().m_nNextEntry, 2);
}

TEST_F(DisplayTest, ClicksAndKeysInTheDisplayWindowReachTheShow) {
    Configure(true, false);
    ASSERT_TRUE(shell.GoAndWaitForFirstScreen());
    wxMouseEvent left(wxEVT_LEFT_DOWN);
    Display().GetSurface()->ProcessWindowEvent(left);
    EXPECT_TRUE(WaitFor([&] { return State().m_nNextEntry == 2; }));
    Display().GetSurface()->ProcessWindowEvent(left);
    EXPECT_TRUE(WaitFor([&] { return State().m_nNextEntry == 3; }));
    wxMouseEvent right(wxEVT_RIGHT_DOWN);
    Display().GetSurface()->ProcessWindowEvent(right);
    EXPECT_TRUE(WaitFor([&] { return State().m_nNextEntry == 2; }));
    wxKeyEvent home(wxEVT_KEY_DOWN);
    home.m_keyCode = WXK_HOME;
    Display().GetSurface()->ProcessWindowEvent(home);
    EXPECT_TRUE(WaitFor([&] { return State().m_nNextEntry == 1; }));
}

TEST_F(DisplayTest, APaintWithoutTheMarkerShowsTheCurrentScreenAgain) {
    Configure(true, false);
    ASSERT_TRUE(shell.GoAndWaitForFirstScreen());
    shell.Key(WXK_DOWN);
    ASSERT_EQ(State().m_nNextEntry, 2);
    // Wipe the bitmap as a lost screen would be, then let the window paint.
    {
        wxMemoryDC dc(Display().GetBackingBitmap());
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
    }
    ASSERT_FALSE(Display().HasScreenMarker());
    Display().Present();
    EXPECT_TRUE(WaitFor([&] { return Display().HasScreenMarker(); }));
    EXPECT_EQ(State().m_nNextEntry, 2);
}

TEST_F(DisplayTest, ClosingTheWindowFromTheDesktopQuitsTheShow) {
    Configure(true, false);
    ASSERT_TRUE(shell.GoAndWaitForFirstScreen());
    Display().Close();  // may be vetoed: the show stops the usual way
    EXPECT_TRUE(WaitFor([] { return ShellFixture::CountDisplayWindows() == 0; }));
    EXPECT_FALSE(shell.View().IsShowRunning());
    EXPECT_EQ(shell.Display(), nullptr);
}

TEST_F(DisplayTest, AWindowDestroyedBehindTheShowsBackEndsTheShow) {
    Configure(true, false);
    ASSERT_TRUE(shell.GoAndWaitForFirstScreen());
    Display().Destroy();
    EXPECT_TRUE(WaitFor([] { return ShellFixture::CountDisplayWindows() == 0; }));
    EXPECT_FALSE(shell.View().IsShowRunning());
    EXPECT_EQ(shell.Display(), nullptr);
    shell.Key(WXK_DOWN);  // nothing left to paint on, nothing breaks
}

TEST_F(DisplayTest, TheWindowIsBorderlessBlackAndHidesThePointer) {
    Configure(true, false);
    ASSERT_TRUE(shell.GoAndWaitForFirstScreen());
    EXPECT_FALSE(Display().HasFlag(wxCAPTION));
    EXPECT_EQ(Display().GetBackgroundColour(), *wxBLACK);
    EXPECT_TRUE(Display().GetSurface()->GetCursor().IsOk());
    EXPECT_EQ(Display().GetClientSize(), Display().GetSize());
}

TEST(DisplayWindow, PlacesAndShrinksWithoutAView) {
    auto wnd = new CFullScreenWnd;  // a created window belongs to wx
    ASSERT_TRUE(wnd->CreateDisplay(nullptr, nullptr));
    EXPECT_FALSE(wnd->IsPlaced());
    EXPECT_EQ(wnd->m_nBottom, 100);
    wnd->TogglePlacement(false, 20, 30, 220, 330);
    EXPECT_TRUE(WaitFor([&] { return wnd->GetScreenRect() == wxRect(30, 20, 300, 200); }));
    EXPECT_EQ(wnd->m_nTop, 20);
    EXPECT_EQ(wnd->m_nLeft, 30);
    EXPECT_EQ(wnd->m_nBottom, 220);
    EXPECT_EQ(wnd->m_nRight, 330);
    wnd->ToggleShown();
    EXPECT_TRUE(WaitFor([&] { return wnd->GetScreenRect() == wxRect(10, 10, 20, 20); }));
    // A rectangle with no size still leaves a window.
    wnd->ToggleShown();
    wnd->ToggleShown();
    wnd->TogglePlacement(false, 50, 50, 40, 40);
    EXPECT_TRUE(WaitFor([&] { return wnd->GetScreenRect().GetSize() == wxSize(1, 1); }));
    wnd->DestroyDisplay();
    EXPECT_TRUE(WaitFor([] { return ShellFixture::CountDisplayWindows() == 0; }));
}

}  // namespace
