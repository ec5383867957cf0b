// Modal dialogs as the core sees them: a dialog procedure that reacts to a few messages and
// reads and writes the dialog's controls through `DialogView`, by control id.
//
// The procedures are written once, against this interface, and every host drives them: the GTK
// windows on Linux, the dialog templates on Windows, a recording fake in the tests. Nothing here
// names a toolkit.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace frost {

// The dialog templates, by their resource numbers.
enum class DialogTemplate : int { Configuration = 101, About = 109 };

enum class DialogMessageKind {
  InitDialog,  // the controls exist, the dialog is not on screen yet
  Command,     // a control was used; `id` says which
  Close,       // the close box, or the window manager's close request
  Other
};

// What a `DialogProc` receives. The procedure returns what a Win32 dialog procedure returns;
// each one documents its values.
struct DialogMessage {
  DialogMessageKind kind = DialogMessageKind::Other;
  int id = 0;
};

// The ids every dialog receives for the two keys, whether or not it has such controls: Enter
// while no push button has the focus sends the default button's id (1 unless the template
// names another), Escape always sends 2.
inline constexpr int kEnterCommand = 1;
inline constexpr int kEscapeCommand = 2;

struct FileOpenRequest {
  std::string title;
  std::string filterDescription;  // what the user reads, "MP3 files (*.mp3)"
  std::string filterPattern;      // "*.mp3", matched without regard to case
  // Room for the path and its terminator; the caller takes a longer choice as a failed one.
  std::size_t bufferSize = 256;
  bool fileMustExist = true;
};

// How the host's controls hand over text: UTF-8 (GTK), or the system's one-byte code page
// (Windows' ANSI calls), where every byte is a whole character.
enum class TextEncoding { Utf8, SingleByte };

class DialogView {
 public:
  virtual ~DialogView() = default;

  virtual void SetFocus(int id) = 0;
  virtual void SetCheck(int id, bool checked) = 0;
  virtual bool IsChecked(int id) = 0;
  virtual void Enable(int id, bool enabled) = 0;
  virtual bool IsEnabled(int id) = 0;
  virtual void SetText(int id, const std::string& text) = 0;
  virtual std::string Text(int id) = 0;
  virtual TextEncoding Encoding() const = 0;

  // Combo boxes keep their entries in the order they were added.
  virtual void AddComboEntry(int id, const std::string& text) = 0;
  virtual int ComboCount(int id) = 0;
  // An index outside the entries leaves nothing selected.
  virtual void SetComboSelection(int id, int index) = 0;
  // -1 when nothing is selected.
  virtual int ComboSelection(int id) = 0;

  // Modal boxes and dialogs owned by this dialog.
  virtual MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                                   MessageButtons buttons, MessageIcon icon) = 0;
  // The chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> OpenFile(const FileOpenRequest& request) = 0;
  virtual int RunChildDialog(DialogTemplate id, DialogProc proc) = 0;

  // Closes the dialog once the current message is handled; its host returns `result`.
  virtual void EndDialog(int result) = 0;
};

}  // namespace frost
