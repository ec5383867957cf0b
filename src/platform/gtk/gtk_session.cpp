#include "platform/gtk/gtk_session.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <map>
#include <utility>

// Generated C, declared without C linkage of its own; GLib first, under its own guards.
#include <gio/gio.h>
extern "C" {
#include "frost_dialog_resources.h"
}

namespace frost::linux_host {
namespace {

constexpr const char* kResourceRoot = "/org/frostmote/";

std::string ResourceText(const std::string& path, std::string& error) {
  GError* failure = nullptr;
  GBytes* bytes = g_resources_lookup_data(path.c_str(), G_RESOURCE_LOOKUP_FLAGS_NONE, &failure);
  if (bytes == nullptr) {
    error = path + ": " + (failure != nullptr ? failure->message : "missing");
    if (failure != nullptr) g_error_free(failure);
    return {};
  }
  gsize size = 0;
  const auto* data = static_cast<const char*>(g_bytes_get_data(bytes, &size));
  std::string text(data, size);
  g_bytes_unref(bytes);
  return text;
}

void AddStyleSheet(const std::string& css) {
  GtkCssProvider* provider = gtk_css_provider_new();
  gtk_css_provider_load_from_data(provider, css.c_str(), static_cast<gssize>(css.size()), nullptr);
  gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(provider);
}

std::string CssString(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted.push_back('\\');
    if (c != '\n') quoted.push_back(c);
  }
  return quoted + "\"";
}

}  // namespace

bool EnsureGtk() {
  static int state = 0;  // 0 not tried, 1 running, -1 failed
  if (state != 0) return state > 0;
  // Only X11 knows the window ids the command line carries.
  gdk_set_allowed_backends("x11");
  if (!gtk_init_check(nullptr, nullptr)) {
    state = -1;
    return false;
  }
  frost_dialog_resources_register_resource();
  std::string error;
  const std::string css = ResourceText(std::string(kResourceRoot) + "dialogs/dialogs.css", error);
  if (!css.empty()) AddStyleSheet(css);
  state = 1;
  return true;
}

bool LoadDialogTemplate(int id, DialogTemplateData& dialog, std::string& error) {
  const std::string path = std::string(kResourceRoot) + "dialogs/" + std::to_string(id) + ".dialog";
  const std::string text = ResourceText(path, error);
  if (!error.empty()) return false;
  if (!ParseDialogTemplate(text, dialog, error)) {
    error = path + ", " + error;
    return false;
  }
  if (dialog.id != id) {
    error = path + " holds dialog " + std::to_string(dialog.id);
    return false;
  }
  return true;
}

std::string BitmapResourcePath(const std::string& number) {
  return std::string(kResourceRoot) + "images/bitmap" + number + ".bmp";
}

std::string IconResourcePath(const std::string& number) {
  return std::string(kResourceRoot) + "images/icon" + number + ".ico";
}

std::string FontStyleClass(const DialogTemplateData& dialog) {
  static std::map<std::pair<std::string, int>, std::string> classes;
  const auto key = std::make_pair(dialog.fontName, dialog.fontPoints);
  const auto found = classes.find(key);
  if (found != classes.end()) return found->second;
  const std::string name = "frost-font-" + std::to_string(classes.size());
  // The template's face where the system has it, else the desktop's sans-serif face, at the
  // template's size: the dialog units are measured in this font.
  AddStyleSheet("." + name + ", ." + name + " * { font-family: " + CssString(dialog.fontName) +
                ", sans-serif; font-size: " + std::to_string(dialog.fontPoints) + "pt; }");
  classes.emplace(key, name);
  return name;
}

GdkWindow* PointAtForeignOwner(GtkWidget* window, WindowHandle xWindow) {
  gtk_widget_realize(window);
  GdkDisplay* display = gtk_widget_get_display(window);
  if (!GDK_IS_X11_DISPLAY(display)) return nullptr;
  GdkWindow* owner = gdk_x11_window_foreign_new_for_display(display, xWindow);
  if (owner != nullptr) gdk_window_set_transient_for(gtk_widget_get_window(window), owner);
  return owner;
}

}  // namespace frost::linux_host
