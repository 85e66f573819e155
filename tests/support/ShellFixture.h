// The program's windows on a temporary data source, for GUI tests: the doc
// manager, the main frame, the view and the document, built as the
// application builds them and closed again at the end of the test.
#pragma once

#include <memory>

#include "support/TempDataSource.h"

class CMainFrame;
class CShowWindow;
class CVersiluxDoc;
class CVersiluxDocManager;
class CVersiluxView;
class wxFileConfig;

class ShellFixture {
  public:
    // The demo library unless told otherwise; the shell is opened at once
    // unless bOpen is false (to change the data source first).
    explicit ShellFixture(TempDataSource::Content content = TempDataSource::Content::Library,
                          bool bOpen = true);
    ~ShellFixture();
    ShellFixture(const ShellFixture&) = delete;
    ShellFixture& operator=(const ShellFixture&) = delete;

    // Opens the document and builds the windows; false when it failed.
    bool Open();
    // Closes the main window as the operator does, and waits until it is gone.
    void Close();

    TempDataSource& Source() { return m_source; }
    CMainFrame& Frame() { return *m_pFrame; }
    CVersiluxDocManager& Manager() { return *m_pManager; }
    CVersiluxDoc& Doc();
    CVersiluxView& View();
    // The display window of the running show, or null.
    CShowWindow* Display();

    // Sends a menu command through the main frame, as the menu does.
    void Command(int nId);
    // Whether the frame's update handlers leave the command enabled.
    bool IsEnabled(int nId);

    // Selects schedule nID as Show > Select Schedule would.
    void SelectSchedule(long nID);
    // Go, and wait for the first screen to arrive through the repaint.
    bool GoAndWaitForFirstScreen();
    // A key to the view's key handler, then everything it posted handled.
    void Key(int nKeyCode);
    // Top-level windows that are display windows, shown or not yet deleted.
    static int CountDisplayWindows();

  private:
    TempDataSource m_source;
    std::unique_ptr<wxFileConfig> m_pConfig;
    std::unique_ptr<CVersiluxDocManager> m_pManager;
    CMainFrame* m_pFrame = nullptr;
};
