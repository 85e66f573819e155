#include "text/SongCredits.h"

#include <algorithm>

namespace {

wxString Joined(const std::vector<wxString>& parts, const wxString& separator) {
    wxString text;
    for (const wxString& part : parts) {
        if (!text.empty()) {
            text += separator;
        }
        text += part;
    }
    return text;
}

}  // namespace

void AddCredit(std::vector<wxString>& list, const wxString& name) {
    // A heading holds a few names; a file naming thousands is cut short
    // rather than searched through for each.
    constexpr size_t kMostNames = 32;
    const wxString trimmed = wxString(name).Trim(true).Trim(false);
    if (!trimmed.empty() && list.size() < kMostNames &&
        std::find(list.begin(), list.end(), trimmed) == list.end()) {
        list.push_back(trimmed);
    }
}

wxString CreditsText(const CSongCredits& credits) {
    std::vector<wxString> parts;
    if (!credits.others.empty()) {
        parts.push_back(Joined(credits.others, ", "));
    }
    if (!credits.words.empty() && credits.words == credits.music) {
        parts.push_back("Words and music: " + Joined(credits.words, ", "));
    } else {
        if (!credits.words.empty()) {
            parts.push_back("Words: " + Joined(credits.words, ", "));
        }
        if (!credits.music.empty()) {
            parts.push_back("Music: " + Joined(credits.music, ", "));
        }
    }
    if (!credits.translation.empty()) {
        parts.push_back("Translation: " + Joined(credits.translation, ", "));
    }
    for (const wxString& notice : credits.copyright) {
        // A notice that names itself already keeps its own wording.
        const bool bNamed = notice.StartsWith(wxString::FromUTF8("©")) ||
                            notice.Lower().StartsWith("copyright") ||
                            notice.Lower().StartsWith("(c)");
        parts.push_back(bNamed ? notice : wxString::FromUTF8("© ") + notice);
    }
    return Joined(parts, "; ");
}

wxString HeadingWithDetails(const wxString& base, const std::vector<wxString>& details) {
    const wxString joined = Joined(details, ", ");
    if (joined.empty()) {
        return base;
    }
    if (base.empty()) {
        return joined;
    }
    return base + " - " + joined;
}
