// The Linux host's dialogs, drawn with GTK3: what the SDL backend hands its dialog and
// web-address calls to. The rest of the GTK code stays behind this header.
#pragma once

#include <string>

#include "dialog/dialog_view.h"

namespace frost::linux_host {

// Shows the dialog modally, transient for the foreign X window `parent` (0: none), and drives
// `proc` until it ends the dialog. -1 when GTK cannot start (no display) or the template is
// broken; the reason goes to stderr, as there is no window to show it in.
int RunGtkDialog(DialogTemplate id, WindowHandle parent, DialogProc proc);

// Shows a message box of the saver's own, above every window of ours and transient for the X
// window `owner` (0: none); false when GTK cannot open the display.
bool ShowMessageBoxWithGtk(WindowHandle owner, const std::string& text, const std::string& caption,
                           MessageButtons buttons, MessageIcon icon, MessageAnswer& answer);

// The one box that cannot go to an X server, because none answers: shown on the session's
// Wayland display when there is one, and ended by OK or a termination signal (exit code 0).
// False when GTK cannot open a display.
bool ShowNoXServerBoxWithGtk(const std::string& text, const std::string& caption);

// Hands the address to the desktop's handler for it; failures are not reported.
void OpenWebAddressWithGtk(const std::string& address);

}  // namespace frost::linux_host
