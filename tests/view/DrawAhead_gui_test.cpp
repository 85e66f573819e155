// Screens drawn ahead while the show is idle: they are exactly the screens a
// key would draw, they go stale when the show's look changes, the window puts
// them up as they are, and a burst of keys draws only where it ends.
#include <gtest/gtest.h>
#include <wx/image.h>
#include <wx/utils.h>

#include <cstring>

#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"
#include "show/FullScreenWnd.h"
#include "support/ShellFixture.h"
#include "support/ShownScreen.h"
#include "support/WaitFor.h"
#include "view/ReadyScreens.h"
#include "view/ScreenRenderer.h"
#include "view/ShowWindow.h"
#include "view/VersiluxView.h"

// Last: its macros clash with names in the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

constexpr long kSundayMorning = 1;
constexpr long kEveningChords = 2;

bool SamePixels(const wxImage& a, const wxImage& b) {
    return a.IsOk() && b.IsOk() && a.GetSize() == b.GetSize() &&
           std::memcmp(a.GetData(), b.GetData(),
                       static_cast<size_t>(a.GetWidth()) * a.GetHeight() * 3) == 0;
}

class DrawAheadTest : public testing::Test {
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
    }
    // The idle work done: every screen worth drawing is drawn.
    void DrawAheadNow() {
        ProcessPending();
        while (View().PrepareNextScreens()) {
        }
    }
    wxImage Shown() { return Display()->GetBackingBitmap().ConvertToImage(); }
    // The whole display window as the X server shows it.
    wxImage WindowOnScreen() {
        ::Display* x = wxGetX11Display();
        XSync(x, False);
        const wxRect rc(Display()->GetSurface()->GetScreenPosition(),
                        Display()->GetSurface()->GetClientSize());
        XImage* shot =
            XGetImage(x, DefaultRootWindow(x), rc.x, rc.y, static_cast<unsigned>(rc.width),
                      static_cast<unsigned>(rc.height), AllPlanes, ZPixmap);
        wxImage image(rc.width, rc.height);
        if (shot == nullptr) {
            return wxImage();
        }
        for (int y = 0; y < rc.height; ++y) {
            for (int x0 = 0; x0 < rc.width; ++x0) {
                const unsigned long p = XGetPixel(shot, x0, y);
                image.SetRGB(x0, y, (p >> 16) & 0xff, (p >> 8) & 0xff, p & 0xff);
            }
        }
        XDestroyImage(shot);
        return image;
    }

    ShellFixture shell;
};

TEST(ReadyScreensTest, TheNextKeysScreensComeFirstEachOnceWithinTheShow) {
    EXPECT_EQ(EntriesWorthDrawing(3, 4, 10), (std::vector<int>{4, 2, 0}));
    EXPECT_EQ(EntriesWorthDrawing(3, 7, 10), (std::vector<int>{4, 2, 7, 0}));
    EXPECT_EQ(EntriesWorthDrawing(0, 1, 10), (std::vector<int>{1, 0}));
    // On the last entry nothing lies beyond it.
    EXPECT_EQ(EntriesWorthDrawing(9, 10, 10), (std::vector<int>{8, 0}));
    EXPECT_TRUE(EntriesWorthDrawing(0, 1, 0).empty());
}

TEST_F(DrawAheadTest, ReadyScreensAreExactlyTheScreensDrawnOnTheKey) {
    for (const long schedule : {kSundayMorning, kEveningChords}) {
        SCOPED_TRACE(schedule);
        Start(schedule);
        const int nNotice = Doc().GetLastEntry() - 1;
        int nCompared = 0;
        while (Position() <= nNotice) {
            const int n = Position();
            DrawAheadNow();
            const auto ready = View().FindReadyScreen(n);
            ASSERT_NE(ready, nullptr) << "entry " << n;
            const wxImage ahead = ready->GetBitmap().ConvertToImage();
            // The same key with nothing drawn ahead draws on the key.
            View().SetDrawAhead(false);
            shell.Key(WXK_DOWN);
            View().SetDrawAhead(true);
            ASSERT_EQ(Position(), n + 1);
            EXPECT_TRUE(SamePixels(ahead, Shown())) << "entry " << n;
            ++nCompared;
        }
        EXPECT_EQ(nCompared, nNotice);  // every entry after the first, the end notice too
        shell.Command(ID_SHOW_STOP);
        ProcessPending();
    }
}

TEST_F(DrawAheadTest, AReadyScreenIsPutUpAsItIsAndGoesWithTheShowsLook) {
    Start(kEveningChords);
    DrawAheadNow();
    const int n = Position();
    const auto ready = View().FindReadyScreen(n);
    ASSERT_NE(ready, nullptr);
    const unsigned nPaints = Display()->GetPaintCount();
    shell.Key(WXK_DOWN);
    EXPECT_EQ(Display()->GetPaintCount(), nPaints + 1);
    EXPECT_TRUE(Display()->HasScreenMarker());
    EXPECT_TRUE(DisplayShowsEntry(shell, n));
    // What the X server shows is that screen, pixel for pixel.
    EXPECT_TRUE(SamePixels(WindowOnScreen(), ready->GetBitmap().ConvertToImage()));

    // A transposition changes how the item looks: nothing drawn before is used.
    DrawAheadNow();
    ASSERT_NE(View().FindReadyScreen(Position()), nullptr);
    View().OnKeyDown(WXK_RIGHT);
    EXPECT_EQ(View().FindReadyScreen(Position()), nullptr);
    ProcessPending();
    EXPECT_TRUE(DisplayShowsEntry(shell, Position() - 1));
    // Drawn again for the new key, and what Down then shows is right.
    DrawAheadNow();
    ASSERT_NE(View().FindReadyScreen(Position()), nullptr);
    shell.Key(WXK_DOWN);
    EXPECT_TRUE(DisplayShowsEntry(shell, Position() - 1));

    // Stop drops them all.
    shell.Command(ID_SHOW_STOP);
    ProcessPending();
    EXPECT_EQ(View().FindReadyScreen(Position()), nullptr);
}

TEST_F(DrawAheadTest, TheMenuEntryIsDrawnOnlyWhenItsKeyComes) {
    Start(kSundayMorning);
    const int nMenu = Doc().GetLastEntry();
    shell.Key(WXK_HOME);
    for (int i = 0; i < nMenu - 1; ++i) {
        shell.Key(WXK_DOWN);
    }
    ASSERT_EQ(Position(), nMenu);  // the end notice is up
    DrawAheadNow();
    EXPECT_EQ(View().FindReadyScreen(nMenu), nullptr);
    EXPECT_NE(View().FindReadyScreen(nMenu - 2), nullptr);
}

TEST_F(DrawAheadTest, ABurstOfKeysDrawsOnlyTheScreenWhereItEnds) {
    Start(kEveningChords);
    View().SetDrawAhead(false);  // every screen drawn is then counted by its paint
    const int nFrom = Position();
    const unsigned nPaints = Display()->GetPaintCount();
    // Keys queue up as they do while the program is busy, and the real
    // event loop hands them over.
    for (int i = 0; i < 5; ++i) {
        View().PostKey(WXK_DOWN);
    }
    ASSERT_TRUE(WaitFor([&] { return Position() == nFrom + 5; }));
    ProcessPending();
    EXPECT_EQ(Display()->GetPaintCount(), nPaints + 1);
    EXPECT_TRUE(DisplayShowsEntry(shell, nFrom + 4));

    // A burst that ends in a key drawing nothing (J starts a jump) still
    // leaves the screen of where it ended.
    const unsigned nBefore = Display()->GetPaintCount();
    View().PostKey(WXK_DOWN);
    View().PostKey(WXK_DOWN);
    View().PostKey('J');
    ASSERT_TRUE(WaitFor([&] { return Position() == nFrom + 7; }));
    ProcessPending();
    EXPECT_EQ(Display()->GetPaintCount(), nBefore + 1);
    EXPECT_TRUE(DisplayShowsEntry(shell, nFrom + 6));
}

}  // namespace
