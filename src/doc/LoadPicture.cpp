// Picture items: the document holds the one picture a show is drawing.
#include <wx/file.h>
#include <wx/filename.h>
#include <wx/log.h>

#include "doc/ShowEntry.h"
#include "doc/VersiluxDoc.h"

bool CVersiluxDoc::LoadPicture(const wxString& strPath) {
    EnsureImageHandlers();
    if (strPath.empty() || !wxFileName::FileExists(strPath) ||
        !wxFile::Access(strPath, wxFile::read)) {
        return false;
    }
    wxImage picture;
    {
        // A file that is not a picture is reported on the show screen, not
        // in a message box.
        wxLogNull quiet;
        if (!picture.LoadFile(strPath, wxBITMAP_TYPE_ANY)) {
            return false;
        }
    }
    if (!picture.IsOk() || picture.GetWidth() <= 0 || picture.GetHeight() <= 0) {
        return false;
    }
    gpPicture = picture;
    return true;
}

void CVersiluxDoc::PrefetchShowPictures(const wxSize& area) {
    std::vector<wxString> paths;
    for (const wxString& entry : m_show.m_arrEntries) {
        const auto fields = SplitEntry(entry);
        if (EntryTypeCode(fields[0]) == kPictureScreen && !fields[1].empty()) {
            paths.push_back(fields[1]);
        }
    }
    m_pictures.Prefetch(paths, area);
}
