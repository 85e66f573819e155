#include "support/ShownScreen.h"

#include <wx/dcmemory.h>

#include <cstring>

#include "show/FullScreenWnd.h"
#include "support/ShellFixture.h"
#include "view/ScreenRenderer.h"
#include "view/VersiluxView.h"
#include "view/WxCanvas.h"

testing::AssertionResult DisplayShowsEntry(ShellFixture& shell, int n) {
    auto* wnd = dynamic_cast<CFullScreenWnd*>(shell.Display());
    if (wnd == nullptr) {
        return testing::AssertionFailure() << "no display window";
    }
    const wxBitmap& shown = wnd->GetBackingBitmap();
    CShowState state = shell.View().GetShowState();
    state.m_nNextEntry = n;
    CScreenRenderer renderer(shell.Doc(), state);
    wxBitmap expected(shown.GetWidth(), shown.GetHeight(), 24);
    {
        wxMemoryDC dc(expected);
        WxCanvas canvas(dc);
        renderer.ShowScreen(canvas, 0);
    }
    const wxImage a = shown.ConvertToImage();
    const wxImage b = expected.ConvertToImage();
    if (a.GetSize() != b.GetSize()) {
        return testing::AssertionFailure() << "the display's size changed";
    }
    const size_t bytes = static_cast<size_t>(a.GetWidth()) * a.GetHeight() * 3;
    if (std::memcmp(a.GetData(), b.GetData(), bytes) != 0) {
        return testing::AssertionFailure() << "the display does not hold the screen of entry " << n;
    }
    return testing::AssertionSuccess();
}
