#include "dialogs/SongFilesCommands.h"

#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

#include <functional>

#include "dialogs/ExportSongsDlg.h"
#include "dialogs/ProgressShown.h"
#include "doc/ChosenPath.h"
#include "doc/SongFiles.h"
#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"

namespace {

const char* const kCaption = "Versilux";

const char* const kSongFileWildcard =
    "Song files (ChordPro, OpenLyrics, text)|"
    "*.cho;*.chordpro;*.chopro;*.crd;*.pro;*.xml;*.txt;"
    "*.CHO;*.CHORDPRO;*.CHOPRO;*.CRD;*.PRO;*.XML;*.TXT|"
    "ChordPro files (*.cho;*.chordpro;*.chopro;*.crd;*.pro)|"
    "*.cho;*.chordpro;*.chopro;*.crd;*.pro;*.CHO;*.CHORDPRO;*.CHOPRO;*.CRD;*.PRO|"
    "OpenLyrics files (*.xml)|*.xml;*.XML|"
    "Text files (*.txt)|*.txt;*.TXT|"
    "All files|*";

// More files than this, and the import shows how far it is.
constexpr size_t kFilesWithoutProgress = 3;
// A message box lists at most this many refusals.
constexpr size_t kRefusalsListed = 12;

wxString ListOfRefusals(const std::vector<wxString>& refusals) {
    wxString strList;
    for (size_t i = 0; i < refusals.size() && i < kRefusalsListed; ++i) {
        strList << "\n" << refusals[i];
    }
    if (refusals.size() > kRefusalsListed) {
        strList << wxString::Format("\n… and %zu more", refusals.size() - kRefusalsListed);
    }
    return strList;
}

wxString SongsCount(int n) {
    return n == 1 ? wxString("1 song") : wxString::Format("%d songs", n);
}

}  // namespace

int ImportSongsWithProgress(CVersiluxDoc& doc, wxWindow* pParent,
                            const std::vector<wxString>& paths) {
    CSongImport import;
    try {
        wxBusyCursor wait;
        CProgressShown progress(pParent, "Importing songs...", wxPD_REMAINING_TIME);
        CProgress onProgress;
        if (paths.size() > kFilesWithoutProgress) {
            onProgress = std::ref(progress);
        }
        import = doc.ImportSongFiles(paths, doc.m_nVPD, onProgress);
    } catch (const CDBException& e) {
        wxMessageBox(
            "The songs could not be imported; nothing was imported.\n\n" + e.GetErrorMessage(),
            kCaption, wxOK | wxICON_ERROR, pParent);
        return 0;
    }
    if (import.bCancelled) {
        wxMessageBox("The import was cancelled; nothing was imported.", kCaption,
                     wxOK | wxICON_INFORMATION, pParent);
        return 0;
    }
    doc.RefreshViews();
    std::vector<wxString> refusals;
    for (const CSongFileImport& file : import.files) {
        if (!file.bImported) {
            refusals.push_back(file.strRefusal);
        }
    }
    wxString strMessage =
        wxString::Format("%s imported into %s.", SongsCount(import.ImportedCount()),
                         doc.m_strVPDName.Strip(wxString::both));
    if (!refusals.empty()) {
        strMessage << "\n\n"
                   << (refusals.size() == 1 ? wxString("This file was not imported:")
                                            : wxString::Format("These %zu files were not imported:",
                                                               refusals.size()))
                   << ListOfRefusals(refusals);
    }
    wxMessageBox(strMessage, kCaption,
                 wxOK | (refusals.empty() ? wxICON_INFORMATION : wxICON_WARNING), pParent);
    return import.ImportedCount();
}

void RunImportSongsCommand(CVersiluxDoc& doc, wxWindow* pParent) {
    wxFileDialog dlg(pParent, "Import Songs", wxString(), wxString(), kSongFileWildcard,
                     wxFD_OPEN | wxFD_FILE_MUST_EXIST | wxFD_MULTIPLE);
    if (dlg.ShowModal() != wxID_OK) {
        return;
    }
    wxArrayString chosen;
    dlg.GetPaths(chosen);
    if (chosen.empty()) {
        return;
    }
    ImportSongsWithProgress(doc, pParent, std::vector<wxString>(chosen.begin(), chosen.end()));
}

int ExportSongsWithProgress(CVersiluxDoc& doc, wxWindow* pParent, const std::vector<int>& itemIDs,
                            ESongFormat format, const wxString& strDir) {
    std::vector<CSongFileExport> exported;
    try {
        wxBusyCursor wait;
        CProgressShown progress(pParent, "Exporting songs...", wxPD_REMAINING_TIME);
        exported = doc.ExportSongs(
            itemIDs, format, strDir,
            itemIDs.size() > kFilesWithoutProgress ? CProgress(std::ref(progress)) : CProgress());
    } catch (const CDBException& e) {
        wxMessageBox("The songs could not be exported: " + e.GetErrorMessage(), kCaption,
                     wxOK | wxICON_ERROR, pParent);
        return 0;
    }
    int nWritten = 0;
    std::vector<wxString> problems;
    for (const CSongFileExport& one : exported) {
        if (!one.strPath.empty()) {
            ++nWritten;
        } else {
            problems.push_back(one.strTitle + ": " + one.strProblem);
        }
    }
    wxString strMessage = wxString::Format("%s exported to %s.", SongsCount(nWritten), strDir);
    if (exported.size() < itemIDs.size()) {
        strMessage << "\nThe export was cancelled before the end.";
    }
    if (!problems.empty()) {
        strMessage << "\n\nNot exported:" << ListOfRefusals(problems);
    }
    wxMessageBox(strMessage, kCaption,
                 wxOK | (problems.empty() ? wxICON_INFORMATION : wxICON_WARNING), pParent);
    return nWritten;
}

void RunExportSongsCommand(CVersiluxDoc& doc, wxWindow* pParent, int nSelectedID,
                           const std::vector<int>& listedIDs) {
    CExportSongsDlg choice(pParent, static_cast<int>(listedIDs.size()), nSelectedID > 0);
    if (choice.ShowModal() != wxID_OK) {
        return;
    }
    const ESongFormat format =
        choice.m_bOpenLyrics ? ESongFormat::OpenLyrics : ESongFormat::ChordPro;
    const wxString strExt = SongFileExtension(format);
    try {
        if (!choice.m_bAllListed) {
            CSongText song;
            if (!doc.ItemSongText(nSelectedID, song)) {
                wxMessageBox("The item is no longer in the database.", kCaption,
                             wxOK | wxICON_ERROR, pParent);
                return;
            }
            wxFileDialog dlg(
                pParent, "Export Song", wxString(), SongFileNameForTitle(song.strTitle, format),
                wxString::Format("*.%s|*.%s", strExt, strExt), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
            if (dlg.ShowModal() != wxID_OK) {
                return;
            }
            wxFileName path(ChosenPath(dlg));
            if (!path.HasExt()) {
                path.SetExt(strExt);
            }
            if (wxString strError;
                !doc.ExportItemSong(nSelectedID, format, path.GetFullPath(), strError)) {
                wxMessageBox("The song could not be exported: " + strError, kCaption,
                             wxOK | wxICON_ERROR, pParent);
            }
            return;
        }
        wxDirDialog dlg(pParent, "Export Songs to Folder", wxString(),
                        wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
        if (dlg.ShowModal() == wxID_OK) {
            ExportSongsWithProgress(doc, pParent, listedIDs, format, dlg.GetPath());
        }
    } catch (const CDBException& e) {
        wxMessageBox("The songs could not be exported: " + e.GetErrorMessage(), kCaption,
                     wxOK | wxICON_ERROR, pParent);
    }
}
