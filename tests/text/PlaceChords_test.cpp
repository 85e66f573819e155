#include "text/PlaceChords.h"

#include <gtest/gtest.h>

namespace {

TEST(PlaceChords, ChordsOverLyricsBecomeChordMarks) {
    const struct {
        const char* text;
        const char* placed;
    } cases[] = {
        // G in column 0 and C in column 8, over "Amazing grace".
        {"G       C\r\nAmazing grace\r\n", "{G}Amazing {C}grace\r\n"},
        // With one space fewer the C falls on the space between the words.
        {"G      C\r\nAmazing grace\r\n", "{G}Amazing{C} grace\r\n"},
        // Chords overhanging the lyric end up in one final mark.
        {"C  G  D\r\nOh\r\n", "{C}Oh{ G  D}\r\n"},
        {"   Am7\r\nI once was lost\r\n", "I o{Am7}nce was lost\r\n"},
        {"G/B D\r\nab\r\n", "{G/B}ab{ D}\r\n"},
        // A blank chord line keeps its lyric; a blank lyric keeps its chords.
        {"\r\nJust words\r\n", "Just words\r\n"},
        {" \r\nJust words\r\n", "Just words\r\n"},
        {"C  G\r\n \r\n", "C  G\r\n"},
        {"C  G\r\n\r\n", "C  G\r\n"},
        // Two pairs; no line end after the last line is the same as one.
        {"D\r\nla\r\nE\r\nli", "{D}la\r\n{E}li\r\n"},
        {"", ""},
        {"\r\n", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlaceChords(c.text), c.placed) << c.text;
    }
}

TEST(PlaceChords, ALastLineWithoutPartnerStaysAsItIsWithoutALineEnd) {
    EXPECT_EQ(PlaceChords("G\r\nla\r\nCoda {D}"), "{G}la\r\nCoda {D}");
    EXPECT_EQ(PlaceChords("G\r\nla\r\nCoda\r\n"), "{G}la\r\nCoda");
    EXPECT_EQ(PlaceChords("only one line"), "only one line");
}

TEST(PlaceChords, LineFeedsAndCarriageReturnsAloneEndLinesToo) {
    // The editor's boxes hold LF alone; the result is an item text.
    EXPECT_EQ(PlaceChords("G       C\nAmazing grace\nD\nla"), "{G}Amazing {C}grace\r\n{D}la\r\n");
    EXPECT_EQ(PlaceChords("G\rla\rC"), "{G}la\r\nC");
    EXPECT_EQ(PlaceChords("G\r\nla\nE\rli\n"), "{G}la\r\n{E}li\r\n");
    // A CR LF is one line end, never two.
    EXPECT_EQ(PlaceChords("G\r\n\r\nla"), "G\r\nla");
}

TEST(PlaceChords, MarkupAndSignsOnTheLinesAreCopiedAsTheyStand) {
    const wxString sign(wxUniChar(0xAC));
    EXPECT_EQ(PlaceChords("A\r\n" + sign + "C" + sign + " |word\r\n"),
              "{A}" + sign + "C" + sign + " |word\r\n");
    EXPECT_EQ(PlaceChords("{x  |\r\nab\r\n"), "{{x}ab{  |}\r\n");
}

}  // namespace
