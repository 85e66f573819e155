// What the VPD editors write, without a window: a VPD is reached by its ID
// alone, and one that has gone is never written again.
#include <gtest/gtest.h>

#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"
#include "support/SmallLibrary.h"

namespace {

TEST(VPDLibrary, AVPDIsReachedByItsIDAndOneThatIsGoneIsNeitherRenamedDeletedNorMadeCurrent) {
    SmallLibrary library;
    library.Exec("DELETE FROM VPD WHERE ID=2");
    library.Exec("INSERT INTO VPD (ID, Name) VALUES (4, 'Main')");
    library.FollowGivenIds();
    auto table = [&] {
        return library.Source().QueryJoined("SELECT ID||'='||Name FROM VPD ORDER BY ID", "|");
    };
    CVersiluxDoc doc;
    doc.RenameVPD(4, "Band");
    doc.RenameVPD(1, "Main");  // the same name: nothing to write, no failure
    doc.AddVPD("Band");
    EXPECT_EQ(table(), "1=Main|3=Choir|4=Band|5=Band");
    doc.DeleteVPD(4);
    EXPECT_EQ(table(), "1=Main|3=Choir|5=Band");
    EXPECT_EQ(doc.CountVPDs(), 3);

    EXPECT_THROW(doc.RenameVPD(4, "Back"), CDBException);
    EXPECT_THROW(doc.DeleteVPD(4), CDBException);
    EXPECT_FALSE(doc.MakeVPDCurrent(4));
    EXPECT_EQ(doc.m_nVPD, 1);
    EXPECT_EQ(table(), "1=Main|3=Choir|5=Band");
    // The shared set is usable afterwards.
    ASSERT_TRUE(doc.MakeVPDCurrent(5));
    EXPECT_EQ(doc.m_strVPDName, "Band");
}

TEST(VPDLibrary, ACurrentVPDThatIsDeletedGivesWayToTheDefault) {
    SmallLibrary library(3);  // the default is "Choir"
    CVersiluxDoc doc;
    ASSERT_TRUE(doc.MakeVPDCurrent(2));
    doc.RenameVPD(2, "Young");
    doc.FollowEditedVPDs();
    EXPECT_EQ(doc.m_nVPD, 2);
    EXPECT_EQ(doc.m_strVPDName, "Youth");  // a new name waits for the selecter
    doc.DeleteVPD(2);
    doc.FollowEditedVPDs();
    EXPECT_EQ(doc.m_nVPD, 3);
    EXPECT_EQ(doc.m_strVPDName, "Choir");
    // The default gone too: the first VPD.
    doc.DeleteVPD(3);
    doc.FollowEditedVPDs();
    EXPECT_EQ(doc.m_nVPD, 1);
    EXPECT_EQ(doc.m_strVPDName, "Main");
}

}  // namespace
