// Picture items: the document holds the one picture a show is drawing.
#include "doc/ShowEntry.h"
#include "doc/VersiluxDoc.h"

bool CVersiluxDoc::LoadPicture(const wxString& strPath) {
    EnsureImageHandlers();
    const wxImage picture = ReadPictureFile(strPath);
    if (!picture.IsOk()) {
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
