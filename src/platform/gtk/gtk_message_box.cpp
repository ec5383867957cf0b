#include "platform/gtk/gtk_message_box.h"

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

}  // namespace

MessageAnswer ShowGtkMessageBox(GtkWindow* owner, const std::string& text,
                                const std::string& caption, MessageButtons buttons,
                                MessageIcon icon) {
  const bool yesNo = buttons == MessageButtons::YesNo;
  GtkWidget* box =
      gtk_message_dialog_new(owner, GTK_DIALOG_MODAL, MessageType(icon),
                             yesNo ? GTK_BUTTONS_YES_NO : GTK_BUTTONS_OK, "%s", text.c_str());
  gtk_window_set_title(GTK_WINDOW(box), caption.c_str());
  gtk_window_set_position(GTK_WINDOW(box),
                          owner != nullptr ? GTK_WIN_POS_CENTER_ON_PARENT : GTK_WIN_POS_CENTER);
  gtk_dialog_set_default_response(GTK_DIALOG(box), yesNo ? GTK_RESPONSE_YES : GTK_RESPONSE_OK);
  const gint response = gtk_dialog_run(GTK_DIALOG(box));
  gtk_widget_destroy(box);
  if (!yesNo) return MessageAnswer::Ok;
  return response == GTK_RESPONSE_YES ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace frost::linux_host
