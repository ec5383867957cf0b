#include "shell/run_state.h"

namespace frost {

RunState g_run;

}  // namespace frost
