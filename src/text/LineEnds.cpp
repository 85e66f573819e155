#include "text/LineEnds.h"

wxString EditToItemText(const wxString& text) {
    wxString result;
    result.reserve(text.length() + text.length() / 16);
    wxUniChar previous = 0;
    for (const wxUniChar c : text) {
        if (c == '\n' && previous != '\r') {
            result += '\r';
        }
        result += c;
        previous = c;
    }
    return result;
}

wxString ItemToEditText(const wxString& text) {
    wxString result;
    result.reserve(text.length());
    const size_t n = text.length();
    for (size_t i = 0; i < n; ++i) {
        if (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n') {
            continue;
        }
        result += text[i];
    }
    return result;
}

bool HasLineEnd(const wxString& text) {
    return FindLineEnd(text) != wxString::npos;
}

size_t FindLineEnd(const wxString& text, size_t pos) {
    return text.find_first_of("\r\n", pos);
}

size_t AfterLineEnd(const wxString& text, size_t pos) {
    if (text[pos] == '\r' && pos + 1 < text.length() && text[pos + 1] == '\n') {
        return pos + 2;
    }
    return pos + 1;
}

wxString WithoutFinalLineEnd(const wxString& text) {
    if (text.EndsWith("\r\n")) {
        return text.substr(0, text.length() - 2);
    }
    if (text.EndsWith("\n") || text.EndsWith("\r")) {
        return text.substr(0, text.length() - 1);
    }
    return text;
}

std::vector<TextLine> SplitLines(const wxString& text) {
    std::vector<TextLine> lines;
    size_t pos = 0;
    while (pos < text.length()) {
        const size_t end = FindLineEnd(text, pos);
        if (end == wxString::npos) {
            lines.push_back(TextLine{pos, text.length()});
            break;
        }
        lines.push_back(TextLine{pos, end});
        pos = AfterLineEnd(text, end);
    }
    return lines;
}

wxString LineEndsAsBlanks(wxString text) {
    text.Replace("\r\n", " ");
    text.Replace("\r", " ");
    text.Replace("\n", " ");
    return text;
}
