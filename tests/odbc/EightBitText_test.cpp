// Decoding text that may be UTF-8 or Windows-1252: no byte may be lost.
#include <gtest/gtest.h>

#include <string>

#include "odbc/EightBitText.h"

namespace {

wxString Decode(const std::string& bytes) {
    return DecodeUtf8OrCp1252(bytes.data(), bytes.size());
}

TEST(EightBitText, ValidUtf8IsReadAsUtf8) {
    EXPECT_EQ(Decode(""), "");
    EXPECT_EQ(Decode("plain"), "plain");
    EXPECT_EQ(Decode("\xC2\xAC"
                     "C\xC2\xAC"),
              wxString::FromUTF8("\xC2\xAC"
                                 "C\xC2\xAC"));
    EXPECT_EQ(Decode("\xCE\xB1\xCF\x89 \xE2\x82\xAC"),
              wxString::FromUTF8("\xCE\xB1\xCF\x89 \xE2\x82\xAC"));
}

TEST(EightBitText, AnythingElseIsWindows1252ByteByByte) {
    const struct {
        std::string bytes;
        const char* utf8;
    } cases[] = {
        {"\xAC", "\xC2\xAC"},
        {"\xAC"
         "D\xAC",
         "\xC2\xAC"
         "D\xC2\xAC"},
        {"\x80\x85\x9F", "\xE2\x82\xAC\xE2\x80\xA6\xC5\xB8"},
        // The bytes Windows-1252 leaves undefined stay as their control characters.
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
        {"A\x81", "A\xC2\x81"},
        // A UTF-8 sequence cut short is not UTF-8.
        {"caf\xC3", "caf\xC3\x83"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Decode(c.bytes), wxString::FromUTF8(c.utf8)) << c.utf8;
    }
    EXPECT_EQ(Decode(std::string("\x00\xFF", 2)), wxString(L"\u0000\u00FF", 2));
}

TEST(EightBitText, EveryHighByteBecomesOneCharacter) {
    std::string bytes;
    for (int b = 0x80; b <= 0xFF; ++b) {
        bytes += static_cast<char>(b);
    }
    const wxString text = Decode(bytes);
    ASSERT_EQ(text.length(), bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        const unsigned byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= 0xA0) {
            EXPECT_EQ(text[i].GetValue(), byte);  // Latin-1 above 0x9F
        } else {
            EXPECT_NE(text[i].GetValue(), 0u);
        }
    }
}

}  // namespace
