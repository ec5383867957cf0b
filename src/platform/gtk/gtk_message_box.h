// The Linux host's message boxes, drawn by GTK.
#pragma once

#include <gtk/gtk.h>

#include <string>

#include "platform/platform.h"

namespace frost::linux_host {

// Who a message box belongs to: one of our GTK windows, or an X window of our own or another
// program's. A box of the saver's own (not a dialog's) stays above its full-screen picture.
struct MessageBoxOwner {
  GtkWindow* window = nullptr;
  WindowHandle xWindow = 0;
  bool keepAbove = false;
};

// A modal message box. Return answers with the default button (OK, or Yes). A Yes/No box
// cannot be closed without an answer: it has no close box, and Escape and the window
// manager's close request leave it open.
MessageAnswer ShowGtkMessageBox(const MessageBoxOwner& owner, const std::string& text,
                                const std::string& caption, MessageButtons buttons,
                                MessageIcon icon);

}  // namespace frost::linux_host
