// Keyed list entries: built with the padding, read back from the right.
#include <gtest/gtest.h>

#include <climits>

#include "doc/KeyedEntry.h"

TEST(KeyedEntry, OneNumberFormHasTheNameThePaddingAndTheID) {
    const wxString entry = MakeKeyedEntry("Sunday", 42);
    EXPECT_EQ(entry, "Sunday" + wxString(' ', 100) + " : 42");
    EXPECT_EQ(KeyedEntryNumber(entry), 42);
    // The name keeps the padding and the blank before the colon.
    EXPECT_EQ(KeyedEntryName(entry), "Sunday" + wxString(' ', 101));
    EXPECT_EQ(KeyedEntryVisibleName(entry), "Sunday");
}

TEST(KeyedEntry, ANameWithAColonStillYieldsItsID) {
    const wxString entry = MakeKeyedEntry("Advent: week 1", 7);
    EXPECT_EQ(KeyedEntryNumber(entry), 7);
    EXPECT_TRUE(KeyedEntryName(entry).StartsWith("Advent: week 1"));
    // What the operator sees on the clipboard is cut at the first colon.
    EXPECT_EQ(KeyedEntryVisibleName(entry), "Advent");
}

TEST(KeyedEntry, TwoNumberFormGivesTheItemAndTheKey) {
    const wxString entry = MakeKeyedEntry("Amazing Grace", 12, -3);
    EXPECT_EQ(entry, "Amazing Grace" + wxString(' ', 100) + " : 12:-3");
    EXPECT_EQ(KeyedEntryNumber(entry), -3);
    EXPECT_EQ(KeyedEntryFirstNumber(entry), 12);
    EXPECT_EQ(KeyedEntryVisibleName(entry), "Amazing Grace");
}

TEST(KeyedEntry, NumbersAreReadTheWayAtolReadsThem) {
    EXPECT_EQ(ParseLeadingNumber("   15xyz"), 15);
    EXPECT_EQ(ParseLeadingNumber("\t-8"), -8);
    EXPECT_EQ(ParseLeadingNumber("+9"), 9);
    EXPECT_EQ(ParseLeadingNumber("abc"), 0);
    EXPECT_EQ(ParseLeadingNumber(""), 0);
    EXPECT_EQ(ParseLeadingNumber("- 4"), 0);
    // Too many digits saturate instead of wrapping round.
    EXPECT_EQ(ParseLeadingNumber("99999999999999999999999"), LONG_MAX);
    EXPECT_EQ(ParseLeadingNumber("-99999999999999999999999"), LONG_MIN);
}

TEST(KeyedEntry, EntriesWithoutAKeyReadAsNothing) {
    EXPECT_EQ(KeyedEntryNumber(""), 0);
    EXPECT_EQ(KeyedEntryName(""), "");
    EXPECT_EQ(KeyedEntryName("no key here"), "");
    EXPECT_EQ(KeyedEntryNumber("no key here"), 0);
    EXPECT_EQ(KeyedEntryNumber("trailing colon :"), 0);
    EXPECT_EQ(KeyedEntryVisibleName("  plain text   "), "  plain text");
}
