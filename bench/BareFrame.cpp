// One empty frame and nothing else: what starting the toolkit costs alone.
// Startup_bench runs it beside the program.
#include <wx/app.h>
#include <wx/frame.h>

class BareFrameApp : public wxApp {
  public:
    bool OnInit() override {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "Bare Frame");  // wx owns it
        frame->Show();
        return true;
    }
};

wxIMPLEMENT_APP(BareFrameApp);
