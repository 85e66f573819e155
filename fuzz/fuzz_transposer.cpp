// Chord texts with any transposition amount, including the extremes.

#include <climits>
#include <cstring>

#include "FuzzInput.h"
#include "text/ChordTransposer.h"

namespace {

size_t CountSeparators(const wxString& text) {
    size_t count = 0;
    for (const wxUniChar c : text) {
        if (c == ' ' || c == '/') {
            ++count;
        }
    }
    return count;
}

void Check(const wxString& text, int semitones, bool flats) {
    const wxString moved = TransposeChordText(text, semitones, flats);
    if (semitones == 0) {
        FUZZ_CHECK(moved == text);
        return;
    }
    FUZZ_CHECK(CountSeparators(moved) == CountSeparators(text));
    // Only the pitch class matters once the text is respelled.
    const int octaveUp = semitones <= INT_MAX - 12 ? semitones + 12 : semitones - 12;
    if (octaveUp != 0) {
        FUZZ_CHECK(TransposeChordText(text, octaveUp, flats) == moved);
    }
    FUZZ_CHECK(TransposeChordText(text, semitones % 12 == 0 ? 12 : semitones % 12, flats) == moved);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 5) {
        return 0;
    }
    int semitones = 0;
    std::memcpy(&semitones, data, sizeof semitones);
    const bool flats = (data[4] & 1) != 0;
    data += 5;
    size -= 5;
    // Small amounts are the common case; keep them frequent besides raw ones.
    const int small = static_cast<int>(static_cast<unsigned>(semitones) % 49) - 24;
    for (const int n : {semitones, small, INT_MIN, INT_MAX}) {
        Check(FuzzTextUtf8(data, size), n, flats);
        Check(FuzzTextLatin1(data, size), n, flats);
    }
    return 0;
}
