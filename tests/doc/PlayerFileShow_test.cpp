// A schedule exported as a player file and shown from it: the same show as
// from the database, whatever the file meets on the way.
#include <gtest/gtest.h>

#include <wx/ffile.h>
#include <wx/filefn.h>

#include "db/SqlText.h"
#include "doc/ExchangeText.h"
#include "doc/ShowEntry.h"
#include "doc/VersiluxDoc.h"
#include "support/SmallLibrary.h"

namespace {

std::string ReadBytes(const wxString& path) {
    std::string bytes;
    wxString error;
    EXPECT_TRUE(ReadFileBytes(path, bytes, error)) << error;
    return bytes;
}

class PlayerFileShowTest : public testing::Test {
  protected:
    CVersiluxDoc& Doc() {
        if (!m_pDoc) {
            m_pDoc = std::make_unique<CVersiluxDoc>();
        }
        return *m_pDoc;
    }
    wxString Path(const wxString& name) { return m_lib.Source().Dir() + "/" + name; }
    void SetTexts(long id, const wxString& h1, const wxString& h2, const wxString& f1,
                  const wxString& f2) {
        m_lib.Exec(wxString::Format(
            "UPDATE items SET Heading1='%s', Heading2='%s', Heading2_alt='%s', Field1='%s', "
            "Field2='%s' WHERE ID=%ld",
            EscapeSqlLiteral(h1), EscapeSqlLiteral(h2), EscapeSqlLiteral("alt " + h2),
            EscapeSqlLiteral(f1), EscapeSqlLiteral(f2), id));
    }
    wxString Export(long scheduleID, const wxString& name = "s.vlp") {
        wxString error;
        EXPECT_TRUE(Doc().ExportPlayerFile(static_cast<int>(scheduleID), Path(name), error))
            << error;
        return Path(name);
    }
    void Import(const wxString& path) {
        wxString error;
        ASSERT_EQ(Doc().ImportPlayerFile(path, error), CPlayerImport::Imported) << error;
    }
    // The whole show list, every array and the titles.
    wxString ShowFromDatabase(long scheduleID) {
        Doc().m_bPlayerFile = false;
        Doc().m_nScheduleID = static_cast<int>(scheduleID);
        return Doc().FormatDebugShowGo();
    }
    wxString ShowFromFile() {
        Doc().m_bPlayerFile = true;
        return Doc().FormatDebugShowGo();
    }
    SmallLibrary m_lib;
    std::unique_ptr<CVersiluxDoc> m_pDoc;
};

TEST_F(PlayerFileShowTest, TheShowFromTheFileIsTheShowFromTheDatabase) {
    // Every screen type, split types with several parts, several lines in
    // every text, the chord sign and letters Windows-1252 has not.
    std::vector<long> items;
    std::vector<int> transposes;
    const int types[] = {1, 2, 3, 4, 5, 6, 7, 8, 50};
    for (int type : types) {
        const wxString t = wxString::Format("t%d", type);
        const long id = m_lib.AddItem("Title " + t, type, "x", type % 5 - 2, type % 2 == 0);
        SetTexts(id, "Heading " + t + "\r\nsecond line", "H2 " + t + "\r\n",
                 L"[G]Line \u00ACC one " + t + "\r\n&\r\nchorus\r\n&\r\nlast\r\n",
                 "F2 " + t + "\r\nno break at the end");
        items.push_back(id);
        transposes.push_back(type % 3 == 0 ? kOwnTranspose : type - 4);
    }
    const long greek = m_lib.AddItem(L"\u0391\u03BC\u03AE\u03BD", 7);
    SetTexts(greek, "", L"\u0425\u0432\u0430\u043B\u0430", L"\u03B1&\u03B2\r\n", "\r\n");
    items.push_back(greek);
    transposes.push_back(kOwnTranspose);
    m_lib.Exec(wxString::Format("UPDATE items SET Foreground=4, Background=3 WHERE ID=%ld", greek));
    const long s = m_lib.AddSchedule("Sunday", items, transposes);

    const wxString path = Export(s);
    // The Greek item needs UTF-8; then the chord sign is UTF-8 too.
    EXPECT_NE(ReadBytes(path).find("\xC2\xAC"), std::string::npos);
    const wxString fromDatabase = ShowFromDatabase(s);
    const int itemCount = Doc().GetItemCount();
    const int lastEntry = Doc().GetLastEntry();
    EXPECT_GT(lastEntry, 15);
    Import(path);
    EXPECT_EQ(ShowFromFile(), fromDatabase);
    EXPECT_EQ(Doc().GetItemCount(), itemCount);

    // The file's content was kept at import: the show no longer needs it,
    // and every build reads it again from its start.
    ASSERT_TRUE(wxRemoveFile(path));
    EXPECT_EQ(ShowFromFile(), fromDatabase);
    EXPECT_EQ(Doc().GetLastEntry(), lastEntry);
}

TEST_F(PlayerFileShowTest, TransposeAndAltHeadingAreFixedAtExport) {
    const long own = m_lib.AddItem("own", 1, "w", -2, true);
    const long split = m_lib.AddItem("split", 8, "p1&p2", 4);
    const long s = m_lib.AddSchedule("s", {own, split, own}, {kOwnTranspose, 3, 5});
    Doc().m_bAltH2 = true;
    const std::string bytes = ReadBytes(Export(s));
    EXPECT_NE(bytes.find("own\r\nTYPE: 1 TRANSPOSE: -2 FOREGROUND: 2 FORE2GROUND: 3 "
                         "BACKGROUND: 1 PREFER: Y\r\n\bHEADING1\r\nH1 own\r\n\bHEADING2\r\n"
                         "Alt own\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("TYPE: 8 TRANSPOSE: 3 "), std::string::npos);
    EXPECT_NE(bytes.find("TYPE: 1 TRANSPOSE: 5 "), std::string::npos);

    Doc().m_bAltH2 = false;  // the file keeps the heading chosen at export
    Import(Path("s.vlp"));
    Doc().BuildShowList();
    EXPECT_EQ(SplitEntry(Doc().GetEntry(0))[2], "Alt own");
    EXPECT_EQ(Doc().GetEntry(1),
              "8\b\bAlt split\bp1\b");  // the file's heading 2 is the part heading
    EXPECT_EQ(Doc().GetEntry(2), "8\b\bAlt split\b&p2\b");
    EXPECT_EQ(Doc().GetTranspose(0), -2);
    EXPECT_EQ(Doc().GetTranspose(1), 3);
    EXPECT_EQ(Doc().GetTranspose(2), 3);  // every part keeps the item's
    EXPECT_EQ(Doc().GetTranspose(3), 5);
    EXPECT_TRUE(Doc().GetPreferFlats(0));
    EXPECT_EQ(Doc().GetPartCount(1), 2);
    EXPECT_EQ(Doc().GetEntryFlags(2), 2);
}

TEST_F(PlayerFileShowTest, AnItemDeletedBeforeExportEndsTheShowThere) {
    const long a = m_lib.AddItem("A", 1);
    const long gone = m_lib.AddItem("gone", 1);
    const long b = m_lib.AddItem("B", 1);
    const long s = m_lib.AddSchedule("s", {a, gone, b});
    m_lib.Exec(wxString::Format("DELETE FROM items WHERE ID=%ld", gone));
    const std::string bytes = ReadBytes(Export(s));
    EXPECT_NE(bytes.find("\bVLP - NEW SONG\r\n**unknown**\r\n99\b**Not Found**\b\b\b\r\n"),
              std::string::npos);
    Import(Path("s.vlp"));
    Doc().BuildShowList();
    EXPECT_EQ(Doc().GetLastEntry(), 2);
    EXPECT_TRUE(Doc().GetEntry(0).StartsWith("1\bH1 A\b"));
    EXPECT_EQ(Doc().GetEntry(1), kEntryEndNotice);
    EXPECT_EQ(Doc().GetTitles(), (std::vector<wxString>{"A"}));
    EXPECT_EQ(Doc().GetItemCount(), 1);
}

TEST_F(PlayerFileShowTest, NoScheduleOrAPlayerFileExportsAnEmptyFile) {
    for (int id : {0, -1, 4242}) {
        EXPECT_EQ(ReadBytes(Export(id)), "VLP file\r\n\bVLP - END OF FILE\r\n") << id;
    }
    Import(Path("s.vlp"));
    Doc().BuildShowList();
    EXPECT_EQ(Doc().GetLastEntry(), 1);
    EXPECT_EQ(Doc().GetItemCount(), 0);
}

TEST_F(PlayerFileShowTest, ImportSwitchesTheSourceOnlyForAPlayerFile) {
    const long a = m_lib.AddItem("A", 1);
    const wxString good = Export(m_lib.AddSchedule("s", {a}), "good.vlp");
    CVersiluxDoc& doc = Doc();
    Import(good);
    EXPECT_EQ(doc.m_nScheduleID, -1);
    EXPECT_TRUE(doc.m_bPlayerFile);
    EXPECT_EQ(doc.m_strScheduleName, "good.vlp");
    EXPECT_EQ(doc.GetTitle(), "good.vlp");

    // A header followed by a blank is not the header.
    wxFFile(Path("blank.vlp"), "wb").Write(wxString("VLP file \r\n\bVLP - END OF FILE\r\n"));
    doc.m_nScheduleID = 3;
    wxString error;
    EXPECT_EQ(doc.ImportPlayerFile(Path("blank.vlp"), error), CPlayerImport::NotPlayerFile);
    EXPECT_EQ(doc.m_nScheduleID, -1);
    EXPECT_TRUE(doc.m_bPlayerFile);
    EXPECT_EQ(doc.m_strScheduleName, "good.vlp");
    doc.BuildShowList();  // the file imported before is still the source
    EXPECT_EQ(doc.GetTitles(), (std::vector<wxString>{"A"}));

    doc.m_bPlayerFile = false;
    EXPECT_EQ(doc.ImportPlayerFile(Path("blank.vlp"), error), CPlayerImport::NotPlayerFile);
    EXPECT_FALSE(doc.m_bPlayerFile);

    // A file that cannot be read changes nothing and says why.
    doc.m_nScheduleID = 3;
    EXPECT_EQ(doc.ImportPlayerFile(Path("missing.vlp"), error), CPlayerImport::Unreadable);
    EXPECT_TRUE(error.Contains("missing.vlp")) << error;
    EXPECT_TRUE(error.Contains("No such file")) << error;
    EXPECT_EQ(doc.m_nScheduleID, 3);
    EXPECT_EQ(doc.ImportPlayerFile(m_lib.Source().Dir(), error), CPlayerImport::Unreadable);

    // A file that cannot be written says where and why.
    EXPECT_FALSE(doc.ExportPlayerFile(1, Path("no/such/folder/x.vlp"), error));
    EXPECT_TRUE(error.Contains("no/such/folder/x.vlp")) << error;
}

TEST_F(PlayerFileShowTest, SingleItemModeWinsOverThePlayerFile) {
    const long a = m_lib.AddItem("A", 1);
    const long b = m_lib.AddItem("B", 1);
    Import(Export(m_lib.AddSchedule("s", {a})));
    CVersiluxDoc& doc = Doc();
    doc.m_pItemsSet->m_strFilter = wxString::Format("ID=%ld", b);
    doc.m_pItemsSet->Open();
    doc.m_bPreview = true;
    doc.BuildShowList();
    EXPECT_EQ(doc.GetTitles(), (std::vector<wxString>{"B"}));
    doc.m_bPreview = false;
    doc.BuildShowList();
    EXPECT_EQ(doc.GetTitles(), (std::vector<wxString>{"A"}));
}

}  // namespace
