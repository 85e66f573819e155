#include "support/DialogLabels.h"

#include <wx/checkbox.h>
#include <wx/control.h>
#include <wx/stattext.h>

#include <iterator>

CDialogLabels ReadDialogLabels(const wxWindow& dlg, std::set<wxString> taken) {
    CDialogLabels result;
    const wxWindowList& children = dlg.GetChildren();
    for (auto it = children.begin(); it != children.end(); ++it) {
        auto* text = dynamic_cast<wxStaticText*>(*it);
        auto* check = dynamic_cast<wxCheckBox*>(*it);
        if (text == nullptr && check == nullptr) {
            continue;
        }
        const wxString label = (*it)->GetLabel();
        result.strLabels << wxControl::RemoveMnemonics(label) << "/";
        const int amp = label.Find('&');
        if (amp == wxNOT_FOUND) {
            result.unmarked.push_back(label);
        } else if (!taken.insert(label.Mid(amp + 1, 1).Lower()).second) {
            result.repeated.push_back(label);
        }
        auto next = std::next(it);
        result.bFocusableAfterEachLabel =
            result.bFocusableAfterEachLabel &&
            (check != nullptr || (next != children.end() && (*next)->AcceptsFocusFromKeyboard()));
    }
    return result;
}
