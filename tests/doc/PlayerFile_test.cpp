// Player files as text: the bytes the writer puts on disk and what the
// reader makes of them, including files from Windows machines and damage.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doc/PlayerFile.h"

namespace {

CPlayerItem MakeItem(const wxString& title, int type) {
    CPlayerItem item;
    item.strTitle = title;
    item.nType = type;
    item.nTranspose = -2;
    item.nForeground = 3;
    item.nForeground2 = 5;
    item.nBackground = 1;
    item.bPreferFlats = true;
    item.strHeading1 = "H1 " + title;
    item.strHeading2 = "H2 " + title;
    item.strField1 = "F1 " + title;
    item.strField2 = "F2 " + title;
    return item;
}

// Every item up to the end of the file or the first unreadable one.
std::vector<CPlayerItem> ReadAll(const std::string& bytes, CPlayerRead& last) {
    CPlayerFile file(bytes);
    file.Rewind();
    std::vector<CPlayerItem> items;
    CPlayerItem item;
    while ((last = file.ReadItem(item)) == CPlayerRead::Item) {
        items.push_back(item);
    }
    return items;
}

std::string Write(const std::vector<CPlayerItem>& items) {
    CPlayerFileWriter writer;
    for (const CPlayerItem& item : items) {
        writer.AddItem(item);
    }
    return writer.Finish();
}

TEST(PlayerFileText, TwoItemsGiveHeaderTwoBlocksAndTheEndLine) {
    CPlayerItem a = MakeItem("A", 7);
    a.strField1 = "one\r\ntwo";
    CPlayerItem b = MakeItem("B", 1);
    b.nTranspose = 0;
    b.bPreferFlats = false;
    EXPECT_EQ(Write({a, b}),
              "VLP file\r\n"
              "\bVLP - NEW SONG\r\nA\r\n"
              "TYPE: 7 TRANSPOSE: -2 FOREGROUND: 3 FORE2GROUND: 5 BACKGROUND: 1 PREFER: Y\r\n"
              "\bHEADING1\r\nH1 A\r\n\bHEADING2\r\nH2 A\r\n"
              "\bFIELD1\r\none\r\r\ntwo\r\n\bFIELD2\r\nF2 A\r\n\bVLP - END OF SONG\r\n"
              "\bVLP - NEW SONG\r\nB\r\n"
              "TYPE: 1 TRANSPOSE: 0 FOREGROUND: 3 FORE2GROUND: 5 BACKGROUND: 1 PREFER: N\r\n"
              "\bHEADING1\r\nH1 B\r\n\bHEADING2\r\nH2 B\r\n"
              "\bFIELD1\r\nF1 B\r\n\bFIELD2\r\nF2 B\r\n\bVLP - END OF SONG\r\n"
              "\bVLP - END OF FILE\r\n");
    EXPECT_EQ(CPlayerFileWriter().Finish(), "VLP file\r\n\bVLP - END OF FILE\r\n");
}

TEST(PlayerFileText, EveryTextReadsBackExactly) {
    const std::vector<wxString> texts = {
        "",
        "one line",
        "two\r\nlines",
        "ends in a break\r\n",
        "\r\n",
        "\r\n\r\nblank lines first",
        "bare\nline feed\n",
        "lone\rcarriage return",
        L"[G]Amazing \u00ACC grace",  // the inline chord sign
        "verse&\r\nchorus",
        "trailing blanks   \r\n  ",
    };
    std::vector<CPlayerItem> items;
    for (size_t i = 0; i < texts.size(); ++i) {
        CPlayerItem item = MakeItem(wxString::Format("T%zu", i), 1 + static_cast<int>(i % 8));
        item.strHeading1 = texts[i];
        item.strHeading2 = texts[(i + 1) % texts.size()];
        item.strField1 = texts[(i + 2) % texts.size()];
        item.strField2 = texts[(i + 3) % texts.size()];
        items.push_back(item);
    }
    const std::string bytes = Write(items);
    // Every character has a Windows-1252 byte: the chord sign is 0xAC.
    EXPECT_NE(bytes.find("\xAC"), std::string::npos);
    CPlayerRead last;
    EXPECT_EQ(ReadAll(bytes, last), items);
    EXPECT_EQ(last, CPlayerRead::EndOfFile);
}

TEST(PlayerFileText, TextsWindows1252CannotHoldMakeTheWholeFileUtf8) {
    CPlayerItem greek = MakeItem(L"\u0391\u03BB\u03BB\u03B7\u03BB\u03BF\u03CD\u03B9\u03B1", 5);
    greek.strField1 = L"\u0425\u0432\u0430\u043B\u0438\u0442\u0435\r\n\u00ACG caf\u00E9";
    const CPlayerItem plain = MakeItem(L"caf\u00E9", 1);
    const std::string bytes = Write({plain, greek});
    EXPECT_NE(bytes.find("caf\xC3\xA9"), std::string::npos);
    CPlayerRead last;
    EXPECT_EQ(ReadAll(bytes, last), (std::vector<CPlayerItem>{plain, greek}));

    // Windows-1252 bytes that happen to be valid UTF-8 would read back as
    // something else: such a text goes to disk in UTF-8.
    const CPlayerItem lookalike = MakeItem(L"\u00C3\u00A9", 1);
    EXPECT_EQ(ReadAll(Write({lookalike}), last), (std::vector<CPlayerItem>{lookalike}));
}

TEST(PlayerFileText, FilesFromWindowsWithoutABreakBeforeTheEndMarker) {
    // Written byte for byte as the Windows program wrote them: Field 2 runs
    // straight into the marker. Windows-1252: 0xAC is the chord sign, 0xE9 é.
    const std::string bytes =
        "VLP file\r\n"
        "\bVLP - NEW SONG\r\nFirst\r\n"
        "TYPE: 1 TRANSPOSE: 2 FOREGROUND: 2 FORE2GROUND: 3 BACKGROUND: 1 PREFER: N\r\n"
        "\bHEADING1\r\nHead\r\r\nline two\r\n\bHEADING2\r\n\r\n\bFIELD1\r\n"
        "\xAC"
        "G caf\xE9\r\r\nsecond\r\n\bFIELD2\r\nlast\r\r\nends in a break\r\r\n"
        "\bVLP - END OF SONG\r\n"
        "\bVLP - NEW SONG\r\nSecond\r\n"
        "TYPE: 7 TRANSPOSE: -1 FOREGROUND: 4 FORE2GROUND: 3 BACKGROUND: 1 PREFER: Y\r\n"
        "\bHEADING1\r\n\r\n\bHEADING2\r\n\r\n\bFIELD1\r\na&b\r\n\bFIELD2\r\n"
        "no break\r\r\nat the end\bVLP - END OF SONG\r\n"
        "\bVLP - NEW SONG\r\nThird\r\n"
        "TYPE: 3 TRANSPOSE: 0 FOREGROUND: 2 FORE2GROUND: 3 BACKGROUND: 1 PREFER: N\r\n"
        "\bHEADING1\r\n\r\n\bHEADING2\r\n\r\n\bFIELD1\r\nc\r\n\bFIELD2\r\n"
        "\bVLP - END OF SONG\r\n"
        "\bVLP - END OF FILE\r\n";
    CPlayerRead last;
    const std::vector<CPlayerItem> items = ReadAll(bytes, last);
    EXPECT_EQ(last, CPlayerRead::EndOfFile);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].strHeading1, "Head\r\nline two");
    EXPECT_EQ(items[0].strHeading2, "");
    EXPECT_EQ(items[0].strField1, L"\u00ACG caf\u00E9\r\nsecond");
    EXPECT_EQ(items[0].strField2, "last\r\nends in a break\r\n");
    EXPECT_EQ(items[0].nTranspose, 2);
    EXPECT_EQ(items[1].strTitle, "Second");
    EXPECT_EQ(items[1].strField2, "no break\r\nat the end");
    EXPECT_EQ(items[1].nTranspose, -1);
    EXPECT_TRUE(items[1].bPreferFlats);
    EXPECT_EQ(items[2].strTitle, "Third");
    EXPECT_EQ(items[2].strField2, "");
}

TEST(PlayerFileText, TheHeaderMustBeExact) {
    EXPECT_TRUE(CPlayerFile("VLP file\r\nrest").HasHeader());
    EXPECT_TRUE(CPlayerFile("VLP file\n").HasHeader());
    EXPECT_TRUE(CPlayerFile("VLP file").HasHeader());
    for (const char* bad : {"VLP file \r\n", "VLP file\r\r\n", "vlp file\r\n", " VLP file\r\n",
                            "VLP fil\r\n", "", "\r\nVLP file\r\n", "\xEF\xBB\xBFVLP file\r\n"}) {
        EXPECT_FALSE(CPlayerFile(bad).HasHeader()) << bad;
    }
}

TEST(PlayerFileText, AttributeLines) {
    CPlayerItem item;
    EXPECT_TRUE(ParsePlayerAttributes(
        "TYPE: 50 TRANSPOSE: -11 FOREGROUND: 12 FORE2GROUND: +7 BACKGROUND:  9 PREFER: Yes", item));
    EXPECT_EQ(item.nType, 50);
    EXPECT_EQ(item.nTranspose, -11);
    EXPECT_EQ(item.nForeground, 12);
    EXPECT_EQ(item.nForeground2, 7);
    EXPECT_EQ(item.nBackground, 9);
    EXPECT_TRUE(item.bPreferFlats);
    // Keys in another order still read; anything but Y is no.
    EXPECT_TRUE(ParsePlayerAttributes(
        "PREFER: y BACKGROUND: 1 FORE2GROUND: 2 FOREGROUND: 3 TRANSPOSE: 4 TYPE: 5", item));
    EXPECT_EQ(item.nType, 5);
    EXPECT_FALSE(item.bPreferFlats);
    EXPECT_TRUE(ParsePlayerAttributes(
        "TYPE: 1 TRANSPOSE: 0 FOREGROUND: 1 FORE2GROUND: 1 BACKGROUND: 1 PREFER: ", item));
    for (const char* bad : {
             "",
             "TRANSPOSE: 0 FOREGROUND: 1 FORE2GROUND: 1 BACKGROUND: 1 PREFER: N",
             "TYPE: 1 TRANSPOSE: 0 FOREGROUND: 1 FORE2GROUND: 1 BACKGROUND: 1",
             "TYPE: x TRANSPOSE: 0 FOREGROUND: 1 FORE2GROUND: 1 BACKGROUND: 1 PREFER: N",
             "TYPE: 1 TRANSPOSE: - FOREGROUND: 1 FORE2GROUND: 1 BACKGROUND: 1 PREFER: N",
             "TYPE: 99999999999 TRANSPOSE: 0 FOREGROUND: 1 FORE2GROUND: 1 BACKGROUND: 1 PREFER: N",
             "TYPE:1 TRANSPOSE: 0 FOREGROUND: 1 FORE2GROUND: 1 BACKGROUND: 1 PREFER: N",
         }) {
        EXPECT_FALSE(ParsePlayerAttributes(bad, item)) << bad;
    }
}

TEST(PlayerFileText, DamagedFilesEndAtTheUnreadableItem) {
    const std::string good = Write({MakeItem("A", 1), MakeItem("B", 7), MakeItem("C", 3)});
    CPlayerRead last;
    // Cut anywhere before the end line: never more items than were whole,
    // and the reading always ends.
    for (size_t n = 0; n + 2 < good.size(); ++n) {
        const std::vector<CPlayerItem> items = ReadAll(good.substr(0, n), last);
        EXPECT_EQ(last, CPlayerRead::Unreadable) << n;
        EXPECT_LE(items.size(), 3u);
    }
    EXPECT_EQ(ReadAll(good.substr(0, good.size() - 2), last).size(), 3u);

    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string bytes = good;
        bytes.replace(bytes.find(from), from.size(), to);
        return bytes;
    };
    struct Case {
        const char* what;
        std::string bytes;
        size_t items;
    };
    const Case cases[] = {
        {"empty", "", 0},
        {"header only", "VLP file\r\n", 0},
        {"binary", std::string("VLP file\r\n\0\x01\xFF\xFE\b\r\n\n\r", 19), 0},
        {"no start marker", replaced("\bVLP - NEW SONG\r\nB", "B"), 1},
        {"no heading marker", replaced("\bHEADING1\r\nH1 B", "H1 B"), 1},
        {"no field 2 marker", replaced("\bFIELD2\r\nF2 C", "F2 C"), 2},
        {"key with no number", replaced("TYPE: 7", "TYPE: "), 1},
        {"key missing",
         replaced("BACKGROUND: 1 PREFER: Y\r\n\bHEADING1\r\nH1 C",
                  "PREFER: Y\r\n\bHEADING1\r\nH1 C"),
         2},
        {"1 MB line", replaced("F1 B", std::string(1 << 20, 'x')), 3},
        {"1 MB line, no break", "VLP file\r\n\bVLP - NEW SONG\r\n" + std::string(1 << 20, 'y'), 0},
    };
    for (const Case& c : cases) {
        const std::vector<CPlayerItem> items = ReadAll(c.bytes, last);
        EXPECT_EQ(items.size(), c.items) << c.what;
        EXPECT_EQ(last, c.items == 3 ? CPlayerRead::EndOfFile : CPlayerRead::Unreadable) << c.what;
    }
    // A file read to its end reads again from its first item.
    CPlayerFile file(good);
    CPlayerItem item;
    for (int pass = 0; pass < 2; ++pass) {
        file.Rewind();
        ASSERT_EQ(file.ReadItem(item), CPlayerRead::Item);
        EXPECT_EQ(item.strTitle, "A");
        while (file.ReadItem(item) == CPlayerRead::Item) {
        }
    }
}

}  // namespace
