// Markup removal over arbitrary, mostly malformed, item texts.

#include "FuzzInput.h"
#include "text/RemoveMarkup.h"

namespace {

void Check(const wxString& text) {
    const wxString plain = RemoveMarkup(text);
    FUZZ_CHECK(plain.length() <= text.length());
    FUZZ_CHECK(plain.find('{') == wxString::npos);
    FUZZ_CHECK(plain.find('|') == wxString::npos);
    FUZZ_CHECK(plain.find("  ") == wxString::npos);
    // Plain text has nothing left to remove.
    FUZZ_CHECK(RemoveMarkup(plain) == plain);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Check(FuzzTextUtf8(data, size));
    Check(FuzzTextLatin1(data, size));
    return 0;
}
