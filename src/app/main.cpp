// Entry point: headless commands first, then the wx application.
#include <wx/app.h>
#include <wx/init.h>

#include "app/CommandLine.h"

int main(int argc, char** argv) {
    if (int rc = 0; RunHeadlessCommand(argc, argv, rc)) {
        return rc;
    }
    return wxEntry(argc, argv);
}
