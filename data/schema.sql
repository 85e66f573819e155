-- Versilux data source: tables of the default SQLite store.
-- Columns are listed in the order the record sets bind them.
-- Every statement ends with a semicolon at the end of its line, so the
-- loader can run the file one statement at a time.
-- AUTOINCREMENT keeps deleted IDs from coming back: schedule rows point at
-- items by ID, and a reused ID would silently show the wrong item.

CREATE TABLE items (
    Title TEXT NOT NULL DEFAULT '',
    Heading1 TEXT NOT NULL DEFAULT '',
    Heading2 TEXT NOT NULL DEFAULT '',
    Field1 TEXT NOT NULL DEFAULT '',
    Field2 TEXT NOT NULL DEFAULT '',
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Type INTEGER NOT NULL DEFAULT 0,
    Subtype INTEGER NOT NULL DEFAULT 0,
    Background INTEGER NOT NULL DEFAULT 0,
    Foreground INTEGER NOT NULL DEFAULT 0,
    Foreground2 INTEGER NOT NULL DEFAULT 0,
    VPD INTEGER NOT NULL DEFAULT 0,
    Heading2_alt TEXT NOT NULL DEFAULT '',
    Transpose INTEGER NOT NULL DEFAULT 0,
    PreferFlats INTEGER NOT NULL DEFAULT 0,
    FileName TEXT NOT NULL DEFAULT '',
    Flag1 INTEGER NOT NULL DEFAULT 0,
    Flag2 INTEGER NOT NULL DEFAULT 0,
    Flag3 INTEGER NOT NULL DEFAULT 0,
    Flag4 INTEGER NOT NULL DEFAULT 0,
    BPM INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE Schedules (
    Name TEXT NOT NULL DEFAULT '',
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    VPD INTEGER NOT NULL DEFAULT 0
);

-- Transpose 999 means the item's own transposition applies.
CREATE TABLE [schedule items] (
    Schedule_ID INTEGER NOT NULL DEFAULT 0,
    [Item ID] INTEGER NOT NULL DEFAULT 0,
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Item_Order INTEGER NOT NULL DEFAULT 0,
    Transpose INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE VPD (
    Name TEXT NOT NULL DEFAULT '',
    ID INTEGER PRIMARY KEY AUTOINCREMENT
);

-- Exactly one row; the program reads the first row and never inserts one.
CREATE TABLE config (
    [Max Font] INTEGER NOT NULL DEFAULT 0,
    [Normal Font] INTEGER NOT NULL DEFAULT 0,
    Background_Default INTEGER NOT NULL DEFAULT 0,
    Foreground_Default INTEGER NOT NULL DEFAULT 0,
    Bottom INTEGER NOT NULL DEFAULT 0,
    [Full Screen] INTEGER NOT NULL DEFAULT 0,
    [Left] INTEGER NOT NULL DEFAULT 0,
    [Right] INTEGER NOT NULL DEFAULT 0,
    Top INTEGER NOT NULL DEFAULT 0,
    Foreground2_Default INTEGER NOT NULL DEFAULT 0,
    Screen1_default INTEGER NOT NULL DEFAULT 0,
    Screen2_default INTEGER NOT NULL DEFAULT 0,
    Screen3_default INTEGER NOT NULL DEFAULT 0,
    Screen4_default INTEGER NOT NULL DEFAULT 0,
    Screen5_default INTEGER NOT NULL DEFAULT 0,
    VPD_Default INTEGER NOT NULL DEFAULT 0,
    Bar_colour INTEGER NOT NULL DEFAULT 0,
    Chord_colour INTEGER NOT NULL DEFAULT 0,
    [Print Font] INTEGER NOT NULL DEFAULT 0,
    Version TEXT NOT NULL DEFAULT '',
    Bar_screen INTEGER NOT NULL DEFAULT 0,
    Chord_screen INTEGER NOT NULL DEFAULT 0,
    Foreground3 INTEGER NOT NULL DEFAULT 0,
    Foreground4 INTEGER NOT NULL DEFAULT 0,
    Kensington INTEGER NOT NULL DEFAULT 0,
    Margin INTEGER NOT NULL DEFAULT 0,
    TabletMode INTEGER NOT NULL DEFAULT 0,
    BlankScreen INTEGER NOT NULL DEFAULT 0,
    Flag1 TEXT NOT NULL DEFAULT '',
    Flag2 TEXT NOT NULL DEFAULT '',
    Flag3 TEXT NOT NULL DEFAULT '',
    Flag4 TEXT NOT NULL DEFAULT ''
);

-- Read only for the program. The colour lists show the rows in ID order and
-- store the chosen row's ID, so IDs may have gaps.
CREATE TABLE Colours (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT NOT NULL DEFAULT '',
    Red INTEGER NOT NULL DEFAULT 0,
    Green INTEGER NOT NULL DEFAULT 0,
    Blue INTEGER NOT NULL DEFAULT 0
);

-- Scratch copy for phrase search; ID is the items.ID the row came from.
CREATE TABLE tempsearch (
    ID INTEGER NOT NULL DEFAULT 0,
    VPD INTEGER NOT NULL DEFAULT 0,
    Field1 TEXT NOT NULL DEFAULT '',
    Title TEXT NOT NULL DEFAULT ''
);

CREATE INDEX idx_schedule_items_order ON [schedule items] (Schedule_ID, Item_Order);
CREATE INDEX idx_schedule_items_item ON [schedule items] ([Item ID]);
CREATE INDEX idx_items_vpd_subtype ON items (VPD, Subtype);
CREATE INDEX idx_schedules_vpd ON Schedules (VPD);
