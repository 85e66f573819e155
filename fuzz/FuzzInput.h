#pragma once

// Turns fuzzer bytes into the texts the program holds: once read as UTF-8
// (empty when the bytes are not valid UTF-8) and once as Latin-1, so that the
// byte 0xAC arrives as the inline-chord sign.

#include <wx/string.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

inline wxString FuzzTextUtf8(const uint8_t* data, size_t size) {
    return wxString::FromUTF8(reinterpret_cast<const char*>(data), size);
}

inline wxString FuzzTextLatin1(const uint8_t* data, size_t size) {
    return wxString(reinterpret_cast<const char*>(data), wxConvISO8859_1, size);
}

// A broken property is a finding like a crash.
#define FUZZ_CHECK(condition) \
    do {                      \
        if (!(condition)) {   \
            std::abort();     \
        }                     \
    } while (false)
