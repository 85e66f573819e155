// The program's windows around an opened document: the template, the main
// frame and the main view. The application and the GUI tests both build it.
#pragma once

#include <memory>

class CMainFrame;
class CVersiluxDoc;
class CVersiluxDocManager;

// Returns the shown, maximised main frame, or nullptr when the frame or the
// view could not be made.
CMainFrame* CreateMainWindow(CVersiluxDocManager& manager, std::unique_ptr<CVersiluxDoc> pDoc);
