// The Windows dialog templates, written as resource-script statements from the dialog tables
// that the GTK host lays its dialogs out from: one description, two hosts.
#pragma once

#include <string>

#include "dialog/dialog_template.h"

namespace frost::dialogrc {

// One DIALOG (or DIALOGEX) block. Every control is a CONTROL statement with its class and its
// whole style word spelled out, so that no resource compiler's defaults for the shorthand
// statements (which windres and Microsoft's compiler do not agree on) can change a control.
std::string ResourceDialog(const DialogTemplateData& dialog);

}  // namespace frost::dialogrc
