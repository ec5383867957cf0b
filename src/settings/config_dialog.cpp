#include "settings/config_dialog.h"

#include <cstdio>

namespace frost {

// The dialog itself is not part of this build yet; say so instead of pretending it ran.
void ShowConfigDialog(WindowHandle) {
  std::fputs("frostmote: the configuration dialog is not available in this build\n", stderr);
}

}  // namespace frost
