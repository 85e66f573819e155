// The checks every song file passes before its format is read: size, byte
// order mark, binary content, UTF-8. A file that fails is refused with the
// line where the trouble starts, so the user can find it in an editor.
#pragma once

#include <wx/string.h>

#include <string>
#include <string_view>

#include "text/SongFile.h"

// The file's text when it is plain UTF-8 text within the size limit; a UTF-8
// byte order mark is skipped. utf8 is the same text as bytes, BOM skipped,
// for readers that parse bytes themselves (expat).
bool DecodeSongBytes(const std::string& bytes, wxString& text, std::string_view& utf8,
                     CSongFileError& error);
