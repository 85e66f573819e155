// Markup stripping for measuring, with and without chords.

#include "FuzzInput.h"
#include "text/StripMarkup.h"

namespace {

void Check(const wxString& text) {
    const wxString plain = StripMarkup(text, false);
    FUZZ_CHECK(plain.length() <= text.length());
    FUZZ_CHECK(plain.find('[') == wxString::npos);
    const wxString split = StripMarkup(text, true);
    FUZZ_CHECK(split.find('[') == wxString::npos);
    FUZZ_CHECK(split.find('|') == wxString::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Check(FuzzTextUtf8(data, size));
    Check(FuzzTextLatin1(data, size));
    return 0;
}
