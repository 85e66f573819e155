// Song files in and out of the library: what an import of several files and
// an export of items report, file by file.
#pragma once

#include <wx/string.h>
#include <set>
#include <vector>

#include "text/SongFile.h"

// How one file of an import went.
struct CSongFileImport {
    wxString strPath;
    bool bImported = false;
    int nItemID = 0;      // the new item's, when imported
    wxString strTitle;    // as stored: " (2)" added when the VPD had it
    wxString strRefusal;  // "FILE:LINE: reason" when refused
};

// What an import did. Cancelled: nothing was kept.
struct CSongImport {
    std::vector<CSongFileImport> files;
    bool bCancelled = false;
    int ImportedCount() const;
    int RefusedCount() const;
};

// The refusal as the operator reads it: "FILE:LINE: reason", or
// "FILE: reason" for the file as a whole.
wxString FormatSongFileRefusal(const wxString& strPath, const CSongFileError& error);

// The title an imported song is stored under: strTitle cut to the length an
// item title may have, with " (2)", " (3)" … when taken holds it already.
wxString UnusedSongTitle(const wxString& strTitle, const std::set<wxString>& taken);

// How one item of an export went.
struct CSongFileExport {
    int nItemID = 0;
    wxString strTitle;
    wxString strPath;     // the file written; empty when skipped or failed
    wxString strProblem;  // why it was skipped or not written
};

// The format's usual extension, without the dot ("cho", "xml").
wxString SongFileExtension(ESongFormat format);
// A file name for an item title: characters a file name cannot hold become
// "-", and the format's extension is added.
wxString SongFileNameForTitle(const wxString& strTitle, ESongFormat format);
