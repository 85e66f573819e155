#include "doc/ChosenPath.h"

#include <wx/filedlg.h>
#include <wx/filename.h>

wxString ChosenPath(const wxFileDialog& dlg) {
    const wxString strPath = dlg.GetPath();
    if (!strPath.empty() || dlg.GetFilename().empty()) {
        return strPath;
    }
    return wxFileName(dlg.GetDirectory(), dlg.GetFilename()).GetFullPath();
}
