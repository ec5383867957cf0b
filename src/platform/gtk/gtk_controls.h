// One GTK widget for each kind of template control.
#pragma once

#include <gtk/gtk.h>

#include "dialog/dialog_template.h"
#include "dialog/dialog_units.h"

namespace frost::linux_host {

// A new widget for the control, sized to `place`; a radio button joins `radioGroup` when it
// is given. Null for a picture whose resource is missing.
GtkWidget* CreateControlWidget(const ControlTemplate& control, const PixelRect& place,
                               GtkRadioButton* radioGroup);

// Radio buttons and check boxes: the controls with a check mark.
bool IsToggle(const ControlTemplate& control);

// "*.mp3" as a pattern that ignores case ("*.[mM][pP]3"), as the Windows filter does; GTK3's
// own patterns are case-sensitive.
std::string CaseInsensitivePattern(const std::string& pattern);

}  // namespace frost::linux_host
