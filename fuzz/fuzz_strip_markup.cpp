// Markup stripping for measuring, with and without chords; line-end
// conversions between edit boxes and item texts.

#include "FuzzInput.h"
#include "text/LineEnds.h"
#include "text/StripMarkup.h"

namespace {

void Check(const wxString& text) {
    const wxString plain = StripMarkup(text, false);
    FUZZ_CHECK(plain.length() <= text.length());
    FUZZ_CHECK(plain.find('[') == wxString::npos);
    const wxString split = StripMarkup(text, true);
    FUZZ_CHECK(split.find('[') == wxString::npos);
    FUZZ_CHECK(split.find('|') == wxString::npos);
    // An edit box's text (LF line ends) survives the trip to an item text
    // and back, and a text already converted is left as it is.
    wxString edit = text;
    edit.Replace("\r", "");
    const wxString item = EditToItemText(edit);
    FUZZ_CHECK(ItemToEditText(item) == edit);
    FUZZ_CHECK(EditToItemText(item) == item);
    FUZZ_CHECK(EditToItemText(EditToItemText(text)) == EditToItemText(text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Check(FuzzTextUtf8(data, size));
    Check(FuzzTextLatin1(data, size));
    return 0;
}
