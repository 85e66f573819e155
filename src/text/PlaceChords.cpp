#include "text/PlaceChords.h"

#include <string>
#include <vector>

namespace {

// The lines of a text, each without its line end (CR LF, LF or CR); a line
// end at the very end opens no further line.
std::vector<std::wstring> Lines(const std::wstring& s) {
    std::vector<std::wstring> lines;
    size_t pos = 0;
    while (pos < s.length()) {
        const size_t end = s.find_first_of(L"\r\n", pos);
        if (end == std::wstring::npos) {
            lines.push_back(s.substr(pos));
            break;
        }
        lines.push_back(s.substr(pos, end - pos));
        pos = end + (s[end] == L'\r' && end + 1 < s.length() && s[end + 1] == L'\n' ? 2 : 1);
    }
    return lines;
}

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
    const std::wstring s = text.ToStdWstring();
    const std::vector<std::wstring> lines = Lines(s);
    std::wstring c;
    c.reserve(s.length() + s.length() / 4);
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
