// The main view: the operator's listing in the main window, and the owner of
// the running show (its state, the display window and the key handler).
#pragma once

#include <wx/docview.h>

#include <memory>
#include <random>

#include "view/MainListing.h"
#include "view/ReadyScreens.h"
#include "view/ShowHooks.h"
#include "view/ShowState.h"

class CScreenRenderer;
class CShowWindow;
class CVersiluxDoc;
class CViewCanvas;
class wxFrame;

class CVersiluxView : public wxView {
  public:
    // pFrame holds the view's canvas; hooks give the show its window and menus.
    CVersiluxView(wxFrame* pFrame, CShowHooks hooks);
    ~CVersiluxView() override;

    bool OnCreate(wxDocument* pDoc, long nFlags) override;
    void OnDraw(wxDC* pDC) override;
    // File > Print and Print Preview: the view's listing on paper (owned by
    // whoever asked for it).
    wxPrintout* OnCreatePrintout() override;
    void OnUpdate(wxView* pSender, wxObject* pHint) override;
    void OnChangeFilename() override;
    bool OnClose(bool bDeleteWindow) override;

    CVersiluxDoc* GetVersiluxDoc() const;
    CViewCanvas* GetCanvas() const { return m_pCanvas; }

    // ---- show control ----
    // Show > Go: opens the display window and builds the show list; the
    // first screen arrives with the window's first paint.
    void StartShow();
    // Show > Stop: the display window goes; the show list stays.
    void StopShow();
    // The key handler: a wx key code, from the main window, the display
    // window or the show's menus.
    void OnKeyDown(int nKeyCode);
    // The display window went without Stop: the show ends with it.
    void OnDisplayDestroyed();
    // The display window has a new size (the window manager may not give it
    // the one asked for): a show area that fills the window follows it.
    void OnDisplayResized();
    // Hands a key to OnKeyDown after the current handler has returned.
    void PostKey(int nKeyCode);
    // Paints the entry at the show position on the display window (mode 0 or
    // 2), or blanks it in that entry's background (mode 1).
    void ShowScreen(int nMode);
    // Idle time during a show: draws one of the screens the next keys will
    // most likely ask for; true while more are worth drawing.
    bool PrepareNextScreens();
    // Whether screens are drawn ahead (on unless switched off, which tests
    // and benchmarks do to compare with drawing on the key).
    void SetDrawAhead(bool bOn);
    // The screen of entry n drawn ahead for the show as it looks now, or null.
    std::shared_ptr<CPreparedScreen> FindReadyScreen(int n) const;

    bool IsShowRunning() const { return m_state.m_bShowRunning; }
    // A show pop-up (end menu, tablet menu, "Goto Item") is open.
    bool IsPopupOpen() const { return m_bPopupOpen; }
    const CShowState& GetShowState() const { return m_state; }
    CShowWindow* GetShowWindow() const { return m_pShowWnd; }
    CScreenRenderer& GetRenderer() { return *m_pRenderer; }

    // What the last listing drawn recorded (the rows of a search page).
    const CListingRecord& GetListingRecord() const { return m_listing; }

    // ---- the listing's commands (ListingCommands.cpp) ----
    // A right click at a point of the listing (scrolled coordinates): the
    // usage report of the search result there.
    void OnRButtonDown(const wxPoint& ptLogical);

  private:
    void ShowAndAdvance();
    // The screen of the show position, drawn on a new bitmap of the display
    // window's client size, exactly as ShowScreen(0) draws it.
    wxBitmap DrawAhead(int nEntry);
    CReadyStamp ReadyStamp() const;
    bool IsPlainEntry(int nEntry) const;
    bool PictureIsReady(CVersiluxDoc& doc, int nEntry) const;
    // After the last key of a burst: the screen skipped on the way is drawn.
    void CatchUpScreen();
    void RunTabletMenu();
    void RunEndMenu();
    int RunShowPopup(const CShowPopup& popup);
    void EndOpenPopup();
    void ScrollListing(int nKeyCode);
    void UpdateFrameTitle();

    void OnShowGo(wxCommandEvent& event);
    void OnShowStop(wxCommandEvent& event);
    void OnHelpKeyboard(wxCommandEvent& event);
    void OnViewRefresh(wxCommandEvent& event);
    void OnUpdateShowGo(wxUpdateUIEvent& event);
    void OnUpdateShowStop(wxUpdateUIEvent& event);
    void OnUpdateNotDuringShow(wxUpdateUIEvent& event);
    void OnEditCopy(wxCommandEvent& event);
    void OnUpdateEditCopy(wxUpdateUIEvent& event);
    void OnFileSave(wxCommandEvent& event);
    void OnUpdateFileSave(wxUpdateUIEvent& event);
    void OnSearchMore(wxCommandEvent& event);
    void OnUpdateSearchMore(wxUpdateUIEvent& event);

    wxFrame* m_pFrame = nullptr;
    CShowHooks m_hooks;
    CViewCanvas* m_pCanvas = nullptr;  // a child of m_pFrame, owned by wx
    CShowState m_state;
    std::unique_ptr<CScreenRenderer> m_pRenderer;
    CShowWindow* m_pShowWnd = nullptr;  // owned by wx until DestroyDisplay
    // The show area is the display window's whole client area (not a
    // configured rectangle inside it), so it follows the window's size.
    bool m_bAreaIsClient = true;
    // While a pop-up's modal loop runs, show input is dropped and a Stop
    // waits for the pop-up to close: the loop must not see the show change.
    bool m_bPopupOpen = false;
    bool m_bStopPending = false;
    // Counts closed pop-ups: keys posted before one closed are stale.
    unsigned m_nInputEpoch = 0;
    // Q was handled and the Stop is on its way: later input is dropped.
    bool m_bStopQueued = false;
    // The screen just drawn was the menu entry; its menu opens once the
    // drawing is finished and the bitmap released.
    bool m_bEndMenuDue = false;
    // Keys posted and not yet handled: while some wait, a key that only
    // moves skips drawing a screen the next would replace at once.
    int m_nKeysQueued = 0;
    // The screen up is not the one of the show position (a skip).
    bool m_bScreenBehind = false;
    bool m_bDrawAhead = true;
    // A screen was just put up: the next idle call leaves drawing ahead to
    // the one after.
    bool m_bJustShown = false;
    CReadyScreens m_ready;
    std::mt19937 m_random;
    CListingRecord m_listing;
    bool m_bRowsNotRecorded = false;  // a message about them is on its way

    wxDECLARE_EVENT_TABLE();
};

// The key summary of Help > Keyboard.
extern const char* const kKeyboardHelp;
// The file File > Save writes the search results to, in the current folder.
extern const char* const kSearchFileName;
