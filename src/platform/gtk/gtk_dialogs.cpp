#include "platform/gtk/gtk_dialogs.h"

#include <glib-unix.h>
#include <gtk/gtk.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "platform/gtk/gtk_dialog_window.h"
#include "platform/gtk/gtk_message_box.h"
#include "platform/gtk/gtk_session.h"

namespace frost::linux_host {

namespace {

// SDL, started to list the display modes, turns these signals into quit events that only a
// saver window would read; while a dialog is up they end the program as Cancel would, without
// saving.
gboolean EndWithoutSaving(gpointer) {
  std::exit(0);
}

// While a dialog or a message box waits, a termination signal ends the program as Cancel or
// the box's unshown answer would; once it is gone the signals go back to their handlers before it,
// SDL's among them, which turn them into the saver's quit events.
class SignalsEndTheProgram {
 public:
  SignalsEndTheProgram() {
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
      sigaction(kSignals[i], nullptr, &before_[i]);
      sources_[i] = g_unix_signal_add(kSignals[i], EndWithoutSaving, nullptr);
    }
  }
  ~SignalsEndTheProgram() {
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
      g_source_remove(sources_[i]);
      sigaction(kSignals[i], &before_[i], nullptr);
    }
  }
  SignalsEndTheProgram(const SignalsEndTheProgram&) = delete;
  SignalsEndTheProgram& operator=(const SignalsEndTheProgram&) = delete;

 private:
  static constexpr std::array<int, 3> kSignals{SIGTERM, SIGINT, SIGHUP};
  std::array<struct sigaction, 3> before_{};
  std::array<guint, 3> sources_{};
};

}  // namespace

int RunGtkDialog(DialogTemplate id, WindowHandle parent, DialogProc proc) {
  if (!EnsureGtk()) {
    std::fputs("frostmote: cannot show the dialog: no X display\n", stderr);
    return -1;
  }
  const SignalsEndTheProgram signals;
  return GtkDialogWindow::RunTemplate(id, proc, nullptr, parent);
}

bool ShowMessageBoxWithGtk(WindowHandle owner, const std::string& text, const std::string& caption,
                           MessageButtons buttons, MessageIcon icon, MessageAnswer& answer) {
  if (!EnsureGtk()) return false;
  MessageBoxOwner boxOwner;
  boxOwner.xWindow = owner;
  boxOwner.keepAbove = true;
  const SignalsEndTheProgram signals;
  answer = ShowGtkMessageBox(boxOwner, text, caption, buttons, icon);
  return true;
}

bool ShowNoXServerBoxWithGtk(const std::string& text, const std::string& caption) {
  // This box names no X window, so the Wayland display that the session itself runs on will do.
  gdk_set_allowed_backends("wayland");
  if (!gtk_init_check(nullptr, nullptr)) return false;
  const SignalsEndTheProgram signals;
  ShowGtkMessageBox({}, text, caption, MessageButtons::Ok, MessageIcon::Error);
  return true;
}

void OpenWebAddressWithGtk(const std::string& address) {
  if (!EnsureGtk()) return;
  GError* error = nullptr;
  // No owner window, as the browser is a program of its own.
  if (!gtk_show_uri_on_window(nullptr, address.c_str(), GDK_CURRENT_TIME, &error)) {
    g_error_free(error);
  }
}

}  // namespace frost::linux_host
