// SDL's own message box: the last resort when GTK cannot open the display. It draws with the
// X server's core fonts, which a desktop may lack.
#pragma once

#include <SDL.h>

#include <string>

#include "platform/platform.h"

namespace frost::linux_host {

// Shows the box above `owner` (one of our windows, or null) and answers what the user chose;
// a question asks again until answered. False when SDL could not show it.
bool ShowSdlMessageBox(SDL_Window* owner, const std::string& text, const std::string& caption,
                       MessageButtons buttons, MessageIcon icon, MessageAnswer& answer);

}  // namespace frost::linux_host
