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
    wxTEST_DIALOG(EXPECT_EQ(first.ShowModal(), wxID_OK),
                  wxExpectModal<CPhraseSearchDlg>([](CPhraseSearchDlg& dlg) {
                      // Mnemonics add an underline, nothing else.
                      EXPECT_EQ(dlg.GetThisVPDOnlyBox()->GetLabelText(),
                                "Search only in current VPD");
                      EXPECT_TRUE(dlg.GetUseTempBox()->GetValue());
                      dlg.GetPhraseEdit()->ChangeValue("Amazing grace");
                      dlg.GetThisVPDOnlyBox()->SetValue(true);
                      return PressOK(dlg);
                  }));
    EXPECT_EQ(first.m_strPhrase, "Amazing grace");
    EXPECT_TRUE(first.m_bThisVPDOnly);

    CPhraseSearchDlg second(nullptr);
    second.m_strPhrase = first.m_strPhrase;
    second.m_bUseTemp = true;
    wxTEST_DIALOG(EXPECT_EQ(second.ShowModal(), wxID_CANCEL),
                  wxExpectModal<CPhraseSearchDlg>([](CPhraseSearchDlg& dlg) {
                      EXPECT_EQ(dlg.GetPhraseEdit()->GetValue(), "Amazing grace");
                      EXPECT_FALSE(dlg.GetThisVPDOnlyBox()->GetValue());
                      EXPECT_TRUE(dlg.GetUseTempBox()->GetValue());
                      dlg.GetPhraseEdit()->ChangeValue("not taken");
                      dlg.GetCreateTempBox()->SetValue(true);
                      return wxID_CANCEL;
                  }));
    EXPECT_EQ(second.m_strPhrase, "Amazing grace");
    EXPECT_FALSE(second.m_bCreateTemp);
}

// Runs the dialog for real: types 3, ticks black and white, then presses key.
int TypeThreeAndPress(CPrintTransposeDlg& dlg, int nKey) {
    dlg.CallAfter([&dlg, nKey] {
        dlg.Raise();
        if (WaitFor([&dlg] { return dlg.IsActive(); })) {
            dlg.GetTransposeEdit()->ChangeValue("3");
            dlg.GetBlackWhiteBox()->SetValue(true);
            dlg.GetTransposeEdit()->SetFocus();
            wxUIActionSimulator().Char(nKey);
        }
        if (!WaitFor([&dlg] { return !dlg.IsModal(); })) {
            dlg.EndModal(wxID_ABORT);  // never left hanging open
        }
    });
    return dlg.ShowModal();
}

TEST(PrintTranspose, ContinueKeepsTheLastValuesAndPreviewTakesTheNewOnes) {
    CPrintTransposeDlg dlg(nullptr);
    dlg.m_nTranspose = -2;
    // Escape presses Continue, which takes nothing.
    EXPECT_EQ(TypeThreeAndPress(dlg, WXK_ESCAPE), wxID_CANCEL);
    EXPECT_EQ(dlg.m_nTranspose, -2);
    EXPECT_FALSE(dlg.m_bBlackWhite);
    EXPECT_EQ(dynamic_cast<wxButton*>(dlg.FindWindow(wxID_CANCEL))->GetLabel(), "Continue");
    // Enter presses Preview, the default button.
    EXPECT_EQ(TypeThreeAndPress(dlg, WXK_RETURN), wxID_OK);
    EXPECT_EQ(dlg.m_nTranspose, 3);
    EXPECT_TRUE(dlg.m_bBlackWhite);
}

TEST(PrintTranspose, PreviewRefusesATranspositionOutsideTwelveSemitonesAndStaysOpen) {
    CPrintTransposeDlg dlg(nullptr);
    dlg.m_nTranspose = 5;
    wxTEST_DIALOG(EXPECT_EQ(dlg.ShowModal(), wxID_OK),
                  wxExpectModal<CPrintTransposeDlg>([](CPrintTransposeDlg& dlg) {
                      EXPECT_EQ(dlg.GetBlackWhiteBox()->GetLabelText(),
                                "Print B&W instead of colour");
                      for (const char* bad : {"13", "abc"}) {
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
                  }));
    EXPECT_EQ(dlg.m_nTranspose, -12);
}

}  // namespace
