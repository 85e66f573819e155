// Tools > Screen and "Display Screen Position": the placement read from and
// written to the config row, the range checks, and the placement test in a
// real display window.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcmemory.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <memory>

#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"
#include "show/FullScreenWnd.h"
#include "support/DialogExpectations.h"
#include "support/ShellFixture.h"
#include "support/SmallLibrary.h"
#include "support/WaitFor.h"

namespace {

// The config columns the dialog must leave alone, as one text.
const char* const kOtherColumns =
    "SELECT [Max Font]||'|'||[Normal Font]||'|'||Background_Default||'|'||Foreground_Default"
    "||'|'||Foreground2_Default||'|'||VPD_Default||'|'||Foreground3||'|'||Foreground4"
    "||'|'||Chord_screen||'|'||Bar_screen||'|'||Version||'|'||Flag1||'|'||Flag2||'|'||Flag3"
    "||'|'||Flag4||'|'||Kensington||'|'||TabletMode||'|'||Margin||'|'||[Print Font] FROM config";
const char* const kPlacement =
    "SELECT [Full Screen]||'|'||Top||'|'||Left||'|'||Bottom||'|'||Right||'|'||BlankScreen "
    "FROM config";

void Click(wxRadioButton* radio) {
    radio->SetValue(true);
    wxCommandEvent click(wxEVT_RADIOBUTTON, radio->GetId());
    click.SetEventObject(radio);
    radio->ProcessWindowEvent(click);
    radio->GetParent()->UpdateWindowUI(wxUPDATE_UI_RECURSE);
}

void Click(wxButton* button) {
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->ProcessWindowEvent(click);
    button->GetParent()->UpdateWindowUI(wxUPDATE_UI_RECURSE);
}

void SetBoxes(CScreenPositionDlg& dlg, const wxString& top, const wxString& left,
              const wxString& bottom, const wxString& right) {
    dlg.GetTopEdit()->ChangeValue(top);
    dlg.GetLeftEdit()->ChangeValue(left);
    dlg.GetBottomEdit()->ChangeValue(bottom);
    dlg.GetRightEdit()->ChangeValue(right);
}

bool IsWhite(const wxImage& image, int x, int y) {
    return image.GetRed(x, y) == 255 && image.GetGreen(x, y) == 255 && image.GetBlue(x, y) == 255;
}

class ScreenPositionTest : public testing::Test {
  protected:
    void SetUp() override {
        m_library.Exec(
            "UPDATE config SET [Full Screen]=0, Top=10, Left=20, Bottom=300, Right=400, "
            "BlankScreen=1");
        m_strOthers = Source().QueryText(kOtherColumns).utf8_string();
        m_pDoc = std::make_unique<CVersiluxDoc>();
    }
    TempDataSource& Source() { return m_library.Source(); }

    SmallLibrary m_library;
    std::string m_strOthers;
    std::unique_ptr<CVersiluxDoc> m_pDoc;
};

TEST(ScreenPositionCommand, OpensFullScreenWithTheBoxesGreyedUntilCustomPositionIsChosen) {
    ShellFixture shell(TempDataSource::Content::Library, false);
    shell.Source().Exec(
        "UPDATE config SET [Full Screen]=1, Top=1, Left=2, Bottom=303, Right=404, BlankScreen=0");
    ASSERT_TRUE(shell.Open());
    wxTEST_DIALOG(shell.Command(ID_TOOLS_SCREEN),
                  wxExpectModal<CScreenPositionDlg>([](CScreenPositionDlg& dlg) {
                      EXPECT_EQ(dlg.GetTitle(), "Display Screen Position");
                      EXPECT_TRUE(dlg.GetFullScreenButton()->GetValue());
                      EXPECT_EQ(dlg.GetBottomEdit()->GetValue(), "303");
                      EXPECT_EQ(dlg.GetRightEdit()->GetValue(), "404");
                      EXPECT_FALSE(dlg.GetBlankRestBox()->GetValue());
                      for (wxTextCtrl* box : {dlg.GetTopEdit(), dlg.GetLeftEdit(),
                                              dlg.GetBottomEdit(), dlg.GetRightEdit()}) {
                          EXPECT_FALSE(box->IsEnabled());
                      }
                      // Opening in full-screen mode leaves the check box usable.
                      EXPECT_TRUE(dlg.GetBlankRestBox()->IsEnabled());

                      Click(dlg.GetCustomButton());
                      for (wxWindow* control : std::initializer_list<wxWindow*>{
                               dlg.GetTopEdit(), dlg.GetLeftEdit(), dlg.GetBottomEdit(),
                               dlg.GetRightEdit(), dlg.GetBlankRestBox()}) {
                          EXPECT_TRUE(control->IsEnabled());
                      }
                      Click(dlg.GetFullScreenButton());
                      EXPECT_FALSE(dlg.GetTopEdit()->IsEnabled());
                      EXPECT_FALSE(dlg.GetBlankRestBox()->IsEnabled());
                      return wxID_CANCEL;
                  }).Describe("Display Screen Position"));
    EXPECT_EQ(shell.Source().QueryText(kPlacement).utf8_string(), "1|1|2|303|404|0");
}

TEST_F(ScreenPositionTest, ABadBoxShowsTheRangeMessageKeepsTheDialogOpenAndOpensNoTest) {
    wxTEST_DIALOG(RunScreenPosition(*m_pDoc, nullptr),
                  wxExpectModal<CScreenPositionDlg>([](CScreenPositionDlg& dlg) {
                      EXPECT_TRUE(dlg.GetCustomButton()->GetValue());
                      for (const wxString bad : {"5001", "abc", "-1", "", "12.5"}) {
                          dlg.GetBottomEdit()->ChangeValue(bad);
                          wxString text;
                          int result = wxID_OK;
                          wxTEST_DIALOG(result = PressOK(dlg), ExpectMessageBox(&text));
                          EXPECT_EQ(result, wxID_NONE) << bad;
                          EXPECT_EQ(text, "Please enter an integer between 0 and 5000.") << bad;
                          EXPECT_EQ(dlg.m_nBottom, 300) << bad;

                          text.clear();
                          wxTEST_DIALOG(Click(dlg.GetStartTestButton()), ExpectMessageBox(&text));
                          EXPECT_EQ(text, "Please enter an integer between 0 and 5000.") << bad;
                          EXPECT_FALSE(dlg.IsTestOpen()) << bad;
                          EXPECT_EQ(ShellFixture::CountDisplayWindows(), 0) << bad;
                      }
                      // The limits themselves are accepted.
                      SetBoxes(dlg, "0", "5000", " 5000 ", "0");
                      return PressOK(dlg);
                  }).Describe("Display Screen Position, bad boxes"));
    EXPECT_EQ(Source().QueryText(kPlacement).utf8_string(), "0|0|5000|5000|0|1");
}

TEST_F(ScreenPositionTest, TheFocusGoesToTheBadBox) {
    CScreenPositionDlg dlg(nullptr);
    dlg.m_nPositionMode = 1;
    dlg.InitDialog();
    dlg.Show();
    dlg.GetRightEdit()->ChangeValue("x");
    dlg.GetTopEdit()->SetFocus();
    wxString text;
    wxTEST_DIALOG(EXPECT_EQ(PressOK(dlg), wxID_NONE), ExpectMessageBox(&text));
    EXPECT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == dlg.GetRightEdit(); }));
}

TEST_F(ScreenPositionTest, StartTestDrawsTheFrameOverTheRectangleAndEndTestClosesIt) {
    wxTEST_DIALOG(
        RunScreenPosition(*m_pDoc, nullptr),
        wxExpectModal<CScreenPositionDlg>([](CScreenPositionDlg& dlg) {
            SetBoxes(dlg, "0", "0", "600", "800");
            Click(dlg.GetStartTestButton());
            EXPECT_TRUE(dlg.IsTestOpen());
            EXPECT_FALSE(dlg.GetStartTestButton()->IsEnabled());
            CFullScreenWnd* wnd = dlg.GetTestWindow();
            EXPECT_NE(wnd, nullptr);
            if (wnd == nullptr) {
                return wxID_CANCEL;
            }
            EXPECT_TRUE(WaitFor([&] { return wnd->GetScreenRect() == wxRect(0, 0, 800, 600); }));
            EXPECT_TRUE(wnd->HasFlag(wxSTAY_ON_TOP));
            EXPECT_EQ(dlg.GetTestRect(), wxRect(0, 0, 800, 600));
            // The test takes the boxes, the dialog's values wait for OK.
            EXPECT_EQ(dlg.m_nRight, 400);

            const wxImage image = wnd->GetBackingBitmap().ConvertToImage();
            EXPECT_EQ(image.GetSize(), wxSize(800, 600));
            // Both diagonals, each pixel within one of the exact line.
            for (int x = 60; x < 740; x += 40) {
                const int y = x * 600 / 800;
                auto near = [&](int yy) {
                    return IsWhite(image, x, yy - 1) || IsWhite(image, x, yy) ||
                           IsWhite(image, x, yy + 1);
                };
                EXPECT_TRUE(near(y)) << "falling diagonal at x " << x;
                EXPECT_TRUE(near(600 - y)) << "rising diagonal at x " << x;
            }
            // The eight corner strokes, 50 pixels each along the edges.
            for (int i = 2; i < 48; ++i) {
                EXPECT_TRUE(IsWhite(image, i, 0) && IsWhite(image, 0, i)) << i;
                EXPECT_TRUE(IsWhite(image, 799 - i, 0) && IsWhite(image, 799, i)) << i;
                EXPECT_TRUE(IsWhite(image, i, 599) && IsWhite(image, 0, 599 - i)) << i;
                EXPECT_TRUE(IsWhite(image, 799 - i, 599) && IsWhite(image, 799, 599 - i)) << i;
            }
            EXPECT_FALSE(IsWhite(image, 60, 0));
            EXPECT_FALSE(IsWhite(image, 799, 60));
            // The hint starts at the centre: black letters on a white box.
            wxMemoryDC measure;
            measure.SetFont(*wxNORMAL_FONT);
            const wxSize extent = measure.GetTextExtent("Press escape to see dialog");
            int nWhite = 0;
            int nBlack = 0;
            for (int y = 300; y < 300 + extent.y; ++y) {
                for (int x = 400; x < 400 + extent.x; ++x) {
                    nWhite += IsWhite(image, x, y) ? 1 : 0;
                    nBlack += image.GetRed(x, y) == 0 ? 1 : 0;
                }
            }
            EXPECT_GT(nWhite, extent.x * extent.y / 2);
            EXPECT_GT(nBlack, extent.x * extent.y / 20);
            const int yMiddle = 300 + extent.y / 2;
            EXPECT_EQ(image.GetRed(370, yMiddle), 0);
            EXPECT_EQ(image.GetRed(400 + extent.x + 2, yMiddle), 0);

            Click(dlg.GetEndTestButton());
            EXPECT_FALSE(dlg.IsTestOpen());
            EXPECT_TRUE(dlg.GetStartTestButton()->IsEnabled());
            EXPECT_TRUE(WaitFor([] { return ShellFixture::CountDisplayWindows() == 0; }));
            // End Test with no test open does nothing.
            Click(dlg.GetEndTestButton());
            return wxID_CANCEL;
        }).Describe("Display Screen Position, test"));
    EXPECT_EQ(ShellFixture::CountDisplayWindows(), 0);
}

TEST_F(ScreenPositionTest, StartTestThenOkClosesTheTestAndWritesOnlyThePlacement) {
    wxTEST_DIALOG(RunScreenPosition(*m_pDoc, nullptr),
                  wxExpectModal<CScreenPositionDlg>([](CScreenPositionDlg& dlg) {
                      // Typed, then greyed by going back to Full Screen: kept.
                      Click(dlg.GetCustomButton());
                      SetBoxes(dlg, "5", "6", "500", "700");
                      dlg.GetBlankRestBox()->SetValue(false);
                      Click(dlg.GetFullScreenButton());
                      Click(dlg.GetStartTestButton());
                      EXPECT_TRUE(dlg.IsTestOpen());
                      return PressOK(dlg);
                  }).Describe("Display Screen Position, OK during a test"));
    // Closed with the dialog, not at some later idle time.
    EXPECT_EQ(ShellFixture::CountDisplayWindows(), 0);
    EXPECT_EQ(Source().QueryText(kPlacement).utf8_string(), "1|5|6|500|700|0");
    EXPECT_EQ(Source().QueryText(kOtherColumns).utf8_string(), m_strOthers);
    // The next Go reads the document's copy of the row.
    EXPECT_TRUE(m_pDoc->m_pConfigSet->m_Full_Screen);
    EXPECT_FALSE(m_pDoc->m_pConfigSet->m_BlankScreen);

    wxTEST_DIALOG(RunScreenPosition(*m_pDoc, nullptr),
                  wxExpectModal<CScreenPositionDlg>([](CScreenPositionDlg& dlg) {
                      EXPECT_TRUE(dlg.GetFullScreenButton()->GetValue());
                      EXPECT_EQ(dlg.GetRightEdit()->GetValue(), "700");
                      Click(dlg.GetCustomButton());
                      SetBoxes(dlg, "0", "0", "600", "800");
                      dlg.GetBlankRestBox()->SetValue(true);
                      return PressOK(dlg);
                  }).Describe("Display Screen Position, custom"));
    EXPECT_EQ(Source().QueryText(kPlacement).utf8_string(), "0|0|0|600|800|1");
    EXPECT_EQ(Source().QueryText(kOtherColumns).utf8_string(), m_strOthers);
    EXPECT_EQ(m_pDoc->m_pConfigSet->m_Bottom, 600);
}

TEST_F(ScreenPositionTest, StartEndThenCancelLeavesNoWindowAndWritesNothing) {
    wxTEST_DIALOG(RunScreenPosition(*m_pDoc, nullptr),
                  wxExpectModal<CScreenPositionDlg>([](CScreenPositionDlg& dlg) {
                      SetBoxes(dlg, "1", "2", "30", "40");
                      Click(dlg.GetStartTestButton());
                      Click(dlg.GetEndTestButton());
                      Click(dlg.GetStartTestButton());
                      Click(dlg.GetEndTestButton());
                      dlg.GetBlankRestBox()->SetValue(false);
                      return wxID_CANCEL;
                  }).Describe("Display Screen Position, cancelled"));
    EXPECT_TRUE(WaitFor([] { return ShellFixture::CountDisplayWindows() == 0; }));
    EXPECT_EQ(Source().QueryText(kPlacement).utf8_string(), "0|10|20|300|400|1");
    EXPECT_EQ(m_pDoc->m_pConfigSet->m_Top, 10);
}

TEST_F(ScreenPositionTest, ATestWindowClosedFromTheDesktopIsNotClosedAgain) {
    CScreenPositionDlg dlg(nullptr);
    dlg.m_nPositionMode = 1;
    dlg.m_nBottom = 200;
    dlg.m_nRight = 300;
    dlg.InitDialog();
    Click(dlg.GetStartTestButton());
    ASSERT_NE(dlg.GetTestWindow(), nullptr);
    dlg.GetTestWindow()->Close();
    EXPECT_TRUE(WaitFor([] { return ShellFixture::CountDisplayWindows() == 0; }));
    EXPECT_FALSE(dlg.IsTestOpen());
    EXPECT_EQ(dlg.GetTestWindow(), nullptr);
    dlg.UpdateWindowUI(wxUPDATE_UI_RECURSE);
    EXPECT_TRUE(dlg.GetStartTestButton()->IsEnabled());
    Click(dlg.GetEndTestButton());
    Click(dlg.GetStartTestButton());
    EXPECT_TRUE(dlg.IsTestOpen());
}

TEST_F(ScreenPositionTest, EscapeInTheTestWindowShrinksItAndEscapeInTheDialogCancels) {
    // A real modal run: the toolkit hands the dialog keys meant for the test window.
    CScreenPositionDlg dlg(nullptr);
    dlg.m_nPositionMode = 1;
    dlg.m_nTop = 100;
    dlg.m_nLeft = 100;
    dlg.m_nBottom = 500;
    dlg.m_nRight = 700;
    bool bShrunk = false;
    bool bRestored = false;
    dlg.CallAfter([&] {
        dlg.StartTest();
        CFullScreenWnd* wnd = dlg.GetTestWindow();
        wxUIActionSimulator keys;
        if (wnd != nullptr && WaitFor([&] { return wnd->IsActive(); })) {
            keys.Char(WXK_ESCAPE);
            bShrunk = WaitFor([&] { return !wnd->IsPlaced(); }) && dlg.IsModal();
            keys.Char(WXK_ESCAPE);
            bRestored = WaitFor([&] { return wnd->IsPlaced(); }) && dlg.IsModal();
        }
        dlg.Raise();
        if (WaitFor([&] { return dlg.IsActive(); })) {
            keys.Char(WXK_ESCAPE);
        }
        // Never left hanging open.
        if (!WaitFor([&] { return !dlg.IsModal(); })) {
            dlg.EndModal(wxID_ABORT);
        }
    });
    EXPECT_EQ(dlg.ShowModal(), wxID_CANCEL);
    EXPECT_TRUE(bShrunk);
    EXPECT_TRUE(bRestored);
    EXPECT_FALSE(dlg.IsTestOpen());
}

TEST_F(ScreenPositionTest, ARowChangedMeanwhileIsReportedAndTheSettingsStayAsStored) {
    wxString text;
    wxTEST_DIALOG(RunScreenPosition(*m_pDoc, nullptr),
                  wxExpectModal<CScreenPositionDlg>([&](CScreenPositionDlg& dlg) {
                      Source().Exec("UPDATE config SET Flag1='changed elsewhere'");
                      SetBoxes(dlg, "1", "2", "3", "4");
                      return PressOK(dlg);
                  }).Describe("Display Screen Position, row changed"),
                  ExpectMessageBox(&text).Describe("database error"));
    EXPECT_TRUE(text.Contains("no longer in the table")) << text;
    EXPECT_EQ(Source().QueryText(kPlacement).utf8_string(), "0|10|20|300|400|1");
    EXPECT_EQ(m_pDoc->m_pConfigSet->m_Top, 10);
    EXPECT_EQ(m_pDoc->m_pConfigSet->m_Right, 400);
}

}  // namespace
