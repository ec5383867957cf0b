#include "platform/gtk/gtk_controls.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "platform/gtk/gtk_session.h"

namespace frost::linux_host {
namespace {

GtkWidget* PushButton(const ControlTemplate& control) {
  GtkWidget* button = gtk_button_new_with_label(control.text.c_str());
  if (control.flat) gtk_button_set_relief(GTK_BUTTON(button), GTK_RELIEF_NONE);
  return button;
}

// Never drawn: only its place on screen answers clicks. It takes no focus from a click, which
// would leave the keyboard on a control nobody can see.
GtkWidget* HotSpot() {
  GtkWidget* button = gtk_button_new();
  gtk_button_set_relief(GTK_BUTTON(button), GTK_RELIEF_NONE);
  gtk_widget_set_focus_on_click(button, FALSE);
  gtk_widget_set_can_focus(button, FALSE);
  gtk_style_context_add_class(gtk_widget_get_style_context(button), "hot-spot");
  return button;
}

GtkWidget* StaticText(const ControlTemplate& control, const PixelRect& place) {
  GtkWidget* label = gtk_label_new(control.text.c_str());
  const bool centred = control.kind == ControlKind::CText;
  gtk_label_set_justify(GTK_LABEL(label), centred ? GTK_JUSTIFY_CENTER : GTK_JUSTIFY_LEFT);
  gtk_label_set_xalign(GTK_LABEL(label), centred ? 0.5f : 0.0f);
  gtk_label_set_yalign(GTK_LABEL(label), 0.0f);
  // The templates break their lines themselves. GTK's wrapping would ask for the height of
  // the narrowest possible wrap, and the dialog would grow to hold it.
  gtk_widget_set_size_request(label, place.width, place.height);
  return label;
}

// The sunken edge: dark above and left, light below and right, around a black line.
gboolean DrawBlackFrame(GtkWidget* widget, cairo_t* cr, gpointer sunken) {
  const double w = gtk_widget_get_allocated_width(widget);
  const double h = gtk_widget_get_allocated_height(widget);
  cairo_set_line_width(cr, 1.0);
  double inset = 0.5;
  if (sunken != nullptr) {
    cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
    cairo_move_to(cr, 0.5, h - 0.5);
    cairo_line_to(cr, 0.5, 0.5);
    cairo_line_to(cr, w - 0.5, 0.5);
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    cairo_move_to(cr, w - 0.5, 0.5);
    cairo_line_to(cr, w - 0.5, h - 0.5);
    cairo_line_to(cr, 0.5, h - 0.5);
    cairo_stroke(cr);
    inset = 1.5;
  }
  cairo_set_source_rgb(cr, 0.0, 0.0, 0.0);
  cairo_rectangle(cr, inset, inset, w - 2.0 * inset, h - 2.0 * inset);
  cairo_stroke(cr);
  return FALSE;
}

GtkWidget* BlackFrame(const ControlTemplate& control) {
  GtkWidget* area = gtk_drawing_area_new();
  g_signal_connect(area, "draw", G_CALLBACK(DrawBlackFrame),
                   control.sunken ? GINT_TO_POINTER(1) : nullptr);
  return area;
}

// A bitmap fills its control whatever the font: scaled to fit, and where the font's proportions
// leave a margin, widened by repeating its edge pixels, so that the picture meets its frame as
// it does in the template's own font instead of showing strips of dialog background.
GdkPixbuf* FitBitmap(GdkPixbuf* source, const PixelRect& place) {
  const int width = gdk_pixbuf_get_width(source);
  const int height = gdk_pixbuf_get_height(source);
  double scale = std::min(static_cast<double>(place.width) / width,
                          static_cast<double>(place.height) / height);
  if (std::fabs(scale - 1.0) <= 0.02 || scale <= 0.0) scale = 1.0;
  const int scaledWidth = std::clamp(static_cast<int>(std::lround(width * scale)), 1, 4096);
  const int scaledHeight = std::clamp(static_cast<int>(std::lround(height * scale)), 1, 4096);
  GdkPixbuf* scaled =
      scale == 1.0 ? GDK_PIXBUF(g_object_ref(source))
                   : gdk_pixbuf_scale_simple(source, scaledWidth, scaledHeight, GDK_INTERP_HYPER);
  const int canvasWidth = std::max(scaledWidth, place.width);
  const int canvasHeight = std::max(scaledHeight, place.height);
  if (scaled == nullptr || (canvasWidth == scaledWidth && canvasHeight == scaledHeight)) {
    return scaled;
  }
  GdkPixbuf* canvas = gdk_pixbuf_new(GDK_COLORSPACE_RGB, gdk_pixbuf_get_has_alpha(scaled), 8,
                                     canvasWidth, canvasHeight);
  if (canvas == nullptr) return scaled;
  const int channels = gdk_pixbuf_get_n_channels(scaled);
  const int fromStride = gdk_pixbuf_get_rowstride(scaled);
  const int toStride = gdk_pixbuf_get_rowstride(canvas);
  const guchar* from = gdk_pixbuf_read_pixels(scaled);
  guchar* to = gdk_pixbuf_get_pixels(canvas);
  const int left = (canvasWidth - scaledWidth) / 2;
  const int top = (canvasHeight - scaledHeight) / 2;
  for (int y = 0; y < canvasHeight; ++y) {
    const int sy = std::clamp(y - top, 0, scaledHeight - 1);
    for (int x = 0; x < canvasWidth; ++x) {
      const int sx = std::clamp(x - left, 0, scaledWidth - 1);
      std::copy_n(from + sy * fromStride + sx * channels, channels,
                  to + y * toStride + x * channels);
    }
  }
  g_object_unref(scaled);
  return canvas;
}

// Icons keep their size, as icons do.
GtkWidget* Picture(const std::string& resource, const PixelRect* fitInto) {
  GError* error = nullptr;
  GdkPixbuf* pixbuf = gdk_pixbuf_new_from_resource(resource.c_str(), &error);
  if (pixbuf == nullptr) {
    g_error_free(error);
    return nullptr;
  }
  if (fitInto != nullptr) {
    GdkPixbuf* fitted = FitBitmap(pixbuf, *fitInto);
    g_object_unref(pixbuf);
    if (fitted == nullptr) return nullptr;
    pixbuf = fitted;
  }
  GtkWidget* image = gtk_image_new_from_pixbuf(pixbuf);
  g_object_unref(pixbuf);
  return image;
}

}  // namespace

GtkWidget* CreateControlWidget(const ControlTemplate& control, const PixelRect& place,
                               GtkRadioButton* radioGroup) {
  GtkWidget* widget = nullptr;
  int height = place.height;
  switch (control.kind) {
    case ControlKind::DefPushButton:
    case ControlKind::PushButton:
      widget = PushButton(control);
      break;
    case ControlKind::OwnerDrawButton:
      widget = HotSpot();
      break;
    case ControlKind::AutoRadioButton:
      widget = gtk_radio_button_new_with_label_from_widget(radioGroup, control.text.c_str());
      break;
    case ControlKind::AutoCheckBox:
      widget = gtk_check_button_new_with_label(control.text.c_str());
      break;
    case ControlKind::EditText:
      widget = gtk_entry_new();
      // Narrow controls must not grow to GTK's default of twenty characters.
      gtk_entry_set_width_chars(GTK_ENTRY(widget), 1);
      break;
    case ControlKind::ComboBox:
      widget = gtk_combo_box_text_new();
      // Usable even while empty, as a Windows list is: it takes the focus and opens.
      gtk_combo_box_set_button_sensitivity(GTK_COMBO_BOX(widget), GTK_SENSITIVITY_ON);
      // The template's height is that of the open list; the closed box is one line high.
      height = -1;
      break;
    case ControlKind::GroupBox:
      widget = gtk_frame_new(control.text.c_str());
      break;
    case ControlKind::LText:
    case ControlKind::CText:
      return StaticText(control, place);
    case ControlKind::BlackFrame:
      widget = BlackFrame(control);
      break;
    case ControlKind::Bitmap:
      widget = Picture(BitmapResourcePath(control.text), &place);
      break;
    case ControlKind::Icon:
      widget = Picture(IconResourcePath(control.text), nullptr);
      break;
  }
  if (widget != nullptr) gtk_widget_set_size_request(widget, place.width, height);
  return widget;
}

bool IsToggle(const ControlTemplate& control) {
  return control.kind == ControlKind::AutoRadioButton || control.kind == ControlKind::AutoCheckBox;
}

std::string CaseInsensitivePattern(const std::string& pattern) {
  std::string result;
  for (char c : pattern) {
    const auto u = static_cast<unsigned char>(c);
    if (std::isalpha(u) != 0) {
      result += '[';
      result += static_cast<char>(std::tolower(u));
      result += static_cast<char>(std::toupper(u));
      result += ']';
    } else {
      result += c;
    }
  }
  return result;
}

}  // namespace frost::linux_host
