// Start-up of the document: connection, settings, default VPD, colours, and
// the failures that must end start-up with a reason.
#include <gtest/gtest.h>

#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"
#include "support/SmallLibrary.h"

namespace {

TEST(VersiluxDocStartup, ChoosesTheConfiguredVPDOrTheFirst) {
    {
        SmallLibrary lib(3);
        CVersiluxDoc doc;
        EXPECT_EQ(doc.m_nVPD, 3);
        EXPECT_EQ(doc.m_strVPDName, "Choir");
        EXPECT_EQ(doc.GetVPDFilter(), " and VPD=3");
    }
    {
        SmallLibrary lib(9);
        CVersiluxDoc doc;
        EXPECT_EQ(doc.m_nVPD, 1);
        EXPECT_EQ(doc.m_strVPDName, "Main");
    }
}

TEST(VersiluxDocStartup, CopiesSettingsAndResolvesScreenColours) {
    SmallLibrary lib;
    CVersiluxDoc doc;
    EXPECT_EQ(doc.GetScheduleID(), 0);
    EXPECT_TRUE(doc.IsKensington());
    EXPECT_FALSE(doc.m_bTabletMode);
    EXPECT_EQ(doc.GetForeground3(), MakeColourValue(0, 0, 255));
    EXPECT_EQ(doc.GetForeground3(), 0xFF0000u);  // blue in the high byte
    EXPECT_EQ(doc.GetForeground4(), MakeColourValue(255, 255, 0));
    EXPECT_EQ(doc.GetChordColour(), MakeColourValue(255, 255, 0));
    EXPECT_EQ(doc.GetBarColour(), MakeColourValue(255, 255, 255));
    EXPECT_EQ(doc.GetFlagCaption3(), "F3");
    // Only the three sets read at start-up are open.
    EXPECT_TRUE(doc.m_pConfigSet->IsOpen());
    EXPECT_TRUE(doc.m_pVPDSet->IsOpen());
    EXPECT_TRUE(doc.m_pColoursSet->IsOpen());
    EXPECT_FALSE(doc.m_pItemsSet->IsOpen());
    EXPECT_FALSE(doc.m_pLookupSet->IsOpen());
    EXPECT_FALSE(doc.m_pScheduleItemSet->IsOpen());
}

TEST(VersiluxDocStartup, UnknownScreenColourFallsBackToAFixedColour) {
    SmallLibrary lib;
    lib.Exec("UPDATE config SET Foreground3=77, Chord_screen=78");
    CVersiluxDoc doc;
    EXPECT_EQ(doc.GetForeground3(), MakeColourValue(255, 255, 255));
    EXPECT_EQ(doc.GetChordColour(), MakeColourValue(255, 255, 0));
}

TEST(VersiluxDocStartup, MissingRowsOrSourceEndStartupWithAReason) {
    {
        SmallLibrary lib;
        lib.Exec("DELETE FROM config");
        EXPECT_THROW(CVersiluxDoc(), CStartupError);
    }
    {
        SmallLibrary lib;
        lib.Exec("DELETE FROM VPD");
        try {
            CVersiluxDoc doc;
            FAIL();
        } catch (const CStartupError& e) {
            EXPECT_NE(std::string(e.what()).find("\"Versilux\""), std::string::npos);
            EXPECT_NE(std::string(e.what()).find("VPD"), std::string::npos);
        }
    }
    {
        TempDataSource none(TempDataSource::Content::NoDataSource);
        EXPECT_THROW(CVersiluxDoc(), CDBException);
    }
    {
        TempDataSource tablesMissing(TempDataSource::Content::Nothing);
        try {
            CVersiluxDoc doc;
            FAIL();
        } catch (const CDBException& e) {
            EXPECT_TRUE(e.m_strError.Contains("config")) << e.m_strError;
        }
    }
}

TEST(VersiluxDocStartup, ShippedLibraryStartsAndBuildsItsDemoSchedules) {
    TempDataSource source(TempDataSource::Content::Library);
    CVersiluxDoc doc;
    EXPECT_EQ(doc.m_nVPD, 1);
    doc.m_pScheduleSet->m_strFilter = "VPD=1";
    doc.m_pScheduleSet->Open();
    int schedules = 0;
    for (; !doc.m_pScheduleSet->IsEOF(); doc.m_pScheduleSet->MoveNext()) {
        ++schedules;
        doc.m_nScheduleID = doc.m_pScheduleSet->m_ID;
        CScheduleSet& set = *doc.m_pScheduleSet;
        const int id = set.m_ID;
        doc.BuildShowList();
        EXPECT_GT(doc.GetLastEntry(), 3) << "schedule " << id;
        for (int i = 0; i < doc.GetLastEntry() - 1; ++i) {
            EXPECT_NE(doc.GetEntry(i), "99\b**Not Found**\b\b\b") << "schedule " << id;
        }
    }
    EXPECT_GE(schedules, 2);
}

}  // namespace
