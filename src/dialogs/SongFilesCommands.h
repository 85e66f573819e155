// File > Import Songs and the item editor's Export: song files chosen,
// imported or written with progress shown, and what happened told file by
// file.
#pragma once

#include <wx/string.h>
#include <vector>

#include "text/SongFile.h"

class CVersiluxDoc;
class wxWindow;

// Asks for song files and imports them into the current VPD.
void RunImportSongsCommand(CVersiluxDoc& doc, wxWindow* pParent);
// Imports the files into the current VPD in one transaction, with a
// progress dialog (and Cancel) for more than a few, and tells the operator
// what was imported and what was refused. Returns the number imported.
int ImportSongsWithProgress(CVersiluxDoc& doc, wxWindow* pParent,
                            const std::vector<wxString>& paths);

// Writes each item into a file of its own in strDir, with a progress
// dialog for more than a few, and tells the operator what was written and
// what was not. Returns the number of files written.
int ExportSongsWithProgress(CVersiluxDoc& doc, wxWindow* pParent, const std::vector<int>& itemIDs,
                            ESongFormat format, const wxString& strDir);

// Asks what to export (the selected item or every listed one, ChordPro or
// OpenLyrics) and where, then writes the files. nSelectedID 0: none.
void RunExportSongsCommand(CVersiluxDoc& doc, wxWindow* pParent, int nSelectedID,
                           const std::vector<int>& listedIDs);
