// Tools > Search from the main window on the demo library: the dialog's
// presets, a rebuild of the search table, and the answers to no phrase and
// to Cancel.
#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"
#include "support/DialogExpectations.h"
#include "support/ShellFixture.h"

namespace {

// Types the phrase and sets the switches as the operator would, then OK.
auto Answer(const wxString& phrase, bool bThisVPD, bool bUseTemp, bool bCreate) {
    return wxExpectModal<CPhraseSearchDlg>([=](CPhraseSearchDlg& dlg) {
        dlg.GetPhraseEdit()->ChangeValue(phrase);
        dlg.GetThisVPDOnlyBox()->SetValue(bThisVPD);
        dlg.GetUseTempBox()->SetValue(bUseTemp);
        dlg.GetCreateTempBox()->SetValue(bCreate);
        return PressOK(dlg);
    });
}

TEST(PhraseSearchCommand, ARebuildFindsTheChartAcrossItsChordMarksAndTheNextOpeningKeepsThePhrase) {
    ShellFixture shell;
    CVersiluxDoc& doc = shell.Doc();
    // Without a rebuild the chart's line is not found: its text has chord marks.
    wxTEST_DIALOG(shell.Command(ID_TOOLS_SEARCH),
                  Answer("how sweet the sound", false, true, false));
    EXPECT_TRUE(doc.m_bShowSearch);
    EXPECT_TRUE(doc.GetSearchResults().empty());

    wxTEST_DIALOG(shell.Command(ID_TOOLS_SEARCH),
                  wxExpectModal<CPhraseSearchDlg>([](CPhraseSearchDlg& dlg) {
                      EXPECT_EQ(dlg.GetPhraseEdit()->GetValue(), "how sweet the sound");
                      EXPECT_FALSE(dlg.GetThisVPDOnlyBox()->GetValue());
                      EXPECT_TRUE(dlg.GetUseTempBox()->GetValue());
                      EXPECT_FALSE(dlg.GetCreateTempBox()->GetValue());
                      dlg.GetCreateTempBox()->SetValue(true);
                      dlg.GetThisVPDOnlyBox()->SetValue(true);
                      return PressOK(dlg);
                  }));
    const auto results = doc.GetSearchResults();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].strTitle, "Amazing Grace (G)");
    EXPECT_TRUE(doc.m_bSearchTemp);
    EXPECT_TRUE(doc.m_bSearchThisVPD);
    EXPECT_GT(shell.Source().QueryNumber("SELECT count(*) FROM tempsearch"), 0);

    // The songs' search finds the song, not the chart.
    wxTEST_DIALOG(shell.Command(ID_TOOLS_SEARCH),
                  Answer("how sweet the sound", false, false, false));
    ASSERT_EQ(doc.GetSearchResults().size(), 1u);
    EXPECT_EQ(doc.GetSearchResults()[0].strTitle, "Amazing Grace");
    EXPECT_FALSE(doc.m_bSearchTemp);
}

TEST(PhraseSearchCommand, NoPhraseIsRefusedAndCancelChangesNothing) {
    ShellFixture shell;
    CVersiluxDoc& doc = shell.Doc();
    shell.Command(ID_STATS_MOST_USED);
    wxString message;
    wxTEST_DIALOG(shell.Command(ID_TOOLS_SEARCH), Answer("", false, true, true),
                  ExpectMessageBox(&message));
    EXPECT_EQ(message, "Please enter something to search for");
    EXPECT_TRUE(doc.m_bShowStats);
    EXPECT_FALSE(doc.m_bShowSearch);
    EXPECT_EQ(shell.Source().QueryNumber("SELECT count(*) FROM tempsearch"), 0);

    wxTEST_DIALOG(shell.Command(ID_TOOLS_SEARCH),
                  wxExpectModal<CPhraseSearchDlg>([](CPhraseSearchDlg& dlg) {
                      dlg.GetPhraseEdit()->ChangeValue("grace");
                      dlg.GetCreateTempBox()->SetValue(true);
                      return wxID_CANCEL;
                  }));
    EXPECT_TRUE(doc.m_bShowStats);
    EXPECT_TRUE(doc.m_strSearchPhrase.empty());
    EXPECT_EQ(shell.Source().QueryNumber("SELECT count(*) FROM tempsearch"), 0);
}

}  // namespace
