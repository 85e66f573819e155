// File > Import Songs and the item editor's Export, as the operator uses
// them: the file dialogs answered, the messages read, the library checked.
#include <gtest/gtest.h>
#include <wx/dir.h>
#include <wx/dirdlg.h>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/radiobut.h>

#include "app/MainFrame.h"
#include "dialogs/ExportSongsDlg.h"
#include "dialogs/SongFilesCommands.h"
#include "doc/CommandIds.h"
#include "doc/ItemKinds.h"
#include "doc/VersiluxDoc.h"
#include "support/DialogExpectations.h"
#include "support/FileDialogAnswer.h"
#include "support/ItemEditorFixture.h"
#include "support/ShellFixture.h"

VERSILUX_EXPECT_DIALOG(CExportSongsDlg);

namespace {

class CancelDirDialog : public wxExpectModalBase<wxDirDialog, CancelDirDialog> {
  protected:
    int OnInvoked(wxDirDialog* /*dlg*/) const override { return wxID_CANCEL; }
};

const char* const kChart =
    "{title: Amazing Grace}\n"
    "[G]Amazing [G7]grace, how [C]sweet the [G]sound\n";

wxString WriteFile(const wxString& strDir, const wxString& strName, const char* text) {
    const wxString path = wxFileName(strDir, strName).GetFullPath();
    wxFFile(path, "w").Write(text);
    return path;
}

TEST(ImportSongsCommand, TheMenuOffersSeveralSongFilesAndACancelImportsNothing) {
    ShellFixture shell;
    const long before = shell.Source().QueryNumber("SELECT count(*) FROM items");
    // The toolkit's chooser gives its files only once it has been shown, so
    // the choice itself is answered through ImportSongsWithProgress below.
    CFileDialogSeen seen;
    wxTEST_DIALOG(shell.Command(ID_FILE_IMPORT_SONGS),
                  AnswerFileDialog(wxString(), &seen, wxID_CANCEL));
    EXPECT_TRUE(seen.nStyle & wxFD_MULTIPLE);
    EXPECT_NE(seen.strWildcard.Find("*.cho"), wxNOT_FOUND);
    EXPECT_NE(seen.strWildcard.Find("*.xml"), wxNOT_FOUND);
    EXPECT_NE(seen.strWildcard.Find("*.txt"), wxNOT_FOUND);
    EXPECT_EQ(shell.Source().QueryNumber("SELECT count(*) FROM items"), before);
}

TEST(ImportSongsCommand, OneFileIsImportedBesideTheSongOfTheSameTitle) {
    ShellFixture shell;
    const wxString path = WriteFile(shell.Source().Dir(), "grace.cho", kChart);
    const long before = shell.Source().QueryNumber("SELECT count(*) FROM items");
    wxString message;
    wxTEST_DIALOG(ImportSongsWithProgress(shell.Doc(), &shell.Frame(), {path}),
                  ExpectMessageBox(&message));
    EXPECT_TRUE(message.StartsWith("1 song imported into ")) << message;
    EXPECT_EQ(shell.Source().QueryNumber("SELECT count(*) FROM items"), before + 1);
    // The demo has its own "Amazing Grace": nothing is overwritten.
    EXPECT_EQ(shell.Source().QueryNumber(
                  "SELECT count(*) FROM items WHERE Title='Amazing Grace (2)' AND Subtype=3"),
              1);
}

TEST(ImportSongsCommand, ManyFilesShowProgressAndRefusalsAreListedByFileAndLine) {
    ShellFixture shell;
    std::vector<wxString> paths;
    for (int i = 0; i < 5; ++i) {
        paths.push_back(WriteFile(shell.Source().Dir(), wxString::Format("s%d.cho", i), kChart));
    }
    paths.push_back(
        WriteFile(shell.Source().Dir(), "bad.cho", "{title: Bad}\n[G]Amazing [C grace\n"));
    wxString message;
    int nImported = 0;
    wxTEST_DIALOG(nImported = ImportSongsWithProgress(shell.Doc(), &shell.Frame(), paths),
                  ExpectMessageBox(&message));
    EXPECT_EQ(nImported, 5);
    EXPECT_TRUE(message.StartsWith("5 songs imported into ")) << message;
    EXPECT_NE(message.Find("This file was not imported:\n" + paths.back() + ":2: "), wxNOT_FOUND)
        << message;
}

class ExportSongsTest : public ItemEditorFixture {};

TEST_F(ExportSongsTest, TheEditorExportsTheSelectedItemOrEveryListedOne) {
    const long nChart = m_library.AddItemIn(1, 3, "Holy, Holy, Holy", "{D}Holy, holy, {Bm}holy!");
    m_library.AddItemIn(1, 3, "Be Thou My Vision", "{D}Be Thou my {G}Vision");
    CDatabaseDlg& dlg = Editor();
    dlg.ChooseKind(kKindChords);
    dlg.GetItemList()->SetItemState(dlg.GetItemList()->FindItemID(static_cast<int>(nChart)),
                                    wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    ASSERT_TRUE(dlg.IsItemLoaded());

    // The selected item, as ChordPro, to the file offered under its title.
    const wxString path = wxFileName(m_library.Source().Dir(), "holy.cho").GetFullPath();
    CFileDialogSeen seen;
    bool bSelectedOffered = false;
    wxTEST_DIALOG(Click(ID_DB_EXPORT), wxExpectModal<CExportSongsDlg>([&](CExportSongsDlg& choice) {
                      bSelectedOffered = !choice.m_bAllListed;
                      return PressOK(choice);
                  }),
                  AnswerFileDialog(path, &seen));
    EXPECT_TRUE(bSelectedOffered);
    EXPECT_EQ(seen.strFilename, "Holy, Holy, Holy.cho");
    wxString text;
    ASSERT_TRUE(wxFFile(path).ReadAll(&text));
    EXPECT_NE(text.Find("[D]Holy, holy, [Bm]holy!"), wxNOT_FOUND) << text;

    // Every listed item, as OpenLyrics: the folder is asked for (the
    // toolkit's chooser gives it only once shown, so the writing is
    // answered through ExportSongsWithProgress below).
    bool bAllOffered = false;
    wxTEST_DIALOG(
        Click(ID_DB_EXPORT), wxExpectModal<CExportSongsDlg>([&](CExportSongsDlg& choice) {
            auto* all =
                static_cast<wxRadioButton*>(choice.FindWindowByLabel("&All 2 listed items"));
            bAllOffered = all != nullptr && all->IsEnabled();
            all->SetValue(true);
            static_cast<wxRadioButton*>(choice.FindWindowByLabel("&OpenLyrics (any item)"))
                ->SetValue(true);
            return PressOK(choice);
        }),
        CancelDirDialog());
    EXPECT_TRUE(bAllOffered);

    const wxString dir = wxFileName(m_library.Source().Dir(), "out").GetFullPath();
    ASSERT_TRUE(wxFileName::Mkdir(dir));
    std::vector<int> listed;
    for (const CListedItem& item : dlg.GetItemList()->GetItems()) {
        listed.push_back(item.nID);
    }
    listed.push_back(listed.front());  // twice: a second file, not one overwritten
    wxString message;
    wxTEST_DIALOG(ExportSongsWithProgress(Doc(), &dlg, listed, ESongFormat::OpenLyrics, dir),
                  ExpectMessageBox(&message));
    EXPECT_TRUE(message.StartsWith("3 songs exported to " + dir)) << message;
    EXPECT_TRUE(wxFileExists(wxFileName(dir, "Holy, Holy, Holy.xml").GetFullPath())) << message;
    EXPECT_TRUE(wxFileExists(wxFileName(dir, "Be Thou My Vision.xml").GetFullPath()));
    EXPECT_TRUE(wxFileExists(wxFileName(dir, "Be Thou My Vision (2).xml").GetFullPath()));

    // ChordPro leaves out what is no chord chart, and says so.
    const long nSong = m_library.AddItemIn(1, 1, "Abide with Me", "Abide with me");
    wxTEST_DIALOG(
        ExportSongsWithProgress(Doc(), &dlg, {static_cast<int>(nSong)}, ESongFormat::ChordPro, dir),
        ExpectMessageBox(&message));
    EXPECT_EQ(message, "0 songs exported to " + dir +
                           ".\n\nNot exported:\nAbide with Me: not a chord chart");
}

}  // namespace
