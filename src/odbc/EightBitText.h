// Text whose bytes may come from a Windows machine: the store's columns and
// the files the program exchanges. Pure text code; it needs only wxString.
#pragma once

#include <wx/string.h>
#include <cstddef>

// Valid UTF-8 is read as UTF-8, anything else byte by byte as Windows-1252.
// The five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// become the control characters of the same number, so no byte is lost and
// the result is empty only when the bytes are. pWasUtf8, when given, says
// which of the two the bytes were read as.
wxString DecodeUtf8OrCp1252(const char* pBytes, std::size_t nLength, bool* pWasUtf8 = nullptr);
