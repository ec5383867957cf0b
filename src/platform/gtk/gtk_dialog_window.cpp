#include "platform/gtk/gtk_dialog_window.h"

#include <gdk/gdkkeysyms.h>

#include <cstdio>

#include "dialog/dialog_dispatch.h"
#include "dialog/dialog_keys.h"
#include "platform/gtk/gtk_controls.h"
#include "platform/gtk/gtk_file_open.h"
#include "platform/gtk/gtk_message_box.h"
#include "platform/gtk/gtk_session.h"

namespace frost::linux_host {
namespace {

constexpr const char* kControlIdKey = "frost-control-id";

// Counts a change the procedure makes, so that GTK's echo of it is not taken for the user's.
class Applying {
 public:
  explicit Applying(int& depth) : depth_(depth) { ++depth_; }
  ~Applying() { --depth_; }
  Applying(const Applying&) = delete;
  Applying& operator=(const Applying&) = delete;

 private:
  int& depth_;
};

DialogBaseUnits MeasureBaseUnits(GtkWidget* window) {
  PangoLayout* layout = gtk_widget_create_pango_layout(window, kBaseUnitSample);
  int width = 0;
  int height = 0;
  pango_layout_get_pixel_size(layout, &width, &height);
  g_object_unref(layout);
  return BaseUnitsFromFont(width, height);
}

void FindFocusable(GtkWidget* widget, gpointer found) {
  auto* result = static_cast<GtkWidget**>(found);
  if (*result != nullptr) return;
  if (gtk_widget_get_can_focus(widget)) {
    *result = widget;
  } else if (GTK_IS_CONTAINER(widget)) {
    gtk_container_forall(GTK_CONTAINER(widget), FindFocusable, found);
  }
}

// The widget that takes the keyboard for a control: a drop-down list takes it on a button
// inside, which GTK does not focus when asked to focus the list itself.
GtkWidget* FocusTarget(GtkWidget* control) {
  GtkWidget* target = nullptr;
  FindFocusable(control, &target);
  return target != nullptr ? target : control;
}

}  // namespace

GtkDialogWindow::GtkDialogWindow(const DialogTemplateData& dialog, DialogProc proc,
                                 GtkWindow* owner, WindowHandle foreignParent)
    : dialog_(dialog), proc_(proc) {
  window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_title(GTK_WINDOW(window_), dialog_.caption.c_str());
  gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
  gtk_window_set_modal(GTK_WINDOW(window_), TRUE);
  gtk_window_set_type_hint(GTK_WINDOW(window_), GDK_WINDOW_TYPE_HINT_DIALOG);
  GtkStyleContext* style = gtk_widget_get_style_context(window_);
  gtk_style_context_add_class(style, "frost-dialog");
  gtk_style_context_add_class(style, FontStyleClass(dialog_).c_str());
  if (owner != nullptr) {
    gtk_window_set_transient_for(GTK_WINDOW(window_), owner);
    gtk_window_set_position(GTK_WINDOW(window_), GTK_WIN_POS_CENTER_ON_PARENT);
  } else {
    gtk_window_set_position(GTK_WINDOW(window_), GTK_WIN_POS_CENTER);
  }

  units_ = MeasureBaseUnits(window_);
  GtkWidget* fixed = gtk_fixed_new();
  const PixelRect client = ToPixels(dialog_.rect, units_);
  gtk_widget_set_size_request(fixed, client.width, client.height);
  gtk_container_add(GTK_CONTAINER(window_), fixed);
  BuildControls(fixed);
  gtk_widget_show_all(fixed);

  g_signal_connect(window_, "key-press-event", G_CALLBACK(OnKeyPress), this);
  g_signal_connect(window_, "delete-event", G_CALLBACK(OnDelete), this);

  if (foreignParent != 0) foreignParent_ = PointAtForeignOwner(window_, foreignParent);
}

GtkDialogWindow::~GtkDialogWindow() {
  gtk_widget_destroy(window_);
  if (foreignParent_ != nullptr) g_object_unref(foreignParent_);
}

void GtkDialogWindow::BuildControls(GtkWidget* fixed) {
  controls_.reserve(dialog_.controls.size());
  GtkRadioButton* radioGroup = nullptr;
  for (const ControlTemplate& control : dialog_.controls) {
    const bool radio = control.kind == ControlKind::AutoRadioButton;
    if (!radio || control.group) radioGroup = nullptr;
    Control entry;
    entry.control = &control;
    if (Reachable(control.rect, dialog_.rect)) {
      const PixelRect place = ToPixels(control.rect, units_);
      entry.widget = CreateControlWidget(control, place, radioGroup);
      if (entry.widget != nullptr) {
        g_object_set_data(G_OBJECT(entry.widget), kControlIdKey, GINT_TO_POINTER(control.id));
        if (GTK_IS_BUTTON(entry.widget)) {
          g_signal_connect(entry.widget, "clicked", G_CALLBACK(OnClicked), this);
        }
        gtk_fixed_put(GTK_FIXED(fixed), entry.widget, place.x, place.y);
      }
    }
    radioGroup = radio && entry.widget != nullptr ? GTK_RADIO_BUTTON(entry.widget) : nullptr;
    controls_.push_back(entry);
  }
}

int GtkDialogWindow::RunTemplate(DialogTemplate id, DialogProc proc, GtkWindow* owner,
                                 WindowHandle foreignParent) {
  DialogTemplateData dialog;
  std::string error;
  if (!LoadDialogTemplate(static_cast<int>(id), dialog, error)) {
    std::fprintf(stderr, "frostmote: %s\n", error.c_str());
    return -1;
  }
  GtkDialogWindow window(dialog, proc, owner, foreignParent);
  return window.Run();
}

int GtkDialogWindow::Run() {
  const bool defaultFocus = Send(DialogMessageKind::InitDialog);
  if (ended_) return result_;
  if (defaultFocus) {
    focus_ = nullptr;
    MoveFocus(true);
  }
  gtk_widget_show(window_);
  gtk_window_present(GTK_WINDOW(window_));
  // GTK picks a focus of its own when a window appears; the dialog's choice stands, including
  // no focus at all.
  gtk_window_set_focus(GTK_WINDOW(window_), focus_);
  if (!ended_) {
    loop_ = g_main_loop_new(nullptr, FALSE);
    g_main_loop_run(loop_);
    g_main_loop_unref(loop_);
    loop_ = nullptr;
  }
  gtk_widget_hide(window_);
  return result_;
}

GtkWidget* GtkDialogWindow::Widget(int id) const {
  for (const Control& entry : controls_) {
    if (entry.control->id == id && id != kNoControlId) return entry.widget;
  }
  return nullptr;
}

GtkDialogWindow::Control* GtkDialogWindow::Find(int id) {
  for (Control& entry : controls_) {
    if (entry.control->id == id && id != kNoControlId && entry.widget != nullptr) return &entry;
  }
  return nullptr;
}

int GtkDialogWindow::ControlIndexOf(GtkWidget* widget) const {
  for (; widget != nullptr; widget = gtk_widget_get_parent(widget)) {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
      if (controls_[i].widget == widget) return static_cast<int>(i);
    }
  }
  return -1;
}

void GtkDialogWindow::MoveFocus(bool forward) {
  std::vector<bool> available;
  available.reserve(controls_.size());
  for (const Control& entry : controls_) {
    available.push_back(entry.widget != nullptr && entry.control->tabStop &&
                        gtk_widget_get_visible(entry.widget) &&
                        gtk_widget_get_sensitive(entry.widget));
  }
  const int current = ControlIndexOf(gtk_window_get_focus(GTK_WINDOW(window_)));
  // A control GTK will not focus after all is passed over, as a disabled one is.
  for (int next = NextTabStop(available, current, forward); next >= 0;
       next = NextTabStop(available, next, forward)) {
    GtkWidget* target = FocusTarget(controls_[next].widget);
    gtk_widget_grab_focus(target);
    if (gtk_window_get_focus(GTK_WINDOW(window_)) == target) {
      focus_ = target;
      return;
    }
    available[next] = false;
  }
}

bool GtkDialogWindow::HandleKey(guint keyval) {
  switch (keyval) {
    case GDK_KEY_Escape:
      Send(DialogMessageKind::Command, kEscapeCommand);
      return true;
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter:
    case GDK_KEY_ISO_Enter: {
      const int index = ControlIndexOf(gtk_window_get_focus(GTK_WINDOW(window_)));
      // A focused push button takes Enter itself, as a click.
      if (index >= 0 && EnterPresses(controls_[index].control->kind)) return false;
      Send(DialogMessageKind::Command, EnterCommandId(dialog_));
      return true;
    }
    case GDK_KEY_Tab:
    case GDK_KEY_KP_Tab:
      MoveFocus(true);
      return true;
    case GDK_KEY_ISO_Left_Tab:
      MoveFocus(false);
      return true;
    default:
      return false;
  }
}

bool GtkDialogWindow::Send(DialogMessageKind kind, int id) {
  if (ended_) return false;
  return SendDialogMessage(*this, proc_, kind, id);
}

void GtkDialogWindow::OnClicked(GtkButton* button, gpointer self) {
  auto* dialog = static_cast<GtkDialogWindow*>(self);
  if (dialog->applying_ > 0) return;
  // A radio button that was just unchecked by its neighbour is clicked too, by GTK; only the
  // one the user chose sends its command.
  if (GTK_IS_RADIO_BUTTON(button) && !gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(button))) {
    return;
  }
  const int id = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), kControlIdKey));
  dialog->Send(DialogMessageKind::Command, id);
}

gboolean GtkDialogWindow::OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer self) {
  return static_cast<GtkDialogWindow*>(self)->HandleKey(event->keyval) ? TRUE : FALSE;
}

gboolean GtkDialogWindow::OnDelete(GtkWidget*, GdkEvent*, gpointer self) {
  // The procedure decides; the window goes when it ends the dialog.
  static_cast<GtkDialogWindow*>(self)->Send(DialogMessageKind::Close);
  return TRUE;
}

void GtkDialogWindow::SetFocus(int id) {
  if (Control* entry = Find(id)) {
    focus_ = FocusTarget(entry->widget);
    gtk_widget_grab_focus(focus_);
  }
}

void GtkDialogWindow::SetCheck(int id, bool checked) {
  Control* entry = Find(id);
  if (entry == nullptr || !IsToggle(*entry->control)) return;
  Applying applying(applying_);
  gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(entry->widget), checked ? TRUE : FALSE);
}

bool GtkDialogWindow::IsChecked(int id) {
  Control* entry = Find(id);
  return entry != nullptr && IsToggle(*entry->control) &&
         gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(entry->widget));
}

void GtkDialogWindow::Enable(int id, bool enabled) {
  if (Control* entry = Find(id)) gtk_widget_set_sensitive(entry->widget, enabled ? TRUE : FALSE);
}

bool GtkDialogWindow::IsEnabled(int id) {
  Control* entry = Find(id);
  return entry != nullptr && gtk_widget_get_sensitive(entry->widget);
}

void GtkDialogWindow::SetText(int id, const std::string& text) {
  Control* entry = Find(id);
  if (entry == nullptr) return;
  // The file may hold bytes that are not UTF-8; GTK would refuse the whole text.
  gchar* valid = g_utf8_make_valid(text.c_str(), static_cast<gssize>(text.size()));
  Applying applying(applying_);
  GtkWidget* widget = entry->widget;
  if (GTK_IS_ENTRY(widget)) {
    gtk_entry_set_text(GTK_ENTRY(widget), valid);
  } else if (GTK_IS_BUTTON(widget)) {
    gtk_button_set_label(GTK_BUTTON(widget), valid);
  } else if (GTK_IS_LABEL(widget)) {
    gtk_label_set_text(GTK_LABEL(widget), valid);
  } else if (GTK_IS_FRAME(widget)) {
    gtk_frame_set_label(GTK_FRAME(widget), valid);
  }
  g_free(valid);
}

std::string GtkDialogWindow::Text(int id) {
  Control* entry = Find(id);
  if (entry == nullptr) return {};
  GtkWidget* widget = entry->widget;
  const gchar* text = nullptr;
  if (GTK_IS_ENTRY(widget)) {
    text = gtk_entry_get_text(GTK_ENTRY(widget));
  } else if (GTK_IS_BUTTON(widget)) {
    text = gtk_button_get_label(GTK_BUTTON(widget));
  } else if (GTK_IS_LABEL(widget)) {
    text = gtk_label_get_text(GTK_LABEL(widget));
  } else if (GTK_IS_FRAME(widget)) {
    text = gtk_frame_get_label(GTK_FRAME(widget));
  }
  return text != nullptr ? text : "";
}

void GtkDialogWindow::AddComboEntry(int id, const std::string& text) {
  Control* entry = Find(id);
  if (entry == nullptr || !GTK_IS_COMBO_BOX_TEXT(entry->widget)) return;
  gchar* valid = g_utf8_make_valid(text.c_str(), static_cast<gssize>(text.size()));
  gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(entry->widget), valid);
  g_free(valid);
  ++entry->comboCount;
}

int GtkDialogWindow::ComboCount(int id) {
  Control* entry = Find(id);
  return entry != nullptr ? entry->comboCount : 0;
}

void GtkDialogWindow::SetComboSelection(int id, int index) {
  Control* entry = Find(id);
  if (entry == nullptr || !GTK_IS_COMBO_BOX(entry->widget)) return;
  Applying applying(applying_);
  const bool inside = index >= 0 && index < entry->comboCount;
  gtk_combo_box_set_active(GTK_COMBO_BOX(entry->widget), inside ? index : -1);
}

int GtkDialogWindow::ComboSelection(int id) {
  Control* entry = Find(id);
  if (entry == nullptr || !GTK_IS_COMBO_BOX(entry->widget)) return -1;
  return gtk_combo_box_get_active(GTK_COMBO_BOX(entry->widget));
}

MessageAnswer GtkDialogWindow::MessageBox(const std::string& text, const std::string& caption,
                                          MessageButtons buttons, MessageIcon icon) {
  MessageBoxOwner owner;
  owner.window = GTK_WINDOW(window_);
  return ShowGtkMessageBox(owner, text, caption, buttons, icon);
}

std::optional<std::string> GtkDialogWindow::OpenFile(const FileOpenRequest& request) {
  return ShowGtkFileOpen(GTK_WINDOW(window_), request);
}

int GtkDialogWindow::RunChildDialog(DialogTemplate id, DialogProc proc) {
  return RunTemplate(id, proc, GTK_WINDOW(window_), 0);
}

void GtkDialogWindow::EndDialog(int result) {
  ended_ = true;
  result_ = result;
  if (loop_ != nullptr) g_main_loop_quit(loop_);
}

}  // namespace frost::linux_host
