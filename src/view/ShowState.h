// The main view's show state: whether a show runs, where it draws and which
// show entry the next screen shows. The screen renderer reads it; the show
// control changes it.
#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>

struct CShowState {
    // The show area in the display window's client coordinates (width and
    // height exclusive of the right and bottom edges); set by Go.
    wxRect m_rcShow;
    bool m_bShowRunning = false;
    // The B key's toggle.
    bool m_bBlackout = false;
    // J was pressed and digits are being collected in m_strJumpDigits.
    bool m_bJumpEntry = false;
    wxString m_strJumpDigits;
    // The show position: the index of the entry the next screen shows.
    int m_nNextEntry = 0;
};
