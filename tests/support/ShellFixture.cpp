#include "support/ShellFixture.h"

#include <gtest/gtest.h>
#include <wx/fileconf.h>
#include <wx/toplevel.h>

#include "app/MainFrame.h"
#include "app/Shell.h"
#include "app/Startup.h"
#include "app/VersiluxDocManager.h"
#include "doc/CommandIds.h"
#include "doc/KeyedEntry.h"
#include "doc/ScheduleSelection.h"
#include "doc/VersiluxDoc.h"
#include "show/FullScreenWnd.h"
#include "support/WaitFor.h"
#include "view/VersiluxView.h"

ShellFixture::ShellFixture(TempDataSource::Content content, bool bOpen) : m_source(content) {
    if (bOpen) {
        Open();
    }
}

ShellFixture::~ShellFixture() {
    Close();
}

bool ShellFixture::Open() {
    wxString error;
    std::unique_ptr<CVersiluxDoc> doc = OpenVersiluxDocument(error);
    if (!doc) {
        ADD_FAILURE() << "the document did not open: " << error.utf8_str();
        return false;
    }
    m_pConfig =
        std::make_unique<wxFileConfig>("Versilux", "Kestrelwood", m_source.Dir() + "/versilux.conf",
                                       wxString(), wxCONFIG_USE_LOCAL_FILE);
    m_pManager = std::make_unique<CVersiluxDocManager>(m_pConfig.get());
    m_pFrame = CreateMainWindow(*m_pManager, std::move(doc));
    if (m_pFrame == nullptr) {
        ADD_FAILURE() << "the main window was not built";
        return false;
    }
    ProcessPending();
    return true;
}

void ShellFixture::Close() {
    if (m_pFrame != nullptr) {
        wxWindow* frame = m_pFrame;
        m_pFrame = nullptr;
        frame->Close(true);
        WaitFor([frame] { return wxTopLevelWindows.Find(frame) == nullptr; });
        WaitFor([] { return CountDisplayWindows() == 0; }, 2000);
    }
    m_pManager.reset();
    m_pConfig.reset();
}

CVersiluxDoc& ShellFixture::Doc() {
    return *dynamic_cast<CVersiluxDoc*>(m_pManager->GetCurrentDocument());
}

CVersiluxView& ShellFixture::View() {
    return *dynamic_cast<CVersiluxView*>(Doc().GetFirstView());
}

CShowWindow* ShellFixture::Display() {
    return View().GetShowWindow();
}

void ShellFixture::Command(int nId) {
    wxCommandEvent event(wxEVT_MENU, nId);
    event.SetEventObject(m_pFrame);
    m_pFrame->ProcessWindowEvent(event);
    ProcessPending();
}

bool ShellFixture::IsEnabled(int nId) {
    wxUpdateUIEvent event(nId);
    event.SetEventObject(m_pFrame);
    m_pFrame->ProcessWindowEvent(event);
    return !event.GetSetEnabled() || event.GetEnabled();
}

void ShellFixture::SelectSchedule(long nID) {
    SelectScheduleFromEntry(Doc(),
                            MakeKeyedEntry(Doc().GetScheduleName(static_cast<int>(nID)), nID));
}

bool ShellFixture::GoAndWaitForFirstScreen() {
    Command(ID_SHOW_GO);
    return WaitFor([this] {
        auto* wnd = dynamic_cast<CFullScreenWnd*>(Display());
        return wnd != nullptr && View().GetShowState().m_nNextEntry >= 1 && wnd->HasScreenMarker();
    });
}

void ShellFixture::Key(int nKeyCode) {
    View().OnKeyDown(nKeyCode);
    ProcessPending();
}

int ShellFixture::CountDisplayWindows() {
    int n = 0;
    for (wxWindow* w : wxTopLevelWindows) {
        if (dynamic_cast<CFullScreenWnd*>(w) != nullptr) {
            ++n;
        }
    }
    return n;
}
