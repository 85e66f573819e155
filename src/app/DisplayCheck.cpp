#include "app/DisplayCheck.h"

#include <X11/Xlib.h>

#include <cstdlib>

bool CanReachDisplay(wxString& why) {
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (display == nullptr || *display == '\0') {
        if (wayland != nullptr && *wayland != '\0') {
            return true;  // the toolkit talks to the Wayland compositor
        }
        why =
            "versilux: the windows need a display, and DISPLAY is not set\n"
            "(commands that need no window: versilux --help)";
        return false;
    }
    Display* x = XOpenDisplay(display);
    if (x == nullptr) {
        if (wayland != nullptr && *wayland != '\0') {
            return true;
        }
        why = wxString::Format("versilux: cannot open the display \"%s\" that DISPLAY names",
                               wxString::FromUTF8(display));
        return false;
    }
    XCloseDisplay(x);
    return true;
}
