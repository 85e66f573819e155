// What a dialog's labels offer the keyboard: read in creation order, which
// is the tab order.
#pragma once

#include <wx/string.h>

#include <set>
#include <vector>

class wxWindow;

struct CDialogLabels {
    wxString strLabels;                    // each static text or check box, "/" after each
    std::vector<wxString> unmarked;        // labels without a mnemonic
    std::vector<wxString> repeated;        // labels whose letter another label or button took
    bool bFocusableAfterEachLabel = true;  // a static text leads to a control the keys reach
};

// taken: the letters the dialog's buttons already use (lower case).
CDialogLabels ReadDialogLabels(const wxWindow& dlg, std::set<wxString> taken);
