#include "db/DataFiles.h"

#include <wx/filename.h>
#include <wx/utils.h>

wxString GetShippedDataDir() {
    wxString fromEnv;
    if (wxGetEnv("VERSILUX_DATA", &fromEnv) && wxFileName::DirExists(fromEnv)) {
        return fromEnv;
    }
    for (const char* dir : {VERSILUX_INSTALL_DATA_DIR, VERSILUX_DATA_DIR}) {
        if (wxFileName::FileExists(wxFileName(dir, "schema.sql").GetFullPath())) {
            return dir;
        }
    }
    return VERSILUX_DATA_DIR;
}
