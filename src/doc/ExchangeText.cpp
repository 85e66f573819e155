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
    const wxString text = WithCrLf(strText);
    wxCSConv cp1252(wxFONTENCODING_CP1252);
    const wxCharBuffer bytes = text.mb_str(cp1252);
    if (bytes.length() > 0 || text.empty()) {
        // The round trip proves that every character had a Windows-1252 byte.
        if (wxString(bytes.data(), cp1252, bytes.length()) == text) {
            return std::string(bytes.data(), bytes.length());
        }
    }
    const wxScopedCharBuffer utf8 = text.utf8_str();
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
