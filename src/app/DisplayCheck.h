// Whether the windows can open: the toolkit ends the process in a trap when
// it finds no display, so the program asks first and says what is missing.
#pragma once

#include <wx/string.h>

// True when a display can be reached; otherwise why names what is missing.
bool CanReachDisplay(wxString& why);
