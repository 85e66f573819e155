#include "text/Symbols.h"

std::vector<wxString> CollectSymbols(const wxString& text) {
    std::vector<wxString> symbols;
    const std::wstring s = text.ToStdWstring();
    const size_t length = s.length();
    // Where the last '}' stands tells at once whether a chord mark is closed,
    // so unclosed marks never rescan the rest of the text.
    const size_t lastClose = s.rfind(L'}');
    size_t pos = 0;
    while (pos < length) {
        const wchar_t c = s[pos];
        if (c != L'|' && c != L'{') {
            ++pos;
            continue;
        }
        const size_t start = pos;
        ++pos;
        // For a bar the chord's first character is the '{' after it.
        const bool inChord = c == L'{' || (pos < length && s[pos] == L'{');
        if (inChord) {
            const size_t first = c == L'{' ? pos : pos + 1;
            const bool closed =
                first < length && lastClose != std::wstring::npos && lastClose > first;
            if (closed) {
                pos = s.find(L'}', first + 1);
            } else {
                pos = first;  // the opening marks alone
            }
        }
        while (pos < length && (s[pos] == L'}' || s[pos] == L'|')) {
            ++pos;
        }
        symbols.emplace_back(s.substr(start, pos - start));
    }
    return symbols;
}
