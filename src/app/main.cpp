// Entry point: headless commands first, then the wx application.
#include <wx/app.h>
#include <wx/init.h>
#include <vector>

#include "app/CommandLine.h"
#include "app/VersiluxApp.h"

int main(int argc, char** argv) {
    // The data source is chosen for the whole run; the rest of the program
    // sees the arguments without the option.
    std::vector<char*> args(argv, argv + argc);
    if (int rc = 0; !TakeDataSourceOption(args, rc)) {
        return rc;
    }
    argc = static_cast<int>(args.size());
    args.push_back(nullptr);
    argv = args.data();
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
