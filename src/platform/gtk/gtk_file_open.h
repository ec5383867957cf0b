// The MP3 file chooser of the configuration dialog, drawn by GTK.
#pragma once

#include <gtk/gtk.h>

#include <optional>
#include <string>

#include "dialog/dialog_view.h"

namespace frost::linux_host {

// GTK's file chooser, modal to `owner`, with the request's title and one filter. Only local
// files that exist can be chosen; nothing when the user cancels.
std::optional<std::string> ShowGtkFileOpen(GtkWindow* owner, const FileOpenRequest& request);

}  // namespace frost::linux_host
