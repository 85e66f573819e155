// The one document template: it hands over the document opened at start-up
// (whose constructor connects to the data source) and makes the main view in
// the main frame, with the show's window and menus wired in.
#pragma once

#include <wx/docview.h>

#include <memory>

#include "view/ShowHooks.h"

class CVersiluxDoc;
class wxFrame;

class CVersiluxDocTemplate : public wxDocTemplate {
  public:
    CVersiluxDocTemplate(wxDocManager* pManager, wxFrame* pFrame,
                         std::unique_ptr<CVersiluxDoc> pDoc, CShowHooks hooks);
    ~CVersiluxDocTemplate() override;

  protected:
    // The opened document, once; null after that (there is only one).
    wxDocument* DoCreateDocument() override;
    wxView* DoCreateView() override;

  private:
    wxFrame* m_pFrame;
    std::unique_ptr<CVersiluxDoc> m_pDoc;
    CShowHooks m_hooks;
};
