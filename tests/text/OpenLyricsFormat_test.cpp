#include <gtest/gtest.h>

#include <string>

#include "SongFileTesting.h"
#include "text/OpenLyricsFormat.h"
#include "text/SongFile.h"

namespace {

const ESongFormat kXml = ESongFormat::OpenLyrics;

std::string Song(const std::string& version, const std::string& properties,
                 const std::string& lyrics) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<song xmlns=\"http://openlyrics.info/namespace/2009/song\" version=\"" +
           version + "\">\n  <properties>\n" + properties + "  </properties>\n  <lyrics>\n" +
           lyrics + "  </lyrics>\n</song>\n";
}

TEST(OpenLyricsRead, PropertiesVersesAndChordsOfVersion08) {
    const CSongText song = ReadOk(
        kXml, Song("0.8",
                   "    <titles>\n      <title>Amazing Grace</title>\n"
                   "      <title>New Britain</title>\n    </titles>\n"
                   "    <authors>\n      <author type=\"words\">John Newton</author>\n"
                   "      <author type=\"music\">Traditional</author>\n    </authors>\n"
                   "    <copyright>Public domain</copyright>\n"
                   "    <tempo type=\"bpm\">72</tempo>\n    <key>G</key>\n"
                   "    <transposition>-3</transposition>\n",
                   "    <verse name=\"v1\">\n      <lines>\n"
                   "        A<chord name=\"G\"/>mazing grace! How <chord name=\"C\"/>sweet "
                   "the sound<br/>\n"
                   "        That saved a <comment>softly</comment>wretch like "
                   "<chord name=\"D\"/>me!\n"
                   "      </lines>\n    </verse>\n"
                   "    <verse name=\"v2\">\n      <lines><tag name=\"red\">'Twas grace</tag> "
                   "that taught</lines>\n"
                   "      <lines>my heart to fear</lines>\n    </verse>\n"));
    EXPECT_EQ(song.strTitle, "Amazing Grace");
    EXPECT_EQ(song.strHeading1, "Amazing Grace");
    EXPECT_EQ(song.strHeading2, "New Britain - G");
    EXPECT_EQ(song.strHeading2Alt, U8("Words: John Newton; Music: Traditional; © Public domain"));
    EXPECT_EQ(song.nBPM, 72);
    EXPECT_EQ(song.nTranspose, -3);
    EXPECT_TRUE(song.bChords);
    EXPECT_EQ(song.strField1, Crlf("A{G}mazing grace! How {C}sweet the sound\n"
                                   "That saved a wretch like {D}me!\n"
                                   "&\n"
                                   "'Twas grace that taught\n"
                                   "my heart to fear"));
}

TEST(OpenLyricsRead, ChordsOfVersion09) {
    const struct {
        const char* lines;
        const char* field1;
    } cases[] = {
        {"<chord root=\"G\"/>Amazing", "{G}Amazing"},
        {"<chord root=\"G\" structure=\"min7\" bass=\"B\"/>la", "{Gm7/B}la"},
        {"<chord root=\"F#\" structure=\"m3-5\"/>la", "{F#m}la"},
        {"<chord root=\"D\" structure=\"sus4\"/>la", "{Dsus4}la"},
        {"<chord root=\"E\" structure=\"weird13\"/>la", "{Eweird13}la"},
        {"a<chord root=\"D\">maz</chord>ing", "a{D}mazing"},
        {"<beat><chord root=\"C\"/>Praise</beat> him", "{C}Praise him"},
        {"<chord name=\"{G}\"/>x", "{G}x"},  // braces would break the mark
        {"<chord/>x", "x"},
    };
    for (const auto& c : cases) {
        const CSongText song = ReadOk(
            kXml, Song("0.9", "<titles><title>T</title></titles>",
                       std::string("<verse name=\"v1\"><lines>") + c.lines + "</lines></verse>"));
        EXPECT_EQ(song.strField1, U8(c.field1)) << c.lines;
    }
    EXPECT_EQ(ChordSuffixOfStructure("dom7"), "7");
    EXPECT_EQ(ChordSuffixOfStructure("3-5-7"), "maj7");
    EXPECT_EQ(ChordSuffixOfStructure("halfdim7"), "m7b5");
    EXPECT_EQ(ChordSuffixOfStructure(""), "");
}

TEST(OpenLyricsRead, WhiteSpaceAndLineBreaks) {
    const struct {
        const char* lyrics;
        const char* field1;
    } cases[] = {
        // Line breaks come from <br/>; indentation is no text.
        {"<verse name=\"v1\"><lines>\n   one\n   two<br/>\n   three  \n</lines></verse>",
         "one two\nthree"},
        {"<verse name=\"v1\"><lines>a<br/><br/>b</lines></verse>", "a\n\nb"},
        // With no <br/> in the whole file the text's own line ends count.
        {"<verse name=\"v1\"><lines>\n   one\n   two\n</lines></verse>"
         "<verse name=\"v2\"><lines>three</lines></verse>",
         "one\ntwo\n&\nthree"},
        // Version 0.7 wrote a <line> for each line.
        {"<verse name=\"v1\"><lines><line>one</line>\n<line>two</line></lines></verse>",
         "one\ntwo"},
        {"<verse name=\"v1\"><lines/></verse><verse name=\"v2\"><lines>x</lines></verse>", "x"},
        {"<verse name=\"v1\"><lines>a &amp; b &lt;c&gt;</lines></verse>",
         "a and b <c>"},  // "&" would start a screen
    };
    for (const auto& c : cases) {
        const CSongText song =
            ReadOk(kXml, Song("0.8", "<titles><title>T</title></titles>", c.lyrics));
        EXPECT_EQ(song.strField1, Crlf(c.field1)) << c.lyrics;
        EXPECT_FALSE(song.bChords);
    }
}

TEST(OpenLyricsRead, VerseOrderNamesEachVerseOnce) {
    const std::string verses =
        "<verse name=\"v1\"><lines>one</lines></verse>"
        "<verse name=\"c\"><lines>chorus</lines></verse>"
        "<verse name=\"v2\"><lines>two</lines></verse>"
        "<verse name=\"b\"><lines>bridge</lines></verse>";
    const struct {
        const char* order;
        const char* field1;
    } cases[] = {
        {"", "one\n&\nchorus\n&\ntwo\n&\nbridge"},
        {"<verseOrder>v1 c v2 c</verseOrder>", "one\n&\nchorus\n&\ntwo\n&\nbridge"},
        {"<verseOrder>c v2 x9 v1</verseOrder>", "chorus\n&\ntwo\n&\none\n&\nbridge"},
        {"<verseOrder>  b\n c </verseOrder>", "bridge\n&\nchorus\n&\none\n&\ntwo"},
    };
    for (const auto& c : cases) {
        const CSongText song = ReadOk(
            kXml, Song("0.8", std::string("<titles><title>T</title></titles>") + c.order, verses));
        EXPECT_EQ(song.strField1, Crlf(c.field1)) << c.order;
    }
}

TEST(OpenLyricsRead, RefusalsNameTheLine) {
    const struct {
        std::string xml;
        int line;
        const char* says;
    } cases[] = {
        {"<?xml version=\"1.0\"?>\n<song xmlns=\"http://openlyrics.info/namespace/2009/song\">\n"
         "<properties>\n</song>\n",
         4, "not well-formed"},
        {"", 1, "not well-formed"},
        {"<html>\n<body/></html>", 1, "<html>, not an OpenLyrics <song>"},
        {"<song version=\"0.8\"><properties/></song>", 1, "not in the OpenLyrics namespace"},
        {"<?xml version=\"1.0\"?>\n<!DOCTYPE song [\n<!ENTITY a \"aaaaaaaaaa\">\n"
         "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">\n]>\n"
         "<song xmlns=\"http://openlyrics.info/namespace/2009/song\">&b;</song>",
         2, "DOCTYPE"},
        {Song("0.8", "<titles><title>T</title></titles>\n<transposition>15</transposition>\n", ""),
         5, "-12 to 12"},
    };
    for (const auto& c : cases) {
        const CSongFileError error = ReadRefused(kXml, c.xml);
        EXPECT_EQ(error.nLine, c.line) << c.xml;
        EXPECT_TRUE(error.strReason.Contains(c.says)) << error.strReason;
    }
}

TEST(OpenLyricsRead, OtherVersionsAreReadWhenTheyLookAlike) {
    const CSongText song =
        ReadOk(kXml, Song("1.0",
                          "<titles><title>Abide with Me</title></titles><tempo type=\"text\">"
                          "Slow</tempo>",
                          "<verse name=\"v1\"><lines>Abide with me</lines></verse>"));
    EXPECT_EQ(song.strTitle, "Abide with Me");
    EXPECT_EQ(song.strHeading2, "Abide with Me - Slow");
    EXPECT_EQ(song.nBPM, 0);
}

TEST(OpenLyricsWrite, WritesVersion08WithChordsAndEscapedText) {
    CSongText song;
    song.strTitle = "Holy & Holy";
    song.strHeading1 = "Holy";
    song.strHeading2 = "Trinity <D>";
    song.nBPM = 92;
    song.strField1 =
        Crlf("|{D}Holy, {A/C#}holy!\n[2]Lord[0] ¬G¬\n&Chorus\n\n{\"x\"}God in three\n");
    EXPECT_EQ(WriteOpenLyrics(song),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<song xmlns=\"http://openlyrics.info/namespace/2009/song\" version=\"0.8\" "
              "createdIn=\"Versilux\">\n"
              "  <properties>\n"
              "    <titles>\n"
              "      <title>Holy &amp; Holy</title>\n"
              "      <title>Trinity &lt;D&gt;</title>\n"
              "    </titles>\n"
              "    <tempo type=\"bpm\">92</tempo>\n"
              "    <verseOrder>v1 v2</verseOrder>\n"
              "  </properties>\n"
              "  <lyrics>\n"
              "    <verse name=\"v1\">\n"
              "      <lines>|<chord name=\"D\"/>Holy, <chord name=\"A/C#\"/>holy!<br/>[2]Lord[0] "
              "\xC2\xAC"
              "G\xC2\xAC</lines>\n"
              "    </verse>\n"
              "    <verse name=\"v2\">\n"
              "      <lines><chord name=\"&quot;x&quot;\"/>God in three</lines>\n"
              "    </verse>\n"
              "  </lyrics>\n"
              "</song>\n");
}

TEST(OpenLyricsRead, LargeFilesAreReadInOnePass) {
    // Near the size limit: one <lines> of newlines alone, and a verse order
    // naming thousands of verses (each took minutes read naively).
    const CSongText song = ReadOk(
        kXml, Song("0.8", "<titles><title>T</title></titles>",
                   "<verse name=\"v1\"><lines>" + std::string(900000, '\n') + "x</lines></verse>"));
    EXPECT_EQ(song.strField1, "x");
    std::string order;
    std::string verses;
    for (int i = 0; i < 60000; ++i) {
        order += "v" + std::to_string(i % 3000) + " ";
    }
    for (int i = 0; i < 3000; ++i) {
        verses += "<verse name=\"v" + std::to_string(i) + "\"><lines>x</lines></verse>";
    }
    EXPECT_EQ(
        ReadOk(kXml, Song("0.8",
                          "<titles><title>T</title></titles><verseOrder>" + order + "</verseOrder>",
                          verses))
            .strField1.length(),
        3000 + 2999 * wxStrlen("\r\n&\r\n"));
}

TEST(OpenLyricsWrite, CharactersXmlCannotHoldAreLeftOut) {
    CSongText song;
    song.strTitle = U8("Amazing\xEF\xBF\xBF Grace");
    song.strHeading1 = song.strTitle;
    song.strField1 = U8("A{G}maz\xEF\xBF\xBEing\x01 grace");
    const CSongText back = ReadOk(kXml, WriteOpenLyrics(song));
    EXPECT_EQ(back.strTitle, "Amazing Grace");
    EXPECT_EQ(back.strField1, "A{G}mazing grace");
}

}  // namespace
