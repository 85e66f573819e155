// File > Export for player and File > Import player through the main
// window's menu, their file dialogs answered as the operator would.
#include <gtest/gtest.h>

#include <wx/ffile.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/testing.h>

#include "doc/CommandIds.h"
#include "doc/ExchangeText.h"
#include "doc/VersiluxDoc.h"
#include "support/DialogExpectations.h"
#include "support/FileDialogAnswer.h"
#include "support/ShellFixture.h"

namespace {

std::string ReadBytes(const wxString& path) {
    std::string bytes;
    wxString error;
    EXPECT_TRUE(ReadFileBytes(path, bytes, error)) << error;
    return bytes;
}

class PlayerFileCommandsTest : public testing::Test {
  protected:
    wxString Path(const wxString& name) { return shell.Source().Dir() + "/" + name; }
    ShellFixture shell;
};

TEST_F(PlayerFileCommandsTest, ExportThenImportShowsTheSameSchedule) {
    shell.SelectSchedule(1);
    // The stored name is padded with blanks; the file name offered is not.
    const wxString strName = "Sunday Morning Demo";
    const wxString fromDatabase = shell.Doc().FormatDebugShowGo();

    CFileDialogSeen seen;
    // A name typed without its extension gets it.
    wxTEST_DIALOG(shell.Command(ID_FILE_EXPORT_PLAYER), AnswerFileDialog(Path("sunday"), &seen));
    EXPECT_EQ(seen.strFilename, strName);
    EXPECT_EQ(seen.strWildcard, "VL Player files (*.vlp)|*.vlp");
    EXPECT_TRUE(seen.nStyle & wxFD_SAVE);
    EXPECT_TRUE(seen.nStyle & wxFD_OVERWRITE_PROMPT);
    ASSERT_TRUE(wxFileName::FileExists(Path("sunday.vlp")));
    EXPECT_EQ(ReadBytes(Path("sunday.vlp")).rfind("VLP file\r\n\bVLP - NEW SONG\r\n", 0), 0u);
    EXPECT_EQ(shell.Doc().m_nScheduleID, 1);  // exporting changes nothing

    wxTEST_DIALOG(shell.Command(ID_FILE_IMPORT_PLAYER),
                  AnswerFileDialog(Path("sunday.vlp"), &seen));
    EXPECT_EQ(seen.strFilename, strName);
    EXPECT_TRUE(seen.nStyle & wxFD_FILE_MUST_EXIST);
    CVersiluxDoc& doc = shell.Doc();
    EXPECT_EQ(doc.m_nScheduleID, -1);
    EXPECT_TRUE(doc.m_bPlayerFile);
    EXPECT_EQ(doc.m_strScheduleName, "sunday.vlp");
    EXPECT_EQ(doc.GetTitle(), "sunday.vlp");
    EXPECT_EQ(doc.FormatDebugShowGo(), fromDatabase);

    // The show plays from the file; no import while it runs, export stays.
    ASSERT_TRUE(shell.GoAndWaitForFirstScreen());
    EXPECT_FALSE(shell.IsEnabled(ID_FILE_IMPORT_PLAYER));
    EXPECT_TRUE(shell.IsEnabled(ID_FILE_EXPORT_PLAYER));
    shell.Command(ID_SHOW_STOP);
    EXPECT_TRUE(shell.IsEnabled(ID_FILE_IMPORT_PLAYER));

    // Selecting a schedule ends player-file mode.
    shell.SelectSchedule(1);
    EXPECT_FALSE(doc.m_bPlayerFile);
}

TEST_F(PlayerFileCommandsTest, CancelAndRefusedFiles) {
    shell.SelectSchedule(1);
    CFileDialogSeen seen;
    // Cancel leaves no schedule chosen and the mode as it was.
    wxTEST_DIALOG(shell.Command(ID_FILE_IMPORT_PLAYER),
                  AnswerFileDialog(wxString(), &seen, wxID_CANCEL));
    EXPECT_EQ(shell.Doc().m_nScheduleID, 0);
    EXPECT_FALSE(shell.Doc().m_bPlayerFile);
    EXPECT_FALSE(shell.IsEnabled(ID_SHOW_GO));

    wxFFile(Path("notes.vlp"), "wb").Write(wxString("VLP file \r\n\bVLP - END OF FILE\r\n"));
    wxString text;
    wxTEST_DIALOG(shell.Command(ID_FILE_IMPORT_PLAYER), AnswerFileDialog(Path("notes.vlp"), &seen),
                  ExpectMessageBox(&text));
    EXPECT_EQ(text, "Not a valid VLP file") << text.utf8_str().data();
    EXPECT_EQ(shell.Doc().m_nScheduleID, -1);
    EXPECT_FALSE(shell.Doc().m_bPlayerFile);

    // A file gone since it was chosen: the message names it and says why.
    wxTEST_DIALOG(shell.Command(ID_FILE_IMPORT_PLAYER), AnswerFileDialog(Path("gone.vlp"), &seen),
                  ExpectMessageBox(&text));
    EXPECT_TRUE(text.Contains(Path("gone.vlp"))) << text;
    EXPECT_TRUE(text.Contains("No such file")) << text;

    // Export cancelled writes nothing; one into a missing folder says so.
    wxTEST_DIALOG(shell.Command(ID_FILE_EXPORT_PLAYER),
                  AnswerFileDialog(Path("x.vlp"), &seen, wxID_CANCEL));
    EXPECT_FALSE(wxFileName::FileExists(Path("x.vlp")));
    wxTEST_DIALOG(shell.Command(ID_FILE_EXPORT_PLAYER),
                  AnswerFileDialog(Path("no/such/x.vlp"), &seen), ExpectMessageBox(&text));
    EXPECT_TRUE(text.Contains(Path("no/such/x.vlp"))) << text;
}

}  // namespace
