// "Phrase Search": values in on opening, out only through OK.
#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include "support/DialogExpectations.h"

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

}  // namespace
