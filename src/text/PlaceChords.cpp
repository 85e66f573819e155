#include "text/PlaceChords.h"

#include <string>
#include <vector>

#include "text/LineEnds.h"

namespace {

bool IsBlank(const std::wstring& line) {
    return line.empty() || line == L" ";
}

// One chord line h over one lyric line e, both not blank.
std::wstring Merge(const std::wstring& h, const std::wstring& e) {
    std::wstring d;
    d.reserve(h.length() + e.length() + 8);
    size_t t = 0;
    for (;;) {
        size_t n = 1;
        if (h[t] != L' ') {
            const size_t end = h.find(L' ', t);
            const std::wstring chord = h.substr(t, end == std::wstring::npos ? end : end - t);
            d += L'{';
            d += chord;
            d += L'}';
            n = chord.length();
        }
        if (t < e.length()) {
            d.append(e, t, n);
        }
        t += n;
        if (t >= h.length()) {
            if (t < e.length()) {
                d.append(e, t, std::wstring::npos);
            }
            return d;
        }
        if (t >= e.length()) {
            // The lyric has ended: the rest of the chord line in one mark.
            d += L'{';
            d.append(h, t, std::wstring::npos);
            d += L'}';
            return d;
        }
    }
}

}  // namespace

wxString PlaceChords(const wxString& text) {
    std::vector<std::wstring> lines;
    for (const TextLine& line : SplitLines(text)) {
        lines.push_back(text.substr(line.begin, line.end - line.begin).ToStdWstring());
    }
    std::wstring c;
    c.reserve(text.length() + text.length() / 4);
    size_t i = 0;
    for (; i + 1 < lines.size(); i += 2) {
        const std::wstring& h = lines[i];
        const std::wstring& e = lines[i + 1];
        if (IsBlank(h)) {
            c += e;
        } else if (IsBlank(e)) {
            c += h;
        } else {
            c += Merge(h, e);
        }
        c += L"\r\n";
    }
    if (i < lines.size()) {
        c += lines[i];
    }
    return wxString(c);
}
