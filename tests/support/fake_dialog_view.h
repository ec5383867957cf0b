// A dialog without a toolkit: controls are plain records, boxes and the file dialog answer from
// scripts, and every call is logged, so a test drives a dialog procedure as a person would
// (clicks, keys, the close box) and checks what it did.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "dialog/dialog_view.h"

namespace frost::testing {

struct FakeControl {
  bool checked = false;
  bool enabled = true;
  std::string text;
  std::vector<std::string> entries;
  int selection = -1;
};

struct BoxShown {
  std::string text;
  std::string caption;
  MessageButtons buttons;
  MessageIcon icon;
};

class FakeDialogView : public DialogView {
 public:
  // `radios` are the ids of the dialog's one radio group and `checkBoxes` its check boxes, so
  // that Click() checks and unchecks them first, as the real controls do.
  explicit FakeDialogView(DialogProc proc, std::vector<int> radios = {},
                          std::set<int> checkBoxes = {});

  // What the host does.
  bool Init();
  bool Command(int id);
  bool Close();
  bool Other();
  // A click on an enabled control: radio buttons and check boxes change first, then the
  // command. False, and nothing happens, when the control is disabled.
  bool Click(int id);

  // Scripts.
  std::deque<MessageAnswer> answers;                   // Ok, or Yes, when empty
  std::deque<std::optional<std::string>> fileChoices;  // cancelled when empty

  // What happened.
  std::map<int, FakeControl> controls;
  int focus = 0;
  std::vector<BoxShown> boxes;
  std::vector<FileOpenRequest> fileRequests;
  std::vector<DialogTemplate> childDialogs;
  std::vector<DialogProc> childProcs;
  bool ended = false;
  TextEncoding encoding = TextEncoding::Utf8;
  int result = 0;
  std::vector<std::string> log;

  FakeControl& Control(int id) { return controls[id]; }

  void SetFocus(int id) override;
  void SetCheck(int id, bool checked) override;
  bool IsChecked(int id) override;
  void Enable(int id, bool enabled) override;
  bool IsEnabled(int id) override;
  void SetText(int id, const std::string& text) override;
  std::string Text(int id) override;
  TextEncoding Encoding() const override { return encoding; }
  void AddComboEntry(int id, const std::string& text) override;
  int ComboCount(int id) override;
  void SetComboSelection(int id, int index) override;
  int ComboSelection(int id) override;
  MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                           MessageButtons buttons, MessageIcon icon) override;
  std::optional<std::string> OpenFile(const FileOpenRequest& request) override;
  int RunChildDialog(DialogTemplate id, DialogProc proc) override;
  void EndDialog(int result) override;

 private:
  bool Send(DialogMessageKind kind, int id);

  DialogProc proc_;
  std::vector<int> radios_;
  std::set<int> checkBoxes_;
};

}  // namespace frost::testing
