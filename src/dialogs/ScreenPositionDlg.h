// "Display Screen Position": where the show's display window stands (the
// whole screen or a rectangle of it) and whether the rest of the screen is
// blanked, with a test that opens a display window at the rectangle and
// draws a frame into it.
#pragma once

#include <wx/dialog.h>
#include <wx/gdicmn.h>

class CFullScreenWnd;
class CVersiluxDoc;
class wxButton;
class wxCheckBox;
class wxKeyEvent;
class wxRadioButton;
class wxSizeEvent;
class wxTextCtrl;
class wxWindowDestroyEvent;

class CScreenPositionDlg : public wxDialog {
  public:
    static constexpr int kMaxCoordinate = 5000;

    explicit CScreenPositionDlg(wxWindow* pParent);
    // A test window still open goes with the dialog.
    ~CScreenPositionDlg() override;

    // Screen pixels, 0 to kMaxCoordinate.
    int m_nTop = 0;
    int m_nLeft = 0;
    int m_nBottom = 0;
    int m_nRight = 0;
    int m_nPositionMode = -1;  // 0 "Full Screen", 1 "Custom Position"
    bool m_bBlankRest = false;

    // The test window closes when the dialog's run ends, OK or Cancel.
    int ShowModal() override;
    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

    // Checks the boxes and opens a display window at their rectangle with the
    // test frame drawn into it. The dialog's values stay as they were: only
    // OK takes them.
    void StartTest();
    // Closes the test window, if one is open.
    void EndTest();

    bool IsTestOpen() const { return m_bTestOpen; }
    CFullScreenWnd* GetTestWindow() const { return m_pTestWnd; }
    // The test window's client rectangle the frame was last drawn for.
    const wxRect& GetTestRect() const { return m_rcTest; }

    wxRadioButton* GetFullScreenButton() const { return m_pFullScreen; }
    wxRadioButton* GetCustomButton() const { return m_pCustom; }
    wxTextCtrl* GetTopEdit() const { return m_pTop; }
    wxTextCtrl* GetLeftEdit() const { return m_pLeft; }
    wxTextCtrl* GetBottomEdit() const { return m_pBottom; }
    wxTextCtrl* GetRightEdit() const { return m_pRight; }
    wxCheckBox* GetBlankRestBox() const { return m_pBlankRest; }
    wxButton* GetStartTestButton() const { return m_pStartTest; }
    wxButton* GetEndTestButton() const { return m_pEndTest; }

  private:
    wxTextCtrl* MakeCoordinateBox(int* pValue);
    // The white frame, corner marks and hint, into the test window's bitmap.
    void DrawTestFrame();
    void OnTestSize(wxSizeEvent& event);
    void OnTestDestroyed(wxWindowDestroyEvent& event);

    CFullScreenWnd* m_pTestWnd = nullptr;  // belongs to wx; the dialog destroys it
    bool m_bTestOpen = false;
    wxRect m_rcTest;
    // "Full Screen" was clicked: it then greys "Blank rest of screen" too,
    // which opening in full-screen mode leaves usable.
    bool m_bFullScreenChosen = false;

    wxRadioButton* m_pFullScreen = nullptr;
    wxRadioButton* m_pCustom = nullptr;
    wxTextCtrl* m_pTop = nullptr;
    wxTextCtrl* m_pLeft = nullptr;
    wxTextCtrl* m_pBottom = nullptr;
    wxTextCtrl* m_pRight = nullptr;
    wxCheckBox* m_pBlankRest = nullptr;
    wxButton* m_pStartTest = nullptr;
    wxButton* m_pEndTest = nullptr;
};

// Tools > Screen: edits the display placement of the config row. OK writes
// the six placement columns (a database error is reported and the settings
// stay as stored); Cancel writes nothing. The next Go uses the new values.
void RunScreenPosition(CVersiluxDoc& doc, wxWindow* pParent);
