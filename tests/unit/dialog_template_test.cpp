// The dialog tables: how they are read, how dialog units become pixels, how the keyboard moves,
// and that the two tables built into the program hold what the dialog procedures rely on.
#include "dialog/dialog_template.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "dialog/dialog_dispatch.h"
#include "dialog/dialog_keys.h"
#include "dialog/dialog_units.h"
#include "dialog/dialog_view.h"
#include "settings/about_dialog.h"
#include "settings/config_dialog.h"
#include "support/fake_dialog_view.h"

namespace frost {
namespace {

constexpr const char* kHeader = "dialog 7 0 0 100 50 \"Caption\"\nfont 8 \"MS Sans Serif\"\n";

DialogTemplateData Parse(const std::string& text) {
  DialogTemplateData dialog;
  std::string error;
  EXPECT_TRUE(ParseDialogTemplate(text, dialog, error)) << error;
  return dialog;
}

std::string ParseError(const std::string& text) {
  DialogTemplateData dialog;
  std::string error;
  EXPECT_FALSE(ParseDialogTemplate(text, dialog, error)) << text;
  return error;
}

DialogTemplateData Shipped(const std::string& name) {
  std::ifstream file(std::string(FROST_RESOURCES_DIR) + "/dialogs/" + name, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  EXPECT_FALSE(text.str().empty()) << name;
  return Parse(text.str());
}

TEST(DialogTemplate, ReadsControlsInOrderWithTheirStyles) {
  const DialogTemplateData dialog = Parse(std::string(kHeader) +
                                          "# a comment\n"
                                          "\n"
                                          "pushbutton 10 -5 2 30 14 \"Go\"  # trailing comment\n"
                                          "autoradiobutton 11 1 2 3 4 \"A \\\"B\\\"\" group\n"
                                          "ltext - 0 0 40 16 \"one\\ntwo\\\\three # four\"\n"
                                          "pushbutton 12 0 0 1 1 \"v\" flat notabstop\n"
                                          "blackframe - 0 0 9 9 \"\" sunken tabstop\r\n");
  EXPECT_EQ(dialog.id, 7);
  EXPECT_EQ(dialog.caption, "Caption");
  EXPECT_EQ(dialog.rect.width, 100);
  EXPECT_EQ(dialog.rect.height, 50);
  EXPECT_EQ(dialog.fontName, "MS Sans Serif");
  EXPECT_EQ(dialog.fontPoints, 8);
  ASSERT_EQ(dialog.controls.size(), 5u);

  const ControlTemplate& go = dialog.controls[0];
  EXPECT_EQ(go.kind, ControlKind::PushButton);
  EXPECT_EQ(go.id, 10);
  EXPECT_EQ(go.rect.x, -5);
  EXPECT_EQ(go.rect.height, 14);
  EXPECT_TRUE(go.tabStop);
  EXPECT_FALSE(go.flat);

  EXPECT_EQ(dialog.controls[1].text, "A \"B\"");
  EXPECT_TRUE(dialog.controls[1].group);
  EXPECT_EQ(dialog.controls[2].id, kNoControlId);
  EXPECT_EQ(dialog.controls[2].text, "one\ntwo\\three # four");
  EXPECT_FALSE(dialog.controls[2].tabStop);
  EXPECT_TRUE(dialog.controls[3].flat);
  EXPECT_FALSE(dialog.controls[3].tabStop);
  EXPECT_TRUE(dialog.controls[4].sunken);
  EXPECT_TRUE(dialog.controls[4].tabStop);

  EXPECT_EQ(dialog.Find(12), &dialog.controls[3]);
  EXPECT_EQ(dialog.Find(99), nullptr);
  EXPECT_EQ(dialog.Find(kNoControlId), nullptr) << "statics share no id";
}

TEST(DialogTemplate, MistakesAreRefusedWithTheirLine) {
  const std::string h = kHeader;
  EXPECT_EQ(ParseError(h + "button 1 0 0 1 1 \"x\""), "line 3: unknown kind \"button\"");
  EXPECT_EQ(ParseError(h + "\npushbutton 1 0 0 1 1"),
            "line 4: expected KIND ID X Y WIDTH HEIGHT \"TEXT\"");
  EXPECT_EQ(ParseError(h + "pushbutton 1 0 zero 1 1 \"x\""),
            "line 3: \"zero\" is not a whole number");
  EXPECT_EQ(ParseError(h + "pushbutton 1 0 0 1 -1 \"x\""), "line 3: negative size");
  EXPECT_EQ(ParseError(h + "pushbutton 1x 0 0 1 1 \"x\""), "line 3: \"1x\" is not a control id");
  EXPECT_EQ(ParseError(h + "pushbutton 70000 0 0 1 1 \"x\""),
            "line 3: \"70000\" is not a control id");
  EXPECT_EQ(ParseError(h + "pushbutton 1 0 0 1 1 \"x\"\nltext 1 0 0 1 1 \"y\""),
            "line 4: control id 1 is used twice");
  EXPECT_EQ(ParseError(h + "ltext - 0 0 1 1 \"open"), "line 3: unterminated text");
  EXPECT_EQ(ParseError(h + "ltext - 0 0 1 1 \"a\\tb\""), "line 3: unknown escape \\t");
  EXPECT_EQ(ParseError(h + "ltext - 0 0 1 1 \"a\" bold"), "line 3: unknown flag \"bold\"");
  EXPECT_EQ(ParseError(h + "ltext - 0 0 1 1 \"a\" \"b\""), "line 3: a second text \"b\"");
  EXPECT_EQ(ParseError("pushbutton 1 0 0 1 1 \"x\"\n" + h),
            "line 1: the dialog line must come first");
  EXPECT_EQ(ParseError(h + h), "line 3: a second dialog line");
  EXPECT_EQ(ParseError("dialog 7 0 0 100 50 \"Caption\"\n"), "no font line");
  EXPECT_EQ(ParseError("# nothing\n"), "no dialog line");
  EXPECT_EQ(ParseError("dialog 7 0 0 100 50 \"C\"\nfont 0 \"Sans\""),
            "line 2: expected one font POINTS \"NAME\"");
}

TEST(DialogUnits, ScaleByTheFontsAverageWidthAndHeight) {
  // MS Sans Serif 8 at 96 dpi: the 52 letters span 312 pixels, the font is 13 high.
  const DialogBaseUnits units = BaseUnitsFromFont(312, 13);
  EXPECT_EQ(units.x, 6);
  EXPECT_EQ(units.y, 13);
  EXPECT_EQ(BaseUnitsFromFont(337, 16).x, 6) << "12.96 rounds to 13, halved to 6.5, rounds down";
  EXPECT_EQ(BaseUnitsFromFont(338, 16).x, 7);

  const PixelRect client = ToPixels({0, 0, 279, 122}, units);
  EXPECT_EQ(client.width, 419) << "418.5 rounds up";
  EXPECT_EQ(client.height, 198);
  const PixelRect ok = ToPixels({218, 104, 56, 14}, units);
  EXPECT_EQ(ok.x, 327);
  EXPECT_EQ(ok.y, 169);
  EXPECT_EQ(ok.width, 84);
  EXPECT_EQ(ok.height, 23);  // 22.75
  EXPECT_EQ(ToPixels({-57, 0, 0, 0}, units).x, -86) << "-85.5 rounds away from zero";

  EXPECT_EQ(MulDiv(7, 3, 2), 11);
  EXPECT_EQ(MulDiv(-7, 3, 2), -11);
  EXPECT_EQ(MulDiv(7, 3, -2), -11);
  EXPECT_EQ(MulDiv(5, 1, 0), -1);
  EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000) << "no overflow in between";
}

TEST(DialogUnits, ControlsWhollyOutsideTheDialogCannotBeReached) {
  const DialogRect dialog{0, 0, 279, 122};
  EXPECT_FALSE(Reachable({-57, 0, 50, 110}, dialog));
  EXPECT_TRUE(Reachable({-57, 0, 58, 110}, dialog));
  EXPECT_TRUE(Reachable({88, 5, 6, 6}, dialog));
  EXPECT_FALSE(Reachable({279, 0, 5, 5}, dialog));
  EXPECT_FALSE(Reachable({0, 122, 5, 5}, dialog));
}

TEST(DialogKeys, EnterSendsTheDefaultButtonUnlessAPushButtonHasTheFocus) {
  EXPECT_EQ(EnterCommandId(Parse(std::string(kHeader) + "pushbutton 5 0 0 1 1 \"x\"")),
            kEnterCommand);
  EXPECT_EQ(EnterCommandId(Parse(std::string(kHeader) +
                                 "pushbutton 5 0 0 1 1 \"x\"\ndefpushbutton 9 0 0 1 1 \"y\"")),
            9);
  EXPECT_TRUE(EnterPresses(ControlKind::PushButton));
  EXPECT_TRUE(EnterPresses(ControlKind::DefPushButton));
  for (ControlKind kind : {ControlKind::AutoCheckBox, ControlKind::AutoRadioButton,
                           ControlKind::EditText, ControlKind::ComboBox}) {
    EXPECT_FALSE(EnterPresses(kind)) << ControlKindName(kind);
  }
}

TEST(DialogKeys, TabFollowsTemplateOrderAndWraps) {
  const std::vector<bool> available = {false, true, false, true, true, false};
  EXPECT_EQ(NextTabStop(available, -1, true), 1);
  EXPECT_EQ(NextTabStop(available, 1, true), 3);
  EXPECT_EQ(NextTabStop(available, 4, true), 1);
  EXPECT_EQ(NextTabStop(available, 1, false), 4);
  EXPECT_EQ(NextTabStop(available, -1, false), 4);
  EXPECT_EQ(NextTabStop(available, 2, true), 3) << "from a control that is not a tab stop";
  EXPECT_EQ(NextTabStop({false, false}, 0, true), -1);
  EXPECT_EQ(NextTabStop({}, -1, true), -1);
  EXPECT_EQ(NextTabStop({true}, 0, true), 0);
}

// How the two tables look, control for control, is the resource writer's test; here, that they
// hold every control the procedures use, by the ids the code knows them by.
TEST(ShippedDialogs, ConfigurationTemplateHoldsEveryControlTheProcedureUses) {
  const DialogTemplateData dialog = Shipped("configuration.dialog");
  EXPECT_EQ(dialog.id, static_cast<int>(DialogTemplate::Configuration));
  EXPECT_EQ(EnterCommandId(dialog), kEnterCommand);
  using namespace ConfigControl;
  const struct {
    int id;
    ControlKind kind;
    const char* text;
  } expected[] = {
      {kEnterCommand, ControlKind::DefPushButton, "OK"},
      {kEscapeCommand, ControlKind::PushButton, "Cancel"},
      {kOk, ControlKind::PushButton, "OK"},
      {kCancel, ControlKind::PushButton, "Cancel"},
      {kMp3Radio, ControlKind::AutoRadioButton, "Play MP3 File"},
      {kCdRadio, ControlKind::AutoRadioButton, "Play Audio CD"},
      {kNoSoundRadio, ControlKind::AutoRadioButton, "No Sound"},
      {kPathEdit, ControlKind::EditText, ""},
      {kBrowse, ControlKind::PushButton, "Browse..."},
      {kAbout, ControlKind::PushButton, "About"},
      {kModeCombo, ControlKind::ComboBox, ""},
      {kHotSpot, ControlKind::OwnerDrawButton, "Button21"},
      {kDanceCheck, ControlKind::AutoCheckBox, "Dance with Music (MP3 only)"},
      {kFpsCheck, ControlKind::AutoCheckBox, "Show FPS"},
  };
  int previousIndex = -1;
  for (const auto& want : expected) {
    const ControlTemplate* control = dialog.Find(want.id);
    ASSERT_NE(control, nullptr) << want.id;
    EXPECT_EQ(control->kind, want.kind) << want.id;
    EXPECT_EQ(control->text, want.text) << want.id;
    const int index = static_cast<int>(control - dialog.controls.data());
    EXPECT_GT(index, previousIndex) << want.id << " is out of template order";
    previousIndex = index;
    // Only the two key buttons lie outside, where nobody can see or click them.
    EXPECT_EQ(Reachable(control->rect, dialog.rect), want.id > kEscapeCommand) << want.id;
  }
}

TEST(ShippedDialogs, AboutTemplateHasAVisitButtonForEachCredit) {
  const DialogTemplateData dialog = Shipped("about.dialog");
  EXPECT_EQ(dialog.id, static_cast<int>(DialogTemplate::About));
  using namespace AboutControl;
  for (int id :
       {kVisitAuthor, kVisitSkyArtist, kVisitSponsor, kVisitSoundLibrary, kVisitInstaller}) {
    ASSERT_NE(dialog.Find(id), nullptr) << id;
    EXPECT_EQ(dialog.Find(id)->text, "visit") << id;
  }
}

// No exception may cross the toolkit's C callback that sends the message: a procedure that
// throws ends its dialog as one that could not be shown.
TEST(DialogDispatch, ThrowingProcedureEndsItsDialogUnshown) {
  const DialogProc answers = [](DialogView&, const DialogMessage& m) { return m.id == 7; };
  testing::FakeDialogView view{answers};
  EXPECT_FALSE(SendDialogMessage(view, answers, DialogMessageKind::Command, 8));
  EXPECT_TRUE(SendDialogMessage(view, answers, DialogMessageKind::Command, 7));
  EXPECT_FALSE(view.ended);
  const DialogProc throws = [](DialogView&, const DialogMessage&) -> bool {
    throw std::bad_alloc();
  };
  EXPECT_TRUE(SendDialogMessage(view, throws, DialogMessageKind::InitDialog, 0));
  EXPECT_TRUE(view.ended);
  EXPECT_EQ(view.result, -1);
}

}  // namespace
}  // namespace frost
