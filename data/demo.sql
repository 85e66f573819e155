-- Versilux demo content, run after library.sql: a second partition, a small
-- library of public-domain hymns, liturgy, a title, a picture and demo
-- schedules.
-- Every statement ends with a semicolon at the end of its line, and no line
-- inside a text ends with one, so the loader can split the file by lines.
-- Texts are written with plain line ends here; the last statements turn
-- them into CR LF, the line end the edit boxes deliver.
-- @DATA@ is replaced by the shipped data folder before the file is run.


-- A second partition.
INSERT INTO VPD (ID, Name) VALUES (2, 'Youth');

-- Items. Subtype: 0 Title, 1 Song, 2 Liturgy, 3 Chords, 4 Picture.
-- Songs and liturgy use type 4 (title band, text below) and chord charts
-- types 7 and 8; all of these start a new screen at a line holding '&'.

INSERT INTO items (ID, Title, Heading1, Heading2, Heading2_alt, Type, Subtype,
    Background, Foreground, Foreground2, VPD, Transpose, PreferFlats, FileName,
    Flag1, Flag2, Flag3, Flag4, BPM, Field2, Field1)
VALUES (1, 'Welcome', 'Welcome to our church', 'Please silence your phones',
    'Guest Wi-Fi details at the welcome desk', 1, 0,
    7, 2, 3, 1, 0, 0, 'welcome.txt',
    0, 0, 0, 0, 0, '', '');

INSERT INTO items (ID, Title, Heading1, Heading2, Heading2_alt, Type, Subtype,
    Background, Foreground, Foreground2, VPD, Transpose, PreferFlats, FileName,
    Flag1, Flag2, Flag3, Flag4, BPM, Field2, Field1)
VALUES (2, 'Call to Worship (Psalm 100)', 'Call to Worship', 'Psalm 100', 'Psalm 100 (KJV)', 4, 2,
    7, 2, 14, 1, 0, 0, 'call-to-worship-psalm-100.txt',
    0, 0, 0, 0, 0, '',
'Make a joyful noise unto the LORD, all ye lands.
[2]Serve the LORD with gladness:[0]
[2]come before his presence with singing.[0]
&
Know ye that the LORD he is God:
it is he that hath made us, and not we ourselves,
[2]we are his people, and the sheep of his pasture.[0]
&
Enter into his gates with thanksgiving,
and into his courts with praise:
[2]be thankful unto him, and bless his name.[0]
&
For the LORD is good, his mercy is everlasting,
[2]and his truth endureth to all generations.[0]');

INSERT INTO items (ID, Title, Heading1, Heading2, Heading2_alt, Type, Subtype,
    Background, Foreground, Foreground2, VPD, Transpose, PreferFlats, FileName,
    Flag1, Flag2, Flag3, Flag4, BPM, Field2, Field1)
VALUES (3, 'The Lord''s Prayer', 'The Lord''s Prayer', 'Matthew 6:9-13', 'Traditional wording', 4, 2,
    7, 2, 14, 1, 0, 0, 'lords-prayer.txt',
    0, 0, 0, 0, 0, '',
'Our Father, which art in heaven,
hallowed be thy Name.
Thy kingdom come.
Thy will be done,
in earth as it is in heaven.
&
Give us this day our daily bread.
And forgive us our trespasses,
as we forgive them that trespass against us.
And lead us not into temptation,
but deliver us from evil.
&
For thine is the kingdom,
the power, and the glory,
for ever and ever.
Amen.');

-- A picture item names its file in Heading1, the field the picture screen
-- draws from.
INSERT INTO items (ID, Title, Heading1, Heading2, Heading2_alt, Type, Subtype,
    Background, Foreground, Foreground2, VPD, Transpose, PreferFlats, FileName,
    Flag1, Flag2, Flag3, Flag4, BPM, Field2, Field1)
VALUES (4, 'Sunrise', '@DATA@/pictures/sunrise.png', 'Demo picture', 'Sunrise over the hills', 50, 4,
    1, 2, 3, 1, 0, 0, 'sunrise.png',
    0, 0, 0, 0, 0, '', '');

INSERT INTO items (ID, Title, Heading1, Heading2, Heading2_alt, Type, Subtype,
    Background, Foreground, Foreground2, VPD, Transpose, PreferFlats, FileName,
    Flag1, Flag2, Flag3, Flag4, BPM, Field2, Field1)
VALUES (5, 'Amazing Grace', 'Amazing Grace', 'Words: John Newton, 1779', 'Tune: New Britain', 4, 1,
    1, 2, 3, 1, 0, 0, 'amazing-grace.txt',
    1, 0, 0, 0, 72, '',
'Amazing grace! How sweet the sound
That saved a wretch like me!
I once was lost, but now am found,
Was blind, but now I see.
&
''Twas grace that taught my heart to fear,
And grace my fears relieved,
How precious did that grace appear
The hour I first believed.
&
Through many dangers, toils and snares,
I have already come,
''Tis grace hath brought me safe thus far,
And grace will lead me home.
&
The Lord has promised good to me,
His word my hope secures,
He will my shield and portion be,
As long as life endures.
&
When we''ve been there ten thousand years,
Bright shining as the sun,
We''ve no less days to sing God''s praise
Than when we''d first begun.');

INSERT INTO items (ID, Title, Heading1, Heading2, Heading2_alt, Type, Subtype,
    Background, Foreground, Foreground2, VPD, Transpose, PreferFlats, FileName,
    Flag1, Flag2, Flag3, Flag4, BPM, Field2, Field1)
VALUES (6, 'Holy, Holy, Holy', 'Holy, Holy, Holy', 'Words: Reginald Heber, 1826', 'Tune: Nicaea, John B. Dykes, 1861', 4, 1,
    1, 2, 3, 1, 0, 0, 'holy-holy-holy.txt',
    0, 0, 0, 0, 92, '',
'Holy, holy, holy! Lord God Almighty!
Early in the morning our song shall rise to Thee,
Holy, holy, holy, merciful and mighty!
God in three Persons, blessed Trinity!
&
Holy, holy, holy! All the saints adore Thee,
Casting down their golden crowns around the glassy sea,
Cherubim and seraphim falling down before Thee,
Which wert, and art, and evermore shalt be.
&
Holy, holy, holy! Though the darkness hide Thee,
Though the eye of sinful man Thy glory may not see,
Only Thou art holy, there is none beside Thee,
Perfect in power, in love, and purity.
&
Holy, holy, holy! Lord God Almighty!
All Thy works shall praise Thy name, in earth, and sky, and sea,
Holy, holy, holy, merciful and mighty!
God in three Persons, blessed Trinity!');

INSERT INTO items (ID, Title, Heading1, Heading2, Heading2_alt, Type, Subtype,
    Background, Foreground, Foreground2, VPD, Transpose, PreferFlats, FileName,
    Flag1, Flag2, Flag3, Flag4, BPM, Field2, Field1)
VALUES (7, 'Abide with Me', 'Abide with Me', 'Words: Henry F. Lyte, 1847', 'Tune: Eventide, William H. Monk, 1861', 4, 1,
    7, 2, 3, 1, 0, 0, 'abide-with-me.txt',
    0, 0, 0, 0, 66, '',
'Abide with me, fast falls the eventide,
The darkness deepens, Lord, with me abide!
When other helpers fail and comforts flee,
Help of the helpless, O abide with me.
&
Swift to its close ebbs out life''s little day,
Earth''s joys grow dim, its glories pass away,
Change and decay in all around I see,
O Thou who changest not, abide with me.
&
I need Thy presence every passing hour,
What but Thy grace can foil the tempter''s power?
Who, like Thyself, my guide and stay can be?
Through cloud and sunshine, Lord, abide with me.
&
I fear no foe, with Thee at hand to bless,
Ills have no weight, and tears no bitterness.
Where is death''s sting? Where, grave, thy victory?
I triumph still, if Thou abide with me.
&
Hold Thou Thy cross before my closing eyes,
Shine through the gloom and point me to the skies.
Heaven''s morning breaks, and earth''s vain shadows flee,
In life, in death, O Lord, abide with me.');

INSERT INTO items (ID, Title, Heading1, Heading2, Heading2_alt, Type, Subtype,
    Background, Foreground, Foreground2, VPD, Transpose, PreferFlats, FileName,
    Flag1, Flag2, Flag3, Flag4, BPM, Field2, Field1)
VALUES (8, 'Be Thou My Vision', 'Be Thou My Vision', 'Irish, tr. Mary E. Byrne, 1905, vers. Eleanor H. Hull, 1912', 'Tune: Slane', 4, 1,
    1, 2, 3, 1, 0, 0, 'be-thou-my-vision.txt',
    0, 0, 0, 0, 88, '',
'Be Thou my Vision, O Lord of my heart,
Naught be all else to me, save that Thou art,
Thou my best Thought, by day or by night,
Waking or sleeping, Thy presence my light.
&
Be Thou my Wisdom, and Thou my true Word,
I ever with Thee and Thou with me, Lord,
Thou my great Father, I Thy true son,
Thou in me dwelling, and I with Thee one.
&
Riches I heed not, nor man''s empty praise,
Thou mine Inheritance, now and always,
Thou and Thou only, first in my heart,
High King of Heaven, my Treasure Thou art.
&
High King of Heaven, after victory won,
May I reach Heaven''s joys, O bright Heaven''s Sun!
Heart of my own heart, whatever befall,
Still be my Vision, O Ruler of all.');

INSERT INTO items (ID, Title, Heading1, Heading2, Heading2_alt, Type, Subtype,
    Background, Foreground, Foreground2, VPD, Transpose, PreferFlats, FileName,
    Flag1, Flag2, Flag3, Flag4, BPM, Field2, Field1)
VALUES (9, 'It Is Well with My Soul', 'It Is Well with My Soul', 'Words: Horatio G. Spafford, 1873', 'Tune: Ville du Havre, Philip P. Bliss, 1876', 4, 1,
    1, 2, 3, 1, 0, 0, 'it-is-well.txt',
    0, 0, 0, 0, 76, '',
'When peace, like a river, attendeth my way,
When sorrows like sea billows roll,
Whatever my lot, Thou hast taught me to say,
It is well, it is well with my soul.
&
[2]It is well (it is well)[0]
[2]with my soul (with my soul),[0]
[2]It is well, it is well with my soul.[0]
&
Though Satan should buffet, though trials should come,
Let this blest assurance control,
That Christ hath regarded my helpless estate,
And hath shed His own blood for my soul.
&
[2]It is well (it is well)[0]
[2]with my soul (with my soul),[0]
[2]It is well, it is well with my soul.[0]
&
My sin, oh, the bliss of this glorious thought!
My sin, not in part but the whole,
Is nailed to the cross, and I bear it no more,
Praise the Lord, praise the Lord, O my soul!
&
[2]It is well (it is well)[0]
[2]with my soul (with my soul),[0]
[2]It is well, it is well with my soul.[0]
&
And Lord, haste the day when my faith shall be sight,
The clouds be rolled back as a scroll,
The trump shall resound, and the Lord shall descend,
Even so, it is well with my soul.
&
[2]It is well (it is well)[0]
[2]with my soul (with my soul),[0]
[2]It is well, it is well with my soul.[0]');

-- Chord charts. A chord mark stands directly before the syllable it belongs
-- to; inline chords between two ¬ signs are drawn within the line.

INSERT INTO items (ID, Title, Heading1, Heading2, Heading2_alt, Type, Subtype,
    Background, Foreground, Foreground2, VPD, Transpose, PreferFlats, FileName,
    Flag1, Flag2, Flag3, Flag4, BPM, Field2, Field1)
VALUES (10, 'Amazing Grace (G)', 'Amazing Grace', 'Amazing Grace - G, 3/4', 'Words: John Newton, 1779', 8, 3,
    1, 2, 8, 1, 0, 0, 'amazing-grace-chords.txt',
    1, 0, 0, 0, 72, '',
'Intro: ¬G D/F#¬ | ¬Em C¬ | ¬G D7¬ | ¬G¬
A|{G}mazing |{G7}grace! How |{C}sweet the |{G}sound
That |{G}saved a |{Em}wretch like |{D}me!
I |{G}once was |{G7}lost, but |{C}now am |{G}found,
Was |{Em}blind, but |{D7}now I |{G}see.
&
''Twas {G}grace that {G7}taught my {C}heart to {G}fear,
And {G}grace my {Em}fears re{D}lieved,
How {G}precious {G7}did that {C}grace ap{G}pear
The {Em}hour I {D7}first be{G}lieved.
&
Through {G}many {G7}dangers, {C}toils and {G}snares,
I {G}have al{Em}ready {D}come,
''Tis {G}grace hath {G7}brought me {C}safe thus {G}far,
And {Em}grace will {D7}lead me {G}home.
&
The {G}Lord has {G7}promised {C}good to {G}me,
His {G}word my {Em}hope se{D}cures,
He {G}will my {G7}shield and {C}portion {G}be,
As {Em}long as {D7}life en{G}dures.
&
When {G}we''ve been {G7}there ten {C}thousand {G}years,
Bright {G}shining {Em}as the {D}sun,
We''ve {G}no less {G7}days to {C}sing God''s {G}praise
Than {Em}when we''d {D7}first be{G}gun.
Ending: ¬C G¬ | ¬D7 G¬');

INSERT INTO items (ID, Title, Heading1, Heading2, Heading2_alt, Type, Subtype,
    Background, Foreground, Foreground2, VPD, Transpose, PreferFlats, FileName,
    Flag1, Flag2, Flag3, Flag4, BPM, Field2, Field1)
VALUES (11, 'Holy, Holy, Holy (D)', 'Holy, Holy, Holy', 'Holy, Holy, Holy - D, 4/4', 'Words: Reginald Heber, 1826', 8, 3,
    1, 2, 8, 1, 0, 0, 'holy-holy-holy-chords.txt',
    0, 0, 0, 0, 92, '',
'Intro: ¬D Bm¬ | ¬G A¬ | ¬D¬
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
{G}God in {D}three {Bm}Per{F#m}sons, {G}bless{D}ed {A7}Trin{D}ity!');

INSERT INTO items (ID, Title, Heading1, Heading2, Heading2_alt, Type, Subtype,
    Background, Foreground, Foreground2, VPD, Transpose, PreferFlats, FileName,
    Flag1, Flag2, Flag3, Flag4, BPM, Field2, Field1)
VALUES (12, 'Abide with Me (D)', 'Abide with Me', 'Abide with Me - D, 4/4', 'Words: Henry F. Lyte, 1847', 7, 3,
    1, 2, 8, 1, 0, 0, 'abide-with-me-chords.txt',
    0, 0, 0, 0, 66, '',
'Intro: ¬D A/C#¬ | ¬Bm G¬ | ¬D/A A7¬ | ¬D¬
{D}Abide with {A}me, {D}fast falls the {G}even{D}tide,
The {Bm}darkness {F#m}deepens, {G}Lord, with {Em}me a{A}bide!
When {D}other {A}helpers {Bm}fail and {E7}comforts {A}flee,
{D}Help of the {G}help{D}less, {A7}O abide with {D}me.
&
{D}Swift to its {A}close {D}ebbs out life''s {G}little {D}day,
Earth''s {Bm}joys grow {F#m}dim, its {G}glories {Em}pass a{A}way,
{D}Change and de{A}cay {Bm}in all a{E7}round I {A}see,
{D}O Thou who {G}chang{D}est not, {A7}abide with {D}me.
&
I {D}need Thy {A}presence {D}every {G}passing {D}hour,
What {Bm}but Thy {F#m}grace can {G}foil the {Em}tempter''s {A}power?
Who, {D}like Thy{A}self, my {Bm}guide and {E7}stay can {A}be?
{D}Through cloud and {G}sun{D}shine, {A7}Lord, abide with {D}me.
&
I {D}fear no {A}foe, with {D}Thee at {G}hand to {D}bless,
Ills {Bm}have no {F#m}weight, and {G}tears no {Em}bitter{A}ness.
Where {D}is death''s {A}sting? Where, {Bm}grave, thy {E7}victo{A}ry?
I {D}triumph {G}still, if {D}Thou {A7}abide with {D}me.
&
{D}Hold Thou Thy {A}cross be{D}fore my {G}closing {D}eyes,
Shine {Bm}through the {F#m}gloom and {G}point me {Em}to the {A}skies.
{D}Heaven''s morning {A}breaks, and {Bm}earth''s vain {E7}shadows {A}flee,
{D}In life, in {G}death, {D}O Lord, {A7}abide with {D}me.');

INSERT INTO items (ID, Title, Heading1, Heading2, Heading2_alt, Type, Subtype,
    Background, Foreground, Foreground2, VPD, Transpose, PreferFlats, FileName,
    Flag1, Flag2, Flag3, Flag4, BPM, Field2, Field1)
VALUES (13, 'Be Thou My Vision (D)', 'Be Thou My Vision', 'Be Thou My Vision - D, 3/4', 'Tune: Slane', 8, 3,
    1, 2, 8, 1, 0, 0, 'be-thou-my-vision-chords.txt',
    0, 0, 0, 0, 88, '',
'Intro: ¬D G¬ | ¬D A¬ | ¬Bm G¬ | ¬A D¬
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
{D}Riches I {G}heed {D}not, nor {G}man''s empty {A}praise,
{G}Thou mine In{D}heritance, {Em}now and al{A}ways,
{D}Thou and Thou {Bm}only, {G}first in my {A}heart,
{G}High King of {D}Heaven, my {G}Trea{A}sure Thou {D}art.
&
{D}High King of {G}Hea{D}ven, af{G}ter victory {A}won,
{G}May I reach {D}Heaven''s joys, {Em}O bright Heaven''s {A}Sun!
{D}Heart of my {Bm}own heart, {G}whatever be{A}fall,
{G}Still be my {D}Vision, O {G}Ru{A}ler of {D}all.');

INSERT INTO items (ID, Title, Heading1, Heading2, Heading2_alt, Type, Subtype,
    Background, Foreground, Foreground2, VPD, Transpose, PreferFlats, FileName,
    Flag1, Flag2, Flag3, Flag4, BPM, Field2, Field1)
VALUES (14, 'It Is Well with My Soul (Db)', 'It Is Well with My Soul', 'It Is Well - Db, 4/4', 'Written in C, shown a semitone up', 8, 3,
    1, 2, 8, 1, 1, 1, 'it-is-well-chords.txt',
    0, 0, 0, 1, 76, '',
'Intro: ¬C F¬ | ¬C G7¬ | ¬C¬
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
[2]It is {F}well, it is {C}well {G7}with my {C}soul.[0]');

-- The Youth partition.

INSERT INTO items (ID, Title, Heading1, Heading2, Heading2_alt, Type, Subtype,
    Background, Foreground, Foreground2, VPD, Transpose, PreferFlats, FileName,
    Flag1, Flag2, Flag3, Flag4, BPM, Field2, Field1)
VALUES (15, 'Youth Night', 'Welcome to Youth Night!', 'Games first, then worship', 'Bring a friend next week', 1, 0,
    15, 2, 3, 2, 0, 0, 'youth-night.txt',
    0, 0, 0, 0, 0, '', '');

INSERT INTO items (ID, Title, Heading1, Heading2, Heading2_alt, Type, Subtype,
    Background, Foreground, Foreground2, VPD, Transpose, PreferFlats, FileName,
    Flag1, Flag2, Flag3, Flag4, BPM, Field2, Field1)
VALUES (16, 'Jesus Loves Me', 'Jesus Loves Me', 'Words: Anna B. Warner, 1860', 'Tune: William B. Bradbury, 1862', 4, 1,
    15, 2, 3, 2, 0, 0, 'jesus-loves-me.txt',
    1, 0, 0, 0, 100, '',
'Jesus loves me! This I know,
For the Bible tells me so.
Little ones to Him belong,
They are weak, but He is strong.
&
[2]Yes, Jesus loves me![0]
[2]Yes, Jesus loves me![0]
[2]Yes, Jesus loves me![0]
[2]The Bible tells me so.[0]
&
Jesus loves me! He who died
Heaven''s gate to open wide,
He will wash away my sin,
Let His little child come in.
&
[2]Yes, Jesus loves me![0]
[2]Yes, Jesus loves me![0]
[2]Yes, Jesus loves me![0]
[2]The Bible tells me so.[0]
&
Jesus loves me! He will stay
Close beside me all the way.
Thou hast bled and died for me,
I will henceforth live for Thee.
&
[2]Yes, Jesus loves me![0]
[2]Yes, Jesus loves me![0]
[2]Yes, Jesus loves me![0]
[2]The Bible tells me so.[0]');

-- Schedules. A schedule row's Transpose 999 means the item's own applies.
INSERT INTO Schedules (ID, Name, VPD) VALUES (1, 'Sunday Morning Demo', 1);
INSERT INTO Schedules (ID, Name, VPD) VALUES (2, 'Evening Chords Demo', 1);
INSERT INTO Schedules (ID, Name, VPD) VALUES (3, 'Youth Night Demo', 2);

INSERT INTO [schedule items] (ID, Schedule_ID, [Item ID], Item_Order, Transpose) VALUES (1, 1, 1, 0, 999);
INSERT INTO [schedule items] (ID, Schedule_ID, [Item ID], Item_Order, Transpose) VALUES (2, 1, 2, 1, 999);
INSERT INTO [schedule items] (ID, Schedule_ID, [Item ID], Item_Order, Transpose) VALUES (3, 1, 6, 2, 999);
INSERT INTO [schedule items] (ID, Schedule_ID, [Item ID], Item_Order, Transpose) VALUES (4, 1, 5, 3, 999);
INSERT INTO [schedule items] (ID, Schedule_ID, [Item ID], Item_Order, Transpose) VALUES (5, 1, 3, 4, 999);
INSERT INTO [schedule items] (ID, Schedule_ID, [Item ID], Item_Order, Transpose) VALUES (6, 1, 8, 5, 999);
INSERT INTO [schedule items] (ID, Schedule_ID, [Item ID], Item_Order, Transpose) VALUES (7, 1, 4, 6, 999);
INSERT INTO [schedule items] (ID, Schedule_ID, [Item ID], Item_Order, Transpose) VALUES (8, 1, 9, 7, 999);

-- Be Thou My Vision is played a tone up (E) in this schedule only.
INSERT INTO [schedule items] (ID, Schedule_ID, [Item ID], Item_Order, Transpose) VALUES (9, 2, 10, 0, 999);
INSERT INTO [schedule items] (ID, Schedule_ID, [Item ID], Item_Order, Transpose) VALUES (10, 2, 11, 1, 999);
INSERT INTO [schedule items] (ID, Schedule_ID, [Item ID], Item_Order, Transpose) VALUES (11, 2, 13, 2, 2);
INSERT INTO [schedule items] (ID, Schedule_ID, [Item ID], Item_Order, Transpose) VALUES (12, 2, 12, 3, 999);
INSERT INTO [schedule items] (ID, Schedule_ID, [Item ID], Item_Order, Transpose) VALUES (13, 2, 14, 4, 999);

INSERT INTO [schedule items] (ID, Schedule_ID, [Item ID], Item_Order, Transpose) VALUES (14, 3, 15, 0, 999);
INSERT INTO [schedule items] (ID, Schedule_ID, [Item ID], Item_Order, Transpose) VALUES (15, 3, 16, 1, 999);

-- Item texts use CR LF line ends; strip any CR first so the result is the
-- same whether this file was saved with LF or CR LF.
UPDATE items SET
    Field1 = replace(replace(Field1, {fn CHAR(13)}, ''), {fn CHAR(10)}, {fn CHAR(13)} || {fn CHAR(10)}),
    Field2 = replace(replace(Field2, {fn CHAR(13)}, ''), {fn CHAR(10)}, {fn CHAR(13)} || {fn CHAR(10)}),
    Heading1 = replace(replace(Heading1, {fn CHAR(13)}, ''), {fn CHAR(10)}, {fn CHAR(13)} || {fn CHAR(10)}),
    Heading2 = replace(replace(Heading2, {fn CHAR(13)}, ''), {fn CHAR(10)}, {fn CHAR(13)} || {fn CHAR(10)});
