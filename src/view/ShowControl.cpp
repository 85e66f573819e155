// Running a show: Go, Stop and the key table that moves through the show
// list. The show position is the entry the next display shows; every key
// that shows a screen adds one to it afterwards.
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/msgdlg.h>

#include <algorithm>

#include "doc/CommandIds.h"
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

constexpr int kListingScrollRows = 20;
constexpr COLORREF kScreenMarker = MakeColourValue(255, 0, 255);

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

    const CConfigSet& config = *doc->m_pConfigSet;
    m_pShowWnd->TogglePlacement(config.m_Full_Screen || config.m_BlankScreen, config.m_Top,
                                config.m_Left, config.m_Bottom, config.m_Right);
    if (!config.m_Full_Screen && config.m_BlankScreen) {
        m_state.m_rcShow = wxRect(wxPoint(config.m_Left, config.m_Top),
                                  wxPoint(config.m_Right - 1, config.m_Bottom - 1));
    } else {
        m_state.m_rcShow = m_pShowWnd->GetShowClientRect();
    }
    m_state.m_bBlackout = false;
    m_state.m_bJumpEntry = false;
    m_state.m_nNextEntry = 0;
    doc->BuildShowList();
}

void CVersiluxView::StopShow() {
    if (m_pShowWnd != nullptr) {
        CShowWindow* wnd = m_pShowWnd;
        m_pShowWnd = nullptr;
        wnd->DestroyDisplay();
    }
    m_state.m_bShowRunning = false;
    m_state.m_bJumpEntry = false;
}

void CVersiluxView::OnDisplayDestroyed() {
    m_pShowWnd = nullptr;
    m_pScreenDC = nullptr;
    StopShow();
}

void CVersiluxView::PostKey(int nKeyCode) {
    CallAfter(&CVersiluxView::OnKeyDown, nKeyCode);
}

void CVersiluxView::ShowScreen(int nMode) {
    if (m_pShowWnd == nullptr || !m_pRenderer) {
        return;
    }
    wxMemoryDC dc(m_pShowWnd->GetBackingBitmap());
    WxCanvas canvas(dc);
    m_pScreenDC = &dc;
    m_pRenderer->ShowScreen(canvas, nMode);
    m_pScreenDC = nullptr;
    dc.SelectObject(wxNullBitmap);
    if (m_pShowWnd != nullptr) {
        m_pShowWnd->Present();
    }
}

void CVersiluxView::ShowAndAdvance() {
    ShowScreen(0);
    ++m_state.m_nNextEntry;
}

void CVersiluxView::RunTabletMenu() {
    const int nChoice = m_hooks.showMenu ? m_hooks.showMenu(m_pShowWnd->GetWindow()) : 0;
    switch (nChoice) {
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

void CVersiluxView::RunEndMenu(Canvas& canvas) {
    if (m_pShowWnd == nullptr || m_pScreenDC == nullptr) {
        return;
    }
    // The cleared screen goes up before the menu opens, marked as a painted
    // screen so that repaints under the menu do not ask for it (and the
    // menu) again; the bitmap is free for those repaints meanwhile.
    canvas.SetPixel(0, 0, kScreenMarker);
    m_pScreenDC->SelectObject(wxNullBitmap);
    m_pShowWnd->Present();
    const int nChoice = m_hooks.showMenuShort ? m_hooks.showMenuShort(m_pShowWnd->GetWindow()) : 0;
    m_pScreenDC->SelectObject(m_pShowWnd->GetBackingBitmap());
    switch (nChoice) {
        case 1:  // Go Back: the last screen before the end notice
            m_state.m_nNextEntry -= 2;
            m_pRenderer->ShowScreen(canvas, 0);
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
            const int nChoice =
                m_hooks.gotoItem ? m_hooks.gotoItem(m_pShowWnd->GetWindow(), doc) : 0;
            if (nChoice > 0 && m_state.m_bShowRunning) {
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
