#include "app/DisplayCheck.h"

#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

namespace {

struct DisplayCloser {
    void operator()(Display* p) const { XCloseDisplay(p); }
};

// The connection that answered stays open until the process ends: an X
// server resets when its last client leaves, and a toolkit connecting just
// then would find no display.
std::unique_ptr<Display, DisplayCloser>& HeldConnection() {
    static std::unique_ptr<Display, DisplayCloser> held;
    return held;
}

bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}

}  // namespace

bool CanReachDisplay(wxString& why) {
    if (HeldConnection()) {
        return true;
    }
    const char* display = std::getenv("DISPLAY");
    const bool bWayland = IsSet(std::getenv("WAYLAND_DISPLAY"));
    if (!IsSet(display)) {
        if (bWayland) {
            return true;  // the toolkit talks to the Wayland compositor
        }
        why =
            "versilux: the windows need a display, and DISPLAY is not set\n"
            "(commands that need no window: versilux --help)";
        return false;
    }
    // A server that is resetting (its previous last client just left)
    // refuses connections for a moment.
    for (int attempt = 0; attempt < 10 && !HeldConnection(); ++attempt) {
        if (attempt > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        HeldConnection().reset(XOpenDisplay(display));
    }
    if (HeldConnection() || bWayland) {
        return true;
    }
    why = wxString::Format("versilux: cannot open the display \"%s\" that DISPLAY names",
                           wxString::FromUTF8(display));
    return false;
}
