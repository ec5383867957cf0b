// How every host hands a message to a dialog's procedure. The hosts call it from their
// toolkit's C callbacks (GTK signals, the Win32 dialog manager), which no exception may cross.
#pragma once

#include "dialog/dialog_view.h"

namespace frost {

// Sends one message to `proc` for `view` and returns what the procedure returned. A procedure
// that throws ends its dialog as one that could not be shown (-1), and the message counts as
// handled.
bool SendDialogMessage(DialogView& view, DialogProc proc, DialogMessageKind kind, int id);

}  // namespace frost
