-- Versilux starter content for a new library: the colour palette, the first
-- partition and the one configuration row. demo.sql adds the demo library.
-- Every statement ends with a semicolon at the end of its line, so the
-- loader can split the file by lines.

-- Colour palette. The colour lists store the chosen row's ID.
INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (1, 'Black', 0, 0, 0);
INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (2, 'White', 255, 255, 255);
INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (3, 'Yellow', 255, 255, 0);
INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (4, 'Red', 255, 0, 0);
INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (5, 'Blue', 0, 0, 255);
INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (6, 'Green', 0, 192, 0);
INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (7, 'Dark Blue', 0, 0, 128);
INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (8, 'Light Blue', 128, 192, 255);
INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (9, 'Grey', 128, 128, 128);
INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (10, 'Orange', 255, 165, 0);
INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (11, 'Cyan', 0, 255, 255);
INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (12, 'Magenta', 255, 0, 255);
INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (13, 'Dark Red', 128, 0, 0);
INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (14, 'Light Yellow', 255, 255, 192);
INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (15, 'Purple', 128, 0, 128);
INSERT INTO Colours (ID, Name, Red, Green, Blue) VALUES (16, 'Dark Green', 0, 100, 0);

-- Partitions.
INSERT INTO VPD (ID, Name) VALUES (1, 'Main');

-- The one configuration row, sized for a 1920x1080 projector. Font sizes are
-- tenths of a point. Colours are Colours.ID values: white on black, second
-- colour yellow, third light blue, fourth orange, chords yellow and bar
-- lines grey on screen; printed chords red (yellow does not show on paper).
-- Default screen types: Title 1, Song 4, Liturgy 4, Chords 7, Picture 50.
INSERT INTO config ([Max Font], [Normal Font], Background_Default, Foreground_Default,
    Bottom, [Full Screen], [Left], [Right], Top, Foreground2_Default,
    Screen1_default, Screen2_default, Screen3_default, Screen4_default, Screen5_default,
    VPD_Default, Bar_colour, Chord_colour, [Print Font], Version,
    Bar_screen, Chord_screen, Foreground3, Foreground4,
    Kensington, Margin, TabletMode, BlankScreen, Flag1, Flag2, Flag3, Flag4)
VALUES (900, 720, 1, 2,
    1080, 1, 0, 1920, 0, 3,
    1, 4, 4, 7, 50,
    1, 9, 4, 120, '6.0',
    9, 3, 8, 10,
    0, 500, 0, 0, 'Favourite', 'Christmas', 'Easter', 'Needs practice');
