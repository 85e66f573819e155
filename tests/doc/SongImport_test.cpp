// Song files into the library and out again, on a real data source: one
// transaction per import, titles that never overwrite, refusals that name the
// file and line, a cancel or a store failure that keeps nothing, and chord
// charts that come back as they went out.
#include <gtest/gtest.h>
#include <wx/ffile.h>
#include <wx/filename.h>

#include <memory>

#include "doc/SongFiles.h"
#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"
#include "support/SmallLibrary.h"
#include "support/TempDataSource.h"

namespace {

const char* const kAmazingGraceChordPro =
    "{title: Amazing Grace}\n"
    "{subtitle: New Britain}\n"
    "{tempo: 80}\n"
    "\n"
    "[G]Amazing [G7]grace, how [C]sweet the [G]sound\n"
    "That [G]saved a [Em]wretch like [D]me!\n"
    "\n"
    "[G]'Twas grace that [G7]taught my [C]heart to [G]fear,\n"
    "And [G]grace my [Em]fears re[D]lieved;\n";

const char* const kBeThouMyVisionOpenLyrics =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<song xmlns=\"http://openlyrics.info/namespace/2009/song\" version=\"0.8\">\n"
    "  <properties><titles><title>Be Thou My Vision</title></titles></properties>\n"
    "  <lyrics>\n"
    "    <verse name=\"v1\"><lines>Be Thou my Vision, O Lord of my heart;<br/>"
    "Naught be all else to me, save that Thou art.</lines></verse>\n"
    "  </lyrics>\n"
    "</song>\n";

const char* const kAbideWithMeText =
    "Abide with Me\n"
    "\n"
    "Abide with me; fast falls the eventide;\n"
    "The darkness deepens; Lord with me abide.\n";

class SongImportTest : public testing::Test {
  protected:
    SongImportTest() { m_library.Exec("UPDATE config SET Screen2_default=4, Screen4_default=7"); }
    CVersiluxDoc& Doc() {
        if (!m_pDoc) {
            m_pDoc = std::make_unique<CVersiluxDoc>();
        }
        return *m_pDoc;
    }
    wxString Write(const wxString& strName, const std::string& bytes) {
        const wxString path = wxFileName(m_library.Source().Dir(), strName).GetFullPath();
        wxFFile file(path, "wb");
        file.Write(bytes.data(), bytes.size());
        return path;
    }
    long Items() { return m_library.Source().QueryNumber("SELECT count(*) FROM items"); }
    wxString Column(const wxString& strColumn, long nID) {
        return m_library.Source().QueryText(
            wxString::Format("SELECT %s FROM items WHERE ID=%ld", strColumn, nID));
    }

    SmallLibrary m_library;
    std::unique_ptr<CVersiluxDoc> m_pDoc;
};

TEST_F(SongImportTest, EachFormatBecomesAnItemOfTheVPDWithTheConfiguredLook) {
    const std::vector<wxString> paths = {Write("grace.cho", kAmazingGraceChordPro),
                                         Write("vision.xml", kBeThouMyVisionOpenLyrics),
                                         Write("abide.txt", kAbideWithMeText)};
    const CSongImport import = Doc().ImportSongFiles(paths, 2);
    ASSERT_EQ(import.files.size(), 3u);
    ASSERT_EQ(import.ImportedCount(), 3)
        << import.files[0].strRefusal << import.files[1].strRefusal << import.files[2].strRefusal;
    EXPECT_FALSE(import.bCancelled);

    const long grace = import.files[0].nItemID;
    EXPECT_EQ(import.files[0].strTitle, "Amazing Grace");
    EXPECT_EQ(Column("Title", grace), "Amazing Grace");
    EXPECT_EQ(Column("Subtype", grace), "3");  // a chord chart
    EXPECT_EQ(Column("Type", grace), "7");     // the configured type for chord charts
    EXPECT_EQ(Column("VPD", grace), "2");
    EXPECT_EQ(Column("Background || '/' || Foreground || '/' || Foreground2", grace), "1/2/3");
    EXPECT_EQ(Column("BPM", grace), "80");
    EXPECT_EQ(Column("FileName", grace), "grace.cho");
    const wxString field1 = Column("Field1", grace);
    EXPECT_TRUE(field1.StartsWith("{G}Amazing {G7}grace, how {C}sweet the {G}sound\r\n")) << field1;
    EXPECT_NE(field1.Find("\r\n&\r\n{G}'Twas grace"), wxNOT_FOUND) << field1;

    const long vision = import.files[1].nItemID;
    EXPECT_EQ(Column("Title", vision), "Be Thou My Vision");
    EXPECT_EQ(Column("Subtype", vision), "1");  // no chords: a song
    EXPECT_EQ(Column("Type", vision), "4");
    EXPECT_EQ(Column("Field1", vision),
              "Be Thou my Vision, O Lord of my heart;\r\n"
              "Naught be all else to me, save that Thou art.");

    const long abide = import.files[2].nItemID;
    EXPECT_EQ(Column("Title", abide), "Abide with Me");
    EXPECT_EQ(Column("Subtype", abide), "1");
    EXPECT_EQ(import.files[2].strTitle, "Abide with Me");
    EXPECT_LT(grace, vision);
    EXPECT_LT(vision, abide);
}

TEST_F(SongImportTest, ATitleTheVPDHasGetsANumberAndNothingIsOverwritten) {
    const long kept = m_library.AddItemIn(1, 3, "Amazing Grace", "old words");
    m_library.AddItemIn(2, 3, "Be Thou My Vision", "another VPD's");
    const std::vector<wxString> paths = {Write("a.cho", kAmazingGraceChordPro),
                                         Write("b.cho", kAmazingGraceChordPro),
                                         Write("c.xml", kBeThouMyVisionOpenLyrics)};
    const CSongImport import = Doc().ImportSongFiles(paths, 1);
    ASSERT_EQ(import.ImportedCount(), 3);
    EXPECT_EQ(import.files[0].strTitle, "Amazing Grace (2)");
    EXPECT_EQ(import.files[1].strTitle, "Amazing Grace (3)");
    EXPECT_EQ(import.files[2].strTitle, "Be Thou My Vision");  // taken only in VPD 2
    EXPECT_EQ(Column("Field1", kept), "old words");
    EXPECT_EQ(Column("Title", import.files[1].nItemID), "Amazing Grace (3)");

    // A title at the longest an item may have keeps its number.
    const wxString longTitle(wxUniChar('x'), kMaxItemTitle);
    EXPECT_EQ(UnusedSongTitle(longTitle, {}), longTitle);
    const wxString numbered = UnusedSongTitle(longTitle + "yz", {longTitle});
    EXPECT_EQ(numbered.length(), kMaxItemTitle);
    EXPECT_TRUE(numbered.EndsWith("x (2)"));
}

TEST_F(SongImportTest, ARefusedFileIsNamedWithItsLineAndTheOthersAreImported) {
    const std::vector<wxString> paths = {
        Write("good.cho", kAmazingGraceChordPro),
        Write("unclosed.cho", "{title: Broken}\n[G]Amazing grace\nhow [C sweet the sound\n"),
        Write("notes.doc", "Amazing grace"),
        Write("page.xml", "<html><body>Amazing grace</body></html>"),
        Write("latin1.txt", "Caf\xe9 song\n\nCaf\xe9\n"),
        Write("empty.xml", "")};
    const CSongImport import = Doc().ImportSongFiles(paths, 1);
    ASSERT_EQ(import.files.size(), paths.size());
    EXPECT_TRUE(import.files[0].bImported);
    EXPECT_EQ(import.RefusedCount(), 5);
    EXPECT_TRUE(import.files[1].strRefusal.StartsWith(paths[1] + ":3: "))
        << import.files[1].strRefusal;
    EXPECT_TRUE(import.files[2].strRefusal.StartsWith(paths[2] + ": not a song file"))
        << import.files[2].strRefusal;
    EXPECT_TRUE(import.files[3].strRefusal.StartsWith(paths[3] + ":1: "))
        << import.files[3].strRefusal;
    EXPECT_TRUE(import.files[4].strRefusal.StartsWith(paths[4] + ":1: "))
        << import.files[4].strRefusal;
    EXPECT_TRUE(import.files[5].strRefusal.StartsWith(paths[5])) << import.files[5].strRefusal;
    EXPECT_EQ(Items(), 1);

    // A file too large is refused before it is read, and a missing one is named.
    const wxString big = Write("big.cho", std::string(kMaxSongFileBytes + 1, 'a'));
    const wxString missing = wxFileName(m_library.Source().Dir(), "gone.cho").GetFullPath();
    const CSongImport more = Doc().ImportSongFiles({big, missing}, 1);
    EXPECT_EQ(more.RefusedCount(), 2);
    EXPECT_TRUE(more.files[0].strRefusal.StartsWith(big + ": ")) << more.files[0].strRefusal;
    EXPECT_NE(more.files[1].strRefusal.Find("gone.cho"), wxNOT_FOUND);
    EXPECT_EQ(Items(), 1);
}

TEST_F(SongImportTest, ACancelOrAStoreFailureHalfWayKeepsNothing) {
    std::vector<wxString> paths;
    for (int i = 0; i < 5; ++i) {
        paths.push_back(Write(wxString::Format("s%d.cho", i), kAmazingGraceChordPro));
    }
    const CSongImport cancelled =
        Doc().ImportSongFiles(paths, 1, [](int nDone, int) { return nDone < 3; });
    EXPECT_TRUE(cancelled.bCancelled);
    EXPECT_TRUE(cancelled.files.empty());
    EXPECT_EQ(Items(), 0);

    // The store refuses the fourth song: the three before it go too.
    m_library.Refuse("INSERT", "items", "NEW.Title = 'Amazing Grace (4)'");
    EXPECT_THROW(Doc().ImportSongFiles(paths, 1), CDBException);
    EXPECT_EQ(Items(), 0);

    // The connection goes on: the next import works.
    m_library.StopRefusing("items");
    EXPECT_EQ(Doc().ImportSongFiles(paths, 1).ImportedCount(), 5);
    EXPECT_EQ(Items(), 5);
}

TEST(SongFileNames, TitlesBecomeFileNamesAFileSystemTakes) {
    EXPECT_EQ(SongFileNameForTitle("Holy, Holy, Holy (D)", ESongFormat::ChordPro),
              "Holy, Holy, Holy (D).cho");
    EXPECT_EQ(SongFileNameForTitle(" AC/DC: what? ", ESongFormat::OpenLyrics), "AC-DC- what-.xml");
    EXPECT_EQ(SongFileNameForTitle("", ESongFormat::ChordPro), "song.cho");
    EXPECT_EQ(SongFileNameForTitle("..", ESongFormat::ChordPro), "song...cho");
}

// The demo library's chord charts, out as ChordPro and back in.
class SongRoundTripTest : public testing::Test {
  protected:
    TempDataSource m_source;
    CVersiluxDoc m_doc;
};

TEST_F(SongRoundTripTest, ChordChartsComeBackAsTheyWentOut) {
    const long nCharts = m_source.QueryNumber("SELECT count(*) FROM items WHERE Subtype=3");
    ASSERT_GE(nCharts, 3);
    std::vector<wxString> paths;
    std::vector<long> ids;
    for (long n = 0; n < nCharts; ++n) {
        const long id = m_source.QueryNumber(wxString::Format(
            "SELECT ID FROM items WHERE Subtype=3 ORDER BY ID LIMIT 1 OFFSET %ld", n));
        const wxString path =
            wxFileName(m_source.Dir(), wxString::Format("chart%ld.cho", id)).GetFullPath();
        wxString error;
        ASSERT_TRUE(m_doc.ExportItemSong(id, ESongFormat::ChordPro, path, error)) << error;
        paths.push_back(path);
        ids.push_back(id);
    }
    const CSongImport import = m_doc.ImportSongFiles(paths, 1);
    ASSERT_EQ(import.ImportedCount(), nCharts);
    for (size_t i = 0; i < ids.size(); ++i) {
        const long back = import.files[i].nItemID;
        for (const char* column :
             {"Heading1", "Heading2", "Heading2_alt", "Field1", "BPM", "Transpose", "PreferFlats",
              "Subtype", "Type", "Background", "Foreground", "Foreground2"}) {
            const wxString sql = wxString::Format("SELECT %s FROM items WHERE ID=%%ld", column);
            EXPECT_EQ(m_source.QueryText(wxString::Format(sql, back)),
                      m_source.QueryText(wxString::Format(sql, ids[i])))
                << column << " of item " << ids[i];
        }
        EXPECT_EQ(import.files[i].strTitle, m_source.QueryText(wxString::Format(
                                                "SELECT Title FROM items WHERE ID=%ld", ids[i])) +
                                                " (2)");
    }

    // OpenLyrics carries the words and chords of any item.
    const wxString xml = wxFileName(m_source.Dir(), "chart.xml").GetFullPath();
    wxString error;
    ASSERT_TRUE(m_doc.ExportItemSong(ids[0], ESongFormat::OpenLyrics, xml, error)) << error;
    const CSongImport again = m_doc.ImportSongFiles({xml}, 1);
    ASSERT_EQ(again.ImportedCount(), 1) << again.files[0].strRefusal;
    const wxString sql = "SELECT Field1 FROM items WHERE ID=%ld";
    EXPECT_EQ(m_source.QueryText(wxString::Format(sql, again.files[0].nItemID)),
              m_source.QueryText(wxString::Format(sql, ids[0])));
}

TEST_F(SongRoundTripTest, ChordProIsForChordChartsAndAnUnknownItemIsSaid) {
    const long song = m_source.QueryNumber("SELECT min(ID) FROM items WHERE Subtype<>3");
    const wxString path = wxFileName(m_source.Dir(), "x.cho").GetFullPath();
    wxString error;
    EXPECT_FALSE(m_doc.ExportItemSong(song, ESongFormat::ChordPro, path, error));
    EXPECT_NE(error.Find("not a chord chart"), wxNOT_FOUND) << error;
    EXPECT_FALSE(wxFileExists(path));
    EXPECT_TRUE(m_doc.ExportItemSong(song, ESongFormat::OpenLyrics, path + ".xml", error)) << error;
    EXPECT_FALSE(m_doc.ExportItemSong(99999, ESongFormat::OpenLyrics, path, error));
    EXPECT_NE(error.Find("99999"), wxNOT_FOUND);

    // A folder export writes a file per item; ChordPro skips what is no chart.
    const long chart = m_source.QueryNumber("SELECT min(ID) FROM items WHERE Subtype=3");
    const std::vector<CSongFileExport> done = m_doc.ExportSongs(
        {static_cast<int>(chart), static_cast<int>(song), static_cast<int>(chart)},
        ESongFormat::ChordPro, m_source.Dir());
    ASSERT_EQ(done.size(), 3u);
    EXPECT_TRUE(wxFileExists(done[0].strPath));
    EXPECT_TRUE(done[1].strPath.empty());
    EXPECT_EQ(done[1].strProblem, "not a chord chart");
    EXPECT_TRUE(wxFileExists(done[2].strPath));
    EXPECT_NE(done[0].strPath, done[2].strPath);  // the same title twice: two files
}

}  // namespace
