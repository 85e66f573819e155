// Marked lines drawn and measured on the recording canvas, and texts fitted
// to boxes by both fitting searches. The first two bytes choose the chord
// offset, the transposition and the box.

#include "FuzzInput.h"
#include "support/RecordingCanvas.h"
#include "view/FitText.h"
#include "view/MarkedLine.h"

namespace {

void CheckLine(const wxString& line, int offset, int transpose) {
    const CLineColours colours{1, 2, 3, 4, 5, 6};
    RecordingCanvas dc;
    dc.SetFont(150);  // 20 pixels high, 10 per character
    wxSize extent;
    DrawMarkedLine(dc, 7, 3, offset, line, transpose, transpose < 0, colours, &extent);
    FUZZ_CHECK(extent.x >= 0);
    FUZZ_CHECK(extent.y == 20 || (offset > 0 && extent.y == 20 + offset));
    DrawMarkedLine(dc, 7, 3, offset, line, transpose, transpose < 0, colours);
    // Everything drawn lies within the measured extent.
    for (const RecordingCanvas::Call& call : dc.Texts()) {
        FUZZ_CHECK(call.x >= 7);
        FUZZ_CHECK(call.x + call.size.x <= 7 + extent.x);
        FUZZ_CHECK(call.y == 3 || call.y == 3 + offset);
    }
}

void CheckFit(const wxString& text, wxSize box, int transpose, FitShape shape) {
    RecordingCanvas walkDc;
    RecordingCanvas prunedDc;
    const CFitResult walk =
        FitTextToBox(walkDc, text, 300, box, transpose, false, FitSearch::Walk, shape);
    const CFitResult pruned =
        FitTextToBox(prunedDc, text, 300, box, transpose, false, FitSearch::Pruned, shape);
    FUZZ_CHECK(walk.nSize == pruned.nSize);
    FUZZ_CHECK(walk.extent == pruned.extent);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) {
        return 0;
    }
    const int offset = data[0] % 4 == 0 ? 0 : 20;
    const int transpose = static_cast<int>(data[1] % 25) - 12;
    const wxSize box(data[0] * 4, data[1] * 2);
    for (const wxString& text :
         {FuzzTextUtf8(data + 2, size - 2), FuzzTextLatin1(data + 2, size - 2)}) {
        CheckLine(text, offset, transpose);
        // The walk re-strips the rest of the text for every line: keep it short.
        if (text.length() <= 1024) {
            CheckFit(text, box, transpose, FitShape::AsTyped);
            CheckFit(text, box, transpose, FitShape::ChordBlock);
        }
    }
    return 0;
}
