#include "app/CommandLine.h"

#include <unistd.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/utils.h>
#include <cstdio>
#include <vector>

#include "app/DisplayCheck.h"
#include "app/Startup.h"
#include "doc/VersiluxDoc.h"
#include "view/ExportScreens.h"

namespace {

const char* kProgramUsage =
    "usage: versilux [FILE]\n"
    "  Starts the program with its windows (needs a display).\n"
    "usage: versilux --help\n"
    "  Shows this text.\n";

const char* kUsage =
    "usage: versilux --debug-show-go SCHEDULE_ID [--out FILE]\n"
    "  Builds the show list of the schedule on the configured data source and\n"
    "  writes the show-list dump (default file: DebugShowGo.txt).\n";

int Fail(const wxString& message, int code) {
    std::fprintf(stderr, "%s\n", static_cast<const char*>(message.utf8_str()));
    return code;
}

bool ParseId(const char* text, int& id) {
    long value = 0;
    if (!wxString::FromUTF8(text).ToLong(&value) || value < -1 || value > 0x7FFFFFFF) {
        return false;
    }
    id = static_cast<int>(value);
    return true;
}

int RunDebugShowGo(int argc, char** argv) {
    int scheduleID = 0;
    wxString out = "DebugShowGo.txt";
    if (argc < 3 || !ParseId(argv[2], scheduleID)) {
        return Fail(kUsage, 2);
    }
    for (int i = 3; i < argc; ++i) {
        if (wxString(argv[i]) == "--out" && i + 1 < argc) {
            out = wxString::FromUTF8(argv[++i]);
        } else {
            return Fail(kUsage, 2);
        }
    }
    wxInitializer init;
    if (!init.IsOk()) {
        return Fail("versilux: cannot initialise", 1);
    }
    wxString error;
    std::unique_ptr<CVersiluxDoc> doc = OpenVersiluxDocument(error);
    if (!doc) {
        return Fail(error, 1);
    }
    try {
        doc->m_nScheduleID = scheduleID;
        if (!doc->WriteDebugShowGo(out, error)) {
            return Fail("versilux: " + error, 1);
        }
    } catch (const std::exception& e) {
        return Fail(DescribeStartupFailure(e), 1);
    }
    std::printf("%s written\n", static_cast<const char*>(out.utf8_str()));
    return 0;
}

// Drawing needs the toolkit on a display. Without one, the command runs
// itself again under a virtual display when xvfb-run is there.
void RerunUnderVirtualDisplay(int argc, char** argv) {
    wxString why;
    if (CanReachDisplay(why) || wxGetEnv("VERSILUX_XVFB", nullptr)) {
        return;
    }
    setenv("VERSILUX_XVFB", "1", 1);
    std::vector<char*> args = {const_cast<char*>("xvfb-run"), const_cast<char*>("-a")};
    args.insert(args.end(), argv, argv + argc);
    args.push_back(nullptr);
    execvp("xvfb-run", args.data());  // returns only when xvfb-run is not installed
}

int RunExportScreens(int argc, char** argv) {
    CExportScreensArgs args;
    if (!ParseExportScreensArgs(argc, argv, 2, args)) {
        return Fail(kExportScreensUsage, 2);
    }
    RerunUnderVirtualDisplay(argc, argv);
    // The toolkit traps rather than fails without a display: ask first.
    if (wxString why; !CanReachDisplay(why)) {
        return Fail(why + "\nversilux: --export-screens needs a display (run it under xvfb-run)",
                    1);
    }
    wxApp::SetInstance(new wxApp);  // a plain application: no windows, only drawing
    if (!wxEntryStart(argc, argv)) {
        return Fail("versilux: --export-screens needs a display (run it under xvfb-run)", 1);
    }
    int rc = 1;
    {
        wxString error;
        std::unique_ptr<CVersiluxDoc> doc = OpenVersiluxDocument(error);
        if (!doc) {
            Fail(error, 1);
        } else {
            try {
                rc = ExportScreens(*doc, args.nScheduleID, args.size, args.strOutDir, error);
                if (rc != 0) {
                    Fail("versilux: " + error, rc);
                }
            } catch (const std::exception& e) {
                rc = Fail(DescribeStartupFailure(e), 1);
            }
        }
    }  // the document goes before the toolkit is cleaned up
    wxEntryCleanup();
    return rc;
}

}  // namespace

bool RunHeadlessCommand(int argc, char** argv, int& rc) {
    if (argc < 2) {
        return false;
    }
    const wxString command = argv[1];
    if (command == "--debug-show-go") {
        rc = RunDebugShowGo(argc, argv);
        return true;
    }
    if (command == "--export-screens") {
        rc = RunExportScreens(argc, argv);
        return true;
    }
    if (command == "--help" || command == "-h") {
        std::printf("%s%s%s", kProgramUsage, kUsage, kExportScreensUsage);
        rc = 0;
        return true;
    }
    // The program itself takes at most a document file name.
    if (command.StartsWith("-") || argc > 2) {
        std::fprintf(stderr, "%s%s%s", kProgramUsage, kUsage, kExportScreensUsage);
        rc = 2;
        return true;
    }
    return false;
}

bool CheckDisplayForWindows(int& rc) {
    wxString why;
    if (CanReachDisplay(why)) {
        return true;
    }
    rc = Fail(why, 1);
    return false;
}
