// The GTK dialogs on the shared test X server: controls placed from the templates' dialog
// units, the keyboard behaving as the procedures expect, only the user's own clicks reaching
// the procedure, the pictures, and the modal loop; and the message boxes.
#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>
#include <gtk/gtk.h>
// After GoogleTest, whose names Xlib's macros would take.
#include <gdk/gdkx.h>
#undef None
#undef Bool

#include <vector>

#include "dialog/dialog_units.h"
#include "platform/gtk/gtk_controls.h"
#include "platform/gtk/gtk_dialog_window.h"
#include "platform/gtk/gtk_message_box.h"
#include "platform/gtk/gtk_session.h"
#include "settings/about_dialog.h"
#include "settings/config_dialog.h"

namespace frost::linux_host {
namespace {

using namespace ConfigControl;

std::vector<DialogMessage>& Received() {
  static std::vector<DialogMessage> received;
  return received;
}

// Records every message; InitDialog answers true, Close ends the dialog with 7.
bool Recorder(DialogView& dialog, const DialogMessage& message) {
  Received().push_back(message);
  if (message.kind == DialogMessageKind::Close) dialog.EndDialog(7);
  return message.kind == DialogMessageKind::InitDialog;
}

bool EndAtOnce(DialogView& dialog, const DialogMessage& message) {
  if (message.kind == DialogMessageKind::InitDialog) dialog.EndDialog(3);
  return false;
}

std::vector<int> Commands() {
  std::vector<int> ids;
  for (const DialogMessage& message : Received()) {
    if (message.kind == DialogMessageKind::Command) ids.push_back(message.id);
  }
  return ids;
}

void Settle() {
  for (int i = 0; i < 50; ++i) {
    while (gtk_events_pending()) gtk_main_iteration();
    g_usleep(2000);
  }
}

DialogTemplateData Template(DialogTemplate id) {
  DialogTemplateData dialog;
  std::string error;
  EXPECT_TRUE(LoadDialogTemplate(static_cast<int>(id), dialog, error)) << error;
  return dialog;
}

class GtkDialogTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(EnsureGtk()) << "no X display"; }
  void SetUp() override { Received().clear(); }

  // The configuration dialog on screen, driven by the recorder.
  struct Shown {
    explicit Shown(DialogTemplate id, DialogProc proc = Recorder)
        : data(Template(id)), window(data, proc, nullptr, 0) {
      gtk_widget_show(GTK_WIDGET(window.Window()));
      Settle();
    }
    DialogTemplateData data;
    GtkDialogWindow window;
  };

  static int FocusedId(GtkDialogWindow& window, const DialogTemplateData& data) {
    GtkWidget* focus = gtk_window_get_focus(window.Window());
    for (const ControlTemplate& control : data.controls) {
      GtkWidget* widget = window.Widget(control.id);
      if (widget != nullptr && focus != nullptr &&
          (focus == widget || gtk_widget_is_ancestor(focus, widget))) {
        return control.id;
      }
    }
    return 0;
  }
};

TEST_F(GtkDialogTest, ControlsSitWhereTheirDialogUnitsSay) {
  Shown shown(DialogTemplate::Configuration);
  const DialogBaseUnits units = shown.window.BaseUnits();
  EXPECT_GT(units.x, 3);
  EXPECT_GT(units.y, 8);
  GtkWidget* content = gtk_bin_get_child(GTK_BIN(shown.window.Window()));
  const PixelRect client = ToPixels(shown.data.rect, units);
  EXPECT_EQ(gtk_widget_get_allocated_width(content), client.width);
  EXPECT_EQ(gtk_widget_get_allocated_height(content), client.height);

  for (const ControlTemplate& control : shown.data.controls) {
    if (control.id == kNoControlId) continue;
    GtkWidget* widget = shown.window.Widget(control.id);
    if (!Reachable(control.rect, shown.data.rect)) {
      EXPECT_EQ(widget, nullptr) << control.id << " lies outside and is not made";
      continue;
    }
    ASSERT_NE(widget, nullptr) << control.id;
    const PixelRect place = ToPixels(control.rect, units);
    int x = 0;
    int y = 0;
    ASSERT_TRUE(gtk_widget_translate_coordinates(widget, content, 0, 0, &x, &y));
    EXPECT_EQ(x, place.x) << control.id;
    EXPECT_EQ(y, place.y) << control.id;
    EXPECT_EQ(gtk_widget_get_allocated_width(widget), place.width) << control.id;
    if (control.kind == ControlKind::PushButton || control.kind == ControlKind::EditText) {
      EXPECT_EQ(gtk_widget_get_allocated_height(widget), place.height) << control.id;
    }
  }
  EXPECT_STREQ(gtk_window_get_title(shown.window.Window()), "Frostmote Configuration");
  EXPECT_TRUE(gtk_window_get_modal(shown.window.Window()));
}

TEST_F(GtkDialogTest, TabFollowsTemplateOrderAndSkipsGreyedControls) {
  Shown shown(DialogTemplate::Configuration);
  GtkDialogWindow& window = shown.window;
  window.SetFocus(kOk);
  std::vector<int> visited;
  for (int i = 0; i < 12; ++i) {
    EXPECT_TRUE(window.HandleKey(GDK_KEY_Tab));
    visited.push_back(FocusedId(window, shown.data));
  }
  EXPECT_EQ(visited,
            (std::vector<int>{kCancel, kMp3Radio, kCdRadio, kNoSoundRadio, kPathEdit, kBrowse,
                              kAbout, kModeCombo, kDanceCheck, kFpsCheck, kOk, kCancel}));
  for (int id : {kPathEdit, kBrowse, kDanceCheck}) window.Enable(id, false);
  window.SetFocus(kNoSoundRadio);
  window.HandleKey(GDK_KEY_Tab);
  EXPECT_EQ(FocusedId(window, shown.data), kAbout);
  window.HandleKey(GDK_KEY_ISO_Left_Tab);
  EXPECT_EQ(FocusedId(window, shown.data), kNoSoundRadio);
  EXPECT_TRUE(Commands().empty()) << "moving the focus is no command";
}

TEST_F(GtkDialogTest, EnterAndEscapeReachTheProcedureAsCommands) {
  Shown shown(DialogTemplate::Configuration);
  GtkDialogWindow& window = shown.window;
  window.SetFocus(kFpsCheck);
  EXPECT_TRUE(window.HandleKey(GDK_KEY_Return));
  EXPECT_TRUE(window.HandleKey(GDK_KEY_KP_Enter));
  EXPECT_TRUE(window.HandleKey(GDK_KEY_Escape));
  EXPECT_FALSE(window.IsChecked(kFpsCheck)) << "Enter does not toggle a check box";
  window.SetFocus(kOk);
  EXPECT_FALSE(window.HandleKey(GDK_KEY_Return)) << "a focused push button takes Enter itself";
  EXPECT_FALSE(window.HandleKey(GDK_KEY_a));
  EXPECT_EQ(Commands(), (std::vector<int>{kEnterCommand, kEnterCommand, kEscapeCommand}));
}

TEST_F(GtkDialogTest, OnlyTheUsersClicksAreCommands) {
  Shown shown(DialogTemplate::Configuration);
  GtkDialogWindow& window = shown.window;
  window.SetCheck(kMp3Radio, true);
  window.SetCheck(kCdRadio, true);
  window.SetCheck(kDanceCheck, true);
  EXPECT_TRUE(Commands().empty()) << "the procedure's own changes";
  EXPECT_TRUE(window.IsChecked(kCdRadio));
  EXPECT_FALSE(window.IsChecked(kMp3Radio)) << "one group";

  gtk_button_clicked(GTK_BUTTON(window.Widget(kNoSoundRadio)));
  EXPECT_TRUE(window.IsChecked(kNoSoundRadio));
  EXPECT_FALSE(window.IsChecked(kCdRadio));
  gtk_button_clicked(GTK_BUTTON(window.Widget(kFpsCheck)));
  EXPECT_TRUE(window.IsChecked(kFpsCheck));
  gtk_button_clicked(GTK_BUTTON(window.Widget(kHotSpot)));
  gtk_button_clicked(GTK_BUTTON(window.Widget(kOk)));
  EXPECT_EQ(Commands(), (std::vector<int>{kNoSoundRadio, kFpsCheck, kHotSpot, kOk}))
      << "the radio button that lost its mark sends nothing";

  window.Enable(kBrowse, false);
  EXPECT_FALSE(window.IsEnabled(kBrowse));
  EXPECT_FALSE(gtk_widget_get_sensitive(window.Widget(kBrowse)));
}

TEST_F(GtkDialogTest, TextsAndListsKeepWhatTheyAreGiven) {
  Shown shown(DialogTemplate::Configuration);
  GtkDialogWindow& window = shown.window;
  window.SetText(kPathEdit, "/music/caf\xC3\xA9.mp3");
  EXPECT_EQ(window.Text(kPathEdit), "/music/caf\xC3\xA9.mp3");
  // Bytes that are not UTF-8 (a file written elsewhere) are shown, not refused.
  window.SetText(kPathEdit,
                 "/a\xFF"
                 "b.mp3");
  EXPECT_EQ(window.Text(kPathEdit),
            "/a\xEF\xBF\xBD"
            "b.mp3");
  EXPECT_EQ(window.Text(kBrowse), "Browse...");

  EXPECT_EQ(window.ComboCount(kModeCombo), 0);
  window.SetComboSelection(kModeCombo, 0);
  EXPECT_EQ(window.ComboSelection(kModeCombo), -1) << "nothing to select";
  window.AddComboEntry(kModeCombo, "1024 x 768 @ 32 - 85 Hertz");
  window.AddComboEntry(kModeCombo, "800 x 600 @ 32 - 60 Hertz");
  window.SetComboSelection(kModeCombo, 1);
  EXPECT_EQ(window.ComboSelection(kModeCombo), 1);
  window.SetComboSelection(kModeCombo, 2);
  EXPECT_EQ(window.ComboSelection(kModeCombo), -1);
  EXPECT_EQ(window.ComboCount(kModeCombo), 2);

  // Ids the template does not have are ignored, as the system ignores them.
  window.SetText(4242, "x");
  window.SetCheck(4242, true);
  EXPECT_FALSE(window.IsChecked(4242));
  EXPECT_EQ(window.Text(4242), "");
  EXPECT_EQ(window.ComboSelection(4242), -1);
  EXPECT_TRUE(Commands().empty());
}

TEST_F(GtkDialogTest, PicturesFillTheirPlaces) {
  Shown config(DialogTemplate::Configuration);
  Shown about(DialogTemplate::About);
  for (Shown* shown : {&config, &about}) {
    GtkWidget* content = gtk_bin_get_child(GTK_BIN(shown->window.Window()));
    GList* children = gtk_container_get_children(GTK_CONTAINER(content));
    int pictures = 0;
    for (GList* child = children; child != nullptr; child = child->next) {
      if (!GTK_IS_IMAGE(child->data)) continue;
      ++pictures;
      GdkPixbuf* pixbuf = gtk_image_get_pixbuf(GTK_IMAGE(child->data));
      ASSERT_NE(pixbuf, nullptr);
      const int width = gdk_pixbuf_get_width(pixbuf);
      const int height = gdk_pixbuf_get_height(pixbuf);
      if (shown == &config) {
        const PixelRect place = ToPixels({5, 6, 81, 74}, config.window.BaseUnits());
        EXPECT_GE(width, place.width);
        EXPECT_GE(height, place.height);
        EXPECT_FALSE(gdk_pixbuf_get_has_alpha(pixbuf));
      } else {
        EXPECT_EQ(width, 32);
        EXPECT_EQ(height, 32);
        ASSERT_TRUE(gdk_pixbuf_get_has_alpha(pixbuf));
        const guchar* pixels = gdk_pixbuf_read_pixels(pixbuf);
        const int stride = gdk_pixbuf_get_rowstride(pixbuf);
        EXPECT_EQ(pixels[3], 0) << "the corner shows the dialog through";
        EXPECT_EQ(pixels[16 * stride + 16 * 4 + 3], 255) << "the globe is solid";
      }
    }
    g_list_free(children);
    EXPECT_EQ(pictures, 1);
  }
}

TEST_F(GtkDialogTest, AboutShowsWithoutFocusAndItsCloseBoxReachesTheProcedure) {
  DialogTemplateData data = Template(DialogTemplate::About);
  GtkDialogWindow window(data, Recorder, nullptr, 0);
  struct Probe {
    GtkDialogWindow* window;
    bool focused = true;
    bool shown = false;
  } probe{&window};
  g_timeout_add(
      150,
      [](gpointer self) -> gboolean {
        auto* p = static_cast<Probe*>(self);
        p->shown = gtk_widget_get_mapped(GTK_WIDGET(p->window->Window()));
        p->focused = gtk_window_get_focus(p->window->Window()) != nullptr;
        gtk_window_close(p->window->Window());  // as the close box does
        return G_SOURCE_REMOVE;
      },
      &probe);
  EXPECT_EQ(window.Run(), 7);
  EXPECT_TRUE(probe.shown);
  EXPECT_FALSE(probe.focused) << "no control of About is a tab stop";
  ASSERT_EQ(Received().size(), 2u);
  EXPECT_EQ(Received()[0].kind, DialogMessageKind::InitDialog);
  EXPECT_EQ(Received()[1].kind, DialogMessageKind::Close);
  EXPECT_TRUE(window.Ended());
}

TEST_F(GtkDialogTest, DialogEndedWhileStartingNeverAppears) {
  DialogTemplateData data = Template(DialogTemplate::Configuration);
  GtkDialogWindow window(data, EndAtOnce, nullptr, 0);
  EXPECT_EQ(window.Run(), 3);
  EXPECT_FALSE(gtk_widget_get_mapped(GTK_WIDGET(window.Window())));
}

// The message box on screen, once it is mapped; null before.
GtkWidget* MappedMessageBox() {
  GList* windows = gtk_window_list_toplevels();
  GtkWidget* box = nullptr;
  for (GList* item = windows; item != nullptr; item = item->next) {
    if (GTK_IS_MESSAGE_DIALOG(item->data)) box = GTK_WIDGET(item->data);
  }
  g_list_free(windows);
  return box != nullptr && gtk_widget_get_mapped(box) ? box : nullptr;
}

// What a message box shows: caption, text, icon and buttons as asked, Yes the default.
TEST(GtkMessageBox, ShowsItsWordsItsIconAndItsButtons) {
  ASSERT_TRUE(EnsureGtk()) << "no X display";
  struct Shown {
    std::string title, text, icon;
    bool yesIsDefault = false, hasOk = true;
  } shown;
  g_timeout_add(
      100,
      [](gpointer self) -> gboolean {
        auto* seen = static_cast<Shown*>(self);
        GtkWidget* box = MappedMessageBox();
        if (box == nullptr) return G_SOURCE_CONTINUE;
        GtkDialog* dialog = GTK_DIALOG(box);
        seen->title = gtk_window_get_title(GTK_WINDOW(box));
        gchar* text = nullptr;
        g_object_get(box, "text", &text, nullptr);
        seen->text = text;
        g_free(text);
        G_GNUC_BEGIN_IGNORE_DEPRECATIONS
        GtkWidget* image = gtk_message_dialog_get_image(GTK_MESSAGE_DIALOG(box));
        G_GNUC_END_IGNORE_DEPRECATIONS
        const gchar* icon = nullptr;
        if (GTK_IS_IMAGE(image)) gtk_image_get_icon_name(GTK_IMAGE(image), &icon, nullptr);
        seen->icon = icon != nullptr ? icon : "";
        seen->yesIsDefault = gtk_window_get_default_widget(GTK_WINDOW(box)) ==
                             gtk_dialog_get_widget_for_response(dialog, GTK_RESPONSE_YES);
        seen->hasOk = gtk_dialog_get_widget_for_response(dialog, GTK_RESPONSE_OK) != nullptr;
        gtk_button_clicked(GTK_BUTTON(gtk_dialog_get_widget_for_response(dialog, GTK_RESPONSE_NO)));
        return G_SOURCE_REMOVE;
      },
      &shown);
  EXPECT_EQ(ShowGtkMessageBox({}, "Use Windowed\nMode Instead?", "Pendrel", MessageButtons::YesNo,
                              MessageIcon::Exclamation),
            MessageAnswer::No);
  EXPECT_EQ(shown.title, "Pendrel");
  EXPECT_EQ(shown.text, "Use Windowed\nMode Instead?");
  EXPECT_EQ(shown.icon, "dialog-warning");
  EXPECT_TRUE(shown.yesIsDefault);
  EXPECT_FALSE(shown.hasOk);
}

// Another client (a window manager, a screen locker) may destroy the box's window: the box
// answers as an unshown one does, and touches nothing that went with the window.
TEST(GtkMessageBox, DestroyedFromOutsideAnswersNo) {
  ASSERT_TRUE(EnsureGtk()) << "no X display";
  g_timeout_add(
      100,
      [](gpointer) -> gboolean {
        GtkWidget* box = MappedMessageBox();
        if (box == nullptr) return G_SOURCE_CONTINUE;
        Display* other = XOpenDisplay(nullptr);
        if (other == nullptr) return G_SOURCE_CONTINUE;
        XDestroyWindow(other, gdk_x11_window_get_xid(gtk_widget_get_window(box)));
        XCloseDisplay(other);
        return G_SOURCE_REMOVE;
      },
      nullptr);
  EXPECT_EQ(ShowGtkMessageBox({}, "Use Windowed\nMode Instead?", "Pendrel", MessageButtons::YesNo,
                              MessageIcon::Exclamation),
            MessageAnswer::No);
}

TEST(GtkFileFilter, PatternIgnoresCase) {
  EXPECT_EQ(CaseInsensitivePattern("*.mp3"), "*.[mM][pP]3");
  EXPECT_EQ(CaseInsensitivePattern("a?.X"), "[aA]?.[xX]");
}

}  // namespace
}  // namespace frost::linux_host
