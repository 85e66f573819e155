#include "doc/ExchangeText.h"

#include <wx/strconv.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "odbc/EightBitText.h"

namespace {

wxString WithCrLf(const wxString& text) {
    wxString out;
    out.reserve(text.length() + text.length() / 16);
    wxChar previous = 0;
    for (wxUniChar ch : text) {
        if (ch == '\n' && previous != '\r') {
            out << '\r';
        }
        out << ch;
        previous = static_cast<wxChar>(ch.GetValue());
    }
    return out;
}

}  // namespace

std::string EncodeExchangeText(const wxString& strText) {
    return EncodeCp1252OrUtf8(WithCrLf(strText));
}

std::string EncodeCp1252OrUtf8(const wxString& strText) {
    wxCSConv cp1252(wxFONTENCODING_CP1252);
    const wxCharBuffer bytes = strText.mb_str(cp1252);
    if (bytes.length() > 0 || strText.empty()) {
        // Only bytes that read back as this same text will do: every character
        // must have a Windows-1252 byte, and the bytes must not happen to be
        // valid UTF-8 that the reader would take for something else.
        if (DecodeUtf8OrCp1252(bytes.data(), bytes.length()) == strText) {
            return std::string(bytes.data(), bytes.length());
        }
    }
    const wxScopedCharBuffer utf8 = strText.utf8_str();
    return std::string(utf8.data(), utf8.length());
}

wxString DecodeExchangeText(const std::string& bytes) {
    return DecodeUtf8OrCp1252(bytes.data(), bytes.size());
}

bool WriteExchangeFile(const wxString& strPath, const wxString& strText, wxString& strError) {
    return WriteFileBytes(strPath, EncodeExchangeText(strText), strError);
}

bool WriteFileBytes(const wxString& strPath, const std::string& bytes, wxString& strError) {
    // The C library's own error says why (no folder, no permission, disk full).
    auto reason = [] { return wxString::FromUTF8(std::strerror(errno)); };
    std::FILE* file = std::fopen(static_cast<const char*>(strPath.fn_str()), "wb");
    if (file == nullptr) {
        strError = "cannot create " + strPath + ": " + reason();
        return false;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        strError = "cannot write " + strPath + ": " + reason();
        std::fclose(file);
        return false;
    }
    if (std::fclose(file) != 0) {  // the last buffered bytes may fail here
        strError = "cannot write " + strPath + ": " + reason();
        return false;
    }
    return true;
}

bool ReadFileBytes(const wxString& strPath, std::string& bytes, wxString& strError) {
    auto reason = [] { return wxString::FromUTF8(std::strerror(errno)); };
    std::FILE* file = std::fopen(static_cast<const char*>(strPath.fn_str()), "rb");
    if (file == nullptr) {
        strError = "cannot open " + strPath + ": " + reason();
        return false;
    }
    bytes.clear();
    char buffer[65536];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, n);
    }
    const bool bFailed = std::ferror(file) != 0;
    if (bFailed) {
        strError = "cannot read " + strPath + ": " + reason();
    }
    std::fclose(file);
    return !bFailed;
}
