// Line ends between edit boxes (LF) and item texts (CR LF), and the lines
// every layout reads from either.
#include "text/LineEnds.h"

#include <gtest/gtest.h>

namespace {

const wxString kSign(wxUniChar(0xAC));

// Lines of mixed content: inline chords, Greek, Chinese, a character
// outside the basic plane, chord marks and a screen break.
wxString ItemLines(size_t length) {
    const wxString lines[] = {
        "{G}Amazing " + kSign + "D7" + kSign + " grace",
        wxString::FromUTF8(
            "\xCE\x94\xCF\x8C\xCE\xBE\xCE\xB1 \xE4\xB8\xAD\xE6\x96\x87 \xF0\x9D\x84\x9E"),
        "",
        "&",
        "[2]how |{C}sweet",
    };
    wxString text;
    for (size_t i = 0; text.length() < length; ++i) {
        text += lines[i % std::size(lines)] + "\r\n";
    }
    return text;
}

TEST(LineEnds, EditTextGetsItsCarriageReturnsOnce) {
    EXPECT_EQ(EditToItemText("a\nb"), "a\r\nb");
    EXPECT_EQ(EditToItemText("a\r\nb\n"), "a\r\nb\r\n");  // no CR doubled
    EXPECT_EQ(EditToItemText("\n\n"), "\r\n\r\n");
    EXPECT_EQ(EditToItemText("\r\r\n"), "\r\r\n");
    EXPECT_EQ(EditToItemText("a\rb"), "a\rb");  // a CR alone is left alone
    EXPECT_EQ(EditToItemText(""), "");
    EXPECT_EQ(EditToItemText(kSign + "C" + kSign + "\n"), kSign + "C" + kSign + "\r\n");
}

TEST(LineEnds, ItemTextLosesOnlyTheCarriageReturnsOfItsLineEnds) {
    EXPECT_EQ(ItemToEditText("a\r\nb\r\n"), "a\nb\n");
    EXPECT_EQ(ItemToEditText("a\rb\n"), "a\rb\n");
    EXPECT_EQ(ItemToEditText("\r\r\n"), "\r\n");
    EXPECT_EQ(ItemToEditText("\r"), "\r");
    EXPECT_EQ(ItemToEditText(""), "");
}

TEST(LineEnds, RoundTripsKeepEveryCharacter) {
    const wxString item = ItemLines(32000);
    ASSERT_GE(item.length(), 32000u);
    const wxString edit = ItemToEditText(item);
    EXPECT_EQ(edit.find('\r'), wxString::npos);
    EXPECT_EQ(EditToItemText(edit), item);
    EXPECT_EQ(ItemToEditText(EditToItemText(edit)), edit);
    // Byte for byte in the stored form too.
    EXPECT_EQ(EditToItemText(edit).utf8_string(), item.utf8_string());
}

TEST(LineEnds, LinesEndAtCrLfLfOrCr) {
    auto lines = [](const wxString& text) {
        std::vector<wxString> out;
        for (const TextLine& line : SplitLines(text)) {
            out.push_back(text.substr(line.begin, line.end - line.begin));
        }
        return out;
    };
    using Texts = std::vector<wxString>;
    EXPECT_EQ(lines("a\r\nb\nc\rd"), (Texts{"a", "b", "c", "d"}));
    EXPECT_EQ(lines("a\r\n"), (Texts{"a"}));  // a last line end opens no line
    EXPECT_EQ(lines("a\n\n"), (Texts{"a", ""}));
    EXPECT_EQ(lines("\r\n\r\n"), (Texts{"", ""}));
    EXPECT_EQ(lines("\n\r"), (Texts{"", ""}));  // LF then CR: two line ends
    EXPECT_EQ(lines(""), Texts{});
    EXPECT_EQ(WithoutFinalLineEnd("a\r\n\r\n"), "a\r\n");
    EXPECT_EQ(WithoutFinalLineEnd("a\n"), "a");
    EXPECT_EQ(WithoutFinalLineEnd("a\r"), "a");
    EXPECT_EQ(WithoutFinalLineEnd(""), "");
    EXPECT_TRUE(HasLineEnd("a\nb"));
    EXPECT_FALSE(HasLineEnd("ab"));
}

}  // namespace
