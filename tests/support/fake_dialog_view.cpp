#include "support/fake_dialog_view.h"

#include <algorithm>
#include <utility>

namespace frost::testing {

FakeDialogView::FakeDialogView(DialogProc proc, std::vector<int> radios, std::set<int> checkBoxes)
    : proc_(proc), radios_(std::move(radios)), checkBoxes_(std::move(checkBoxes)) {}

bool FakeDialogView::Send(DialogMessageKind kind, int id) {
  DialogMessage message;
  message.kind = kind;
  message.id = id;
  return proc_(*this, message);
}

bool FakeDialogView::Init() {
  return Send(DialogMessageKind::InitDialog, 0);
}

bool FakeDialogView::Command(int id) {
  return Send(DialogMessageKind::Command, id);
}

bool FakeDialogView::Close() {
  return Send(DialogMessageKind::Close, 0);
}

bool FakeDialogView::Other() {
  return Send(DialogMessageKind::Other, 0);
}

bool FakeDialogView::Click(int id) {
  if (!controls[id].enabled) return false;
  if (std::find(radios_.begin(), radios_.end(), id) != radios_.end()) {
    for (int radio : radios_) controls[radio].checked = radio == id;
  } else if (checkBoxes_.count(id) != 0) {
    controls[id].checked = !controls[id].checked;
  }
  Command(id);
  return true;
}

void FakeDialogView::SetFocus(int id) {
  log.push_back("SetFocus " + std::to_string(id));
  focus = id;
}

void FakeDialogView::SetCheck(int id, bool checked) {
  log.push_back("SetCheck " + std::to_string(id) + (checked ? " on" : " off"));
  controls[id].checked = checked;
}

bool FakeDialogView::IsChecked(int id) {
  return controls[id].checked;
}

void FakeDialogView::Enable(int id, bool enabled) {
  log.push_back("Enable " + std::to_string(id) + (enabled ? " on" : " off"));
  controls[id].enabled = enabled;
}

bool FakeDialogView::IsEnabled(int id) {
  return controls[id].enabled;
}

void FakeDialogView::SetText(int id, const std::string& text) {
  log.push_back("SetText " + std::to_string(id));
  controls[id].text = text;
}

std::string FakeDialogView::Text(int id) {
  return controls[id].text;
}

void FakeDialogView::AddComboEntry(int id, const std::string& text) {
  log.push_back("AddComboEntry " + std::to_string(id));
  controls[id].entries.push_back(text);
}

int FakeDialogView::ComboCount(int id) {
  return static_cast<int>(controls[id].entries.size());
}

void FakeDialogView::SetComboSelection(int id, int index) {
  log.push_back("SetComboSelection " + std::to_string(id) + " " + std::to_string(index));
  FakeControl& control = controls[id];
  const bool inside = index >= 0 && index < static_cast<int>(control.entries.size());
  control.selection = inside ? index : -1;
}

int FakeDialogView::ComboSelection(int id) {
  return controls[id].selection;
}

MessageAnswer FakeDialogView::MessageBox(const std::string& text, const std::string& caption,
                                         MessageButtons buttons, MessageIcon icon) {
  log.push_back("MessageBox " + caption);
  boxes.push_back({text, caption, buttons, icon});
  if (!answers.empty()) {
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

std::optional<std::string> FakeDialogView::OpenFile(const FileOpenRequest& request) {
  log.push_back("OpenFile");
  fileRequests.push_back(request);
  if (fileChoices.empty()) return std::nullopt;
  std::optional<std::string> choice = fileChoices.front();
  fileChoices.pop_front();
  return choice;
}

int FakeDialogView::RunChildDialog(DialogTemplate id, DialogProc proc) {
  log.push_back("RunChildDialog " + std::to_string(static_cast<int>(id)));
  childDialogs.push_back(id);
  childProcs.push_back(proc);
  return 1;
}

void FakeDialogView::EndDialog(int value) {
  log.push_back("EndDialog " + std::to_string(value));
  ended = true;
  result = value;
}

}  // namespace frost::testing
