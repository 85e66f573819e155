// Player files: export of a schedule and import of a file as the show's
// source, with their two menu commands.
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

#include "doc/ChosenPath.h"
#include "doc/ExchangeText.h"
#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"

wxString CVersiluxDoc::OfferedFileName() const {
    // Stored names may be padded with blanks, which would end up in the
    // file's name, and may hold a slash, which a file name cannot.
    wxString strName = m_strScheduleName;
    strName.Trim(true).Trim(false);
    strName.Replace("/", "-");
    return strName;
}

std::string CVersiluxDoc::FormatPlayerFile(int nScheduleID) {
    CPlayerFileWriter writer;
    for (const CScheduleEntry& entry : ReadScheduleEntries(nScheduleID)) {
        if (!FindLookupItem(entry.nItemID)) {
            writer.AddNotFound(entry.strTitle);
            continue;
        }
        const CItemsSet& s = *m_pLookupSet;
        CPlayerItem item;
        item.strTitle = s.m_Title;
        item.nType = s.m_Type;
        item.nTranspose = entry.nTranspose == kOwnTranspose ? s.m_Transpose : entry.nTranspose;
        item.nForeground = s.m_Foreground;
        item.nForeground2 = s.m_Foreground2;
        item.nBackground = s.m_Background;
        item.bPreferFlats = s.m_PreferFlats;
        item.strHeading1 = s.m_Heading1;
        item.strHeading2 = m_bAltH2 ? s.m_Heading2_alt : s.m_Heading2;
        item.strField1 = s.m_Field1;
        item.strField2 = s.m_Field2;
        writer.AddItem(item);
    }
    return writer.Finish();
}

bool CVersiluxDoc::ExportPlayerFile(int nScheduleID, const wxString& strPath, wxString& strError) {
    return WriteFileBytes(strPath, FormatPlayerFile(nScheduleID), strError);
}

CPlayerImport CVersiluxDoc::ImportPlayerFile(const wxString& strPath, wxString& strError) {
    std::string bytes;
    if (!ReadFileBytes(strPath, bytes, strError)) {
        return CPlayerImport::Unreadable;
    }
    m_nScheduleID = -1;
    CPlayerFile file(bytes);
    if (!file.HasHeader()) {
        // The file shown so far, if any, stays the source.
        return CPlayerImport::NotPlayerFile;
    }
    m_playerFile = std::move(file);
    m_strScheduleName = wxFileName(strPath).GetFullName();
    SetTitle(m_strScheduleName);
    m_show.m_strPartText.clear();
    m_bPlayerFile = true;
    return CPlayerImport::Imported;
}

void CVersiluxDoc::OnFileExportPlayer(wxCommandEvent& /*event*/) {
    wxFileDialog dlg(GetDocumentWindow(), "Save As", wxString(), OfferedFileName(),
                     kPlayerFileWildcard, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dlg.ShowModal() != wxID_OK) {
        return;
    }
    wxFileName path(ChosenPath(dlg));
    if (!path.HasExt()) {
        path.SetExt(kPlayerFileExtension);
    }
    wxString strError;
    bool bWritten = false;
    try {
        bWritten = ExportPlayerFile(m_nScheduleID, path.GetFullPath(), strError);
    } catch (const CDBException& e) {
        strError = e.GetErrorMessage();
    }
    if (!bWritten) {
        wxMessageBox("The player file could not be written: " + strError, "Versilux",
                     wxOK | wxICON_ERROR, GetDocumentWindow());
    }
}

void CVersiluxDoc::OnUpdateFileExportPlayer(wxUpdateUIEvent& event) {
    event.Enable(true);
}

void CVersiluxDoc::OnFileImportPlayer(wxCommandEvent& /*event*/) {
    wxFileDialog dlg(GetDocumentWindow(), "Open", wxString(), OfferedFileName(),
                     kPlayerFileWildcard, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dlg.ShowModal() != wxID_OK) {
        m_nScheduleID = 0;
        RefreshViews();
        return;
    }
    wxString strError;
    switch (ImportPlayerFile(ChosenPath(dlg), strError)) {
        case CPlayerImport::Imported:
            break;
        case CPlayerImport::NotPlayerFile:
            wxMessageBox("Not a valid VLP file", "Versilux", wxOK, GetDocumentWindow());
            break;
        case CPlayerImport::Unreadable:
            wxMessageBox("The player file could not be read: " + strError, "Versilux",
                         wxOK | wxICON_ERROR, GetDocumentWindow());
            break;
    }
    RefreshViews();
}

void CVersiluxDoc::OnUpdateFileImportPlayer(wxUpdateUIEvent& event) {
    event.Enable(true);
    event.Skip();  // the view turns it off while a show plays from the list
}
