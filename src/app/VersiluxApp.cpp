#include <wx/app.h>
#include <wx/frame.h>

class CVersiluxApp : public wxApp {
  public:
    bool OnInit() override {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "Versilux");  // owned by wx
        frame->Show();
        return true;
    }
};

wxIMPLEMENT_APP_NO_MAIN(CVersiluxApp);
