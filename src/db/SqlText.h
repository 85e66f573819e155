// Putting operator text into SQL filters safely.
#pragma once

#include <wx/string.h>

// The text with every single quote doubled, for use inside '...'.
wxString EscapeSqlLiteral(const wxString& strText);
