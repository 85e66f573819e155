// "Phrase Search" and "Transpose for Printing": values in on opening, out
// only through OK (Preview), and the transposition's range check.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "support/DialogExpectations.h"
#include "support/WaitFor.h"

namespace {

TEST(PhraseSearch, OpenedAgainShowsTheLastPhraseWithTheOptionsTheCallerSets) {
    CPhraseSearchDlg first(nullptr);
    first.m_bUseTemp = true;  // the search command's preset
    wxTEST_DIALOG(
        EXPECT_EQ(first.ShowModal(), wxID_OK),
        wxExpectModal<CPhraseSearchDlg>([](CPhraseSearchDlg& dlg) {
            EXPECT_EQ(dlg.GetTitle(), "Phrase Search");
            // Mnemonics add an underline, nothing else.
            EXPECT_EQ(dlg.GetThisVPDOnlyBox()->GetLabelText(), "Search only in current VPD");
            EXPECT_EQ(dlg.GetUseTempBox()->GetLabelText(), "Use temporary search database");
            EXPECT_EQ(dlg.GetCreateTempBox()->GetLabelText(),
                      "Create new temporary search database");
            EXPECT_EQ(dlg.GetPhraseEdit()->GetValue(), "");
            EXPECT_FALSE(dlg.GetThisVPDOnlyBox()->GetValue());
            EXPECT_TRUE(dlg.GetUseTempBox()->GetValue());
            dlg.GetPhraseEdit()->ChangeValue("Amazing grace");
            dlg.GetThisVPDOnlyBox()->SetValue(true);
            dlg.GetUseTempBox()->SetValue(false);
            return PressOK(dlg);
        }).Describe("Phrase Search, first"));
    EXPECT_EQ(first.m_strPhrase, "Amazing grace");
    EXPECT_TRUE(first.m_bThisVPDOnly);
    EXPECT_FALSE(first.m_bUseTemp);
    EXPECT_FALSE(first.m_bCreateTemp);

    CPhraseSearchDlg second(nullptr);
    second.m_strPhrase = first.m_strPhrase;
    second.m_bUseTemp = true;
    wxTEST_DIALOG(EXPECT_EQ(second.ShowModal(), wxID_CANCEL),
                  wxExpectModal<CPhraseSearchDlg>([](CPhraseSearchDlg& dlg) {
                      EXPECT_EQ(dlg.GetPhraseEdit()->GetValue(), "Amazing grace");
                      EXPECT_FALSE(dlg.GetThisVPDOnlyBox()->GetValue());
                      EXPECT_TRUE(dlg.GetUseTempBox()->GetValue());
                      EXPECT_FALSE(dlg.GetCreateTempBox()->GetValue());
                      dlg.GetPhraseEdit()->ChangeValue("not taken");
                      dlg.GetCreateTempBox()->SetValue(true);
                      return wxID_CANCEL;
                  }).Describe("Phrase Search, second"));
    EXPECT_EQ(second.m_strPhrase, "Amazing grace");
    EXPECT_FALSE(second.m_bCreateTemp);
}

// Runs the dialog for real: act() once it is up and has the keyboard. A
// dialog act() left open is ended with wxID_ABORT instead of hanging the run.
int RunWith(CPrintTransposeDlg& dlg, std::function<void()> act) {
    dlg.CallAfter([&dlg, act] {
        dlg.Raise();
        if (WaitFor([&dlg] { return dlg.IsActive(); })) {
            act();
        } else {
            ADD_FAILURE() << "the dialog never had the keyboard";
        }
        if (!WaitFor([&dlg] { return !dlg.IsModal(); })) {
            dlg.EndModal(wxID_ABORT);
        }
    });
    return dlg.ShowModal();
}

TEST(PrintTranspose, ContinueAndEscapeKeepTheLastValuesAndPreviewTakesTheNewOnes) {
    CPrintTransposeDlg dlg(nullptr);
    dlg.m_nTranspose = -2;
    dlg.m_bPreferFlats = true;
    wxUIActionSimulator keys;

    auto type3 = [&dlg] {
        EXPECT_EQ(dlg.GetTransposeEdit()->GetValue(), "-2");
        dlg.GetTransposeEdit()->ChangeValue("3");
        dlg.GetPreferFlatsBox()->SetValue(false);
        dlg.GetBlackWhiteBox()->SetValue(true);
    };
    EXPECT_EQ(RunWith(dlg,
                      [&] {
                          type3();
                          auto* proceed = wxDynamicCast(dlg.FindWindow(wxID_CANCEL), wxButton);
                          ASSERT_NE(proceed, nullptr);
                          EXPECT_EQ(proceed->GetLabel(), "Continue");
                          wxCommandEvent click(wxEVT_BUTTON, wxID_CANCEL);
                          click.SetEventObject(proceed);
                          proceed->ProcessWindowEvent(click);
                      }),
              wxID_CANCEL);
    EXPECT_EQ(dlg.m_nTranspose, -2);
    EXPECT_TRUE(dlg.m_bPreferFlats);
    EXPECT_FALSE(dlg.m_bBlackWhite);

    EXPECT_EQ(RunWith(dlg,
                      [&] {
                          type3();
                          keys.Char(WXK_ESCAPE);
                      }),
              wxID_CANCEL);
    EXPECT_EQ(dlg.m_nTranspose, -2);

    // Enter in the box presses Preview, the default button.
    EXPECT_EQ(RunWith(dlg,
                      [&] {
                          type3();
                          dlg.GetTransposeEdit()->SetFocus();
                          keys.Char(WXK_RETURN);
                      }),
              wxID_OK);
    EXPECT_EQ(dlg.m_nTranspose, 3);
    EXPECT_FALSE(dlg.m_bPreferFlats);
    EXPECT_TRUE(dlg.m_bBlackWhite);
}

TEST(PrintTranspose, PreviewRefusesATranspositionOutsideTwelveSemitonesAndStaysOpen) {
    CPrintTransposeDlg dlg(nullptr);
    dlg.m_nTranspose = 5;
    wxTEST_DIALOG(EXPECT_EQ(dlg.ShowModal(), wxID_OK),
                  wxExpectModal<CPrintTransposeDlg>([](CPrintTransposeDlg& dlg) {
                      EXPECT_EQ(dlg.GetTitle(), "Transpose for Printing");
                      EXPECT_EQ(dlg.GetBlackWhiteBox()->GetLabelText(),
                                "Print B&W instead of colour");
                      EXPECT_EQ(dlg.GetPreferFlatsBox()->GetLabelText(), "Prefer flats to sharps");
                      for (const wxString bad : {"13", "-13", "abc", ""}) {
                          dlg.GetTransposeEdit()->ChangeValue(bad);
                          wxString text;
                          int result = wxID_OK;
                          wxTEST_DIALOG(result = PressOK(dlg), ExpectMessageBox(&text));
                          EXPECT_EQ(result, wxID_NONE) << bad;
                          EXPECT_EQ(text, "Please enter an integer between -12 and 12.") << bad;
                          EXPECT_EQ(dlg.m_nTranspose, 5) << bad;
                      }
                      dlg.GetTransposeEdit()->ChangeValue("-12");
                      return PressOK(dlg);
                  }).Describe("Transpose for Printing"));
    EXPECT_EQ(dlg.m_nTranspose, -12);
}

}  // namespace
