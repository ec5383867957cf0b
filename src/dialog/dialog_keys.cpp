#include "dialog/dialog_keys.h"

#include "dialog/dialog_view.h"

namespace frost {

int EnterCommandId(const DialogTemplateData& dialog) {
  for (const ControlTemplate& control : dialog.controls) {
    if (control.kind == ControlKind::DefPushButton && control.id != kNoControlId) {
      return control.id;
    }
  }
  return kEnterCommand;
}

bool EnterPresses(ControlKind kind) {
  return kind == ControlKind::DefPushButton || kind == ControlKind::PushButton ||
         kind == ControlKind::OwnerDrawButton;
}

int NextTabStop(const std::vector<bool>& available, int current, bool forward) {
  const int count = static_cast<int>(available.size());
  if (count == 0) return -1;
  if (current < 0 || current >= count) current = forward ? -1 : count;
  for (int step = 1; step <= count; ++step) {
    const int candidate = ((current + (forward ? step : -step)) % count + count) % count;
    if (available[candidate]) return candidate;
  }
  return -1;
}

}  // namespace frost
