// The show's pop-ups with their real modal loops: keys and clicks queued by
// the display window reach the view while a pop-up's loop runs, and the
// show may be asked to stop under it. wxTEST_DIALOG replaces the loop and
// would hide every fault these guard against, so the pop-ups are answered
// from a timer here, as an operator's hand would.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/stopwatch.h>
#include <wx/timer.h>
#include <wx/toplevel.h>

#include <functional>

#include "app/MainFrame.h"
#include "dialogs/GotoItemDlg.h"
#include "dialogs/ShowMenuDlg.h"
#include "dialogs/ShowMenuShortDlg.h"
#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"
#include "show/FullScreenWnd.h"
#include "support/ShellFixture.h"
#include "support/WaitFor.h"
#include "view/VersiluxView.h"

namespace {

constexpr long kSundayMorning = 1;

template <class T>
T* OpenModal() {
    for (wxWindow* w : wxTopLevelWindows) {
        if (auto* dlg = dynamic_cast<T*>(w); dlg != nullptr && dlg->IsModal()) {
            return dlg;
        }
    }
    return nullptr;
}

// Acts once on the pop-up of type T when its loop runs. A pop-up that is
// still open two seconds later is a failure; it is closed so the test ends.
template <class T>
class PopupHand : public wxTimer {
  public:
    explicit PopupHand(std::function<void(T&)> act) : m_act(std::move(act)) { Start(20); }
    ~PopupHand() override { Stop(); }

    int TimesSeen() const { return m_nSeen; }

    void Notify() override {
        T* dlg = OpenModal<T>();
        if (dlg == nullptr) {
            return;
        }
        if (dlg != m_pActedOn) {
            ++m_nSeen;
            m_pActedOn = dlg;
            m_clock.Start();
            if (m_act) {
                m_act(*dlg);
            }
        } else if (m_clock.Time() > 2000) {
            ADD_FAILURE() << "the pop-up did not close";
            dlg->EndModal(wxID_CANCEL);
        }
    }

  private:
    std::function<void(T&)> m_act;
    T* m_pActedOn = nullptr;
    int m_nSeen = 0;
    wxStopWatch m_clock;
};

void PressButton(wxDialog& dlg, const wxString& label) {
    for (wxWindow* child : dlg.GetChildren()) {
        if (auto* button = dynamic_cast<wxButton*>(child); button && button->GetLabel() == label) {
            wxCommandEvent click(wxEVT_BUTTON, button->GetId());
            click.SetEventObject(button);
            button->ProcessWindowEvent(click);
            return;
        }
    }
    ADD_FAILURE() << "no button " << label;
}

// Escape as the keyboard delivers it to a dialog, before any control sees it.
void PressEscape(wxDialog& dlg) {
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = WXK_ESCAPE;
    key.SetEventObject(&dlg);
    dlg.ProcessWindowEvent(key);
}

class ShowPopupTest : public testing::Test {
  protected:
    CVersiluxDoc& Doc() { return shell.Doc(); }
    CVersiluxView& View() { return shell.View(); }
    int Position() { return View().GetShowState().m_nNextEntry; }
    CFullScreenWnd* Display() { return dynamic_cast<CFullScreenWnd*>(shell.Display()); }

    void StartAtEndNotice() {
        Doc().m_bTabletMode = false;
        shell.SelectSchedule(kSundayMorning);
        ASSERT_TRUE(shell.GoAndWaitForFirstScreen());
        shell.Key(WXK_HOME);
        while (Position() < Doc().GetLastEntry()) {
            shell.Key(WXK_DOWN);
        }
        ASSERT_EQ(Position(), Doc().GetLastEntry());  // the end notice is on view
    }
    // A key pressed on the display window: queued for the view.
    void DisplayKey(int nKeyCode) {
        wxKeyEvent key(wxEVT_KEY_DOWN);
        key.m_keyCode = nKeyCode;
        key.SetEventObject(Display()->GetSurface());
        Display()->GetSurface()->ProcessWindowEvent(key);
    }
    void DisplayClick() {
        wxMouseEvent click(wxEVT_LEFT_DOWN);
        click.SetEventObject(Display()->GetSurface());
        Display()->GetSurface()->ProcessWindowEvent(click);
    }
    bool ShowEnded() {
        return WaitFor(
            [this] { return ShellFixture::CountDisplayWindows() == 0 && !View().IsShowRunning(); });
    }

    ShellFixture shell;
};

TEST_F(ShowPopupTest, QuitAndAQuickSecondClickAtTheEndMenuStopTheShowAndNothingElse) {
    StartAtEndNotice();
    PopupHand<CShowMenuShortDlg> hand([this](CShowMenuShortDlg& dlg) {
        PressButton(dlg, "Quit");
        DisplayClick();  // the second press of the remote, straight after
    });
    DisplayKey(WXK_DOWN);  // opens the menu
    DisplayKey(WXK_SPACE);
    DisplayClick();
    DisplayKey('Q');
    EXPECT_TRUE(ShowEnded());
    ProcessPending();
    EXPECT_EQ(hand.TimesSeen(), 1);
    EXPECT_EQ(OpenModal<wxDialog>(), nullptr);
    // The program goes on: a new show starts as usual.
    ASSERT_TRUE(shell.GoAndWaitForFirstScreen());
    EXPECT_EQ(Position(), 1);
}

TEST_F(ShowPopupTest, EscapeClosesTheEndMenuAndInputQueuedUnderItIsDropped) {
    StartAtEndNotice();
    const int menu = Doc().GetLastEntry();
    PopupHand<CShowMenuShortDlg> hand([](CShowMenuShortDlg& dlg) { PressEscape(dlg); });
    DisplayKey(WXK_DOWN);
    DisplayKey(WXK_SPACE);
    DisplayClick();
    DisplayKey('Q');
    ASSERT_TRUE(WaitFor([&] { return hand.TimesSeen() == 1 && OpenModal<wxDialog>() == nullptr; }));
    ProcessPending();
    // The menu was shown once; Space, the click and Q went nowhere.
    EXPECT_EQ(hand.TimesSeen(), 1);
    EXPECT_TRUE(View().IsShowRunning());
    EXPECT_EQ(Position(), menu + 1);
    EXPECT_TRUE(Display()->HasScreenMarker());
    // Input after the menu is the show's again.
    DisplayKey(WXK_HOME);
    ASSERT_TRUE(WaitFor([this] { return Position() == 1; }));
}

TEST_F(ShowPopupTest, GoBackFromTheEndMenuRedrawsWithoutADrawingLeftOpen) {
    StartAtEndNotice();
    const int menu = Doc().GetLastEntry();
    PopupHand<CShowMenuShortDlg> hand([](CShowMenuShortDlg& dlg) { PressButton(dlg, "Go Back"); });
    DisplayKey(WXK_DOWN);
    DisplayKey(WXK_DOWN);  // queued under the menu: dropped
    ASSERT_TRUE(WaitFor([&] { return hand.TimesSeen() == 1 && OpenModal<wxDialog>() == nullptr; }));
    ProcessPending();
    EXPECT_EQ(Position(), menu);
    EXPECT_TRUE(Display()->HasScreenMarker());
    EXPECT_EQ(hand.TimesSeen(), 1);
}

TEST_F(ShowPopupTest, GotoItemIgnoresQueuedKeysAndGoesWhereChosen) {
    StartAtEndNotice();
    PopupHand<CGotoItemDlg> hand([](CGotoItemDlg& dlg) {
        dlg.GetTitleList()->SetSelection(1);
        wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
        ok.SetEventObject(&dlg);
        dlg.ProcessWindowEvent(ok);
    });
    DisplayKey('G');
    DisplayKey('Q');
    DisplayClick();
    ASSERT_TRUE(WaitFor([&] { return hand.TimesSeen() == 1 && OpenModal<wxDialog>() == nullptr; }));
    ProcessPending();
    EXPECT_TRUE(View().IsShowRunning());
    EXPECT_EQ(Position(), Doc().EntryOfItem(2) + 1);
}

TEST_F(ShowPopupTest, AStopArrivingUnderTheTabletMenuClosesItAndThenStops) {
    StartAtEndNotice();
    Doc().m_bTabletMode = true;
    // The operator does nothing; a Stop reaches the view while the menu is open.
    PopupHand<CShowMenuDlg> hand(
        [this](CShowMenuDlg&) { View().QueueEvent(new wxCommandEvent(wxEVT_MENU, ID_SHOW_STOP)); });
    DisplayKey(WXK_UP);
    EXPECT_TRUE(ShowEnded());
    ProcessPending();
    EXPECT_EQ(hand.TimesSeen(), 1);
    EXPECT_EQ(OpenModal<wxDialog>(), nullptr);
}

TEST_F(ShowPopupTest, ThePopupsBelongToTheMainWindowAndStandOnTop) {
    StartAtEndNotice();
    wxWindow* parent = nullptr;
    long style = 0;
    PopupHand<CShowMenuShortDlg> hand([&](CShowMenuShortDlg& dlg) {
        parent = dlg.GetParent();
        style = dlg.GetWindowStyleFlag();
        PressEscape(dlg);
    });
    DisplayKey(WXK_DOWN);
    ASSERT_TRUE(WaitFor([&] { return hand.TimesSeen() == 1 && OpenModal<wxDialog>() == nullptr; }));
    EXPECT_EQ(parent, static_cast<wxWindow*>(&shell.Frame()));
    EXPECT_NE(style & wxSTAY_ON_TOP, 0);
}

}  // namespace
