// Tools > Screen and "Display Screen Position": the placement read from and
// written to the config row, the range checks, and the placement test in a
// real display window.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <memory>

#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"
#include "show/FullScreenWnd.h"
#include "support/Click.h"
#include "support/DialogExpectations.h"
#include "support/ShellFixture.h"
#include "support/SmallLibrary.h"
#include "support/WaitFor.h"

namespace {

const char* const kPlacement =
    "SELECT [Full Screen]||'|'||Top||'|'||Left||'|'||Bottom||'|'||Right||'|'||BlankScreen "
    "FROM config";
// Every other column, which the dialog must leave alone.
const char* const kOtherColumns =
    "SELECT [Max Font]||'|'||[Normal Font]||'|'||Background_Default||'|'||Foreground_Default"
    "||'|'||Foreground2_Default||'|'||VPD_Default||'|'||Foreground3||'|'||Foreground4"
    "||'|'||Chord_screen||'|'||Bar_screen||'|'||Version||'|'||Flag1||'|'||Flag2||'|'||Flag3"
    "||'|'||Flag4||'|'||Kensington||'|'||TabletMode||'|'||Margin||'|'||[Print Font] FROM config";

void SetBoxes(CScreenPositionDlg& dlg, const char* top, const char* left, const char* bottom,
              const char* right) {
    dlg.GetTopEdit()->ChangeValue(top);
    dlg.GetLeftEdit()->ChangeValue(left);
    dlg.GetBottomEdit()->ChangeValue(bottom);
    dlg.GetRightEdit()->ChangeValue(right);
}

// Enabled states: the four boxes, then "Blank rest of screen" ("1111 1").
std::string Enabled(CScreenPositionDlg& dlg) {
    std::string states;
    for (wxWindow* w :
         {dlg.GetTopEdit(), dlg.GetLeftEdit(), dlg.GetBottomEdit(), dlg.GetRightEdit()}) {
        states += w->IsEnabled() ? '1' : '0';
    }
    return states + (dlg.GetBlankRestBox()->IsEnabled() ? " 1" : " 0");
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
        m_strOthers = Query(kOtherColumns);
        m_pDoc = std::make_unique<CVersiluxDoc>();
    }
    std::string Query(const char* sql) { return m_library.Source().QueryText(sql).utf8_string(); }
    void Run(std::function<int(CScreenPositionDlg&)> act) {
        wxTEST_DIALOG(RunScreenPosition(*m_pDoc, nullptr),
                      wxExpectModal<CScreenPositionDlg>(std::move(act)));
    }

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
                      EXPECT_TRUE(dlg.GetFullScreenButton()->GetValue());
                      EXPECT_EQ(dlg.GetRightEdit()->GetValue(), "404");
                      // Opening in full-screen mode leaves the check box usable.
                      EXPECT_EQ(Enabled(dlg), "0000 1");
                      Click(dlg.GetCustomButton());
                      EXPECT_EQ(Enabled(dlg), "1111 1");
                      Click(dlg.GetFullScreenButton());
                      EXPECT_EQ(Enabled(dlg), "0000 0");
                      return wxID_CANCEL;
                  }).Describe("Display Screen Position"));
    EXPECT_EQ(shell.Source().QueryText(kPlacement).utf8_string(), "1|1|2|303|404|0");
}

TEST_F(ScreenPositionTest, ABadBoxShowsTheRangeMessageKeepsTheDialogOpenAndOpensNoTest) {
    Run([](CScreenPositionDlg& dlg) {
        for (const char* bad : {"5001", "abc"}) {
            dlg.GetBottomEdit()->ChangeValue(bad);
            wxString okText, testText;
            int result = wxID_OK;
            wxTEST_DIALOG(result = PressOK(dlg), ExpectMessageBox(&okText));
            wxTEST_DIALOG(Click(dlg.GetStartTestButton()), ExpectMessageBox(&testText));
            EXPECT_EQ(result, wxID_NONE) << bad;
            EXPECT_EQ(okText, "Please enter an integer between 0 and 5000.") << bad;
            EXPECT_EQ(testText, okText) << bad;
            EXPECT_FALSE(dlg.IsTestOpen()) << bad;
            EXPECT_EQ(ShellFixture::CountDisplayWindows(), 0) << bad;
        }
        SetBoxes(dlg, "0", "5000", " 5000 ", "0");
        return PressOK(dlg);
    });
    EXPECT_EQ(Query(kPlacement), "0|0|5000|5000|0|1");
}

TEST_F(ScreenPositionTest, StartTestDrawsTheFrameOverTheRectangleAndEndTestClosesIt) {
    Run([](CScreenPositionDlg& dlg) {
        SetBoxes(dlg, "0", "0", "600", "800");
        Click(dlg.GetStartTestButton());
        CFullScreenWnd* wnd = dlg.GetTestWindow();
        EXPECT_NE(wnd, nullptr);
        if (wnd == nullptr) {
            return wxID_CANCEL;
        }
        EXPECT_FALSE(dlg.GetStartTestButton()->IsEnabled());
        EXPECT_TRUE(WaitFor([&] { return wnd->GetScreenRect() == wxRect(0, 0, 800, 600); }));
        EXPECT_EQ(dlg.GetTestRect(), wxRect(0, 0, 800, 600));
        EXPECT_EQ(dlg.m_nRight, 400);  // the test takes the boxes; only OK takes the values

        const wxImage image = wnd->GetBackingBitmap().ConvertToImage();
        for (int x = 60; x < 740; x += 40) {  // both diagonals, within a pixel
            for (const int y : {x * 600 / 800, 600 - x * 600 / 800}) {
                EXPECT_TRUE(IsWhite(image, x, y - 1) || IsWhite(image, x, y) ||
                            IsWhite(image, x, y + 1))
                    << x << "," << y;
            }
        }
        for (int i = 2; i < 48; ++i) {  // the eight corner strokes
            EXPECT_TRUE(IsWhite(image, i, 0) && IsWhite(image, 0, i) &&
                        IsWhite(image, 799 - i, 0) && IsWhite(image, 799, i) &&
                        IsWhite(image, i, 599) && IsWhite(image, 0, 599 - i) &&
                        IsWhite(image, 799 - i, 599) && IsWhite(image, 799, 599 - i))
                << i;
        }
        EXPECT_FALSE(IsWhite(image, 60, 0) || IsWhite(image, 799, 60));
        // The hint's white box starts at the centre, with black letters in it.
        int nWhite = 0;
        for (int x = 410; x < 470; ++x) {
            nWhite += IsWhite(image, x, 302) ? 1 : 0;
        }
        EXPECT_GT(nWhite, 40);
        EXPECT_EQ(image.GetRed(370, 305), 0);

        Click(dlg.GetEndTestButton());
        EXPECT_FALSE(dlg.IsTestOpen());
        EXPECT_TRUE(dlg.GetStartTestButton()->IsEnabled());
        EXPECT_TRUE(WaitFor([] { return ShellFixture::CountDisplayWindows() == 0; }));
        return wxID_CANCEL;
    });
}

TEST_F(ScreenPositionTest, StartTestThenOkClosesTheTestAndWritesOnlyThePlacement) {
    Run([](CScreenPositionDlg& dlg) {
        SetBoxes(dlg, "5", "6", "500", "700");
        dlg.GetBlankRestBox()->SetValue(false);
        Click(dlg.GetFullScreenButton());  // greys the boxes, which keep what they show
        Click(dlg.GetStartTestButton());
        EXPECT_TRUE(dlg.IsTestOpen());
        return PressOK(dlg);
    });
    // Closed with the dialog, not at some later idle time.
    EXPECT_EQ(ShellFixture::CountDisplayWindows(), 0);
    EXPECT_EQ(Query(kPlacement), "1|5|6|500|700|0");
    EXPECT_EQ(Query(kOtherColumns), m_strOthers);
    // The next Go reads the document's copy of the row.
    EXPECT_TRUE(m_pDoc->m_pConfigSet->m_Full_Screen);
    EXPECT_EQ(m_pDoc->m_pConfigSet->m_Bottom, 500);
}

TEST_F(ScreenPositionTest, StartEndThenCancelLeavesNoWindowAndWritesNothing) {
    Run([](CScreenPositionDlg& dlg) {
        SetBoxes(dlg, "1", "2", "30", "40");
        Click(dlg.GetStartTestButton());
        Click(dlg.GetEndTestButton());
        Click(dlg.GetEndTestButton());  // with no test open: nothing
        return wxID_CANCEL;
    });
    EXPECT_TRUE(WaitFor([] { return ShellFixture::CountDisplayWindows() == 0; }));
    EXPECT_EQ(Query(kPlacement), "0|10|20|300|400|1");
}

TEST_F(ScreenPositionTest, ATestWindowClosedFromTheDesktopIsNotClosedAgain) {
    CScreenPositionDlg dlg(nullptr);
    dlg.InitDialog();
    Click(dlg.GetStartTestButton());
    ASSERT_NE(dlg.GetTestWindow(), nullptr);
    dlg.GetTestWindow()->Close();
    EXPECT_TRUE(WaitFor([] { return ShellFixture::CountDisplayWindows() == 0; }));
    EXPECT_FALSE(dlg.IsTestOpen());
    Click(dlg.GetEndTestButton());
    Click(dlg.GetStartTestButton());  // a new one; the dialog closes it
    EXPECT_TRUE(dlg.IsTestOpen());
}

TEST_F(ScreenPositionTest, EscapeInTheTestWindowShrinksItAndEscapeInTheDialogCancels) {
    // A real modal run: the toolkit hands the dialog keys meant for the test window.
    CScreenPositionDlg dlg(nullptr);
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
        if (!WaitFor([&] { return !dlg.IsModal(); })) {
            dlg.EndModal(wxID_ABORT);  // never left hanging open
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
                      m_library.Exec("UPDATE config SET Flag1='changed elsewhere'");
                      SetBoxes(dlg, "1", "2", "3", "4");
                      return PressOK(dlg);
                  }),
                  ExpectMessageBox(&text));
    EXPECT_TRUE(text.Contains("no longer in the table")) << text;
    EXPECT_EQ(Query(kPlacement), "0|10|20|300|400|1");
    EXPECT_EQ(m_pDoc->m_pConfigSet->m_Top, 10);
}

}  // namespace
