// A click as the operator's on a button, radio or check box: the control's
// state and event, then the dialog's update-UI handlers.
#pragma once

class wxControl;

void Click(wxControl* pControl);
