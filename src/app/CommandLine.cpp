#include "app/CommandLine.h"

#include <wx/init.h>
#include <cstdio>

#include "app/Startup.h"
#include "doc/VersiluxDoc.h"

namespace {

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
    if (command == "--help" || command == "-h") {
        std::printf("%s", kUsage);
        rc = 0;
        return true;
    }
    return false;
}
