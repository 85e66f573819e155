#pragma once

// Properties every song read from a file has, and the ChordPro round trip
// every such song survives.

#include <string>

#include "FuzzInput.h"
#include "text/LineEnds.h"
#include "text/SongFile.h"

inline bool HasLineEndChar(const wxString& text) {
    return text.find_first_of("\r\n") != wxString::npos;
}

inline wxString Collapsed(const wxString& text) {
    wxString out;
    for (const wxUniChar c : text) {
        const bool bSpace = c == ' ' || c == '\t';
        if (c == 0xFFFE || c == 0xFFFF) {
            continue;  // XML cannot hold them
        }
        if (!bSpace) {
            out += c;
        } else if (!out.empty() && out.Last() != ' ') {
            out += ' ';
        }
    }
    return out.Trim(true);
}

// The text with every screen break bare: a line that comes to start with
// "&" once OpenLyrics has trimmed it is a label, and labels do not go into
// OpenLyrics.
inline wxString WithoutLabels(const wxString& text) {
    wxString out;
    for (const TextLine& l : SplitLines(text)) {
        const wxString line = text.substr(l.begin, l.end - l.begin);
        if (line.StartsWith("&")) {
            if (!out.empty()) {
                out += "&\r\n";
            }
        } else {
            out += line + "\r\n";
        }
    }
    return out;
}

// Within the item's limits, lines ending in CR LF without trailing blanks,
// headings on one line, no empty screen and no bare screen break first.
inline void CheckSongRead(const CSongText& song) {
    FUZZ_CHECK(song.strField1.length() <= kMaxSongText);
    FUZZ_CHECK(!song.strTitle.empty() || !song.strField1.empty());
    FUZZ_CHECK(song.nBPM >= 0 && song.nBPM <= 999);
    FUZZ_CHECK(song.nTranspose >= -12 && song.nTranspose <= 12);
    for (const wxString* heading :
         {&song.strTitle, &song.strHeading1, &song.strHeading2, &song.strHeading2Alt}) {
        FUZZ_CHECK(!HasLineEndChar(*heading));
    }
    const wxString& text = song.strField1;
    FUZZ_CHECK(!text.StartsWith("&\r\n") && text != "&");
    FUZZ_CHECK(!text.EndsWith("\r\n"));
    wxString rest = text;
    rest.Replace("\r\n", "");
    FUZZ_CHECK(!HasLineEndChar(rest));
    bool bScreenStart = true;
    for (const TextLine& l : SplitLines(text)) {
        const wxString line = text.substr(l.begin, l.end - l.begin);
        FUZZ_CHECK(!line.EndsWith(" ") && !line.EndsWith("\t"));
        if (line.StartsWith("&")) {
            bScreenStart = true;
            continue;
        }
        FUZZ_CHECK(!(bScreenStart && line.empty()));
        bScreenStart = false;
    }
}

inline CSongText ReadBack(ESongFormat format, const std::string& bytes) {
    CSongText song;
    CSongFileError error;
    FUZZ_CHECK(ReadSongFile(format, bytes, song, error));
    return song;
}

// Whatever a reader gives, ChordPro gives back exactly.
inline void CheckChordProRoundTrip(const CSongText& song) {
    const CSongText back = ReadBack(ESongFormat::ChordPro, WriteChordPro(song));
    FUZZ_CHECK(back.strField1 == song.strField1);
    FUZZ_CHECK(back.strTitle == song.strTitle);
    FUZZ_CHECK(back.strHeading1 == song.strHeading1);
    FUZZ_CHECK(back.strHeading2 == song.strHeading2);
    FUZZ_CHECK(back.strHeading2Alt == song.strHeading2Alt);
    FUZZ_CHECK(back.nBPM == song.nBPM);
    FUZZ_CHECK(back.nTranspose == song.nTranspose);
    FUZZ_CHECK(back.bPreferFlats == song.bPreferFlats);
}

// OpenLyrics written from a song is well-formed and reads back; after one
// pass (which drops what OpenLyrics has no place for: labels, indents) the
// words stay as they are.
inline void CheckOpenLyricsRoundTrip(const CSongText& song) {
    if (Collapsed(song.strTitle).empty()) {
        // A song without a title XML can hold may have only markup that
        // OpenLyrics drops.
        return;
    }
    const CSongText once = ReadBack(ESongFormat::OpenLyrics, WriteOpenLyrics(song));
    CheckSongRead(once);
    // XML collapses runs of white space in titles and cannot hold U+FFFE, U+FFFF.
    FUZZ_CHECK(Collapsed(once.strTitle) == Collapsed(song.strTitle));
    FUZZ_CHECK(once.nBPM == song.nBPM);
    const CSongText twice = ReadBack(ESongFormat::OpenLyrics, WriteOpenLyrics(once));
    FUZZ_CHECK(WithoutLabels(twice.strField1) == WithoutLabels(once.strField1));
    FUZZ_CHECK(twice.strHeading2 == once.strHeading2);
    // (Chords can go with a label, so bChords may fall from once to twice.)
    FUZZ_CHECK(!twice.bChords || once.bChords);
}

inline void CheckSongFile(ESongFormat format, const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CSongText song;
    CSongFileError error;
    if (!ReadSongFile(format, bytes, song, error)) {
        FUZZ_CHECK(!error.strReason.empty());
        FUZZ_CHECK(error.nLine >= 0);
        return;
    }
    CheckSongRead(song);
    CheckChordProRoundTrip(song);
    CheckOpenLyricsRoundTrip(song);
}
