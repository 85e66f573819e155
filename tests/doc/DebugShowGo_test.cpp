// The show-list dump: content, order and the bytes on disk.
#include <gtest/gtest.h>

#include <wx/ffile.h>

#include "doc/ExchangeText.h"
#include "doc/VersiluxDoc.h"
#include "support/SmallLibrary.h"

namespace {

std::string ReadBytes(const wxString& path) {
    wxFFile file(path, "rb");
    std::string bytes(static_cast<size_t>(file.Length()), '\0');
    file.Read(bytes.data(), bytes.size());
    return bytes;
}

TEST(DebugShowGo, EmptyScheduleAfterAFullOne) {
    SmallLibrary lib;
    const long s = lib.AddSchedule("s", {lib.AddItem("A", 1)});
    CVersiluxDoc doc;
    doc.m_nScheduleID = static_cast<int>(s);
    doc.BuildShowList();
    ASSERT_EQ(doc.GetTitles().size(), 1u);
    doc.m_nScheduleID = static_cast<int>(lib.AddSchedule("empty", {}));
    wxString expected =
        "2 items\n\n"
        "============================\nItem 0\nnType 99\n"
        "sH1 **end - Press Q to quit or advance for menu**\nsH2 \nsF1 \nsF2 \n"
        "============================\nItem 1\nnType 100\nsH1 **menu**\nsH2 \nsF1 \nsF2 \n"
        "\n1 scheduleflags\n\nFlag 0 0\n"
        "\n1 schedulecount\n\nFlag 0 1\n"
        "\n1 schedulecountof\n\nFlag 0 1\n";
    for (const char* label : {"FRcol", "FGcol", "FBcol", "F2Rcol", "F2Gcol", "F2Bcol", "BRcol",
                              "BGcol", "BBcol", "Transpose", "PreferFlats"}) {
        expected << "\n0 " << label << "\n\n";
    }
    expected << "\n0 scheduleitemnames\n\n";
    EXPECT_EQ(doc.FormatDebugShowGo(), expected);
}

TEST(DebugShowGo, EntriesArraysAndTitles) {
    SmallLibrary lib;
    const long a = lib.AddItem("A", 7, "x1&y", 0, true);
    const long s = lib.AddSchedule("s", {a}, {-3});
    CVersiluxDoc doc;
    doc.m_nScheduleID = static_cast<int>(s);
    const wxString dump = doc.FormatDebugShowGo();
    EXPECT_TRUE(
        dump.StartsWith("4 items\n\n============================\nItem 0\nnType 7\n"
                        "sH1 \nsH2 \nsF1 x1\nsF2 \n"));
    EXPECT_TRUE(dump.Contains("\n3 scheduleflags\n\nFlag 0 1\nFlag 1 2\nFlag 2 0\n"));
    EXPECT_TRUE(dump.Contains("\n2 FRcol\n\nFlag 0 255\nFlag 1 255\n"));
    EXPECT_TRUE(dump.Contains("\n2 F2Bcol\n\nFlag 0 0\nFlag 1 0\n"));
    EXPECT_TRUE(dump.Contains("\n2 Transpose\n\nFlag 0 9\nFlag 1 9\n"));
    EXPECT_TRUE(dump.Contains("\n2 PreferFlats\n\nFlag 0 1\nFlag 1 1\n"));
    EXPECT_TRUE(dump.EndsWith("\n1 scheduleitemnames\n\nTitle 0 A\n"));
}

TEST(DebugShowGo, WrittenInWindows1252WithCrLf) {
    SmallLibrary lib;
    const long a = lib.AddItem(wxString::FromUTF8("Gr\xC3\xA2"
                                                  "ce"),
                               1,
                               wxString::FromUTF8("\xC2\xAC"
                                                  "G\xC2\xAC line\r\nnext"));
    CVersiluxDoc doc;
    doc.m_nScheduleID = static_cast<int>(lib.AddSchedule("s", {a}));
    wxString error;
    const wxString path = lib.Source().Dir() + "/DebugShowGo.txt";
    ASSERT_TRUE(doc.WriteDebugShowGo(path, error)) << error;
    const std::string bytes = ReadBytes(path);
    EXPECT_EQ(bytes.rfind("3 items\r\n\r\n", 0), 0u);
    EXPECT_NE(bytes.find("sF1 \xAC"
                         "G\xAC line\r\nnext\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("Title 0 Gr\xE2"
                         "ce\r\n"),
              std::string::npos);
    EXPECT_EQ(bytes.find("\r\r"), std::string::npos);
    EXPECT_EQ(bytes.find('\n', 0), bytes.find("\r\n") + 1);

    EXPECT_FALSE(doc.WriteDebugShowGo(lib.Source().Dir() + "/no/such/dir/x.txt", error));
    EXPECT_TRUE(error.Contains("no/such/dir")) << error;
}

TEST(ExchangeText, FallsBackToUtf8AndReadsBoth) {
    const wxString greek = wxString::FromUTF8("\xCE\xB1\xCF\x89 \xC2\xAC");
    const std::string utf8 = EncodeExchangeText(greek + "\n");
    EXPECT_EQ(utf8, "\xCE\xB1\xCF\x89 \xC2\xAC\r\n");
    EXPECT_EQ(DecodeExchangeText(utf8), greek + "\r\n");
    EXPECT_EQ(EncodeExchangeText(wxString::FromUTF8("\xC2\xAC"
                                                    "C\xE2\x82\xAC")),
              "\xAC"
              "C\x80");
    EXPECT_EQ(DecodeExchangeText("\xAC"
                                 "D\xAC"),
              wxString::FromUTF8("\xC2\xAC"
                                 "D\xC2\xAC"));
    EXPECT_EQ(EncodeExchangeText(""), "");
}

TEST(ExchangeText, BytesWindows1252LeavesUndefinedAreKept) {
    // Once, one such byte made the whole file read as empty.
    EXPECT_EQ(DecodeExchangeText("\xAC"
                                 "G\xAC words\x81\x9D\r\n"),
              wxString::FromUTF8("\xC2\xAC"
                                 "G\xC2\xAC words\xC2\x81\xC2\x9D\r\n"));
    // What was read goes out again without loss.
    const wxString text = DecodeExchangeText("x\x8Dy");
    EXPECT_EQ(DecodeExchangeText(EncodeExchangeText(text)), text);
}

}  // namespace
