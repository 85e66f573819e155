#include "dialogs/ScreenPositionDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <memory>
#include <utility>

#include "dialogs/IntRangeValidator.h"
#include "doc/VersiluxDoc.h"
#include "odbc/DBException.h"
#include "show/FullScreenWnd.h"

CScreenPositionDlg::CScreenPositionDlg(wxWindow* pParent)
    : wxDialog(pParent, wxID_ANY, "Display Screen Position") {
    // Created in tab order; each label just before the box its mnemonic
    // reaches. Mnemonics steer clear of OK's O and Cancel's C.
    m_pFullScreen = new wxRadioButton(this, wxID_ANY, "&Full Screen", wxDefaultPosition,
                                      wxDefaultSize, wxRB_GROUP);
    m_pCustom = new wxRadioButton(this, wxID_ANY, "Custom &Position");
    auto* topLabel = new wxStaticText(this, wxID_ANY, "&Top");
    m_pTop = MakeCoordinateBox(&m_nTop);
    auto* leftLabel = new wxStaticText(this, wxID_ANY, "&Left");
    m_pLeft = MakeCoordinateBox(&m_nLeft);
    auto* bottomLabel = new wxStaticText(this, wxID_ANY, "&Bottom");
    m_pBottom = MakeCoordinateBox(&m_nBottom);
    auto* rightLabel = new wxStaticText(this, wxID_ANY, "&Right");
    m_pRight = MakeCoordinateBox(&m_nRight);
    m_pBlankRest = new wxCheckBox(this, wxID_ANY, "Blan&k rest of screen");
    m_pStartTest = new wxButton(this, wxID_ANY, "&Start Test");
    m_pEndTest = new wxButton(this, wxID_ANY, "&End Test");
    auto* ok = new wxButton(this, wxID_OK);
    auto* cancel = new wxButton(this, wxID_CANCEL);
    ok->SetDefault();

    auto* modes = new wxBoxSizer(wxVERTICAL);
    modes->Add(m_pFullScreen, 0, wxBOTTOM, 6);
    modes->Add(m_pCustom, 0);
    auto* okCancel = new wxBoxSizer(wxVERTICAL);
    okCancel->Add(ok, 0, wxEXPAND | wxBOTTOM, 5);
    okCancel->Add(cancel, 0, wxEXPAND);
    auto* head = new wxBoxSizer(wxHORIZONTAL);
    head->Add(modes, 1, wxALIGN_TOP);
    head->Add(okCancel, 0, wxALIGN_TOP | wxLEFT, 20);

    auto* boxes = new wxFlexGridSizer(4, 6, 8);
    for (auto [label, edit] : {std::pair<wxWindow*, wxWindow*>{topLabel, m_pTop},
                               {leftLabel, m_pLeft},
                               {bottomLabel, m_pBottom},
                               {rightLabel, m_pRight}}) {
        boxes->Add(label, 0, wxALIGN_CENTER_VERTICAL);
        boxes->Add(edit, 0, wxALIGN_CENTER_VERTICAL);
    }

    auto* tests = new wxBoxSizer(wxHORIZONTAL);
    tests->Add(m_pStartTest, 0, wxRIGHT, 5);
    tests->Add(m_pEndTest, 0);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(head, 0, wxEXPAND | wxALL, 10);
    top->Add(boxes, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
    top->Add(m_pBlankRest, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
    top->Add(tests, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
    SetSizerAndFit(top);

    m_pFullScreen->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { m_bFullScreenChosen = true; });
    m_pStartTest->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { StartTest(); });
    m_pEndTest->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndTest(); });

    for (wxTextCtrl* edit : {m_pTop, m_pLeft, m_pBottom, m_pRight}) {
        edit->Bind(wxEVT_UPDATE_UI,
                   [this](wxUpdateUIEvent& event) { event.Enable(m_pCustom->GetValue()); });
    }
    m_pBlankRest->Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) {
        event.Enable(m_pCustom->GetValue() || !m_bFullScreenChosen);
    });
    m_pStartTest->Bind(wxEVT_UPDATE_UI,
                       [this](wxUpdateUIEvent& event) { event.Enable(!m_bTestOpen); });
}

CScreenPositionDlg::~CScreenPositionDlg() {
    EndTest();
}

wxTextCtrl* CScreenPositionDlg::MakeCoordinateBox(int* pValue) {
    return new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(FromDIP(70), -1), 0,
                          CIntRangeValidator(pValue, 0, kMaxCoordinate));
}

int CScreenPositionDlg::ShowModal() {
    const int nResult = wxDialog::ShowModal();
    // The always-on-top test window must not outlive the dialog on screen.
    EndTest();
    return nResult;
}

bool CScreenPositionDlg::TransferDataToWindow() {
    // The validators show the four coordinates.
    if (!wxDialog::TransferDataToWindow()) {
        return false;
    }
    // One radio is always checked: a mode not yet chosen shows as full screen.
    if (m_nPositionMode == 1) {
        m_pCustom->SetValue(true);
    } else {
        m_pFullScreen->SetValue(true);
    }
    m_pBlankRest->SetValue(m_bBlankRest);
    m_bFullScreenChosen = false;
    return true;
}

bool CScreenPositionDlg::TransferDataFromWindow() {
    if (!wxDialog::TransferDataFromWindow()) {
        return false;
    }
    m_nPositionMode = m_pCustom->GetValue() ? 1 : 0;
    m_bBlankRest = m_pBlankRest->GetValue();
    return true;
}

void CScreenPositionDlg::StartTest() {
    if (m_bTestOpen) {
        return;  // one test window at a time
    }
    // The same checks as OK, but the values go to the test alone. A box the
    // checks skip (greyed in full-screen mode) still holds the value shown.
    if (!Validate()) {
        return;
    }
    auto value = [](wxTextCtrl* edit, int nShown) {
        return ParseInteger(edit->GetValue()).value_or(nShown);
    };
    const int nTop = value(m_pTop, m_nTop);
    const int nLeft = value(m_pLeft, m_nLeft);
    const int nBottom = value(m_pBottom, m_nBottom);
    const int nRight = value(m_pRight, m_nRight);

    auto wnd = std::make_unique<CFullScreenWnd>();
    if (!wnd->CreateDisplay(this, nullptr)) {
        wxMessageBox("What window?", "Versilux", wxOK, this);
        return;
    }
    m_pTestWnd = wnd.release();  // a created window belongs to wx until DestroyDisplay
    m_bTestOpen = true;
    // Its keys are its own: Escape there shrinks it (and shows the dialog)
    // instead of travelling up to the dialog as Cancel.
    m_pTestWnd->SetExtraStyle(m_pTestWnd->GetExtraStyle() | wxWS_EX_BLOCK_EVENTS);
    // Closed from the desktop, the window must not be destroyed a second time.
    m_pTestWnd->Bind(wxEVT_DESTROY, &CScreenPositionDlg::OnTestDestroyed, this);
    // The rectangle whatever the mode: the test always shows it.
    m_pTestWnd->TogglePlacement(false, nTop, nLeft, nBottom, nRight);
    DrawTestFrame();
    // A new size (the window manager's choice, or Escape shrinking the
    // window) starts a black bitmap: the frame is drawn again for it.
    m_pTestWnd->Bind(wxEVT_SIZE, &CScreenPositionDlg::OnTestSize, this);
}

void CScreenPositionDlg::EndTest() {
    if (!m_bTestOpen) {
        return;
    }
    CFullScreenWnd* wnd = std::exchange(m_pTestWnd, nullptr);
    m_bTestOpen = false;
    // Its handlers must not reach a dialog that may be gone when wx deletes it.
    wnd->Unbind(wxEVT_SIZE, &CScreenPositionDlg::OnTestSize, this);
    wnd->Unbind(wxEVT_DESTROY, &CScreenPositionDlg::OnTestDestroyed, this);
    wnd->DestroyDisplay();
}

void CScreenPositionDlg::DrawTestFrame() {
    m_rcTest = m_pTestWnd->GetShowClientRect();
    // Right and bottom lie just outside the client area (its origin is 0, 0).
    const int r = m_rcTest.GetRight() + 1;
    const int b = m_rcTest.GetBottom() + 1;
    wxMemoryDC dc(m_pTestWnd->GetBitmapToDrawOn());
    // Lines of whole white pixels, not blended into grey ones.
    if (wxGraphicsContext* gc = dc.GetGraphicsContext()) {
        gc->SetAntialiasMode(wxANTIALIAS_NONE);
    }
    dc.SetPen(wxPen(*wxWHITE, 1, wxPENSTYLE_SOLID));

    dc.DrawLine(0, 0, r, b);
    const wxPoint topLeft[] = {{50, 0}, {0, 0}, {0, 50}};
    const wxPoint topRight[] = {{r - 50, 0}, {r - 1, 0}, {r - 1, 50}};
    dc.DrawLines(3, topLeft);
    dc.DrawLines(3, topRight);

    dc.DrawLine(0, b, r, 0);
    const wxPoint bottomLeft[] = {{50, b - 1}, {0, b - 1}, {0, b - 50}};
    const wxPoint bottomRight[] = {{r - 50, b - 1}, {r - 1, b - 1}, {r - 1, b - 50}};
    dc.DrawLines(3, bottomLeft);
    dc.DrawLines(3, bottomRight);

    // The system's plain text: black on an opaque white box, readable on black.
    dc.SetFont(*wxNORMAL_FONT);
    dc.SetTextForeground(*wxBLACK);
    dc.SetTextBackground(*wxWHITE);
    dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
    dc.DrawText("Press escape to see dialog", r / 2, b / 2);
    dc.SelectObject(wxNullBitmap);
    m_pTestWnd->Present();
}

void CScreenPositionDlg::OnTestSize(wxSizeEvent& event) {
    event.Skip();  // the window lays out its surface as usual
    if (m_pTestWnd != nullptr && event.GetEventObject() == m_pTestWnd) {
        DrawTestFrame();
    }
}

void CScreenPositionDlg::OnTestDestroyed(wxWindowDestroyEvent& event) {
    event.Skip();
    if (m_pTestWnd != nullptr && event.GetEventObject() == m_pTestWnd) {
        m_pTestWnd = nullptr;
        m_bTestOpen = false;
    }
}

void RunScreenPosition(CVersiluxDoc& doc, wxWindow* pParent) {
    CConfigSet& config = *doc.m_pConfigSet;
    CScreenPositionDlg dlg(pParent);
    dlg.m_nPositionMode = config.m_Full_Screen ? 0 : 1;
    dlg.m_nTop = config.m_Top;
    dlg.m_nLeft = config.m_Left;
    dlg.m_nBottom = config.m_Bottom;
    dlg.m_nRight = config.m_Right;
    dlg.m_bBlankRest = config.m_BlankScreen;
    if (dlg.ShowModal() != wxID_OK) {
        return;
    }
    try {
        config.Edit();
        config.m_Full_Screen = dlg.m_nPositionMode == 0;
        config.m_Top = dlg.m_nTop;
        config.m_Left = dlg.m_nLeft;
        config.m_Bottom = dlg.m_nBottom;
        config.m_Right = dlg.m_nRight;
        config.m_BlankScreen = dlg.m_bBlankRest;
        config.Update();
    } catch (const CDBException& e) {
        // The next Go reads these members: they go back to what the row holds.
        config.CancelUpdate();
        wxMessageBox(e.GetErrorMessage(), "Versilux", wxOK | wxICON_ERROR, pParent);
    }
}
