#include "dialog/dialog_dispatch.h"

namespace frost {

bool SendDialogMessage(DialogView& view, DialogProc proc, DialogMessageKind kind, int id) {
  DialogMessage message;
  message.kind = kind;
  message.id = id;
  try {
    return proc(view, message);
  } catch (...) {
    view.EndDialog(-1);
    return true;
  }
}

}  // namespace frost
