#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SongFileTesting.h"
#include "text/SongFile.h"
#include "text/SongScreens.h"

namespace {

TEST(SongFile, FormatOfPathByExtension) {
    ESongFormat format = ESongFormat::PlainText;
    for (const char* path : {"a.cho", "/songs/b.CHORDPRO", "c.chopro", "d.Crd", "e.pro"}) {
        EXPECT_TRUE(SongFormatOfPath(path, format)) << path;
        EXPECT_EQ(format, ESongFormat::ChordPro) << path;
    }
    EXPECT_TRUE(SongFormatOfPath("/home/me/Amazing Grace.XML", format));
    EXPECT_EQ(format, ESongFormat::OpenLyrics);
    EXPECT_TRUE(SongFormatOfPath("hymn.txt", format));
    EXPECT_EQ(format, ESongFormat::PlainText);
    for (const char* path : {"song.doc", "song", "cho", "/dir.cho/song", "song.cho.bak"}) {
        EXPECT_FALSE(SongFormatOfPath(path, format)) << path;
    }
}

TEST(SongFile, FilesThatAreNotUtf8TextAreRefusedAtTheirLine) {
    const struct {
        std::string bytes;
        int line;
        const char* says;
    } cases[] = {
        {std::string("\xFF\xFE"
                     "T\0i\0",
                     6),
         1, "UTF-16"},
        {std::string("\xFE\xFF\0T\0i", 6), 1, "UTF-16"},
        {std::string("\xFF\xFE\0\0T\0\0\0", 8), 1, "UTF-32"},
        {std::string("title\nwords\nmore\0words", 22), 3, "NUL"},
        {"title\nbell \x07 here\n", 2, "control"},
        {"title\r\nok\r\ndel \x7F\r\n", 3, "control"},
        {"Title\ncaf\xE9 au lait\n", 2, "Windows-1252"},
        {"Title\rsecond\rcaf\xE9\r", 3, "UTF-8"},
        {"T\n\xC3", 2, "UTF-8"},          // a sequence cut short
        {"T\n\xC0\xAF", 2, "UTF-8"},      // an overlong form
        {"T\n\xED\xA0\x80", 2, "UTF-8"},  // a surrogate
        {"T\n\xC2\x85", 2, "control"},    // a C1 control character
        {std::string(kMaxSongFileBytes + 1, 'a'), 0, "larger than 1 MB"},
    };
    for (const ESongFormat format :
         {ESongFormat::ChordPro, ESongFormat::OpenLyrics, ESongFormat::PlainText}) {
        for (const auto& c : cases) {
            const CSongFileError error = ReadRefused(format, c.bytes);
            EXPECT_EQ(error.nLine, c.line) << c.bytes.substr(0, 40);
            EXPECT_TRUE(error.strReason.Contains(c.says)) << error.strReason;
        }
    }
}

TEST(SongFile, Utf8WithOrWithoutByteOrderMarkIsRead) {
    for (const std::string bytes :
         {"\xEF\xBB\xBFGrosser Gott\n\nWir loben dich\n", "Grosser Gott\n\nWir loben dich"}) {
        const CSongText song = ReadOk(ESongFormat::PlainText, bytes);
        EXPECT_EQ(song.strTitle, "Grosser Gott");
        EXPECT_EQ(song.strField1, "Wir loben dich");
    }
    EXPECT_EQ(ReadOk(ESongFormat::PlainText,
                     "Gro\xC3\x9F"
                     "er Gott\n")
                  .strTitle,
              U8("Großer Gott"));
}

TEST(SongFile, EmptySongsAndOverlongWordsAreRefused) {
    for (const auto& [format, bytes] : std::vector<std::pair<ESongFormat, std::string>>{
             {ESongFormat::PlainText, ""},
             {ESongFormat::PlainText, "\n  \n\t\n"},
             {ESongFormat::ChordPro, "# only a note\n{key: G}\n"},
             {ESongFormat::OpenLyrics,
              "<song xmlns=\"http://openlyrics.info/namespace/2009/song\"/>"}}) {
        const CSongFileError error = ReadRefused(format, bytes);
        EXPECT_EQ(error.nLine, 0);
        EXPECT_TRUE(error.strReason.Contains("no song")) << error.strReason;
    }
    // The longest main text an item holds is read; one character more is not.
    const std::string longest(kMaxSongText, 'a');
    EXPECT_EQ(ReadOk(ESongFormat::PlainText, "T\n" + longest).strField1.length(), kMaxSongText);
    const CSongFileError error = ReadRefused(ESongFormat::ChordPro, "T\n" + longest + "a");
    EXPECT_EQ(error.nLine, 0);
    EXPECT_TRUE(error.strReason.Contains("32768")) << error.strReason;
}

struct Chart {
    const char* title;
    const char* heading1;
    const char* heading2;
    const char* heading2Alt;
    int bpm;
    int transpose;
    bool bPreferFlats;
    const char* field1;
};

// The chord charts of the demo library (public-domain hymns).
const Chart kDemoCharts[] = {
    {R"x(Amazing Grace (G))x", R"x(Amazing Grace)x", R"x(Amazing Grace - G, 3/4)x",
     R"x(Words: John Newton, 1779)x", 72, 0, false,
     R"x(Intro: ¬G D/F#¬ | ¬Em C¬ | ¬G D7¬ | ¬G¬
A|{G}mazing |{G7}grace! How |{C}sweet the |{G}sound
That |{G}saved a |{Em}wretch like |{D}me!
I |{G}once was |{G7}lost, but |{C}now am |{G}found,
Was |{Em}blind, but |{D7}now I |{G}see.
&
'Twas {G}grace that {G7}taught my {C}heart to {G}fear,
And {G}grace my {Em}fears re{D}lieved,
How {G}precious {G7}did that {C}grace ap{G}pear
The {Em}hour I {D7}first be{G}lieved.
&
Through {G}many {G7}dangers, {C}toils and {G}snares,
I {G}have al{Em}ready {D}come,
'Tis {G}grace hath {G7}brought me {C}safe thus {G}far,
And {Em}grace will {D7}lead me {G}home.
&
The {G}Lord has {G7}promised {C}good to {G}me,
His {G}word my {Em}hope se{D}cures,
He {G}will my {G7}shield and {C}portion {G}be,
As {Em}long as {D7}life en{G}dures.
&
When {G}we've been {G7}there ten {C}thousand {G}years,
Bright {G}shining {Em}as the {D}sun,
We've {G}no less {G7}days to {C}sing God's {G}praise
Than {Em}when we'd {D7}first be{G}gun.
Ending: ¬C G¬ | ¬D7 G¬)x"},
    {R"x(Holy, Holy, Holy (D))x", R"x(Holy, Holy, Holy)x", R"x(Holy, Holy, Holy - D, 4/4)x",
     R"x(Words: Reginald Heber, 1826)x", 92, 0, false,
     R"x(Intro: ¬D Bm¬ | ¬G A¬ | ¬D¬
|{D}Holy, holy, |{Bm}holy! |{G}Lord God Al|{D}migh{A}ty!
|{D}Early in the |{Bm}morning our |{E7}song shall rise to |{A}Thee,
|{D}Holy, holy, |{Bm}holy, |{G}merciful and |{D}migh{A}ty!
{G}God in {D}three {Bm}Per{F#m}sons, {G}bless{D}ed {A7}Trin{D}ity!
&
{D}Holy, holy, {Bm}holy! {G}All the saints a{D}dore {A}Thee,
{D}Casting down their {Bm}golden crowns a{E7}round the glassy {A}sea,
{D}Cherubim and {Bm}seraphim {G}falling down be{D}fore {A}Thee,
{G}Which wert, and {D}art, and {Bm}ever{F#m}more {G}shalt {A7}be{D}.
&
{D}Holy, holy, {Bm}holy! {G}Though the darkness {D}hide {A}Thee,
{D}Though the eye of {Bm}sinful man {E7}Thy glory may not {A}see,
{D}Only Thou art {Bm}holy, {G}there is none be{D}side {A}Thee,
{G}Perfect in {D}power, {Bm}in {F#m}love, {G}and {D}pu{A7}ri{D}ty.
&
{D}Holy, holy, {Bm}holy! {G}Lord God Al{D}migh{A}ty!
{D}All Thy works shall {Bm}praise Thy name, in {E7}earth, and sky, and {A}sea,
{D}Holy, holy, {Bm}holy, {G}merciful and {D}migh{A}ty!
{G}God in {D}three {Bm}Per{F#m}sons, {G}bless{D}ed {A7}Trin{D}ity!)x"},
    {R"x(Abide with Me (D))x", R"x(Abide with Me)x", R"x(Abide with Me - D, 4/4)x",
     R"x(Words: Henry F. Lyte, 1847)x", 66, 0, false,
     R"x(Intro: ¬D A/C#¬ | ¬Bm G¬ | ¬D/A A7¬ | ¬D¬
{D}Abide with {A}me, {D}fast falls the {G}even{D}tide,
The {Bm}darkness {F#m}deepens, {G}Lord, with {Em}me a{A}bide!
When {D}other {A}helpers {Bm}fail and {E7}comforts {A}flee,
{D}Help of the {G}help{D}less, {A7}O abide with {D}me.
&
{D}Swift to its {A}close {D}ebbs out life's {G}little {D}day,
Earth's {Bm}joys grow {F#m}dim, its {G}glories {Em}pass a{A}way,
{D}Change and de{A}cay {Bm}in all a{E7}round I {A}see,
{D}O Thou who {G}chang{D}est not, {A7}abide with {D}me.
&
I {D}need Thy {A}presence {D}every {G}passing {D}hour,
What {Bm}but Thy {F#m}grace can {G}foil the {Em}tempter's {A}power?
Who, {D}like Thy{A}self, my {Bm}guide and {E7}stay can {A}be?
{D}Through cloud and {G}sun{D}shine, {A7}Lord, abide with {D}me.
&
I {D}fear no {A}foe, with {D}Thee at {G}hand to {D}bless,
Ills {Bm}have no {F#m}weight, and {G}tears no {Em}bitter{A}ness.
Where {D}is death's {A}sting? Where, {Bm}grave, thy {E7}victo{A}ry?
I {D}triumph {G}still, if {D}Thou {A7}abide with {D}me.
&
{D}Hold Thou Thy {A}cross be{D}fore my {G}closing {D}eyes,
Shine {Bm}through the {F#m}gloom and {G}point me {Em}to the {A}skies.
{D}Heaven's morning {A}breaks, and {Bm}earth's vain {E7}shadows {A}flee,
{D}In life, in {G}death, {D}O Lord, {A7}abide with {D}me.)x"},
    {R"x(Be Thou My Vision (D))x", R"x(Be Thou My Vision)x", R"x(Be Thou My Vision - D, 3/4)x",
     R"x(Tune: Slane)x", 88, 0, false,
     R"x(Intro: ¬D G¬ | ¬D A¬ | ¬Bm G¬ | ¬A D¬
|{D}Be Thou my |{G}Vi|{D}sion, O |{G}Lord of my |{A}heart,
|{G}Naught be all |{D}else to me, |{Em}save that Thou |{A}art,
|{D}Thou my best |{Bm}Thought, by |{G}day or by |{A}night,
|{G}Waking or |{D}sleeping, Thy |{G}pres{A}ence my |{D}light.
&
{D}Be Thou my {G}Wis{D}dom, and {G}Thou my true {A}Word,
{G}I ever with {D}Thee and Thou {Em}with me, {A}Lord,
{D}Thou my great {Bm}Father, {G}I Thy true {A}son,
{G}Thou in me {D}dwelling, and {G}I {A}with Thee {D}one.
&
{D}Riches I {G}heed {D}not, nor {G}man's empty {A}praise,
{G}Thou mine In{D}heritance, {Em}now and al{A}ways,
{D}Thou and Thou {Bm}only, {G}first in my {A}heart,
{G}High King of {D}Heaven, my {G}Trea{A}sure Thou {D}art.
&
{D}High King of {G}Hea{D}ven, af{G}ter victory {A}won,
{G}May I reach {D}Heaven's joys, {Em}O bright Heaven's {A}Sun!
{D}Heart of my {Bm}own heart, {G}whatever be{A}fall,
{G}Still be my {D}Vision, O {G}Ru{A}ler of {D}all.)x"},
    {R"x(It Is Well with My Soul (Db))x", R"x(It Is Well with My Soul)x",
     R"x(It Is Well - Db, 4/4)x", R"x(Written in C, shown a semitone up)x", 76, 1, true,
     R"x(Intro: ¬C F¬ | ¬C G7¬ | ¬C¬
When |{C}peace, like a |{F}river, at|{C}tendeth my way,
When |{Am}sorrows like |{D7}sea billows |{G}roll,
What|{C}ever my |{F}lot, Thou hast |{C}taught me to |{Am}say,
It is |{C}well, it is |{G7}well with my |{C}soul.
[2]It is {G7}well (it is well) with my {C}soul (with my soul),[0]
[2]It is {F}well, it is {C}well {G7}with my {C}soul.[0]
&
Though {C}Satan should {F}buffet, though {C}trials should come,
Let {Am}this blest as{D7}surance con{G}trol,
That {C}Christ hath re{F}garded my {C}helpless es{Am}tate,
And hath {C}shed His own {G7}blood for my {C}soul.
[2]It is {G7}well (it is well) with my {C}soul (with my soul),[0]
[2]It is {F}well, it is {C}well {G7}with my {C}soul.[0]
&
My {C}sin, oh, the {F}bliss of this {C}glorious thought!
My {Am}sin, not in {D7}part but the {G}whole,
Is {C}nailed to the {F}cross, and I {C}bear it no {Am}more,
Praise the {C}Lord, praise the {G7}Lord, O my {C}soul!
[2]It is {G7}well (it is well) with my {C}soul (with my soul),[0]
[2]It is {F}well, it is {C}well {G7}with my {C}soul.[0]
&
And {C}Lord, haste the {F}day when my {C}faith shall be sight,
The {Am}clouds be rolled {D7}back as a {G}scroll,
The {C}trump shall re{F}sound, and the {C}Lord shall de{Am}scend,
Even {C}so, it is {G7}well with my {C}soul.
[2]It is {G7}well (it is well) with my {C}soul (with my soul),[0]
[2]It is {F}well, it is {C}well {G7}with my {C}soul.[0])x"},
};

// Texts of our own that reach the corners of both formats.
const Chart kOwnCharts[] = {
    {"Labels", "Labels", "", "", 0, -12, false,
     "&Verse 1\nA{G}mazing\n&Chorus\n[2]Grace[0]\n&\n\n"},
    {"Blank lines inside", "", "Sub", "Alt", 999, 12, true, "one\n\ntwo\n&\nthree\n\n\nfour"},
    {"", "Heading only", "", "", 1, 0, false, "{ G  D}Oh\n  indented {D}line\n&Bridge x\nb"},
    {"Escapes", "Escapes", "a } b", "#hash", 0, 0, false,
     "[abc\n#1\n{x\na{}b\n{7}x\n<tag> + \"q\"\n{N.C.}|{A/C#}x"},
    {"Tab", "Tab", "", "", 0, 0, false, "e|--[3]--|\n&\n{comment: x}"},
};

CSongText SongOf(const Chart& c) {
    CSongText song;
    song.strTitle = U8(c.title);
    song.strHeading1 = U8(c.heading1);
    song.strHeading2 = U8(c.heading2);
    song.strHeading2Alt = U8(c.heading2Alt);
    song.nBPM = c.bpm;
    song.nTranspose = c.transpose;
    song.bPreferFlats = c.bPreferFlats;
    song.bChords = true;
    song.strField1 = Crlf(c.field1);
    return song;
}

void ExpectChordProRoundTrip(const Chart& chart) {
    const CSongText song = SongOf(chart);
    const CSongText back = ReadOk(ESongFormat::ChordPro, WriteChordPro(song));
    EXPECT_EQ(back.strTitle, song.strTitle);
    EXPECT_EQ(back.strHeading1, song.strHeading1);
    EXPECT_EQ(back.strHeading2, song.strHeading2);
    EXPECT_EQ(back.strHeading2Alt, song.strHeading2Alt);
    EXPECT_EQ(back.strField1, song.strField1);
    EXPECT_EQ(back.nBPM, song.nBPM);
    EXPECT_EQ(back.nTranspose, song.nTranspose);
    EXPECT_EQ(back.bPreferFlats, song.bPreferFlats);
    EXPECT_EQ(back.bChords, song.bChords);
}

TEST(SongFileRoundTrip, DemoChordChartsThroughChordPro) {
    for (const Chart& chart : kDemoCharts) {
        SCOPED_TRACE(chart.title);
        ExpectChordProRoundTrip(chart);
    }
}

TEST(SongFileRoundTrip, OwnCornerCasesThroughChordPro) {
    // The readers drop empty lines at a screen's edges; the texts here are
    // given as a reader leaves them.
    for (Chart chart : kOwnCharts) {
        SCOPED_TRACE(chart.title);
        CSongText song = SongOf(chart);
        if (song.strField1.EndsWith("\r\n&\r\n\r\n")) {
            continue;  // checked below, as the reader leaves it
        }
        ExpectChordProRoundTrip(chart);
    }
    // Written and read twice, a text a reader would not give comes back
    // the way the reader gives it, and stays so.
    const CSongText song = SongOf(kOwnCharts[0]);
    const CSongText once = ReadOk(ESongFormat::ChordPro, WriteChordPro(song));
    EXPECT_EQ(once.strField1, Crlf("&Verse 1\nA{G}mazing\n&Chorus\n[2]Grace[0]"));
    EXPECT_EQ(ReadOk(ESongFormat::ChordPro, WriteChordPro(once)).strField1, once.strField1);
}

TEST(SongFileRoundTrip, LayoutAndColoursOfOurOwnFilesComeBack) {
    CSongText song = SongOf(kOwnCharts[1]);
    song.nType = 8;
    song.nBackground = 1;
    song.nForeground = 2;
    song.nForeground2 = 8;
    const std::string cho = WriteChordPro(song);
    EXPECT_NE(cho.find("{x_versilux_layout: 8}\n{x_versilux_colours: 1 2 8}\n"), std::string::npos)
        << cho;
    const CSongText back = ReadOk(ESongFormat::ChordPro, cho);
    EXPECT_EQ(back.nType, 8);
    EXPECT_EQ(back.nBackground, 1);
    EXPECT_EQ(back.nForeground, 2);
    EXPECT_EQ(back.nForeground2, 8);
    // What no layout has, or colours not all given, leave the defaults.
    for (const char* file :
         {"{title: x}\n{x_versilux_layout: 9}\n{x_versilux_colours: 1 2}\nA",
          "{title: x}\n{x_versilux_layout: -1}\n{x_versilux_colours: 1 0 2}\nA",
          "{title: x}\n{x_versilux_layout: 7b}\n{x_versilux_colours: a b c}\nA"}) {
        const CSongText other = ReadOk(ESongFormat::ChordPro, file);
        EXPECT_EQ(other.nType, 0) << file;
        EXPECT_EQ(other.nBackground + other.nForeground + other.nForeground2, 0) << file;
    }
}

TEST(SongFile, AnAmpersandInTheWordsNeverStartsAScreen) {
    // The show starts a new screen at any "&" of an item's text.
    const CSongText song = ReadOk(ESongFormat::ChordPro,
                                  "{title: Alpha & Omega}\n{start_of_verse: Verse & Chorus}\n"
                                  "[G]Alpha & Omega, R&B\n{end_of_verse}\n");
    EXPECT_EQ(song.strTitle, "Alpha & Omega");  // headings are never split
    EXPECT_EQ(song.strField1, Crlf("&Verse and Chorus\n{G}Alpha and Omega, R+B"));
    EXPECT_EQ(WithoutScreenBreaks("& x &"), "and x and");
    EXPECT_EQ(ReadOk(ESongFormat::PlainText, "T\n\nSalt & light\n").strField1, "Salt and light");
}

TEST(SongFileRoundTrip, DemoChordChartsThroughOpenLyrics) {
    for (const Chart& chart : kDemoCharts) {
        SCOPED_TRACE(chart.title);
        const CSongText song = SongOf(chart);
        const CSongText back = ReadOk(ESongFormat::OpenLyrics, WriteOpenLyrics(song));
        EXPECT_EQ(back.strTitle, song.strTitle);
        EXPECT_EQ(back.strField1, song.strField1);
        EXPECT_EQ(back.strHeading2, song.strHeading2);
        EXPECT_EQ(back.nBPM, song.nBPM);
        EXPECT_EQ(back.nTranspose, song.nTranspose);
        EXPECT_TRUE(back.bChords);
    }
}

TEST(SongFileRoundTrip, OwnCasesThroughOpenLyricsKeepMarkupAsText) {
    // Labels and indents have no place in OpenLyrics; the rest comes back.
    CSongText song = SongOf(kOwnCharts[3]);
    CSongText back = ReadOk(ESongFormat::OpenLyrics, WriteOpenLyrics(song));
    EXPECT_EQ(back.strField1, song.strField1);
    EXPECT_EQ(back.strHeading2, "a } b");

    song = SongOf(kOwnCharts[1]);
    back = ReadOk(ESongFormat::OpenLyrics, WriteOpenLyrics(song));
    EXPECT_EQ(back.strField1, song.strField1);
    EXPECT_EQ(back.nBPM, 999);
    EXPECT_FALSE(back.bChords);
}

}  // namespace
