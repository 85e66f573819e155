// The file a file dialog's operator chose.
#pragma once

#include <wx/string.h>

class wxFileDialog;

// Until the toolkit's own chooser has shown itself it may give the folder
// and the name only apart; this puts them together.
wxString ChosenPath(const wxFileDialog& dlg);
