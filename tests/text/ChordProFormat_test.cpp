#include <gtest/gtest.h>

#include "SongFileTesting.h"
#include "text/SongFile.h"

namespace {

const ESongFormat kCho = ESongFormat::ChordPro;

TEST(ChordProRead, DirectivesSectionsAndChordsMakeAChordChart) {
    const CSongText song = ReadOk(kCho,
                                  "{title: Amazing Grace}\n"
                                  "{subtitle: Amazing Grace}\n"
                                  "{key: G}\n"
                                  "{time: 3/4}\n"
                                  "{tempo: 72}\n"
                                  "{lyricist: John Newton}\n"
                                  "{composer: Traditional}\n"
                                  "{copyright: Public domain}\n"
                                  "# arranged for the evening service\n"
                                  "{start_of_verse: Verse 1}\n"
                                  "A[G]mazing [G7]grace! How [C]sweet the [G]sound\n"
                                  "That [G]saved a [Em]wretch like [D]me!\n"
                                  "{end_of_verse}\n"
                                  "\n"
                                  "{soc}\n"
                                  "[2]Amazing grace[0]\n"
                                  "{eoc}\n");
    EXPECT_EQ(song.strTitle, "Amazing Grace");
    EXPECT_EQ(song.strHeading1, "Amazing Grace");
    EXPECT_EQ(song.strHeading2, "Amazing Grace - G, 3/4");
    EXPECT_EQ(song.strHeading2Alt, U8("Words: John Newton; Music: Traditional; © Public domain"));
    EXPECT_EQ(song.nBPM, 72);
    EXPECT_EQ(song.nTranspose, 0);
    EXPECT_TRUE(song.bChords);
    EXPECT_EQ(song.strField1, Crlf("&Verse 1\n"
                                   "A{G}mazing {G7}grace! How {C}sweet the {G}sound\n"
                                   "That {G}saved a {Em}wretch like {D}me!\n"
                                   "&\n"
                                   "[2]Amazing grace[0]"));
}

TEST(ChordProRead, LyricLinesKeepOurMarkupAndTakeChordsWhereTheyStand) {
    const struct {
        const char* line;
        const char* field1;
    } cases[] = {
        {"[G]Amazing", "{G}Amazing"},
        {"ap[G]pear", "ap{G}pear"},
        {"end[D7]", "end{D7}"},
        {"a[]b", "ab"},                            // an empty chord says nothing
        {"[2]blue[0] words", "[2]blue[0] words"},  // colour marks stay
        {"[12]x", "{12}x"},                        // two digits are a chord
        {"[ G  D]", "{ G  D}"},                    // chord text as written
        {"|[D]Holy, holy, |[Bm]holy!", "|{D}Holy, holy, |{Bm}holy!"},
        {"Intro: ¬D Bm¬ | ¬G A¬", "Intro: ¬D Bm¬ | ¬G A¬"},
        {"trailing blanks \t ", "trailing blanks"},
        {"  indented", "  indented"},
        {"Tom {x} text", "Tom {x} text"},  // braces inside a line are not directives
    };
    for (const auto& c : cases) {
        const CSongText song = ReadOk(kCho, std::string("{title: T}\n") + c.line + "\n");
        EXPECT_EQ(song.strField1, U8(c.field1)) << c.line;
    }
}

TEST(ChordProRead, BlankLinesAndSectionsDivideScreens) {
    const struct {
        const char* file;
        const char* field1;
    } cases[] = {
        {"\n\none\ntwo\n\n\n\nthree\n\n", "one\ntwo\n&\nthree"},
        {"{sov}\n\na\n\nb\n\n{eov}\nc\n", "a\n\nb\n&\nc"},
        {"a\n{start_of_bridge}\nb\n{end_of_bridge}\nc", "a\n&\nb\n&\nc"},
        {"{start_of_chorus: Chorus}\nx\n{end_of_chorus}", "&Chorus\nx"},
        {"{start_of_verse:   Two}\nx\n{end_of_verse}", "&  Two\nx"},
        {"{sov}\n{eov}\nonly\n", "only"},  // an empty section is no screen
        {"{c: Slowly}\nwords\n{ci:Softly}\n{cb: Boxed}\n{highlight: Loud}",
         "Slowly\nwords\nSoftly\nBoxed\nLoud"},
        {"words\n{chorus}\n", "words\nChorus"},
        {"{define: G base-fret 1 frets 3 2 0 0 0 3}\n{new_page}\nwords", "words"},
        {"a\n&Refrain\nb", "a\n&Refrain\nb"},
        // Tablature is taken as it stands, brackets and all.
        {"{sot}\ne|--[x--|\n{eot}", "e|--[x--|"},
        // A stray end of a section that was never opened is passed over.
        {"a\n{end_of_chorus}\nb", "a\nb"},
    };
    for (const auto& c : cases) {
        const CSongText song = ReadOk(kCho, std::string("{title: T}\n") + c.file);
        EXPECT_EQ(song.strField1, Crlf(c.field1)) << c.file;
    }
}

TEST(ChordProRead, DirectiveNamesAndFormsAreFreeLineEndsAll) {
    for (const char* file : {"{TITLE: Be Thou My Vision}\r\n[D]Be Thou\r\nmy Vision\r\n",
                             "{t:Be Thou My Vision}\r[D]Be Thou\rmy Vision",
                             "{Title Be Thou My Vision}\n[D]Be Thou\nmy Vision\n",
                             "  {title : Be Thou My Vision }\n[D]Be Thou\nmy Vision\n"}) {
        const CSongText song = ReadOk(kCho, file);
        EXPECT_EQ(song.strTitle, "Be Thou My Vision") << file;
        EXPECT_EQ(song.strField1, "{D}Be Thou\r\nmy Vision") << file;
    }
}

TEST(ChordProRead, KeyTimeAndTempoGoToTheSecondHeading) {
    const struct {
        const char* file;
        const char* heading2;
        int bpm;
    } cases[] = {
        {"{title: Holy}\n{key: D}\n", "Holy - D", 0},
        {"{title: Holy}\n{subtitle: Trinity}\n{time: 4/4}\n{tempo: 92}\n", "Trinity - 4/4", 92},
        {"{title: Holy}\n{tempo: Moderato}\n", "Holy - Moderato", 0},
        {"{title: Holy}\n{tempo: 1000}\n", "Holy - 1000", 0},
        {"{title: Holy}\n{tempo: 0}\n", "Holy - 0", 0},
        {"{title: Holy}\n{subtitle: Trinity}\n", "Trinity", 0},
        {"{key: D}\nwords\n", "D", 0},
    };
    for (const auto& c : cases) {
        const CSongText song = ReadOk(kCho, c.file);
        EXPECT_EQ(song.strHeading2, c.heading2) << c.file;
        EXPECT_EQ(song.nBPM, c.bpm) << c.file;
    }
}

TEST(ChordProRead, CreditsAndOurOwnDirectives) {
    CSongText song = ReadOk(kCho,
                            "{title: It Is Well (Db)}\n{lyricist: Horatio Spafford}\n"
                            "{composer: Horatio Spafford}\n{artist: The Choir}\n"
                            "{transpose: -2}\n{x_versilux_prefer_flats: true}\nwords");
    EXPECT_EQ(song.strHeading2Alt, "The Choir; Words and music: Horatio Spafford");
    EXPECT_EQ(song.nTranspose, -2);
    EXPECT_TRUE(song.bPreferFlats);
    EXPECT_EQ(song.strHeading1, "It Is Well (Db)");

    song = ReadOk(kCho,
                  "{title: It Is Well (Db)}\n{x_versilux_heading1: It Is Well}\n"
                  "{lyricist: Horatio Spafford}\n{x_versilux_heading2_alt: Written in C}\nwords");
    EXPECT_EQ(song.strTitle, "It Is Well (Db)");
    EXPECT_EQ(song.strHeading1, "It Is Well");
    EXPECT_EQ(song.strHeading2Alt, "Written in C");
}

TEST(ChordProRead, RefusalsNameTheLine) {
    const struct {
        const char* file;
        int line;
        const char* says;
    } cases[] = {
        {"{title: T}\nok\nA[G mazing\n", 3, "["},
        {"{title: T\nwords\n", 1, "not closed"},
        {"{title: T}\n{start_of_verse}\na\n", 2, "never closed"},
        {"{title: T}\n{sov}\na\n{soc}\nb\n{eoc}\n{eov}", 4, "inside"},
        {"{title: T}\n\n{sov}\na\n{end_of_chorus}\n", 5, "cannot close"},
        {"{title: T}\n{transpose: 13}\n", 2, "-12 to 12"},
        {"{title: T}\n{transpose: up}\n", 2, "-12 to 12"},
        {"{title: T}\r\rA[G\r", 3, "["},
    };
    for (const auto& c : cases) {
        const CSongFileError error = ReadRefused(kCho, c.file);
        EXPECT_EQ(error.nLine, c.line) << c.file;
        EXPECT_TRUE(error.strReason.Contains(c.says)) << error.strReason;
    }
}

TEST(ChordProWrite, WritesDirectivesScreensAndChordsInBrackets) {
    CSongText song;
    song.strTitle = "Holy, Holy, Holy (D)";
    song.strHeading1 = "Holy, Holy, Holy";
    song.strHeading2 = "Holy, Holy, Holy - D, 4/4";
    song.strHeading2Alt = "Words: Reginald Heber, 1826";
    song.nBPM = 92;
    song.nTranspose = 2;
    song.bPreferFlats = true;
    song.strField1 = Crlf(
        "Intro: ¬D Bm¬ | ¬G A¬ | ¬D¬\n|{D}Holy, holy, |{Bm}holy!\n&\n{D}Holy\n&Chorus\n[2]Lord[0]");
    EXPECT_EQ(WriteChordPro(song),
              "{title: Holy, Holy, Holy (D)}\n"
              "{x_versilux_heading1: Holy, Holy, Holy}\n"
              "{subtitle: Holy, Holy, Holy - D, 4/4}\n"
              "{x_versilux_heading2_alt: Words: Reginald Heber, 1826}\n"
              "{tempo: 92}\n"
              "{transpose: 2}\n"
              "{x_versilux_prefer_flats: true}\n"
              "\n"
              "Intro: \xC2\xAC"
              "D Bm\xC2\xAC | \xC2\xAC"
              "G A\xC2\xAC | \xC2\xAC"
              "D\xC2\xAC\n"
              "|[D]Holy, holy, |[Bm]holy!\n"
              "\n"
              "[D]Holy\n"
              "\n"
              "{start_of_chorus: Chorus}\n"
              "[2]Lord[0]\n"
              "{end_of_chorus}\n");
}

TEST(ChordProWrite, LinesThatWouldReadOtherwiseGoIntoComments) {
    const struct {
        const char* line;
        const char* written;
    } cases[] = {
        {"[abc", "{comment: [abc}"},  // a bracket of its own
        {"a [Verse] b", "{comment: a [Verse] b}"},
        {"#1 hit", "{comment: #1 hit}"},  // would be a file comment
        {"{x", "{comment: {x}"},          // would be a directive
        {"a{}b", "{comment: a{}b}"},      // an empty chord is dropped
        {"{7}x", "{comment: {7}x}"},      // would be a colour mark
        {"a # b", "a # b"},
        {"x{y", "x{y"},
    };
    for (const auto& c : cases) {
        CSongText song;
        song.strTitle = "T";
        song.strHeading1 = "T";
        song.strField1 = c.line;
        EXPECT_EQ(WriteChordPro(song), std::string("{title: T}\n\n") + c.written + "\n") << c.line;
        CSongText back = ReadOk(kCho, WriteChordPro(song));
        EXPECT_EQ(back.strField1, c.line);
    }
}

}  // namespace
