// Lists whose entries stand for rows (colours, VPDs, schedules): entry n is
// choices[n], whatever the rows' IDs.
#pragma once

#include <wx/ctrlsub.h>

#include <vector>

#include "doc/ItemLibrary.h"

// Replaces the list's entries by the choices' names, in their order.
inline void ShowChoices(wxItemContainer* pList, const std::vector<CChoice>& choices) {
    wxArrayString names;
    for (const CChoice& choice : choices) {
        names.Add(choice.strName);
    }
    pList->Set(names);
}
