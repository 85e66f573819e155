// A click as the operator's on a button, radio or check box: the control's
// state and event, then the dialog's update-UI handlers.
#pragma once

class wxControl;

void Click(wxControl* pControl);

class wxControlWithItems;

// A click on an entry of a list box or drop-down list: the selection, its
// event, then the dialog's update-UI handlers.
void ChooseEntry(wxControlWithItems* pList, int nIndex);
