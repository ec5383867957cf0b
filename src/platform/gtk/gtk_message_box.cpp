#include "platform/gtk/gtk_message_box.h"

#include <gdk/gdkx.h>
// Xlib's None would shadow MessageIcon::None.
#undef None

#include "platform/gtk/gtk_session.h"

namespace frost::linux_host {
namespace {

GtkMessageType MessageType(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error:
      return GTK_MESSAGE_ERROR;
    case MessageIcon::Exclamation:
      return GTK_MESSAGE_WARNING;
    case MessageIcon::Information:
      return GTK_MESSAGE_INFO;
    case MessageIcon::Question:
      return GTK_MESSAGE_QUESTION;
    case MessageIcon::None:
      break;
  }
  return GTK_MESSAGE_OTHER;
}

const char* IconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error:
      return "dialog-error";
    case MessageIcon::Exclamation:
      return "dialog-warning";
    case MessageIcon::Information:
      return "dialog-information";
    case MessageIcon::Question:
      return "dialog-question";
    case MessageIcon::None:
      break;
  }
  return nullptr;
}

// Current GTK leaves the message type's picture out; the box shows it as the system's own
// boxes do, since the picture tells an error from a question at a glance.
void ShowIcon(GtkWidget* box, MessageIcon icon) {
  const char* name = IconName(icon);
  if (name == nullptr) return;
  GtkWidget* image = gtk_image_new_from_icon_name(name, GTK_ICON_SIZE_DIALOG);
  gtk_widget_set_valign(image, GTK_ALIGN_START);
  gtk_widget_show(image);
  G_GNUC_BEGIN_IGNORE_DEPRECATIONS
  gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(box), image);
  G_GNUC_END_IGNORE_DEPRECATIONS
}

struct LostWindowWatch {
  GtkWidget* box;
  ::Window xWindow = 0;
  bool lost = false;
};

GdkFilterReturn ForgetLostWindow(GdkXEvent* xEvent, GdkEvent*, gpointer data) {
  auto* watch = static_cast<LostWindowWatch*>(data);
  const auto* event = static_cast<const XEvent*>(xEvent);
  if (event->type != DestroyNotify || event->xdestroywindow.window != watch->xWindow) {
    return GDK_FILTER_CONTINUE;
  }
  watch->lost = true;
  gtk_dialog_response(GTK_DIALOG(watch->box), GTK_RESPONSE_NONE);
  return GDK_FILTER_REMOVE;
}

}  // namespace

MessageAnswer ShowGtkMessageBox(const MessageBoxOwner& owner, const std::string& text,
                                const std::string& caption, MessageButtons buttons,
                                MessageIcon icon) {
  const bool yesNo = buttons == MessageButtons::YesNo;
  GtkWidget* box =
      gtk_message_dialog_new(owner.window, GTK_DIALOG_MODAL, MessageType(icon),
                             yesNo ? GTK_BUTTONS_YES_NO : GTK_BUTTONS_OK, "%s", text.c_str());
  gtk_window_set_title(GTK_WINDOW(box), caption.c_str());
  ShowIcon(box, icon);
  gtk_window_set_position(
      GTK_WINDOW(box), owner.window != nullptr ? GTK_WIN_POS_CENTER_ON_PARENT : GTK_WIN_POS_CENTER);
  gtk_dialog_set_default_response(GTK_DIALOG(box), yesNo ? GTK_RESPONSE_YES : GTK_RESPONSE_OK);
  if (yesNo) gtk_window_set_deletable(GTK_WINDOW(box), FALSE);
  if (owner.keepAbove) gtk_window_set_keep_above(GTK_WINDOW(box), TRUE);
  GdkWindow* foreign = owner.window == nullptr && owner.xWindow != 0
                           ? PointAtForeignOwner(box, owner.xWindow)
                           : nullptr;

  // Another client (a window manager, a screen locker) may destroy the box's window. GTK
  // would destroy the box under the running loop and trip over what went with the window; so
  // GDK never hears of it, the loop ends as an unshown box's would, and the requests that the
  // box's cleanup makes of the vanished window fail quietly on the X server.
  LostWindowWatch watch{box};
  GdkDisplay* display = gtk_widget_get_display(box);
  const bool onX = GDK_IS_X11_DISPLAY(display);
  if (onX) {
    gtk_widget_realize(box);
    watch.xWindow = gdk_x11_window_get_xid(gtk_widget_get_window(box));
    gdk_window_add_filter(nullptr, ForgetLostWindow, &watch);
    gdk_x11_display_error_trap_push(display);
  }

  // Escape and the window manager's close request both end a run with the delete response,
  // and leave the box on screen to wait on. A box destroyed from outside answers No.
  gint response = GTK_RESPONSE_NONE;
  do {
    response = gtk_dialog_run(GTK_DIALOG(box));
  } while (yesNo && response == GTK_RESPONSE_DELETE_EVENT && !watch.lost);
  if (onX) gdk_window_remove_filter(nullptr, ForgetLostWindow, &watch);
  gtk_widget_destroy(box);
  if (foreign != nullptr) g_object_unref(foreign);
  // Let the window system see the box go before the caller opens or closes windows of its own.
  while (gtk_events_pending()) gtk_main_iteration();
  if (onX) gdk_x11_display_error_trap_pop_ignored(display);
  if (!yesNo) return MessageAnswer::Ok;
  return response == GTK_RESPONSE_YES ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace frost::linux_host
