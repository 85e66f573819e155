// Entry point: headless commands first, then the wx application.
#include <wx/app.h>
#include <wx/init.h>

#include "app/CommandLine.h"
#include "app/VersiluxApp.h"

int main(int argc, char** argv) {
    if (int rc = 0; RunHeadlessCommand(argc, argv, rc)) {
        return rc;
    }
    // No headless command: the program with its windows.
    if (int rc = 0; !CheckDisplayForWindows(rc)) {
        return rc;
    }
    wxApp::SetInstance(new CVersiluxApp);  // wx owns the application object
    return wxEntry(argc, argv);
}
