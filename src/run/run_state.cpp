#include "run/run_state.h"

#include <cstdio>

namespace frost {

RunState g_run;

MessageAnswer TellUser(WindowHandle owner, const std::string& text, const char* caption,
                       MessageButtons buttons, MessageIcon icon) {
  if (g_run.mode != RunMode::Embedded) return Os().MessageBox(owner, text, caption, buttons, icon);
  std::fprintf(stderr, "%s: %s\n", caption, text.c_str());
  return UnshownMessageAnswer(buttons);
}

}  // namespace frost
