// Text files the program exchanges with others (the show dump, player files,
// search results): 8-bit Windows-1252 with CR LF line ends, so files made on
// Windows machines read unchanged; a text that Windows-1252 cannot hold is
// written in UTF-8 instead, so nothing is lost.
#pragma once

#include <wx/string.h>
#include <string>

// The bytes of a text for such a file; every line end becomes CR LF.
std::string EncodeExchangeText(const wxString& strText);

// The bytes of a text as it is, line ends untouched: Windows-1252 when they
// read back as the same text, else UTF-8.
std::string EncodeCp1252OrUtf8(const wxString& strText);

// Valid UTF-8 is read as UTF-8, anything else as Windows-1252; every byte
// becomes a character.
wxString DecodeExchangeText(const std::string& bytes);

// Writes the file; false with a reason in strError when it cannot.
bool WriteExchangeFile(const wxString& strPath, const wxString& strText, wxString& strError);

// Writes the bytes as they are; false with a reason in strError when it cannot.
bool WriteFileBytes(const wxString& strPath, const std::string& bytes, wxString& strError);

// Reads the whole file; false with the path and the reason in strError.
bool ReadFileBytes(const wxString& strPath, std::string& bytes, wxString& strError);
