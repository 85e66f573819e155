// OpenLyrics song files (XML, versions 0.7 to 0.9), read with expat.
#pragma once

#include <string_view>

#include "text/SongFile.h"

// Reads an OpenLyrics document (UTF-8 bytes, already checked) into song.
bool ReadOpenLyrics(std::string_view utf8, CSongText& song, CSongFileError& error);

// The usual chord suffix for an OpenLyrics 0.9 chord structure, a short
// code ("min7") or an interval formula ("m3-5-m7"); unknown ones as given.
wxString ChordSuffixOfStructure(const wxString& structure);
