#include "support/Click.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>

void Click(wxControl* pControl) {
    wxEventType type = wxEVT_BUTTON;
    if (auto* radio = dynamic_cast<wxRadioButton*>(pControl)) {
        radio->SetValue(true);
        type = wxEVT_RADIOBUTTON;
    } else if (auto* check = dynamic_cast<wxCheckBox*>(pControl)) {
        check->SetValue(!check->GetValue());
        type = wxEVT_CHECKBOX;
    }
    wxCommandEvent click(type, pControl->GetId());
    click.SetEventObject(pControl);
    if (type == wxEVT_CHECKBOX) {
        click.SetInt(static_cast<wxCheckBox*>(pControl)->GetValue() ? 1 : 0);
    }
    pControl->ProcessWindowEvent(click);
    pControl->GetParent()->UpdateWindowUI(wxUPDATE_UI_RECURSE);
}

void ChooseEntry(wxControlWithItems* pList, int nIndex) {
    pList->SetSelection(nIndex);
    const wxEventType type =
        dynamic_cast<wxChoice*>(pList) != nullptr ? wxEVT_CHOICE : wxEVT_LISTBOX;
    wxCommandEvent choose(type, pList->GetId());
    choose.SetEventObject(pList);
    choose.SetInt(nIndex);
    pList->ProcessWindowEvent(choose);
    pList->GetParent()->UpdateWindowUI(wxUPDATE_UI_RECURSE);
}
