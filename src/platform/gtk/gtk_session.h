// GTK started once per process, on X11 (the window handles on the command line are X11 ids),
// with the dialog resources and their style sheet installed.
#pragma once

#include <gtk/gtk.h>

#include <string>

#include "dialog/dialog_template.h"
#include "platform/platform.h"

namespace frost::linux_host {

// False when there is no display to talk to.
bool EnsureGtk();

// The template built into the program; false with a reason when it is missing or malformed.
bool LoadDialogTemplate(int id, DialogTemplateData& dialog, std::string& error);

// Resource paths of the pictures a template names by number.
std::string BitmapResourcePath(const std::string& number);
std::string IconResourcePath(const std::string& number);

// The style class that carries a template's font; the font rule is added on first use.
std::string FontStyleClass(const DialogTemplateData& dialog);

// Another program's X window as the owner of `window` (realized here): GTK can only point the
// window manager at it. Returns the reference the caller drops once `window` is gone, or null
// when the id names no window or the display is not X11 (the window then has no owner).
GdkWindow* PointAtForeignOwner(GtkWidget* window, WindowHandle xWindow);

}  // namespace frost::linux_host
