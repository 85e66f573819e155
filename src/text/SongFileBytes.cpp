#include "text/SongFileBytes.h"

#include <cstdint>

namespace {

// The line (1-based) that the byte at offset stands on; CR LF, LF and CR
// each end one line.
int LineAt(const std::string_view bytes, const size_t offset) {
    int line = 1;
    for (size_t i = 0; i < offset && i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ++line;
        } else if (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')) {
            ++line;
        }
    }
    return line;
}

bool StartsWith(const std::string& bytes, const std::string_view prefix) {
    return bytes.size() >= prefix.size() &&
           std::string_view(bytes).substr(0, prefix.size()) == prefix;
}

// The length of the well-formed UTF-8 sequence at i, or 0 when the bytes there
// are not one (stray continuation bytes, overlong forms, surrogates, code
// points above U+10FFFF, a sequence cut short). code receives the code point.
size_t Utf8SequenceAt(const std::string_view s, const size_t i, uint32_t& code) {
    const auto b = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
    const uint8_t lead = b(i);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    size_t length = 0;
    uint32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
        min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > s.size()) {
        return 0;
    }
    for (size_t k = 1; k < length; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (b(i + k) & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

bool IsRefusedControl(const uint32_t code) {
    if (code == '\t' || code == '\r' || code == '\n') {
        return false;
    }
    return code < 0x20 || code == 0x7F || (code >= 0x80 && code <= 0x9F);
}

bool Refuse(CSongFileError& error, const int line, const wxString& reason) {
    error.nLine = line;
    error.strReason = reason;
    return false;
}

}  // namespace

bool DecodeSongBytes(const std::string& bytes, wxString& text, std::string_view& utf8,
                     CSongFileError& error) {
    if (bytes.size() > kMaxSongFileBytes) {
        return Refuse(error, 0, kSongFileTooLarge);
    }
    // UTF-32 first: its little-endian mark begins with UTF-16's.
    if (StartsWith(bytes, std::string_view("\xFF\xFE\0\0", 4)) ||
        StartsWith(bytes, std::string_view("\0\0\xFE\xFF", 4))) {
        return Refuse(error, 1, "the file is UTF-32 text; save it as UTF-8");
    }
    if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF")) {
        return Refuse(error, 1, "the file is UTF-16 text; save it as UTF-8");
    }
    std::string_view s(bytes);
    if (StartsWith(bytes, "\xEF\xBB\xBF")) {
        s.remove_prefix(3);
    }
    for (size_t i = 0; i < s.size();) {
        uint32_t code = 0;
        const size_t length = Utf8SequenceAt(s, i, code);
        if (length == 0) {
            return Refuse(error, LineAt(s, i),
                          wxString::Format("byte 0x%02X is not UTF-8: the text looks like "
                                           "Windows-1252 or another 8-bit code; save it as UTF-8",
                                           static_cast<unsigned>(static_cast<uint8_t>(s[i]))));
        }
        if (code == 0) {
            return Refuse(error, LineAt(s, i),
                          "the file holds a NUL byte: it is a binary file (or UTF-16 text "
                          "without a byte order mark), not a song");
        }
        if (IsRefusedControl(code)) {
            return Refuse(error, LineAt(s, i),
                          wxString::Format("the file holds the control character U+%04X: it is "
                                           "a binary file, not a song",
                                           static_cast<unsigned>(code)));
        }
        i += length;
    }
    utf8 = s;
    text = wxString::FromUTF8(s.data(), s.size());
    return true;
}
