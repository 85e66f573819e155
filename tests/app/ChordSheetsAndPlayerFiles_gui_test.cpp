// A new user's round through the menus on the demo library: a verse typed as
// chord lines over lyric lines becomes chord marks, prints two semitones up
// with flats to a PDF that reads back with each chord over its syllable; a
// schedule goes out as a player file, comes back in and plays.
#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include <cmath>

#include "dialogs/DatabaseDlg.h"
#include "dialogs/PrintTransposeDlg.h"
#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"
#include "support/DialogExpectations.h"
#include "support/FileDialogAnswer.h"
#include "support/PdfText.h"
#include "support/ShellFixture.h"
#include "view/PrintItemPdf.h"
#include "view/VersiluxPrintout.h"
#include "view/VersiluxView.h"

namespace {

constexpr long kEveningChords = 2;
constexpr int kChordsKind = 4;

// Chord over syllable: the same left edge (within a point), and higher.
void ExpectAbove(const PdfWord& chord, const PdfWord& syllable) {
    EXPECT_LT(std::fabs(chord.x - syllable.x), 1.0) << chord.text << " over " << syllable.text;
    EXPECT_LT(chord.y, syllable.y) << chord.text << " over " << syllable.text;
}

TEST(ChordSheetsAndPlayerFiles, AVerseTypedAsChordLinesPrintsTransposedAndAScheduleTravels) {
    ShellFixture shell;
    shell.Source().Exec(
        "INSERT INTO items (Title, Field1, Type, Subtype, VPD) VALUES "
        "('AAA New verse', '', 7, 3, (SELECT VPD_Default FROM config))");
    const long nVerse = shell.Source().QueryNumber("SELECT max(ID) FROM items");

    // The editor: chord lines over lyric lines, Place Chords, Save, Printable;
    // then "Transpose for Printing": two up with flats, and Continue.
    wxString strPlaced;
    wxTEST_DIALOG(
        shell.Command(ID_SHOW_DATABASE), wxExpectModal<CDatabaseDlg>([&](CDatabaseDlg& dlg) {
            dlg.ChooseKind(kChordsKind);
            dlg.GetItemList()->SetItemState(dlg.GetItemList()->FindItemID(static_cast<int>(nVerse)),
                                            wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
            dlg.GetField1Edit()->SetValue(
                "G       C\n"
                "Amazing grace\n"
                "D         G\n"
                "how sweet the sound");
            dlg.PlaceChords();
            strPlaced = dlg.GetField1Edit()->GetValue();
            dlg.SaveItem();
            dlg.Printable();
            return dlg.GetReturnCode();
        }),
        AnswerMessageBox(wxID_YES), wxExpectModal<CPrintTransposeDlg>([](CPrintTransposeDlg& dlg) {
            dlg.GetTransposeEdit()->ChangeValue("2");
            dlg.GetPreferFlatsBox()->SetValue(true);
            return PressOK(dlg);
        }),
        wxExpectModal<CPrintTransposeDlg>([](CPrintTransposeDlg&) { return wxID_CANCEL; }));
    EXPECT_EQ(strPlaced, "{G}Amazing {C}grace\n{D}how sweet {G}the sound\n");
    EXPECT_EQ(
        shell.Source().QueryText(wxString::Format("SELECT Field1 FROM items WHERE ID=%ld", nVerse)),
        "{G}Amazing {C}grace\r\n{D}how sweet {G}the sound\r\n");
    CVersiluxDoc& doc = shell.Doc();
    ASSERT_TRUE(doc.m_bPrintable);
    EXPECT_EQ(doc.m_nPrintTranspose, 2);
    EXPECT_TRUE(doc.m_bPrintPreferFlats);

    // Printed to a PDF as File > Print would with "Print to File".
    const wxString pdf = TempPdfPath("verse");
    {
        CVersiluxPrintout printout(doc, "AAA New verse");
        wxString strError;
        ASSERT_TRUE(PrintToPdf(printout, pdf, CPdfPage(), strError)) << strError;
    }
    const std::vector<std::string> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("Amazing grace"), std::string::npos) << pages[0];
    EXPECT_NE(pages[0].find("how sweet the sound"), std::string::npos) << pages[0];
    const std::vector<PdfWord> words = PdfWords(pdf);
    ExpectAbove(Find(words, "A"), Find(words, "Amazing"));
    ExpectAbove(Find(words, "D"), Find(words, "grace"));
    ExpectAbove(Find(words, "E"), Find(words, "how"));
    ExpectAbove(Find(words, "A", 1), Find(words, "the"));
    RemoveIfThere(pdf);

    // "Evening Chords Demo" out as a player file and in again: the show from
    // the file is the show from the database, and it plays to its end.
    shell.SelectSchedule(kEveningChords);
    EXPECT_FALSE(doc.m_bPrintable);
    const wxString fromDatabase = doc.FormatDebugShowGo();
    const std::vector<wxString> titles = doc.GetTitles();
    const wxString path = shell.Source().Dir() + "/evening.vlp";
    CFileDialogSeen seen;
    wxTEST_DIALOG(shell.Command(ID_FILE_EXPORT_PLAYER), AnswerFileDialog(path, &seen));
    EXPECT_EQ(seen.strFilename, "Evening Chords Demo");
    wxTEST_DIALOG(shell.Command(ID_FILE_IMPORT_PLAYER), AnswerFileDialog(path, &seen));
    ASSERT_TRUE(doc.m_bPlayerFile);
    EXPECT_EQ(doc.m_strScheduleName, "evening.vlp");
    EXPECT_EQ(doc.FormatDebugShowGo(), fromDatabase);

    ASSERT_TRUE(shell.GoAndWaitForFirstScreen());
    EXPECT_EQ(doc.GetTitles(), titles);
    const int notice = doc.GetLastEntry() - 1;
    for (int i = 0; i < notice; ++i) {
        shell.Key(WXK_DOWN);
    }
    EXPECT_EQ(shell.View().GetShowState().m_nNextEntry, notice + 1);
    shell.Command(ID_SHOW_STOP);
    EXPECT_FALSE(shell.View().IsShowRunning());
}

}  // namespace
