// Reading song files in tests: the song or the refusal, with a readable
// failure when the other comes back.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "text/SongFile.h"

// A UTF-8 literal as the program holds it.
inline wxString U8(const char* text) {
    return wxString::FromUTF8(text);
}

// A text written with LF alone, as an item text with CR LF.
inline wxString Crlf(const char* text) {
    wxString s = wxString::FromUTF8(text);
    s.Replace("\n", "\r\n");
    return s;
}

inline CSongText ReadOk(ESongFormat format, const std::string& bytes) {
    CSongText song;
    CSongFileError error;
    EXPECT_TRUE(ReadSongFile(format, bytes, song, error))
        << "refused at line " << error.nLine << ": " << error.strReason << "\n"
        << bytes;
    return song;
}

inline CSongFileError ReadRefused(ESongFormat format, const std::string& bytes) {
    CSongText song;
    CSongFileError error;
    EXPECT_FALSE(ReadSongFile(format, bytes, song, error)) << bytes;
    EXPECT_FALSE(error.strReason.empty());
    return error;
}
