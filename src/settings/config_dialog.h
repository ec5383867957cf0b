#pragma once

#include "platform/platform.h"

namespace frost {

// Shows the configuration dialog modally for `parent` and returns when it closes.
void ShowConfigDialog(WindowHandle parent);

}  // namespace frost
