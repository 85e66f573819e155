#include "text/RemoveMarkup.h"

#include <gtest/gtest.h>

namespace {

const wxString kSign(wxUniChar(0xAC));

TEST(RemoveMarkup, ChordsBarsAndSpaces) {
    EXPECT_EQ(RemoveMarkup("{C}Amazing {G}grace |how sweet"), "Amazing grace how sweet");
    EXPECT_EQ(RemoveMarkup("a |{D}b"), "a b");
    EXPECT_EQ(RemoveMarkup("x{}abc}y"), "xy");
    EXPECT_EQ(RemoveMarkup("a   b    c"), "a b c");
    EXPECT_EQ(RemoveMarkup("{Am7/G}word||s"), "words");
}

TEST(RemoveMarkup, KeepsColourMarksScreenBreaksAndLines) {
    EXPECT_EQ(RemoveMarkup("[3]Jesus\r\n&\r\n{C}loves [0]me"), "[3]Jesus\r\n&\r\nloves [0]me");
}

TEST(RemoveMarkup, InlineChordsGoWithTheirSigns) {
    EXPECT_EQ(RemoveMarkup("Ab " + kSign + "C/E" + kSign + " cd"), "Ab cd");
    EXPECT_EQ(RemoveMarkup(kSign + "A" + kSign + "x" + kSign + "B" + kSign + "y"), "xy");
    // Signs pair before braces are read: a brace inside an inline chord goes
    // with it and cannot open a chord that swallows the lyric after it.
    EXPECT_EQ(RemoveMarkup("a" + kSign + "{" + kSign + "b}c"), "abc");
}

TEST(RemoveMarkup, MalformedMarkupKeepsTheRest) {
    EXPECT_EQ(RemoveMarkup("a " + kSign + "b" + kSign + " c " + kSign + "d e"),
              "a c " + kSign + "d e");
    EXPECT_EQ(RemoveMarkup("{C}sing {G to me"), "sing G to me");
    EXPECT_EQ(RemoveMarkup("word|{"), "word");
    EXPECT_EQ(RemoveMarkup("[x] [ ] ["), "[x] [ ] [");
    for (const char* onlyMarkup : {"{", "|", "{}", "|{", "{C}", "||{D}|", "{}}"}) {
        EXPECT_EQ(RemoveMarkup(onlyMarkup), "") << onlyMarkup;
    }
    EXPECT_EQ(RemoveMarkup(kSign), kSign);
}

TEST(RemoveMarkup, LongMalformedTextsFinish) {
    EXPECT_EQ(RemoveMarkup(wxString('{', 32000)), "");
    EXPECT_EQ(RemoveMarkup(wxString(wxUniChar(0xAC), 32001)), kSign);
    wxString open;
    for (int i = 0; i < 16000; ++i) {
        open += "{a";
    }
    EXPECT_EQ(RemoveMarkup(open), wxString('a', 16000));
}

}  // namespace
