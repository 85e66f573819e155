#include "support/WaitFor.h"

#include <wx/app.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

void ProcessPending() {
    for (int i = 0; i < 5; ++i) {
        wxYield();
        if (wxTheApp != nullptr) {
            wxTheApp->ProcessPendingEvents();
            wxTheApp->ProcessIdle();
        }
    }
}

bool WaitFor(const std::function<bool()>& pred, int nTimeoutMs) {
    wxStopWatch clock;
    while (!pred()) {
        if (clock.Time() > nTimeoutMs) {
            return pred();
        }
        wxYield();
        if (wxTheApp != nullptr) {
            wxTheApp->ProcessPendingEvents();
            wxTheApp->ProcessIdle();
        }
    }
    return true;
}
