#include "app/AppShowHooks.h"

#include "dialogs/GotoItemDlg.h"
#include "dialogs/ShowMenuDlg.h"
#include "dialogs/ShowMenuShortDlg.h"
#include "show/FullScreenWnd.h"

CShowHooks MakeAppShowHooks() {
    CShowHooks hooks;
    hooks.createDisplay = [](wxWindow* pParent, CVersiluxView& view) {
        return CreateFullScreenWnd(pParent, view);
    };
    // The pop-ups belong to the display window, so they stand above it.
    hooks.gotoItem = [](wxWindow* pParent, CVersiluxDoc& doc) {
        CGotoItemDlg dlg(pParent);
        dlg.m_pDoc = &doc;
        dlg.m_nChoice = 0;
        return dlg.ShowModal() == wxID_OK ? dlg.m_nChoice : 0;
    };
    hooks.showMenu = [](wxWindow* pParent) {
        CShowMenuDlg dlg(pParent);
        return dlg.ShowModal() == wxID_OK ? dlg.m_nChoice : 0;
    };
    hooks.showMenuShort = [](wxWindow* pParent) {
        CShowMenuShortDlg dlg(pParent);
        return dlg.ShowModal() == wxID_OK ? dlg.m_nChoice : 0;
    };
    return hooks;
}
