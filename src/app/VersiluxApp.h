// The application: opens the document on the data source, then builds the
// main window around it. A data source that cannot be used ends start-up
// with a message that names it and says why.
#pragma once

#include <wx/app.h>

#include <memory>

class CVersiluxDocManager;

class CVersiluxApp : public wxApp {
  public:
    CVersiluxApp();
    ~CVersiluxApp() override;

    bool OnInit() override;
    int OnExit() override;
    // A database error ends the command that raised it, with its message.
    bool OnExceptionInMainLoop() override;

  private:
    std::unique_ptr<CVersiluxDocManager> m_pDocManager;
};
