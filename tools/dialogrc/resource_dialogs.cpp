#include "resource_dialogs.h"

#include <sstream>

namespace frost::dialogrc {

namespace {

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') {
      out += "\"\"";
    } else if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out.push_back(c);
    }
  }
  return out + "\"";
}

struct Win32Control {
  // The system classes by ordinal, as the shorthand statements store them: windres takes a class
  // name in a CONTROL statement as a string, Microsoft's compiler as the ordinal.
  const char* className;
  std::string style;
};

Win32Control Describe(const ControlTemplate& control) {
  Win32Control out{"0x80 /* Button */", ""};
  switch (control.kind) {
    case ControlKind::DefPushButton:
      out = {"0x80 /* Button */", "BS_DEFPUSHBUTTON"};
      break;
    case ControlKind::PushButton:
      out = {"0x80 /* Button */", "BS_PUSHBUTTON"};
      break;
    case ControlKind::AutoRadioButton:
      out = {"0x80 /* Button */", "BS_AUTORADIOBUTTON"};
      break;
    case ControlKind::AutoCheckBox:
      out = {"0x80 /* Button */", "BS_AUTOCHECKBOX"};
      break;
    case ControlKind::EditText:
      // Scrolling sideways, as the GTK entry does, so that typing does not stop at the border.
      out = {"0x81 /* Edit */", "ES_LEFT | ES_AUTOHSCROLL | WS_BORDER"};
      break;
    case ControlKind::ComboBox:
      out = {"0x85 /* ComboBox */", "CBS_DROPDOWNLIST | WS_VSCROLL"};
      break;
    case ControlKind::GroupBox:
      out = {"0x80 /* Button */", "BS_GROUPBOX"};
      break;
    case ControlKind::LText:
      // A text ends the group before it, as the resource script's own text statements do.
      out = {"0x82 /* Static */", "SS_LEFT | WS_GROUP"};
      break;
    case ControlKind::CText:
      out = {"0x82 /* Static */", "SS_CENTER | WS_GROUP"};
      break;
    case ControlKind::BlackFrame:
      out = {"0x82 /* Static */", "SS_BLACKFRAME"};
      break;
    case ControlKind::Bitmap:
      out = {"0x82 /* Static */", "SS_BITMAP"};
      break;
    case ControlKind::Icon:
      out = {"0x82 /* Static */", "SS_ICON"};
      break;
    case ControlKind::OwnerDrawButton:
      out = {"0x80 /* Button */", "BS_OWNERDRAW"};
      break;
  }
  if (control.flat) out.style += " | BS_FLAT";
  if (control.sunken) out.style += " | SS_SUNKEN";
  if (control.group && out.style.find("WS_GROUP") == std::string::npos) out.style += " | WS_GROUP";
  if (control.tabStop) out.style += " | WS_TABSTOP";
  out.style += " | WS_CHILD | WS_VISIBLE";
  return out;
}

}  // namespace

std::string ResourceDialog(const DialogTemplateData& dialog) {
  std::ostringstream out;
  const DialogRect& r = dialog.rect;
  out << dialog.id << (dialog.extended ? " DIALOGEX " : " DIALOG ") << r.x << ", " << r.y << ", "
      << r.width << ", " << r.height << "\n"
      << "STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
      << "CAPTION " << Quoted(dialog.caption) << "\n"
      << "FONT " << dialog.fontPoints << ", " << Quoted(dialog.fontName) << "\n"
      << "BEGIN\n";
  for (const ControlTemplate& control : dialog.controls) {
    const Win32Control win32 = Describe(control);
    // A picture's text is its resource number, which the template holds as an ordinal.
    const bool picture = control.kind == ControlKind::Bitmap || control.kind == ControlKind::Icon;
    out << "    CONTROL " << (picture ? control.text : Quoted(control.text)) << ", " << control.id
        << ", " << win32.className << ", " << win32.style << ", " << control.rect.x << ", "
        << control.rect.y << ", " << control.rect.width << ", " << control.rect.height << "\n";
  }
  out << "END\n";
  return out.str();
}

}  // namespace frost::dialogrc
