// ID-to-name lookups and their placeholders.
#include <gtest/gtest.h>

#include "doc/VersiluxDoc.h"
#include "support/SmallLibrary.h"

namespace {

TEST(DocLookups, NamesAndPlaceholders) {
    SmallLibrary lib;
    const long id = lib.AddItem("Grace", 1, "words");
    const long gone = lib.AddItem("Gone", 1);
    lib.Exec(wxString::Format("DELETE FROM items WHERE ID=%ld", gone));
    lib.Exec("INSERT INTO items (Title) VALUES ('blank')");
    const long blank = lib.Source().QueryNumber("SELECT max(ID) FROM items");
    const long s = lib.AddSchedule("Sunday", {id});
    CVersiluxDoc doc;
    EXPECT_EQ(doc.GetItemTitle(id), "Grace");
    EXPECT_EQ(doc.GetItemHeading2(id), "H2 Grace");
    EXPECT_EQ(doc.GetItemFileName(id), "Grace.txt");
    EXPECT_EQ(doc.GetItemText(id), "H1 Grace\nH2 Grace\nwords\nF2 Grace\n");
    EXPECT_EQ(doc.GetItemText(blank), "\n\n\n\n");
    EXPECT_EQ(doc.GetScheduleName(s), "Sunday");
    EXPECT_EQ(doc.GetVPDName(2), "Youth");
    for (long missing : {gone, 999L}) {
        EXPECT_EQ(doc.GetItemTitle(missing), "**unknown**");
        EXPECT_EQ(doc.GetItemHeading2(missing), "**unknown**");
        EXPECT_EQ(doc.GetItemFileName(missing), "**unknown**");
        EXPECT_EQ(doc.GetItemText(missing), "**unknown**");
        EXPECT_EQ(doc.GetScheduleName(missing), "**unknown**");
    }
    EXPECT_EQ(doc.GetVPDName(42), "*UNKNOWN*");
}

TEST(DocLookups, NeverMoveTheItemsSet) {
    SmallLibrary lib;
    const long a = lib.AddItem("A", 1);
    lib.AddItem("B", 1);
    lib.AddItem("C", 1);
    CVersiluxDoc doc;
    CItemsSet& items = *doc.m_pItemsSet;
    items.m_strSort = "Title";
    items.Open();
    items.MoveNext();
    EXPECT_EQ(items.m_Title, "B");
    EXPECT_EQ(doc.GetItemTitle(a), "A");
    EXPECT_EQ(doc.GetItemText(a).BeforeFirst('\n'), "H1 A");
    EXPECT_EQ(items.m_Title, "B");
    items.MoveNext();
    EXPECT_EQ(items.m_Title, "C");
}

}  // namespace
