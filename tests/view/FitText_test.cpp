// Fitting texts into boxes on the recording canvas (96 pixels per inch: size
// 900 is 120 pixels high, 720 is 96, 150 is 20; characters are half as wide).
#include "view/FitText.h"

#include <gtest/gtest.h>
#include <climits>
#include <random>
#include <vector>

#include "support/MarkupTexts.h"
#include "support/RecordingCanvas.h"

namespace {

CFitResult Fit(Canvas& dc, const wxString& text, int start, wxSize box,
               FitSearch search = FitSearch::Pruned, int transpose = 0) {
    return FitTextToBox(dc, text, start, box, transpose, false, search);
}

TEST(FitText, TakesTheStartSizeWhenTheTextFits) {
    RecordingCanvas dc;
    const CFitResult fit = Fit(dc, "Hello", 900, wxSize(1920, 1080));
    EXPECT_EQ(fit.nSize, 900);
    EXPECT_TRUE(fit.bFont);
    EXPECT_EQ(fit.extent, wxSize(300, 120));
    EXPECT_EQ(dc.GetLineHeight(), 120);  // the chosen font stays selected
    EXPECT_EQ(dc.Calls("font").size(), 1u);
}

TEST(FitText, ATextTenPercentTooWideIsDrawnSmallerNeverLarger) {
    for (FitSearch search : {FitSearch::Walk, FitSearch::Pruned}) {
        RecordingCanvas dc;
        // 600 pixels wide at 900; the box is 545.
        const CFitResult fit = Fit(dc, "0123456789", 900, wxSize(545, 1080), search);
        EXPECT_EQ(fit.nSize, 820);
        EXPECT_EQ(fit.extent, wxSize(540, 109));
    }
}

TEST(FitText, ATextThatNeverFitsEndsAtTheFirstSizeBelowZero) {
    for (FitSearch search : {FitSearch::Walk, FitSearch::Pruned}) {
        RecordingCanvas dc;
        const CFitResult fit = Fit(dc, "abc\r\ndef", 720, wxSize(1920, 0), search);
        EXPECT_EQ(fit.nSize, -10);
        EXPECT_EQ(dc.GetLineHeight(), 1);  // drawn in that smallest font regardless
        EXPECT_EQ(fit.extent, wxSize(0, 2));
        if (search == FitSearch::Walk) {
            EXPECT_EQ(dc.Calls("font").size(), 74u);  // 720, 710 ... 0, -10
        }
    }
    RecordingCanvas odd;
    EXPECT_EQ(Fit(odd, "x", 25, wxSize(10, 0)).nSize, -5);
}

TEST(FitText, AStartSizeOfZeroOrBelowUsesTheDefaultFont) {
    for (int start : {0, -1, -720}) {
        RecordingCanvas dc;
        dc.SetFont(300);
        const CFitResult fit = Fit(dc, "abc", start, wxSize(1920, 1080));
        EXPECT_FALSE(fit.bFont);
        EXPECT_EQ(fit.extent, wxSize(24, RecordingCanvas::kDefaultFontHeight));
        EXPECT_EQ(dc.GetLineHeight(), RecordingCanvas::kDefaultFontHeight);
    }
}

TEST(FitText, LinesChordLinesAndEmptyLines) {
    RecordingCanvas dc;
    // A final line end counts for nothing; an empty line is a space high.
    EXPECT_EQ(Fit(dc, "ab\r\n\r\ncd\r\n", 150, wxSize(400, 400)).extent, wxSize(20, 60));
    EXPECT_EQ(Fit(dc, "", 150, wxSize(400, 400)).extent, wxSize(10, 20));
    // A line with chords takes a chord line above its lyric, and the chord
    // end (5 past the chord) counts in its width.
    EXPECT_EQ(Fit(dc, "{C}ab\r\ncd", 150, wxSize(400, 400)).extent, wxSize(35, 60));
    // Chords are measured transposed.
    EXPECT_EQ(Fit(dc, "x{C}\r\ny", 150, wxSize(400, 400), FitSearch::Pruned, 1).extent,
              wxSize(35, 60));
    // One line is measured without a chord line, braces as typed.
    EXPECT_EQ(Fit(dc, "{C}ab", 150, wxSize(400, 400)).extent, wxSize(50, 20));
}

TEST(FitText, LinesEndingInLfAloneFitAsCrLfLines) {
    const wxString texts[] = {"ab\r\n\r\ncd\r\n", "{C}ab\r\ncd", "x{C}\r\ny|{D}z\r\n",
                              "[2]one\r\n\r\n\r\n{G}two three"};
    for (const wxString& crlf : texts) {
        wxString lf = crlf;
        lf.Replace("\r\n", "\n");
        for (FitSearch search : {FitSearch::Walk, FitSearch::Pruned}) {
            for (const wxSize box : {wxSize(400, 400), wxSize(60, 50)}) {
                RecordingCanvas a;
                RecordingCanvas b;
                const CFitResult fromCrLf = Fit(a, crlf, 300, box, search);
                const CFitResult fromLf = Fit(b, lf, 300, box, search);
                EXPECT_EQ(fromLf.nSize, fromCrLf.nSize) << lf;
                EXPECT_EQ(fromLf.extent, fromCrLf.extent) << lf;
            }
        }
    }
    RecordingCanvas dc;
    EXPECT_EQ(Fit(dc, "ab\n\ncd\n", 150, wxSize(400, 400)).extent, wxSize(20, 60));
}

TEST(FitText, AChordBlockOfOneLineIsMeasuredWithItsChordLine) {
    RecordingCanvas dc;
    const wxSize box(400, 400);
    auto block = [&](const wxString& text) {
        return FitTextToBox(dc, text, 150, box, 0, false, FitSearch::Pruned, FitShape::ChordBlock)
            .extent;
    };
    EXPECT_EQ(block("{C}ab"), wxSize(35, 40));
    EXPECT_EQ(block("{C}ab\r\n"), wxSize(35, 40));  // the same with its line end
    EXPECT_EQ(block("a|b"), wxSize(30, 20));        // no chord: one line as typed
    EXPECT_EQ(block(""), wxSize(10, 20));
    // As typed, the braces are measured as characters.
    EXPECT_EQ(Fit(dc, "{C}ab\r\n", 150, box).extent, wxSize(50, 20));
}

TEST(FitText, HugeTextsFinish) {
    wxString text;
    while (text.length() < 32000) {
        text += "{C}a|{G}b [2]x\r\n";
    }
    RecordingCanvas dc;
    const CFitResult fit = Fit(dc, text, 720, wxSize(1920, 1080));
    EXPECT_EQ(fit.nSize, -10);
    // At one point a character of the recording canvas has no width at all.
    RecordingCanvas wide;
    EXPECT_EQ(Fit(wide, wxString('x', 32000), 720, wxSize(1920, 1080)).nSize, 10);
}

// Widths that do not grow steadily with the font, as hinted real fonts may
// not: each character's width wobbles by a few pixels from size to size.
class WobblyCanvas : public RecordingCanvas {
  protected:
    wxSize DoGetTextExtent(const wxString& str) override {
        const int h = GetLineHeight();
        int width = 0;
        for (const wxUniChar c : str) {
            width += std::max(0, h / 2 + static_cast<int>((h * 31 + c.GetValue() * 7) % 9) - 4);
        }
        return wxSize(width, h);
    }
};

// The pruned search must choose exactly what the walk chooses, with the
// same extent, for any text, box and start size, whether or not widths grow
// steadily with the size.
template <typename CanvasType>
void ExpectPrunedEqualsWalk(unsigned seed, int cases,
                            const std::vector<int>& starts = {900, 720, 455, 300, 100, 15, 5, 0,
                                                              -30}) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> width(-20, 2000);
    std::uniform_int_distribution<int> height(-20, 1200);
    std::uniform_int_distribution<size_t> start(0, starts.size() - 1);
    std::uniform_int_distribution<int> transpose(-12, 12);
    for (int i = 0; i < cases; ++i) {
        const wxString text = RandomMarkupText(rng);
        const wxSize box(width(rng), height(rng));
        const int from = starts[start(rng)];
        const int t = transpose(rng);
        CanvasType walkDc;
        CanvasType prunedDc;
        const CFitResult walk = FitTextToBox(walkDc, text, from, box, t, t < 0, FitSearch::Walk);
        const CFitResult pruned =
            FitTextToBox(prunedDc, text, from, box, t, t < 0, FitSearch::Pruned);
        ASSERT_EQ(walk.nSize, pruned.nSize) << "case " << i << " box " << box.x << "x" << box.y;
        ASSERT_EQ(walk.extent, pruned.extent) << "case " << i;
        ASSERT_EQ(walk.bFont, pruned.bFont) << "case " << i;
        ASSERT_EQ(walkDc.GetLineHeight(), prunedDc.GetLineHeight()) << "case " << i;
    }
}

TEST(FitText, PrunedSearchChoosesExactlyWhatTheWalkChooses) {
    ExpectPrunedEqualsWalk<RecordingCanvas>(1, 3000);
}

TEST(FitText, PrunedSearchChoosesWhatTheWalkChoosesWhenWidthsWobble) {
    ExpectPrunedEqualsWalk<WobblyCanvas>(2, 3000);
}

TEST(FitText, PrunedSearchFromHugeStartSizesChoosesWhatTheWalkChooses) {
    ExpectPrunedEqualsWalk<RecordingCanvas>(3, 60, {72000, 72005, 9999, 3001});
    ExpectPrunedEqualsWalk<WobblyCanvas>(4, 60, {72000, 72005, 9999, 3001});
}

// A configured size far beyond any screen must not make a font for every
// step on its way down: only sizes whose lines may stack within the box.
TEST(FitText, AHugeStartSizeMakesOnlyFontsThatMayFit) {
    wxString verse;
    for (int i = 0; i < 12; ++i) {
        verse += "When {C}peace, like a {F}river, at{C}tendeth my {G7}way,\r\n";
    }
    const wxSize box(1920, 1080);
    RecordingCanvas walk;
    RecordingCanvas pruned;
    const CFitResult walked = Fit(walk, verse, 72000, box, FitSearch::Walk);
    const CFitResult fit = Fit(pruned, verse, 72000, box);
    EXPECT_EQ(fit.nSize, walked.nSize);
    EXPECT_EQ(fit.extent, walked.extent);
    EXPECT_EQ(pruned.Calls("font").size(), 1u);  // 24 lines of 45 pixels: size 340
    EXPECT_EQ(fit.nSize, 340);

    // The largest start there is ends where a walk from just above the box's
    // height would: every size between is too high for it.
    RecordingCanvas largest;
    RecordingCanvas near;
    const CFitResult fromMax = Fit(largest, verse, INT_MAX, box);
    const CFitResult fromNear = Fit(near, verse, 100007, box, FitSearch::Walk);
    EXPECT_EQ(fromMax.nSize, fromNear.nSize);
    EXPECT_EQ(fromMax.extent, fromNear.extent);
    EXPECT_LE(largest.Calls("font").size(), 2u);

    // A box no line fits in: the walk's last size, the first below zero, is
    // still the font left selected.
    for (int start : {72000, 72005, INT_MAX}) {
        RecordingCanvas none;
        const CFitResult tiny = Fit(none, "abc\r\ndef", start, wxSize(1920, 0));
        EXPECT_EQ(tiny.nSize, start % 10 - 10);
        EXPECT_EQ(none.GetLineHeight(), 1);
        EXPECT_EQ(tiny.extent, wxSize(0, 2));
        EXPECT_EQ(none.Calls("font").size(), 1u);
    }
}

TEST(FitText, PrunedSearchMeasuresFarLess) {
    wxString verse;
    for (int i = 0; i < 12; ++i) {
        verse += "When {C}peace, like a {F}river, at{C}tendeth my {G7}way,\r\n";
    }
    RecordingCanvas walk;
    RecordingCanvas pruned;
    const wxSize box(1920, 1080);
    EXPECT_EQ(Fit(walk, verse, 720, box, FitSearch::Walk).nSize,
              Fit(pruned, verse, 720, box, FitSearch::Pruned).nSize);
    EXPECT_LT(pruned.GetMeasureCount() * 5, walk.GetMeasureCount());
}

}  // namespace
