// The document manager of a program with one document for its whole run: New,
// Open, a recent file and Save As change only the document's name and the
// recent-file list; the document itself (and its connection) stays.
#pragma once

#include <wx/docview.h>

class wxConfigBase;

class CVersiluxDocManager : public wxDocManager {
  public:
    static constexpr int kRecentFiles = 4;

    // pConfig keeps the recent-file list between runs; null keeps nothing.
    explicit CVersiluxDocManager(wxConfigBase* pConfig);

    wxFileHistory* OnCreateFileHistory() override;
    wxString MakeNewDocumentName() override;
    void AddFileToHistory(const wxString& strFile) override;

    // File > New on the one document.
    void NewDocumentName();
    // Opens a file for the one document: it must be readable, and nothing of
    // it is read. False, after a message, when it cannot be opened.
    bool OpenDocumentFile(const wxString& strPath);

  private:
    void SaveRecentFiles();
    void OnNew(wxCommandEvent& event);
    void OnOpen(wxCommandEvent& event);
    void OnRecentFile(wxCommandEvent& event);
    void OnNotYetAvailable(wxCommandEvent& event);
    void OnUpdateNotYetAvailable(wxUpdateUIEvent& event);

    wxConfigBase* m_pConfig = nullptr;

    wxDECLARE_EVENT_TABLE();
};
