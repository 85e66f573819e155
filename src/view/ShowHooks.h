// What the show needs from the layers above the view: the display window and
// the show's pop-up menus. The application fills these when it creates the
// view; a hook left empty makes that step fail the way a failing window does.
#pragma once

#include <wx/gdicmn.h>

#include <functional>

class CShowWindow;
class CVersiluxDoc;
class CVersiluxView;
class wxWindow;

// A show pop-up's parent is the main window, which outlives the show, and it
// stands centred over rcOver, the display window's place on the screen.
using CShowPopup = std::function<int(wxWindow* pParent, const wxRect& rcOver)>;

struct CShowHooks {
    // Creates the display window (small, visible) for the view's show; nullptr
    // when the window could not be created.
    std::function<CShowWindow*(wxWindow* pParent, CVersiluxView& view)> createDisplay;
    // "Goto Item": the chosen item's number counted from 1, or 0.
    std::function<int(wxWindow* pParent, const wxRect& rcOver, CVersiluxDoc& doc)> gotoItem;
    // The six-button "RClick" of tablet mode: its choice 1..6, or 0 on Cancel.
    CShowPopup showMenu;
    // The three-button "RClick" of the menu entry: its choice 1..3, or 0.
    CShowPopup showMenuShort;
};
