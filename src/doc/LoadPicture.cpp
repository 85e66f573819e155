// Picture items: the document holds the one picture a show is drawing.
#include <wx/file.h>
#include <wx/filename.h>
#include <wx/log.h>

#include "doc/VersiluxDoc.h"

namespace {

void EnsureImageHandlers() {
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) {
        wxInitAllImageHandlers();
    }
}

}  // namespace

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
