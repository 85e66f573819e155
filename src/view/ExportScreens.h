// The screens of a schedule's show as picture files: one PNG per show entry
// (001.png, 002.png ..., the end notice and the menu included), drawn by the
// same code that paints the display window, on a memory bitmap. Drawing
// needs the GUI toolkit initialised on a display (a virtual one will do).
#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>

class CVersiluxDoc;

inline constexpr const char* kExportScreensUsage =
    "usage: versilux --export-screens SCHEDULE_ID --size WxH --out DIR\n"
    "  Builds the show list of the schedule on the configured data source and\n"
    "  writes one PNG picture per screen (001.png, 002.png ...) into DIR.\n";

struct CExportScreensArgs {
    int nScheduleID = 0;
    wxSize size;
    wxString strOutDir;
};

// Reads "SCHEDULE_ID --size WxH --out DIR" (the two options in either order)
// from argv[nFirst] on; false when anything is missing, extra or malformed.
bool ParseExportScreensArgs(int argc, char** argv, int nFirst, CExportScreensArgs& args);

// Writes the screens of the schedule into strOutDir, making the folder when
// it does not exist. Returns 0 on success, 1 with the reason in strError
// when the schedule does not exist, the folder cannot be made or written,
// or a picture cannot be saved. Replaces the document's show list.
int ExportScreens(CVersiluxDoc& doc, int nScheduleID, wxSize size, const wxString& strOutDir,
                  wxString& strError);
