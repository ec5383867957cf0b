// How the keyboard moves through a dialog and what Enter and Escape send, the same on every
// host: Tab follows template order, Enter presses the focused push button or else the default
// one, Escape always sends its own id.
#pragma once

#include <vector>

#include "dialog/dialog_template.h"

namespace frost {

// The id Enter sends while no push button has the focus: the template's default push button,
// else kEnterCommand.
int EnterCommandId(const DialogTemplateData& dialog);

// Whether Enter on this control presses it (a push button) rather than the default button.
bool EnterPresses(ControlKind kind);

// The next control Tab (forward) or Shift-Tab moves to, among those whose `available` entry is
// true (tab stops that can take the focus now), in template order and wrapping around; from
// `current` = -1 (nothing focused) forward goes to the first. -1 when none is available.
int NextTabStop(const std::vector<bool>& available, int current, bool forward);

}  // namespace frost
