#include "text/Symbols.h"

#include <gtest/gtest.h>

namespace {

using Symbols = std::vector<wxString>;

TEST(CollectSymbols, TakesBarsAndChordsWithTheMarksJoinedToThem) {
    // The bar with the G chord, the C chord, the final bar; words are skipped.
    EXPECT_EQ(CollectSymbols("|{G}Amazing {C}grace|"), (Symbols{"|{G}", "{C}", "|"}));
    const struct {
        const char* text;
        Symbols symbols;
    } cases[] = {
        {"no marks here\r\nat all", {}},
        {"", {}},
        {"a || b", {"||"}},
        {"{Am7}|x", {"{Am7}|"}},
        {"|{D}|end", {"|{D}|"}},
        {"{G/B}words {D}more", {"{G/B}", "{D}"}},
        // The character after '{' always belongs to the chord, even a '}'.
        {"{}x}y{}}", {"{}x}", "{}}"}},
        {"{C}}}|z", {"{C}}}|"}},
        // Lines do not end a chord: it runs to its '}'.
        {"{A\r\nB}c", {"{A\r\nB}"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CollectSymbols(c.text), c.symbols) << c.text;
    }
}

TEST(CollectSymbols, AnUnclosedChordMarkYieldsItsOpeningMarksAndTheScanGoesOn) {
    EXPECT_EQ(CollectSymbols("{C}sing {G to me |"), (Symbols{"{C}", "{", "|"}));
    EXPECT_EQ(CollectSymbols("word|{G"), (Symbols{"|{"}));
    EXPECT_EQ(CollectSymbols("{"), (Symbols{"{"}));
    EXPECT_EQ(CollectSymbols("|{"), (Symbols{"|{"}));
    // Here '}' is the chord's first character; it joins the mark as one after it would.
    EXPECT_EQ(CollectSymbols("{}"), (Symbols{"{}"}));
    // Long malformed texts finish, one symbol per opening mark.
    EXPECT_EQ(CollectSymbols(wxString('{', 30000)).size(), 30000u);
    wxString open;
    for (int i = 0; i < 10000; ++i) {
        open += "{a";
    }
    open += "}";
    // Every chord closes at that one brace: the first takes the whole text.
    EXPECT_EQ(CollectSymbols(open), (Symbols{open}));
}

}  // namespace
