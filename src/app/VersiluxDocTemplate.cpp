#include "app/VersiluxDocTemplate.h"

#include "doc/VersiluxDoc.h"
#include "view/VersiluxView.h"

// No file filter or extension of its own: the file dialogs offer all files.
CVersiluxDocTemplate::CVersiluxDocTemplate(wxDocManager* pManager, wxFrame* pFrame,
                                           std::unique_ptr<CVersiluxDoc> pDoc, CShowHooks hooks)
    : wxDocTemplate(pManager, "Versil", "All Files (*.*)|*", wxString(), wxString(),
                    "Versilux.Document", "Versil Document", nullptr, nullptr),
      m_pFrame(pFrame),
      m_pDoc(std::move(pDoc)),
      m_hooks(std::move(hooks)) {}

CVersiluxDocTemplate::~CVersiluxDocTemplate() = default;

wxDocument* CVersiluxDocTemplate::DoCreateDocument() {
    return m_pDoc.release();  // the manager owns documents it creates
}

wxView* CVersiluxDocTemplate::DoCreateView() {
    return new CVersiluxView(m_pFrame, m_hooks);  // the document owns its views
}
