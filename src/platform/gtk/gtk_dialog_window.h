// A dialog template as a GTK window: the controls placed in pixels scaled from dialog units by
// the template's font, the keyboard behaving as in a Windows dialog (Tab in template order,
// Enter and Escape as commands), and a modal loop that runs until the procedure ends it.
#pragma once

#include <gtk/gtk.h>

#include <vector>

#include "dialog/dialog_template.h"
#include "dialog/dialog_units.h"
#include "dialog/dialog_view.h"

namespace frost::linux_host {

class GtkDialogWindow : public DialogView {
 public:
  // Owned by `owner` (one of our dialogs) or by the foreign X window `foreignParent`, or by
  // nothing when both are empty.
  GtkDialogWindow(const DialogTemplateData& dialog, DialogProc proc, GtkWindow* owner,
                  WindowHandle foreignParent);
  ~GtkDialogWindow() override;
  GtkDialogWindow(const GtkDialogWindow&) = delete;
  GtkDialogWindow& operator=(const GtkDialogWindow&) = delete;

  // Loads the template built into the program and runs it; -1, with the reason on stderr,
  // when the template is missing or broken.
  static int RunTemplate(DialogTemplate id, DialogProc proc, GtkWindow* owner,
                         WindowHandle foreignParent);

  // Initialises, shows and runs the dialog; returns the procedure's result.
  int Run();

  GtkWindow* Window() const { return GTK_WINDOW(window_); }
  const DialogBaseUnits& BaseUnits() const { return units_; }
  // The widget of a control; null when the template has none with this id.
  GtkWidget* Widget(int id) const;
  bool Ended() const { return ended_; }

  // Handles a key press as the dialog does; true when it was used up.
  bool HandleKey(guint keyval);

  void SetFocus(int id) override;
  void SetCheck(int id, bool checked) override;
  bool IsChecked(int id) override;
  void Enable(int id, bool enabled) override;
  bool IsEnabled(int id) override;
  void SetText(int id, const std::string& text) override;
  std::string Text(int id) override;
  TextEncoding Encoding() const override { return TextEncoding::Utf8; }
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
  struct Control {
    const ControlTemplate* control = nullptr;
    GtkWidget* widget = nullptr;
    int comboCount = 0;
  };

  void BuildControls(GtkWidget* fixed);
  Control* Find(int id);
  int ControlIndexOf(GtkWidget* widget) const;
  void MoveFocus(bool forward);
  bool Send(DialogMessageKind kind, int id = 0);

  static void OnClicked(GtkButton* button, gpointer self);
  static gboolean OnKeyPress(GtkWidget* widget, GdkEventKey* event, gpointer self);
  static gboolean OnDelete(GtkWidget* widget, GdkEvent* event, gpointer self);

  DialogTemplateData dialog_;
  DialogProc proc_;
  GtkWidget* window_ = nullptr;
  GdkWindow* foreignParent_ = nullptr;
  DialogBaseUnits units_;
  std::vector<Control> controls_;
  GtkWidget* focus_ = nullptr;  // where the procedure put the focus before the window showed
  GMainLoop* loop_ = nullptr;
  bool ended_ = false;
  int result_ = 0;
  // While the procedure itself changes a control, GTK's signals are not its commands.
  int applying_ = 0;
};

}  // namespace frost::linux_host
