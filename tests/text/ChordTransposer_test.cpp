#include "text/ChordTransposer.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct Case {
    const char* text;
    int semitones;
    bool preferFlats;
    const char* expected;
};

void ExpectAll(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(TransposeChordText(c.text, c.semitones, c.preferFlats), c.expected)
            << '"' << c.text << "\" by " << c.semitones << (c.preferFlats ? " flats" : " sharps");
    }
}

TEST(ChordTransposer, ReferenceExamples) {
    ExpectAll({
        {"Am7", 2, false, "Bm7"},
        {"G/B", 1, true, "Ab/C"},
        {"G/B", 1, false, "G#/C"},
        {"F#m", -1, false, "Fm"},
        {"F#m", -1, true, "Fm"},
        {"C", 3, true, "Eb"},
        {"C", 3, false, "D#"},
        {"Dsus4 A", 5, false, "Gsus4 D"},
        {"Em7/D", -2, true, "Dm7/C"},
        {"Abmaj7", -1, false, "Gmaj7"},
        {"N.C.", 2, false, "N.C."},
        {"N.C.", 2, true, "N.C."},
        {"G /B", 2, false, "A /C#"},
    });
}

TEST(ChordTransposer, ZeroLeavesTextAsWritten) {
    ExpectAll({
        {"A# C#m7/G#", 0, true, "A# C#m7/G#"},
        {"Cb  E#", 0, false, "Cb  E#"},
        {"", 0, true, ""},
    });
}

TEST(ChordTransposer, WholeOctavesRespellOnly) {
    ExpectAll({
        {"Db", 12, false, "C#"},
        {"Db", -12, false, "C#"},
        {"E#", 12, false, "F"},
        {"Cb", 1, false, "C"},
        {"A#", 24, true, "Bb"},
    });
}

TEST(ChordTransposer, TokensAndSeparators) {
    ExpectAll({
        {"G ", 2, false, "A "},
        {"C  G", 2, false, "D  A"},
        {"C//E", 1, true, "Db//F"},
        {"Bbm7", 1, false, "Bm7"},
        {"Bm7b5", 1, false, "Cm7b5"},
        {"bb e x2 (G)", 3, false, "bb e x2 (G)"},
        {"C\tG,D", 2, false, "D\tG,D"},
        {"", 5, false, ""},
        {"A", -1, false, "G#"},
        {"G#", 1, true, "A"},
    });
}

TEST(ChordTransposer, ExtremeAmountsReduceModuloTwelve) {
    // INT_MIN % 12 == -8 and INT_MAX % 12 == 7.
    for (const bool flats : {false, true}) {
        EXPECT_EQ(TransposeChordText("C#m/Bb", INT_MIN, flats),
                  TransposeChordText("C#m/Bb", -8, flats));
        EXPECT_EQ(TransposeChordText("C#m/Bb", INT_MAX, flats),
                  TransposeChordText("C#m/Bb", 7, flats));
        EXPECT_EQ(TransposeChord("Ab", INT_MIN + 1, flats), TransposeChord("Ab", -7, flats));
    }
    EXPECT_EQ(TransposeChord("C", INT_MIN, false), "E");
}

TEST(ChordTransposer, LongTextKeepsEveryToken) {
    wxString text;
    for (int i = 0; i < 8000; ++i) {
        text += "Am/C ";
    }
    const wxString moved = TransposeChordText(text, 2, false);
    ASSERT_EQ(moved.length(), text.length());
    EXPECT_EQ(moved.Left(10), "Bm/D Bm/D ");
    EXPECT_EQ(moved.Right(5), "Bm/D ");
}

}  // namespace
