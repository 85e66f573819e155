#include "view/VersiluxView.h"

#include <wx/frame.h>
#include <wx/msgdlg.h>

#include "doc/CommandIds.h"
#include "doc/VersiluxDoc.h"
#include "view/ScreenRenderer.h"
#include "view/VersiluxPrintout.h"
#include "view/ViewCanvas.h"
#include "view/WxCanvas.h"

const char* const kKeyboardHelp =
    "Special keys for show:\n\nA - Again (show same slide)\nB - Blackout\nQ - Quit\nEsc - "
    "Minimise show\nPage Down - Go to start of next song/Scroll 20 search items\nPage Up - Go to "
    "start of current song/Scroll 20 search items\nHome - Go to start of show\nUp - go back one "
    "screen\nLeft/Right - transpose down/up\nJ - Jump\nR - select a random song from the current "
    "schedule\nG - go to item selected from pop-up list";

// clang-format off
wxBEGIN_EVENT_TABLE(CVersiluxView, wxView)
    EVT_MENU(ID_SHOW_GO, CVersiluxView::OnShowGo)
    EVT_MENU(ID_SHOW_STOP, CVersiluxView::OnShowStop)
    EVT_MENU(ID_HELP_KEYBOARD, CVersiluxView::OnHelpKeyboard)
    EVT_MENU(ID_VIEW_REFRESH, CVersiluxView::OnViewRefresh)
    EVT_MENU(wxID_COPY, CVersiluxView::OnEditCopy)
    EVT_MENU(wxID_SAVE, CVersiluxView::OnFileSave)
    EVT_MENU(ID_TOOLS_SEARCH_MORE, CVersiluxView::OnSearchMore)
    EVT_UPDATE_UI(wxID_COPY, CVersiluxView::OnUpdateEditCopy)
    EVT_UPDATE_UI(wxID_SAVE, CVersiluxView::OnUpdateFileSave)
    EVT_UPDATE_UI(ID_TOOLS_SEARCH_MORE, CVersiluxView::OnUpdateSearchMore)
    EVT_UPDATE_UI(ID_SHOW_GO, CVersiluxView::OnUpdateShowGo)
    EVT_UPDATE_UI(ID_SHOW_STOP, CVersiluxView::OnUpdateShowStop)
    EVT_UPDATE_UI(ID_SHOW_SELECT_SCHEDULE, CVersiluxView::OnUpdateNotDuringShow)
    EVT_UPDATE_UI(ID_SHOW_DATABASE, CVersiluxView::OnUpdateNotDuringShow)
    EVT_UPDATE_UI(ID_SHOW_SCHEDULE, CVersiluxView::OnUpdateNotDuringShow)
    EVT_UPDATE_UI(ID_TOOLS_SCREEN, CVersiluxView::OnUpdateNotDuringShow)
    EVT_UPDATE_UI(ID_TOOLS_COPY, CVersiluxView::OnUpdateNotDuringShow)
    EVT_UPDATE_UI(ID_TOOLS_VPD_SELECTER, CVersiluxView::OnUpdateNotDuringShow)
    EVT_UPDATE_UI(ID_TOOLS_VPD_MANAGER, CVersiluxView::OnUpdateNotDuringShow)
    EVT_UPDATE_UI(ID_TOOLS_SEARCH, CVersiluxView::OnUpdateNotDuringShow)
    EVT_UPDATE_UI(ID_TOOLS_CONFIGURATION, CVersiluxView::OnUpdateNotDuringShow)
    EVT_UPDATE_UI(ID_TOOLS_DEBUG_SHOW_GO, CVersiluxView::OnUpdateNotDuringShow)
    EVT_UPDATE_UI(ID_FILE_IMPORT_PLAYER, CVersiluxView::OnUpdateNotDuringShow)
    EVT_UPDATE_UI(ID_FILE_IMPORT_SONGS, CVersiluxView::OnUpdateNotDuringShow)
wxEND_EVENT_TABLE()
    // clang-format on

    CVersiluxView::CVersiluxView(wxFrame* pFrame, CShowHooks hooks)
    : m_pFrame(pFrame), m_hooks(std::move(hooks)), m_random(std::random_device{}()) {}

CVersiluxView::~CVersiluxView() {
    m_bPopupOpen = false;  // nothing can wait for a pop-up any more
    StopShow();
    if (m_pCanvas != nullptr) {
        m_pCanvas->ResetView();
    }
}

CVersiluxDoc* CVersiluxView::GetVersiluxDoc() const {
    return wxStaticCast(GetDocument(), CVersiluxDoc);
}

bool CVersiluxView::OnCreate(wxDocument* pDoc, long nFlags) {
    if (!wxView::OnCreate(pDoc, nFlags)) {
        return false;
    }
    CVersiluxDoc* doc = GetVersiluxDoc();
    m_pRenderer = std::make_unique<CScreenRenderer>(*doc, m_state);
    m_pRenderer->m_onMenuEntry = [this](Canvas&) { m_bEndMenuDue = true; };
    m_pRenderer->m_onStopShow = [this] {
        m_bStopQueued = true;
        QueueEvent(new wxCommandEvent(wxEVT_MENU, ID_SHOW_STOP));  // the queue owns it
    };
    SetFrame(m_pFrame);
    m_pCanvas = new CViewCanvas(this, m_pFrame);  // a child window: wx destroys it
    m_pFrame->SendSizeEvent();
    m_pCanvas->SetFocus();
    Activate(true);
    return true;
}

void CVersiluxView::OnDraw(wxDC* pDC) {
    CVersiluxDoc* doc = GetVersiluxDoc();
    if (doc == nullptr) {
        return;
    }
    WxCanvas canvas(*pDC);
    bool bNotRecorded = false;
    DrawMainListing(*doc, canvas, m_listing, [&bNotRecorded] { bNotRecorded = true; });
    // A long printable item scrolls; the area is resized after the paint.
    if (const int bottom = m_listing.m_nPrintableBottom; m_pCanvas != nullptr) {
        CallAfter([this, bottom] {
            if (m_pCanvas != nullptr) {
                m_pCanvas->SetAreaHeight(bottom);
            }
        });
    }
    // A message box cannot open inside a paint: it follows once the paint is done.
    if (bNotRecorded && !m_bRowsNotRecorded) {
        m_bRowsNotRecorded = true;
        CallAfter([this] {
            wxMessageBox("Can only record 100 search items per screen", "Versilux", wxOK, m_pFrame);
            m_bRowsNotRecorded = false;
        });
    }
}

wxPrintout* CVersiluxView::OnCreatePrintout() {
    CVersiluxDoc* doc = GetVersiluxDoc();
    if (doc == nullptr) {
        return nullptr;
    }
    wxString title = doc->GetUserReadableName();
    title.Trim(true);
    auto* printout = new CVersiluxPrintout(*doc, title.empty() ? wxString("Versilux") : title);
    // The message follows once the printing loop has ended.
    printout->m_onFailure = [this](const wxString& strMessage) {
        CallAfter([this, strMessage] {
            wxMessageBox(strMessage, "Versilux", wxOK | wxICON_ERROR, m_pFrame);
        });
    };
    return printout;
}

bool CVersiluxView::OnClose(bool /*bDeleteWindow*/) {
    // Closing the main window during a show ends the show first.
    StopShow();
    Activate(false);
    return true;
}

void CVersiluxView::OnUpdate(wxView* /*pSender*/, wxObject* /*pHint*/) {
    CVersiluxDoc* doc = GetVersiluxDoc();
    if (m_pCanvas != nullptr) {
        if (doc != nullptr && doc->m_bScrollTop) {
            m_pCanvas->ScrollToPixels(0);
        }
        m_pCanvas->Refresh();
    }
    UpdateFrameTitle();
}

void CVersiluxView::OnChangeFilename() {
    UpdateFrameTitle();
}

void CVersiluxView::UpdateFrameTitle() {
    CVersiluxDoc* doc = GetVersiluxDoc();
    if (m_pFrame == nullptr || doc == nullptr) {
        return;
    }
    // A schedule's name carries the padding of its list entry; the caption
    // shows the name alone.
    wxString name = doc->GetUserReadableName();
    name.Trim(true);
    m_pFrame->SetTitle(name.empty() ? wxString("Versilux") : name + " - Versilux");
}

void CVersiluxView::OnShowGo(wxCommandEvent& /*event*/) {
    StartShow();
}

void CVersiluxView::OnShowStop(wxCommandEvent& /*event*/) {
    // A preview stopped before its end is over too: the next Go shows the
    // schedule again, not the previewed item.
    if (CVersiluxDoc* doc = GetVersiluxDoc()) {
        doc->m_bPreview = false;
    }
    StopShow();
}

void CVersiluxView::OnHelpKeyboard(wxCommandEvent& /*event*/) {
    wxMessageBox(kKeyboardHelp, "Versilux", wxOK, m_pFrame);
}

void CVersiluxView::OnViewRefresh(wxCommandEvent& /*event*/) {
    if (m_pCanvas != nullptr) {
        m_pCanvas->Refresh();
    }
}

void CVersiluxView::OnUpdateShowGo(wxUpdateUIEvent& event) {
    const CVersiluxDoc* doc = GetVersiluxDoc();
    event.Enable(doc != nullptr &&
                 (doc->m_bPreview ||
                  (!IsShowRunning() && (doc->m_nScheduleID > 0 || doc->m_nScheduleID == -1))));
}

void CVersiluxView::OnUpdateShowStop(wxUpdateUIEvent& event) {
    event.Enable(IsShowRunning());
}

void CVersiluxView::OnUpdateNotDuringShow(wxUpdateUIEvent& event) {
    // During a show these stay off; otherwise the command's owner decides.
    if (IsShowRunning()) {
        event.Enable(false);
    } else {
        event.Skip();
    }
}
