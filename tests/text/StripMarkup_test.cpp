#include "text/StripMarkup.h"

#include <gtest/gtest.h>

namespace {

TEST(StripMarkup, ColourMarksAlwaysGo) {
    EXPECT_EQ(StripMarkup("[1]Hello [5]world[0]", false), "Hello world");
    EXPECT_EQ(StripMarkup("a[b", false), "ab");
    EXPECT_EQ(StripMarkup("[[1]]x", false), "]x");
    EXPECT_EQ(StripMarkup("{C}a|b", false), "{C}a|b");
    EXPECT_EQ(StripMarkup("[5]{C}x", true), "C\rx");
}

TEST(StripMarkup, ChordNamesBeforeLyrics) {
    EXPECT_EQ(StripMarkup("{C}Amazing {G}grace", true), "CG\rAmazing grace");
    EXPECT_EQ(StripMarkup("|{D}sing |out", true), "D\rsing out");
    EXPECT_EQ(StripMarkup("{C}a\r\nb\r\n{D}c", true), "C\rD\ra\rb\rc");
    EXPECT_EQ(StripMarkup("a|b", true), "ab");
}

TEST(StripMarkup, LinesFromAnEditBoxEndInLfAlone) {
    EXPECT_EQ(StripMarkup("{C}a\nb\n{D}c", true), "C\rD\ra\rb\rc");
    EXPECT_EQ(StripMarkup("{C}a\n\n{D}c\n", true), StripMarkup("{C}a\r\n\r\n{D}c\r\n", true));
    EXPECT_EQ(StripMarkup("a{C\n{D}b", true), "\rD\ra\rb");
}

TEST(StripMarkup, ChordAtTheEndCountsAsLyric) {
    EXPECT_EQ(StripMarkup("sing {G}", true), "sing G");
    EXPECT_EQ(StripMarkup("{C}sing {G}", true), "C\rsing G");
    EXPECT_EQ(StripMarkup("{}", true), "");
}

TEST(StripMarkup, MalformedMarkup) {
    EXPECT_EQ(StripMarkup("{C}ab {xyz", true), "C\rab yz");
    // A closing brace on the next line does not close a chord.
    EXPECT_EQ(StripMarkup("a{C\r\n{D}b", true), "\rD\ra\rb");
    EXPECT_EQ(StripMarkup("{", true), "\r");
    // A CR without LF still ends a line and loses nothing.
    EXPECT_EQ(StripMarkup("{C}a\rb", true), "C\ra\rb");
}

TEST(StripMarkup, LongTextsFinish) {
    EXPECT_EQ(StripMarkup(wxString('[', 32000), true), "");
    EXPECT_EQ(StripMarkup(wxString('{', 32000), true), "\r");
    wxString lines;
    wxString lyrics;
    for (int i = 0; i < 4000; ++i) {
        lines += "{C}a|b\r\n";
        lyrics += "ab\r";
    }
    const wxString stripped = StripMarkup(lines, true);
    EXPECT_EQ(stripped.length(), 4000 * 2 + lyrics.length());
    EXPECT_TRUE(stripped.EndsWith("ab\r"));
}

}  // namespace
