#include "platform/gtk/gtk_file_open.h"

#include "platform/gtk/gtk_controls.h"

namespace frost::linux_host {

std::optional<std::string> ShowGtkFileOpen(GtkWindow* owner, const FileOpenRequest& request) {
  GtkWidget* chooser = gtk_file_chooser_dialog_new(
      request.title.c_str(), owner, GTK_FILE_CHOOSER_ACTION_OPEN, "_Cancel", GTK_RESPONSE_CANCEL,
      "_Open", GTK_RESPONSE_ACCEPT, nullptr);
  gtk_window_set_modal(GTK_WINDOW(chooser), TRUE);
  gtk_file_chooser_set_local_only(GTK_FILE_CHOOSER(chooser), TRUE);
  gtk_file_chooser_set_select_multiple(GTK_FILE_CHOOSER(chooser), FALSE);
  GtkFileFilter* filter = gtk_file_filter_new();
  gtk_file_filter_set_name(filter, request.filterDescription.c_str());
  gtk_file_filter_add_pattern(filter, CaseInsensitivePattern(request.filterPattern).c_str());
  gtk_file_chooser_add_filter(GTK_FILE_CHOOSER(chooser), filter);

  std::optional<std::string> chosen;
  if (gtk_dialog_run(GTK_DIALOG(chooser)) == GTK_RESPONSE_ACCEPT) {
    if (gchar* path = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(chooser))) {
      // The open action already refuses names that do not exist; a file deleted meanwhile
      // is refused here.
      if (!request.fileMustExist || g_file_test(path, G_FILE_TEST_IS_REGULAR)) chosen = path;
      g_free(path);
    }
  }
  gtk_widget_destroy(chooser);
  return chosen;
}

}  // namespace frost::linux_host
