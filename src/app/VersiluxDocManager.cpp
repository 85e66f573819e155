#include "app/VersiluxDocManager.h"

#include <wx/app.h>
#include <wx/config.h>
#include <wx/filedlg.h>
#include <wx/filehistory.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/wfstream.h>

namespace {
const char* const kRecentGroup = "/Recent File List";
}

// clang-format off
wxBEGIN_EVENT_TABLE(CVersiluxDocManager, wxDocManager)
    EVT_MENU(wxID_NEW, CVersiluxDocManager::OnNew)
    EVT_MENU(wxID_OPEN, CVersiluxDocManager::OnOpen)
    EVT_MENU_RANGE(wxID_FILE1, wxID_FILE9, CVersiluxDocManager::OnRecentFile)
    // The view saves search results; the framework's version would write the
    // document instead, so without a view: nothing. Print, Print Preview and
    // Print Setup are the framework's, printing the view's own printout.
    EVT_MENU(wxID_SAVE, CVersiluxDocManager::OnNotYetAvailable)
    EVT_UPDATE_UI(wxID_SAVE, CVersiluxDocManager::OnUpdateNotYetAvailable)
wxEND_EVENT_TABLE()
    // clang-format on

    CVersiluxDocManager::CVersiluxDocManager(wxConfigBase* pConfig)
    : wxDocManager(0, false), m_pConfig(pConfig) {
    // Initialised here, not by the base, so that our file history is made.
    Initialize();
    SetMaxDocsOpen(1);
    if (m_pConfig != nullptr) {
        const wxString path = m_pConfig->GetPath();
        m_pConfig->SetPath(kRecentGroup);
        FileHistoryLoad(*m_pConfig);
        m_pConfig->SetPath(path);
    }
}

void CVersiluxDocManager::SaveRecentFiles() {
    if (m_pConfig != nullptr) {
        const wxString path = m_pConfig->GetPath();
        m_pConfig->SetPath(kRecentGroup);
        FileHistorySave(*m_pConfig);
        m_pConfig->SetPath(path);
        m_pConfig->Flush();
    }
}

wxFileHistory* CVersiluxDocManager::OnCreateFileHistory() {
    return new wxFileHistory(kRecentFiles);  // the manager owns it
}

wxString CVersiluxDocManager::MakeNewDocumentName() {
    return "Untitled";
}

void CVersiluxDocManager::AddFileToHistory(const wxString& strFile) {
    wxDocManager::AddFileToHistory(strFile);
    SaveRecentFiles();
}

void CVersiluxDocManager::NewDocumentName() {
    wxDocument* doc = GetCurrentDocument();
    if (doc == nullptr) {
        return;
    }
    doc->SetTitle(MakeNewDocumentName());
    doc->Modify(false);
    doc->SetDocumentSaved(false);
    doc->SetFilename(wxString(), true);
}

bool CVersiluxDocManager::OpenDocumentFile(const wxString& strPath) {
    wxDocument* doc = GetCurrentDocument();
    if (doc == nullptr) {
        return false;
    }
    bool bReadable = false;
    {
        wxLogNull quiet;  // the message below says it
        wxFileInputStream in(strPath);
        bReadable = in.IsOk() && !wxFileName::DirExists(strPath);
    }
    if (!bReadable) {
        wxMessageBox(wxString::Format("Cannot open the file \"%s\".", strPath), "Versilux",
                     wxOK | wxICON_EXCLAMATION);
        return false;
    }
    doc->SetTitle(wxFileName(strPath).GetFullName());
    doc->Modify(false);
    doc->SetDocumentSaved(true);
    doc->SetFilename(strPath, true);
    AddFileToHistory(strPath);
    return true;
}

void CVersiluxDocManager::OnNew(wxCommandEvent& /*event*/) {
    NewDocumentName();
}

void CVersiluxDocManager::OnOpen(wxCommandEvent& /*event*/) {
    wxFileDialog dlg(wxTheApp->GetTopWindow(), "Open", wxString(), wxString(), "All Files (*.*)|*",
                     wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dlg.ShowModal() == wxID_OK) {
        OpenDocumentFile(dlg.GetPath());
    }
}

void CVersiluxDocManager::OnRecentFile(wxCommandEvent& event) {
    wxFileHistory* history = GetFileHistory();
    const size_t n = static_cast<size_t>(event.GetId() - wxID_FILE1);
    if (history == nullptr || n >= history->GetCount()) {
        return;
    }
    const wxString path = history->GetHistoryFile(n);
    if (!wxFileName::FileExists(path)) {
        history->RemoveFileFromHistory(n);
        SaveRecentFiles();
        wxMessageBox(wxString::Format("The file \"%s\" no longer exists; it has been removed "
                                      "from the recent-file list.",
                                      path),
                     "Versilux", wxOK | wxICON_EXCLAMATION);
        return;
    }
    OpenDocumentFile(path);
}

void CVersiluxDocManager::OnNotYetAvailable(wxCommandEvent& /*event*/) {}

void CVersiluxDocManager::OnUpdateNotYetAvailable(wxUpdateUIEvent& event) {
    event.Enable(false);
}
