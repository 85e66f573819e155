#include "text/ChordTransposer.h"

#include <array>

namespace {

// Pitch numbers run from 1 (A) to 12 (G#/Ab); index 0 here is pitch 1.
constexpr std::array<const wchar_t*, 12> kSharpNames = {L"A",  L"A#", L"B", L"C",  L"C#", L"D",
                                                        L"D#", L"E",  L"F", L"F#", L"G",  L"G#"};
constexpr std::array<const wchar_t*, 12> kFlatNames = {L"A",  L"Bb", L"B", L"C",  L"Db", L"D",
                                                       L"Eb", L"E",  L"F", L"Gb", L"G",  L"Ab"};

// Pitch number of a root letter, or 0 when the character is no root.
int RootPitch(wxUniChar c) {
    switch (c.GetValue()) {
        case 'A':
            return 1;
        case 'B':
            return 3;
        case 'C':
            return 4;
        case 'D':
            return 6;
        case 'E':
            return 8;
        case 'F':
            return 9;
        case 'G':
            return 11;
        default:
            return 0;
    }
}

}  // namespace

wxString TransposeChord(const wxString& token, int semitones, bool preferFlats) {
    if (token.empty()) {
        return token;
    }
    int pitch = RootPitch(token[0]);
    if (pitch == 0) {
        return token;
    }
    size_t rootLength = 1;
    if (token.length() > 1) {
        if (token[1] == '#') {
            ++pitch;
            rootLength = 2;
        } else if (token[1] == 'b') {
            --pitch;
            rootLength = 2;
        }
    }
    // pitch is 0..13 here; semitones % 12 is -11..11, so nothing can overflow
    // even for INT_MIN, and the sum is brought into 0..11 before indexing.
    int index = (pitch - 1 + semitones % 12) % 12;
    if (index < 0) {
        index += 12;
    }
    const auto& names = preferFlats ? kFlatNames : kSharpNames;
    return wxString(names[static_cast<size_t>(index)]) + token.substr(rootLength);
}

wxString TransposeChordText(const wxString& text, int semitones, bool preferFlats) {
    if (semitones == 0) {
        return text;
    }
    wxString result;
    result.reserve(text.length() + text.length() / 2);
    size_t start = 0;
    for (size_t i = 0; i < text.length(); ++i) {
        const wxUniChar c = text[i];
        if (c == ' ' || c == '/') {
            result += TransposeChord(text.substr(start, i - start), semitones, preferFlats);
            result += c;
            start = i + 1;
        }
    }
    result += TransposeChord(text.substr(start), semitones, preferFlats);
    return result;
}
