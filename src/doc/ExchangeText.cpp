#include "doc/ExchangeText.h"

#include <wx/ffile.h>
#include <wx/log.h>
#include <wx/strconv.h>

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
    const std::string bytes = EncodeExchangeText(strText);
    wxFFile file;
    {
        wxLogNull quiet;  // the reason is returned, not logged
        file.Open(strPath, "wb");
    }
    if (!file.IsOpened()) {
        strError = "cannot create " + strPath;
        return false;
    }
    if (file.Write(bytes.data(), bytes.size()) != bytes.size() || !file.Close()) {
        strError = "cannot write " + strPath;
        return false;
    }
    return true;
}
