#include "app/AppShowHooks.h"

#include "dialogs/GotoItemDlg.h"
#include "dialogs/ShowMenuDlg.h"
#include "dialogs/ShowMenuShortDlg.h"
#include "show/FullScreenWnd.h"

namespace {

// The pop-ups belong to the main window, which outlives the show, but stand
// on top, over the display window, where the operator is looking.
// Runs the pop-up and returns its choice, or 0 when it was cancelled.
template <class Dlg>
int ChoiceOf(Dlg& dlg, const wxRect& rcOver) {
    dlg.SetWindowStyleFlag(dlg.GetWindowStyleFlag() | wxSTAY_ON_TOP);
    if (!rcOver.IsEmpty()) {
        const wxSize size = dlg.GetSize();
        dlg.Move(rcOver.x + (rcOver.width - size.x) / 2, rcOver.y + (rcOver.height - size.y) / 2);
    }
    return dlg.ShowModal() == wxID_OK ? dlg.m_nChoice : 0;
}

}  // namespace

CShowHooks MakeAppShowHooks() {
    CShowHooks hooks;
    hooks.createDisplay = [](wxWindow* pParent, CVersiluxView& view) {
        return CreateFullScreenWnd(pParent, view);
    };
    hooks.gotoItem = [](wxWindow* pParent, const wxRect& rcOver, CVersiluxDoc& doc) {
        CGotoItemDlg dlg(pParent);
        dlg.m_pDoc = &doc;
        dlg.m_nChoice = 0;
        return ChoiceOf(dlg, rcOver);
    };
    hooks.showMenu = [](wxWindow* pParent, const wxRect& rcOver) {
        CShowMenuDlg dlg(pParent);
        return ChoiceOf(dlg, rcOver);
    };
    hooks.showMenuShort = [](wxWindow* pParent, const wxRect& rcOver) {
        CShowMenuShortDlg dlg(pParent);
        return ChoiceOf(dlg, rcOver);
    };
    return hooks;
}
