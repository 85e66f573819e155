#include "app/VersiluxApp.h"

#include <wx/config.h>
#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/msgdlg.h>
#include <wx/stdpaths.h>

#include "app/MainFrame.h"
#include "app/Shell.h"
#include "app/Startup.h"
#include "app/VersiluxDocManager.h"
#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"

CVersiluxApp::CVersiluxApp() = default;
CVersiluxApp::~CVersiluxApp() = default;

bool CVersiluxApp::OnInit() {
    SetAppName("Versilux");
    SetVendorName("Kestrelwood");
    wxStandardPaths::Get().SetFileLayout(wxStandardPaths::FileLayout_XDG);
    wxInitAllImageHandlers();

    wxString strError;
    std::unique_ptr<CVersiluxDoc> doc = OpenVersiluxDocument(strError);
    if (!doc) {
        wxMessageBox(strError, "Versilux", wxOK | wxICON_ERROR);
        return false;
    }
    // The framework's own settings (the recent files) live under the vendor.
    const wxFileName settings(wxStandardPaths::Get().GetUserConfigDir() + "/Kestrelwood",
                              "Versilux.conf");
    settings.Mkdir(wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    wxConfigBase::Set(new wxFileConfig("Versilux", "Kestrelwood", settings.GetFullPath(),
                                       wxString(), wxCONFIG_USE_LOCAL_FILE));  // wx owns it
    m_pDocManager = std::make_unique<CVersiluxDocManager>(wxConfigBase::Get());
    CMainFrame* frame = CreateMainWindow(*m_pDocManager, std::move(doc));
    if (frame == nullptr) {
        return false;
    }
    SetTopWindow(frame);
    // A document file on the command line only names the document.
    if (argc > 1) {
        m_pDocManager->OpenDocumentFile(argv[1]);
    }
    return true;
}

int CVersiluxApp::OnExit() {
    m_pDocManager.reset();
    return wxApp::OnExit();
}

bool CVersiluxApp::OnExceptionInMainLoop() {
    wxString message;
    try {
        throw;
    } catch (const CDBException& e) {
        message = e.GetErrorMessage();
    } catch (const std::exception& e) {
        message = wxString::FromUTF8(e.what());
    } catch (...) {
        message = "An unexpected error ended the command.";
    }
    wxMessageBox(message, "Versilux", wxOK | wxICON_ERROR);
    return true;
}
