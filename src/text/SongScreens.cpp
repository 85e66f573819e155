#include "text/SongScreens.h"

#include <algorithm>

#include "text/LineEnds.h"

wxString TrimTrailingBlanks(const wxString& line) {
    size_t end = line.length();
    while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\t')) {
        --end;
    }
    return line.substr(0, end);
}

bool IsBlankLine(const wxString& line) {
    return TrimTrailingBlanks(line).empty();
}

wxString WithoutScreenBreaks(const wxString& words) {
    if (!words.Contains("&")) {
        return words;
    }
    wxString out;
    for (size_t i = 0; i < words.length(); ++i) {
        if (words[i] != '&') {
            out << words[i];
            continue;
        }
        const bool bBlankBefore = i == 0 || words[i - 1] == ' ' || words[i - 1] == '\t';
        const bool bBlankAfter =
            i + 1 == words.length() || words[i + 1] == ' ' || words[i + 1] == '\t';
        out << (bBlankBefore && bBlankAfter ? "and" : "+");
    }
    return out;
}

void CSongScreenBuilder::StartScreen(const wxString& label) {
    m_screens.push_back(CSongScreen{TrimTrailingBlanks(WithoutScreenBreaks(label)), {}});
    m_bOpen = true;
}

void CSongScreenBuilder::EndScreen() {
    m_bOpen = false;
}

void CSongScreenBuilder::AddLine(const wxString& line) {
    if (line.StartsWith("&")) {
        StartScreen(line.substr(1));
        return;
    }
    if (!m_bOpen) {
        StartScreen();
    }
    m_screens.back().lines.push_back(TrimTrailingBlanks(WithoutScreenBreaks(line)));
}

wxString CSongScreenBuilder::Text() const {
    wxString text;
    bool bFirst = true;
    for (const CSongScreen& screen : m_screens) {
        size_t begin = 0;
        size_t end = screen.lines.size();
        while (begin < end && screen.lines[begin].empty()) {
            ++begin;
        }
        while (end > begin && screen.lines[end - 1].empty()) {
            --end;
        }
        if (begin == end) {
            continue;
        }
        if (!bFirst) {
            text += "\r\n";
        }
        if (!bFirst || !screen.strLabel.empty()) {
            text += "&" + screen.strLabel + "\r\n";
        }
        for (size_t i = begin; i < end; ++i) {
            text += screen.lines[i];
            if (i + 1 < end) {
                text += "\r\n";
            }
        }
        bFirst = false;
    }
    return text;
}

std::vector<CSongScreen> SplitScreens(const wxString& text) {
    std::vector<CSongScreen> screens;
    for (const TextLine& l : SplitLines(text)) {
        const wxString line = text.substr(l.begin, l.end - l.begin);
        if (line.StartsWith("&")) {
            screens.push_back(CSongScreen{line.substr(1), {}});
        } else {
            if (screens.empty()) {
                screens.emplace_back();
            }
            screens.back().lines.push_back(line);
        }
    }
    return screens;
}

std::vector<CSongScreen> ShownScreens(const wxString& text) {
    std::vector<CSongScreen> shown;
    for (CSongScreen& screen : SplitScreens(text)) {
        std::vector<wxString>& lines = screen.lines;
        while (!lines.empty() && IsBlankLine(lines.back())) {
            lines.pop_back();
        }
        const auto first = std::find_if_not(lines.begin(), lines.end(), IsBlankLine);
        lines.erase(lines.begin(), first);
        if (!lines.empty()) {
            shown.push_back(std::move(screen));
        }
    }
    return shown;
}
