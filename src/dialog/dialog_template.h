// Dialog templates as data: the controls of a dialog, their kinds, texts, styles and places in
// dialog units, in template order (which is also the tab order).
//
// The templates live in resources/dialogs/ as small tables that read like a resource script: one
// table lays out the GTK dialog, and the build writes the Windows template from it
// (tools/dialogrc):
//
//   # comment
//   dialog  101   0   0 279 122 "Frostmote Configuration" extended
//   font      8 "MS Sans Serif"
//   pushbutton 1000 218 104 56 14 "OK"
//   autoradiobutton 1006 99 42 56 8 "Play MP3 File" group
//
// Every control line is KIND ID X Y WIDTH HEIGHT "TEXT" FLAG...; ID "-" means none. Texts
// take the escapes \n, \" and \\. The text of a bitmap or icon is its resource number.
#pragma once

#include <string>
#include <vector>

namespace frost {

enum class ControlKind {
  DefPushButton,  // the button Enter presses while no other push button has the focus
  PushButton,
  AutoRadioButton,  // checks itself when clicked, unchecks the rest of its group
  AutoCheckBox,
  EditText,
  ComboBox,  // a drop-down list
  GroupBox,
  LText,  // static text, left-aligned
  CText,  // static text, centred
  BlackFrame,
  Bitmap,
  Icon,
  OwnerDrawButton  // a button its owner would draw; nobody does, so it is an invisible hot spot
};

// A place in dialog units: a quarter of the dialog font's average character width across, an
// eighth of its height down.
struct DialogRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

inline constexpr int kNoControlId = -1;

struct ControlTemplate {
  ControlKind kind = ControlKind::LText;
  int id = kNoControlId;
  DialogRect rect;
  std::string text;
  bool tabStop = false;  // by kind as in a resource script, changed by "tabstop"/"notabstop"
  bool group = false;    // starts a group of radio buttons
  bool flat = false;
  bool sunken = false;  // a sunken edge around the control
};

struct DialogTemplateData {
  int id = 0;
  DialogRect rect;
  std::string caption;
  std::string fontName;
  int fontPoints = 0;
  bool extended = false;  // a DIALOGEX template on Windows, else a classic DIALOG
  std::vector<ControlTemplate> controls;

  // Null when the template has no control with this id.
  const ControlTemplate* Find(int controlId) const;
};

// Reads a table. False with a message naming the line when anything in it is not understood:
// the tables are built into the program, so a mistake must fail loudly, not half-draw a dialog.
bool ParseDialogTemplate(const std::string& text, DialogTemplateData& dialog, std::string& error);

const char* ControlKindName(ControlKind kind);

}  // namespace frost
