// Where the program's shipped data (schema, demo library, pictures) lives.
#pragma once

#include <wx/string.h>

// The folder holding schema.sql, demo.sql and the demo pictures: the
// VERSILUX_DATA environment variable, the installed share folder, or the
// source tree's data folder, whichever exists first.
wxString GetShippedDataDir();
