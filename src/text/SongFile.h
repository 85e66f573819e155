// Songs as other programs keep them: the song files the program imports and
// exports (ChordPro, OpenLyrics, plain text), read into an item's texts and
// written from them. Pure text code: it needs only wxString (and expat for
// the XML).
#pragma once

#include <wx/string.h>
#include <cstddef>
#include <string>

// The largest song file read; a song's words take a few kilobytes.
constexpr std::size_t kMaxSongFileBytes = 1024 * 1024;
// Why a file larger than that is refused.
inline constexpr const char* kSongFileTooLarge =
    "the file is larger than 1 MB; a song file is a few kilobytes";
// The longest main text an item column holds, in characters.
constexpr std::size_t kMaxSongText = 32768;

enum class ESongFormat { ChordPro, OpenLyrics, PlainText };

// What a song file brings to an item. Texts hold the item markup (chord
// marks "{G}", screen break lines "&") and end their lines in CR LF, as item
// texts do.
struct CSongText {
    wxString strTitle;  // empty: the file named none
    wxString strHeading1;
    wxString strHeading2;
    wxString strHeading2Alt;
    wxString strField1;
    int nBPM = 0;  // 0: none
    int nTranspose = 0;
    bool bPreferFlats = false;
    bool bChords = false;  // a chord chart; otherwise a song
    // What only the program's own files carry, so that an item exported and
    // imported again looks as it did: its screen type and colour numbers.
    // 0: not given, the configured defaults apply.
    int nType = 0;
    int nBackground = 0;
    int nForeground = 0;
    int nForeground2 = 0;
};

// Why a file was refused: the line (1-based; 0 for the file as a whole) and
// the reason, as "FILE:LINE: reason" shows it.
struct CSongFileError {
    int nLine = 0;
    wxString strReason;
};

// The format a file name's extension stands for; false when it names none.
bool SongFormatOfPath(const wxString& strPath, ESongFormat& format);

// Reads a whole file's bytes as a song; false, with the line and the reason,
// when the file cannot be taken as it is.
bool ReadSongFile(ESongFormat format, const std::string& bytes, CSongText& song,
                  CSongFileError& error);

// A song as a file's bytes (UTF-8).
std::string WriteChordPro(const CSongText& song);
std::string WriteOpenLyrics(const CSongText& song);
