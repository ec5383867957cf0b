// Frostmote draws through X11 (GLX, XRandR, xscreensaver's windows): whether an X server is
// there to draw on, and what a user is told when none is.
#pragma once

#include <string>

namespace frost::linux_host {

// True when a connection to the X server that DISPLAY names can be opened.
bool XServerAnswers();

// The message for a start without one; `display` is DISPLAY's value, or null when unset.
std::string NoXServerText(const char* display);

}  // namespace frost::linux_host
