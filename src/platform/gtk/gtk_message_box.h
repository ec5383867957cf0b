#pragma once

#include <gtk/gtk.h>

#include <string>

#include "platform/platform.h"

namespace frost::linux_host {

// A modal message box owned by `owner`. Return answers with the first button (OK, or Yes); a
// Yes/No box closed without an answer counts as No.
MessageAnswer ShowGtkMessageBox(GtkWindow* owner, const std::string& text,
                                const std::string& caption, MessageButtons buttons,
                                MessageIcon icon);

}  // namespace frost::linux_host
