#include "support/MarkupTexts.h"

#include <iterator>

wxString RandomMarkupText(std::mt19937& rng) {
    static const char* const kPieces[] = {"Amazing",
                                          "grace",
                                          "how",
                                          "sweet",
                                          "the",
                                          "sound",
                                          " ",
                                          " ",
                                          " ",
                                          "{G}",
                                          "{C}",
                                          "{D7}",
                                          "{Gmaj7}",
                                          "{F#m7/C#}",
                                          "|",
                                          "[2]",
                                          "[0]",
                                          "[5]",
                                          "[3]",
                                          "{",
                                          "[",
                                          "}",
                                          "]",
                                          "\xAC"
                                          "C G\xAC",
                                          "\xAC",
                                          "x",
                                          "W",
                                          "!",
                                          "&"};
    std::uniform_int_distribution<int> lines(1, 14);
    std::uniform_int_distribution<int> pieces(0, 9);
    std::uniform_int_distribution<size_t> piece(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> percent(0, 99);
    wxString text;
    const int nLines = lines(rng);
    for (int l = 0; l < nLines; ++l) {
        if (l > 0) {
            text += percent(rng) < 5 ? "\r" : "\r\n";
        }
        const int n = percent(rng) < 10 ? 0 : pieces(rng);
        for (int p = 0; p < n; ++p) {
            // Latin-1, so the byte 0xAC is the inline-chord sign.
            text += wxString(kPieces[piece(rng)], wxConvISO8859_1);
        }
    }
    if (percent(rng) < 20) {
        text += "\r\n";
    }
    return text;
}
