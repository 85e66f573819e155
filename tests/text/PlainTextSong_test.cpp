#include <gtest/gtest.h>

#include "SongFileTesting.h"
#include "text/PlainTextSong.h"
#include "text/SongFile.h"

namespace {

const ESongFormat kTxt = ESongFormat::PlainText;

TEST(PlainTextSong, TitleLineThenVersesSeparatedByBlankLines) {
    const CSongText song = ReadOk(kTxt,
                                  "\n  Amazing Grace  \n"
                                  "Amazing grace! How sweet the sound\n"
                                  "That saved a wretch like me!\n"
                                  "\n\n"
                                  "'Twas grace that taught my heart to fear,   \n"
                                  "\n");
    EXPECT_EQ(song.strTitle, "Amazing Grace");
    EXPECT_EQ(song.strHeading1, "Amazing Grace");
    EXPECT_FALSE(song.bChords);
    EXPECT_EQ(song.strField1, Crlf("Amazing grace! How sweet the sound\n"
                                   "That saved a wretch like me!\n"
                                   "&\n"
                                   "'Twas grace that taught my heart to fear,"));
    EXPECT_EQ(ReadOk(kTxt, "Only a title").strField1, "");
}

TEST(PlainTextSong, ChordLinesOverWordsArePlacedLikeTheEditorPlacesThem) {
    const CSongText song = ReadOk(kTxt,
                                  "Amazing Grace (G)\r\n"
                                  "G D/F# | Em C\r\n"
                                  "G       G7         C\r\n"
                                  "Amazing grace! How sweet the sound\r\n"
                                  "   D7\r\n"
                                  "Was blind\r\n"
                                  "C  G  D\r\n"
                                  "Oh\r\n"
                                  "N.C.\r\n"
                                  "\r\n"
                                  "Am7\r\n"
                                  "G\r\n"
                                  "words without chords\r\n");
    EXPECT_TRUE(song.bChords);
    EXPECT_EQ(song.strField1, Crlf("¬G D/F#¬ | ¬Em C¬\n"
                                   "{G}Amazing {G7}grace! How {C}sweet the sound\n"
                                   "Was{D7} blind\n"
                                   "{C}Oh{ G  D}\n"
                                   "¬N.C.¬\n"
                                   "&\n"
                                   "¬Am7¬\n"
                                   "{G}words without chords"));
}

TEST(PlainTextSong, WhatCountsAsAChordLine) {
    for (const char* line : {"G", "G  D/F#  Em", "N.C.", "| G | D |", "Bbmaj7 C#m7b5 Dsus4 Eadd9",
                             "E7(b9) F+ Gm(maj7) A-7 Cdim7 Daug", "  C    G  "}) {
        EXPECT_TRUE(IsChordLine(line)) << line;
    }
    for (const char* line : {"", "   ", "|", "A mighty fortress", "Be Thou my vision", "Add", "G/x",
                             "H7", "Am I", "C.", "G/"}) {
        EXPECT_FALSE(IsChordLine(line)) << line;
    }
}

}  // namespace
