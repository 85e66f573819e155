#include "support/TestApp.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>

namespace {

class TestApp : public wxApp {
  public:
    bool OnInit() override {
        wxInitAllImageHandlers();
        return true;
    }
    int OnRun() override { return RUN_ALL_TESTS(); }
    void OnAssertFailure(const wxChar* file, int line, const wxChar* func, const wxChar* cond,
                         const wxChar* msg) override {
        ADD_FAILURE_AT(wxString(file).utf8_str(), line)
            << "wx assert in " << wxString(func) << ": " << wxString(cond) << " " << wxString(msg);
    }
};

}  // namespace

int RunGuiTests(int argc, char** argv) {
    wxApp::SetInstance(new TestApp);  // wx takes ownership of the app object
    return wxEntry(argc, argv);
}
