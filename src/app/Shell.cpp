#include "app/Shell.h"

#include <wx/display.h>

#include "app/AppShowHooks.h"
#include "app/MainFrame.h"
#include "app/VersiluxDocManager.h"
#include "app/VersiluxDocTemplate.h"
#include "doc/VersiluxDoc.h"

CMainFrame* CreateMainWindow(CVersiluxDocManager& manager, std::unique_ptr<CVersiluxDoc> pDoc) {
    auto* frame = new CMainFrame(&manager);  // a top-level window: wx owns it
    if (!frame->CreateBars()) {
        frame->Destroy();
        return nullptr;
    }
    // The manager owns its templates.
    new CVersiluxDocTemplate(&manager, frame, std::move(pDoc), MakeAppShowHooks());
    if (manager.CreateNewDocument() == nullptr) {
        frame->Destroy();
        return nullptr;
    }
    // Without a window manager a maximise request does nothing; the size
    // makes the frame fill the screen all the same.
    frame->SetSize(wxDisplay(0u).GetClientArea());
    frame->Maximize();
    frame->Show();
    return frame;
}
