#include "odbc/EightBitText.h"

namespace {

// Characters of the bytes 0x80 to 0x9F; 0 where Windows-1252 defines none.
constexpr wchar_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

wxString DecodeUtf8OrCp1252(const char* pBytes, std::size_t nLength, bool* pWasUtf8) {
    wxString text = nLength == 0 ? wxString() : wxString::FromUTF8(pBytes, nLength);
    const bool bUtf8 = nLength == 0 || !text.empty();
    if (pWasUtf8 != nullptr) {
        *pWasUtf8 = bUtf8;
    }
    if (bUtf8) {
        return text;
    }
    text.reserve(nLength);
    for (std::size_t i = 0; i < nLength; ++i) {
        const auto byte = static_cast<unsigned char>(pBytes[i]);
        wchar_t ch = byte;
        if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0) {
            ch = kHighControls[byte - 0x80];
        }
        text << wxUniChar(static_cast<unsigned>(ch));
    }
    return text;
}
