// Running a show: Go, Stop and the key table that moves through the show
// list. The show position is the entry the next display shows; every key
// that shows a screen adds one to it afterwards.
#include <wx/dcmemory.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/msgdlg.h>

#include <algorithm>

#include "doc/CommandIds.h"
#include "doc/ShowEntry.h"
#include "doc/VersiluxDoc.h"
#include "view/ScreenRenderer.h"
#include "view/ShowWindow.h"
#include "view/VersiluxView.h"
#include "view/ViewCanvas.h"
#include "view/WxCanvas.h"

namespace {

// The digit a key stands for during jump entry, or -1.
int DigitOf(int nKeyCode) {
    if (nKeyCode >= '0' && nKeyCode <= '9') {
        return nKeyCode - '0';
    }
    if (nKeyCode >= WXK_NUMPAD0 && nKeyCode <= WXK_NUMPAD9) {
        return nKeyCode - WXK_NUMPAD0;
    }
    return -1;
}

// With NumLock off the keypad sends its own codes for the keys printed on it;
// the show and the listing take them as those keys.
int KeyWithoutNumLock(int nKeyCode) {
    switch (nKeyCode) {
        case WXK_NUMPAD_UP:
            return WXK_UP;
        case WXK_NUMPAD_DOWN:
            return WXK_DOWN;
        case WXK_NUMPAD_LEFT:
            return WXK_LEFT;
        case WXK_NUMPAD_RIGHT:
            return WXK_RIGHT;
        case WXK_NUMPAD_HOME:
            return WXK_HOME;
        case WXK_NUMPAD_END:
            return WXK_END;
        case WXK_NUMPAD_PAGEUP:
            return WXK_PAGEUP;
        case WXK_NUMPAD_PAGEDOWN:
            return WXK_PAGEDOWN;
        default:
            return nKeyCode;
    }
}

constexpr int kListingScrollRows = 20;

}  // namespace

void CVersiluxView::StartShow() {
    CVersiluxDoc* doc = GetVersiluxDoc();
    if (doc == nullptr) {
        return;
    }
    // A second Go (a preview started during a show) replaces the running
    // show instead of leaving its window behind.
    StopShow();
    CShowWindow* wnd = m_hooks.createDisplay ? m_hooks.createDisplay(m_pFrame, *this) : nullptr;
    if (wnd == nullptr) {
        wxMessageBox("What window?", "Versilux", wxOK, m_pFrame);
        return;
    }
    m_pShowWnd = wnd;
    m_state.m_bShowRunning = true;
    m_bStopQueued = false;

    const CConfigSet& config = *doc->m_pConfigSet;
    m_pShowWnd->TogglePlacement(config.m_Full_Screen || config.m_BlankScreen, config.m_Top,
                                config.m_Left, config.m_Bottom, config.m_Right);
    m_bAreaIsClient = config.m_Full_Screen || !config.m_BlankScreen;
    if (!m_bAreaIsClient) {
        m_state.m_rcShow = wxRect(wxPoint(config.m_Left, config.m_Top),
                                  wxPoint(config.m_Right - 1, config.m_Bottom - 1));
    } else {
        m_state.m_rcShow = m_pShowWnd->GetShowClientRect();
    }
    m_state.m_bBlackout = false;
    m_state.m_bJumpEntry = false;
    m_state.m_nNextEntry = 0;
    doc->BuildShowList();
    // The pictures are read while the first screens are drawn.
    doc->PrefetchShowPictures(m_state.m_rcShow.GetSize());
}

void CVersiluxView::StopShow() {
    if (m_bPopupOpen) {
        // The pop-up closes first; the show stops as soon as its loop is over.
        m_bStopPending = true;
        EndOpenPopup();
        return;
    }
    if (m_pShowWnd != nullptr) {
        CShowWindow* wnd = m_pShowWnd;
        m_pShowWnd = nullptr;
        wnd->DestroyDisplay();
    }
    m_state.m_bShowRunning = false;
    m_state.m_bJumpEntry = false;
    m_bStopQueued = false;
    m_bScreenBehind = false;
    m_ready.Clear();
    if (CVersiluxDoc* doc = GetVersiluxDoc()) {
        doc->m_pictures.Clear();
    }
}

void CVersiluxView::OnDisplayDestroyed() {
    m_pShowWnd = nullptr;
    StopShow();
}

void CVersiluxView::OnDisplayResized() {
    if (m_pShowWnd == nullptr || !m_pShowWnd->IsPlaced() || !m_bAreaIsClient) {
        return;
    }
    const wxRect rc = m_pShowWnd->GetShowClientRect();
    if (rc == m_state.m_rcShow) {
        return;
    }
    m_state.m_rcShow = rc;
    if (CVersiluxDoc* doc = GetVersiluxDoc()) {
        doc->PrefetchShowPictures(rc.GetSize());
    }
    // The bitmap of the new size carries no marker, so this paint asks for
    // the current screen again, drawn for the new area.
    m_pShowWnd->Present();
}

void CVersiluxView::PostKey(int nKeyCode) {
    // A key still queued when a pop-up closes was meant for the show as it
    // was before the pop-up: it is dropped, like the keys handled under it.
    const unsigned nEpoch = m_nInputEpoch;
    ++m_nKeysQueued;
    CallAfter([this, nKeyCode, nEpoch] {
        --m_nKeysQueued;
        if (nEpoch == m_nInputEpoch) {
            OnKeyDown(nKeyCode);
        }
        CatchUpScreen();
    });
}

void CVersiluxView::CatchUpScreen() {
    if (!m_bScreenBehind || m_nKeysQueued > 0 || !m_state.m_bShowRunning || m_bPopupOpen ||
        m_bStopQueued) {
        return;
    }
    --m_state.m_nNextEntry;
    ShowScreen(0);
    ++m_state.m_nNextEntry;
}

CReadyStamp CVersiluxView::ReadyStamp() const {
    const CVersiluxDoc* doc = GetVersiluxDoc();
    return CReadyStamp{
        doc != nullptr ? doc->GetShowRevision() : 0, m_state.m_rcShow,
        m_pShowWnd != nullptr ? m_pShowWnd->GetShowClientRect().GetSize() : wxSize()};
}

bool CVersiluxView::IsPlainEntry(int nEntry) const {
    const CVersiluxDoc* doc = GetVersiluxDoc();
    return doc != nullptr &&
           !IsDrawnOnlyOnItsKey(ScreenTypeOf(doc->GetEntry(nEntry)), doc->m_bPreview);
}

void CVersiluxView::SetDrawAhead(bool bOn) {
    m_bDrawAhead = bOn;
    m_ready.Clear();
}

std::shared_ptr<CPreparedScreen> CVersiluxView::FindReadyScreen(int n) const {
    return m_ready.Find(n, ReadyStamp());
}

bool CVersiluxView::PictureIsReady(CVersiluxDoc& doc, int nEntry) const {
    // Drawing a picture the worker is still reading would wait for it, and a
    // key would wait behind; it is drawn once the picture is there.
    const auto fields = SplitEntry(doc.GetEntry(nEntry));
    return EntryTypeCode(fields[0]) != kPictureScreen ||
           doc.m_pictures.IsReady(fields[1], m_state.m_rcShow.GetSize());
}

wxBitmap CVersiluxView::DrawAhead(int nEntry) {
    const wxSize size = m_pShowWnd->GetShowClientRect().GetSize();
    wxBitmap bmp(std::max(1, size.x), std::max(1, size.y), 24);
    {
        wxMemoryDC dc(bmp);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        // A renderer of its own, on a copy of the show state: the show's
        // position and fonts stay as they are.
        CShowState state = m_state;
        state.m_nNextEntry = nEntry;
        CScreenRenderer renderer(*GetVersiluxDoc(), state);
        renderer.m_fitSearch = m_pRenderer->m_fitSearch;
        WxCanvas canvas(dc);
        renderer.ShowScreen(canvas, 0);
    }
    return bmp;
}

bool CVersiluxView::PrepareNextScreens() {
    CVersiluxDoc* doc = GetVersiluxDoc();
    if (!m_bDrawAhead || doc == nullptr || !m_state.m_bShowRunning || m_pShowWnd == nullptr ||
        !m_pRenderer || m_bPopupOpen || m_bStopQueued || m_nKeysQueued > 0 ||
        !m_pShowWnd->IsPlaced() || m_state.m_nNextEntry < 1) {
        return false;
    }
    if (m_bJustShown) {
        // The loop first gets to send the new screen and read further keys.
        m_bJustShown = false;
        return true;
    }
    const int nShown = m_state.m_nNextEntry - 1;
    int nPageDown = nShown + 1;
    if ((doc->GetEntryFlags(nShown) & 1) != 0) {
        nPageDown = doc->LastPartOf(nShown) + 1;
    }
    const std::vector<int> wanted = EntriesWorthDrawing(nShown, nPageDown, doc->GetLastEntry() + 1);
    std::vector<int> kept = wanted;
    kept.push_back(nShown);
    m_ready.KeepOnly(kept);
    const CReadyStamp stamp = ReadyStamp();
    for (const int n : wanted) {
        if (!IsPlainEntry(n) || m_ready.Find(n, stamp) || !PictureIsReady(*doc, n)) {
            continue;
        }
        m_ready.Keep(n, stamp, m_pShowWnd->PrepareScreen(DrawAhead(n)));
        // One screen per idle call: a key that came meanwhile goes first.
        return true;
    }
    return false;
}

void CVersiluxView::ShowScreen(int nMode) {
    if (m_pShowWnd == nullptr || !m_pRenderer) {
        return;
    }
    m_bEndMenuDue = false;
    m_bScreenBehind = false;
    m_bJustShown = true;
    if (nMode != 1 && m_bDrawAhead) {
        if (auto ready = m_ready.Find(m_state.m_nNextEntry, ReadyStamp())) {
            m_pShowWnd->PresentScreen(ready);
            return;
        }
    }
    {
        // The drawing context lives for this one drawing, never across a
        // pop-up's loop.
        wxMemoryDC dc(m_pShowWnd->GetBitmapToDrawOn());
        WxCanvas canvas(dc);
        m_pRenderer->ShowScreen(canvas, nMode);
    }
    m_pShowWnd->Present();
    if (m_bEndMenuDue) {
        m_bEndMenuDue = false;
        RunEndMenu();
    }
}

void CVersiluxView::ShowAndAdvance() {
    if (m_nKeysQueued > 0 && IsPlainEntry(m_state.m_nNextEntry)) {
        // More keys are on their way: the last of them draws where they end.
        m_bScreenBehind = true;
    } else {
        ShowScreen(0);
    }
    ++m_state.m_nNextEntry;
}

int CVersiluxView::RunShowPopup(const CShowPopup& popup) {
    if (!popup || m_bPopupOpen || m_pShowWnd == nullptr) {
        return 0;
    }
    const wxRect rcOver = m_pShowWnd->GetWindow()->GetScreenRect();
    int nChoice = 0;
    {
        // However the pop-up ends, input posted while it was open is stale.
        struct OpenPopup {
            CVersiluxView& view;
            explicit OpenPopup(CVersiluxView& v) : view(v) { view.m_bPopupOpen = true; }
            ~OpenPopup() {
                view.m_bPopupOpen = false;
                ++view.m_nInputEpoch;
            }
        } open(*this);
        nChoice = popup(m_pFrame, rcOver);
    }
    if (m_bStopPending) {
        m_bStopPending = false;
        StopShow();
    }
    // A show that ended meanwhile has nothing left to act on.
    return m_state.m_bShowRunning && m_pShowWnd != nullptr ? nChoice : 0;
}

void CVersiluxView::EndOpenPopup() {
    for (wxWindow* w : wxTopLevelWindows) {
        if (auto* dlg = dynamic_cast<wxDialog*>(w); dlg != nullptr && dlg->IsModal()) {
            dlg->EndModal(wxID_CANCEL);
        }
    }
}

void CVersiluxView::RunTabletMenu() {
    switch (RunShowPopup(m_hooks.showMenu)) {
        case 1:  // Go Back
            m_state.m_nNextEntry -= 2;
            ShowAndAdvance();
            break;
        case 2:  // Go Home
            PostKey(WXK_HOME);
            break;
        case 3:  // Key up
            PostKey(WXK_RIGHT);
            break;
        case 4:  // Key down
            PostKey(WXK_LEFT);
            break;
        case 5:  // Quit
            PostKey('Q');
            break;
        case 6:  // Go To
            PostKey('G');
            break;
        default:  // Cancel
            break;
    }
}

void CVersiluxView::RunEndMenu() {
    // The cleared, marked screen is up; repaints under the menu find the
    // marker and ask for nothing.
    switch (RunShowPopup(m_hooks.showMenuShort)) {
        case 1:  // Go Back: the last screen before the end notice
            m_state.m_nNextEntry -= 2;
            ShowScreen(0);
            ++m_state.m_nNextEntry;
            break;
        case 2:  // Go Home
            PostKey(WXK_HOME);
            break;
        case 3:  // Quit
            PostKey('Q');
            break;
        default:
            break;
    }
}

void CVersiluxView::ScrollListing(int nKeyCode) {
    // Without a show, Page Down and Page Up page a search listing by twenty
    // of its rows; other listings and other keys do nothing.
    if (m_pCanvas == nullptr || m_listing.m_nSearchLineHeight <= 0) {
        return;
    }
    const int nStep = kListingScrollRows * m_listing.m_nSearchLineHeight;
    if (nKeyCode == WXK_PAGEDOWN) {
        m_pCanvas->ScrollToPixels(m_pCanvas->GetScrollTopPixels() + nStep);
    } else if (nKeyCode == WXK_PAGEUP) {
        m_pCanvas->ScrollToPixels(m_pCanvas->GetScrollTopPixels() - nStep);
    }
}

void CVersiluxView::OnKeyDown(int nKeyCode) {
    // Input queued before a pop-up opened, or after Q, would otherwise be
    // handled inside the pop-up's loop or by a show that is ending.
    if (m_bPopupOpen || m_bStopQueued) {
        return;
    }
    nKeyCode = KeyWithoutNumLock(nKeyCode);
    if (!m_state.m_bShowRunning) {
        ScrollListing(nKeyCode);
        return;
    }
    CVersiluxDoc& doc = *GetVersiluxDoc();
    CShowState& s = m_state;

    if (nKeyCode == WXK_ESCAPE) {
        m_pShowWnd->ToggleShown();
        return;
    }
    if (s.m_bJumpEntry) {
        if (const int nDigit = DigitOf(nKeyCode); nDigit >= 0) {
            s.m_strJumpDigits += static_cast<char>('0' + nDigit);
            if (s.m_strJumpDigits.length() == 3) {
                long nItem = 0;
                s.m_strJumpDigits.ToLong(&nItem);
                s.m_nNextEntry = doc.EntryOfItem(static_cast<int>(nItem));
                s.m_bJumpEntry = false;
                s.m_strJumpDigits.clear();
                ShowAndAdvance();
            }
            return;
        }
    }

    const bool bKensington = doc.m_bKensington;
    switch (nKeyCode) {
        case 'B':
        case WXK_NUMPAD2:
            if (!s.m_bBlackout) {
                --s.m_nNextEntry;
                ShowScreen(1);
            } else {
                ShowScreen(2);
                ++s.m_nNextEntry;
            }
            s.m_bBlackout = !s.m_bBlackout;
            return;
        case 'A':
        case WXK_NUMPAD1:
            if (s.m_nNextEntry > 0) {
                --s.m_nNextEntry;
            }
            ShowAndAdvance();
            return;
        case 'J':
        case WXK_NUMPAD_MULTIPLY:
            s.m_bJumpEntry = true;
            s.m_strJumpDigits.clear();
            return;
        case 'G':
        case WXK_NUMPAD7: {
            CShowPopup gotoItem;
            if (m_hooks.gotoItem) {
                gotoItem = [this, &doc](wxWindow* pParent, const wxRect& rcOver) {
                    return m_hooks.gotoItem(pParent, rcOver, doc);
                };
            }
            const int nChoice = RunShowPopup(gotoItem);
            if (nChoice > 0) {
                s.m_nNextEntry = doc.EntryOfItem(nChoice);
                ShowAndAdvance();
            }
            return;
        }
        case 'R':
        case WXK_F3: {
            // A show without items has only the end notice to land on.
            const int nItems = std::max(1, doc.GetItemCount());
            std::uniform_int_distribution<int> pick(1, nItems);
            s.m_nNextEntry = doc.EntryOfItem(pick(m_random));
            ShowAndAdvance();
            return;
        }
        case 'Q':
        case WXK_F2:
            m_bStopQueued = true;
            QueueEvent(new wxCommandEvent(wxEVT_MENU, ID_SHOW_STOP));  // the queue owns it
            return;
        case WXK_LEFT:
        case WXK_RIGHT:
            --s.m_nNextEntry;
            doc.TransposeItem(s.m_nNextEntry, nKeyCode == WXK_LEFT ? -1 : +1);
            ShowAndAdvance();
            return;
        default:
            break;
    }

    const bool bBack = nKeyCode == WXK_UP || (nKeyCode == WXK_PAGEUP && bKensington);
    if (bBack && s.m_nNextEntry > 1) {
        if (doc.m_bTabletMode) {
            RunTabletMenu();
        } else {
            s.m_nNextEntry -= 2;
            ShowAndAdvance();
        }
        return;
    }
    if (!bBack && nKeyCode == WXK_HOME) {
        s.m_nNextEntry = 0;
    } else if (!bBack && nKeyCode == WXK_PAGEDOWN && !bKensington) {
        if (s.m_nNextEntry > 0 && (doc.GetEntryFlags(s.m_nNextEntry - 1) & 1) != 0) {
            s.m_nNextEntry = doc.LastPartOf(s.m_nNextEntry - 1) + 1;
        }
    } else if (!bBack && nKeyCode == WXK_PAGEUP && !bKensington) {
        s.m_nNextEntry = doc.FirstPartOf(s.m_nNextEntry - 1);
    }
    ShowAndAdvance();
}
