// The Windows resource script against the dialog tables: the GTK host lays its dialogs out from
// resources/dialogs/*.dialog, the Windows host shows the templates of resources/frostmote.rc,
// and nothing but this test keeps the two descriptions of the same dialogs from drifting apart.
//
// The script is read with as much of the resource-script language as it uses, with the styles
// worked out as the resource compiler works them out, and every control is compared with its
// table line: class and complete style word, id, place, text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <exception>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog_template.h"

namespace frost {
namespace {

// Style bits, with windows.h's values.
constexpr std::uint32_t kWsPopup = 0x80000000u;
constexpr std::uint32_t kWsChild = 0x40000000u;
constexpr std::uint32_t kWsVisible = 0x10000000u;
constexpr std::uint32_t kWsCaption = 0x00C00000u;
constexpr std::uint32_t kWsBorder = 0x00800000u;
constexpr std::uint32_t kWsVscroll = 0x00200000u;
constexpr std::uint32_t kWsSysMenu = 0x00080000u;
constexpr std::uint32_t kWsGroup = 0x00020000u;
constexpr std::uint32_t kWsTabStop = 0x00010000u;
constexpr std::uint32_t kDsModalFrame = 0x80u;
constexpr std::uint32_t kBsPushButton = 0x0u;
constexpr std::uint32_t kBsDefPushButton = 0x1u;
constexpr std::uint32_t kBsAutoCheckBox = 0x3u;
constexpr std::uint32_t kBsGroupBox = 0x7u;
constexpr std::uint32_t kBsAutoRadioButton = 0x9u;
constexpr std::uint32_t kBsOwnerDraw = 0xBu;
constexpr std::uint32_t kBsFlat = 0x8000u;
constexpr std::uint32_t kEsLeft = 0x0u;
constexpr std::uint32_t kEsAutoHScroll = 0x80u;
constexpr std::uint32_t kCbsSimple = 0x1u;
constexpr std::uint32_t kCbsDropDownList = 0x3u;
constexpr std::uint32_t kSsLeft = 0x0u;
constexpr std::uint32_t kSsCenter = 0x1u;
constexpr std::uint32_t kSsIcon = 0x3u;
constexpr std::uint32_t kSsBlackFrame = 0x7u;
constexpr std::uint32_t kSsBitmap = 0xEu;
constexpr std::uint32_t kSsSunken = 0x1000u;

constexpr std::uint32_t kDialogStyle = kDsModalFrame | kWsPopup | kWsCaption | kWsSysMenu;

const std::map<std::string, std::uint32_t>& Symbols() {
  static const std::map<std::string, std::uint32_t> symbols = {
      {"WS_POPUP", kWsPopup},
      {"WS_CHILD", kWsChild},
      {"WS_VISIBLE", kWsVisible},
      {"WS_CAPTION", kWsCaption},
      {"WS_BORDER", kWsBorder},
      {"WS_VSCROLL", kWsVscroll},
      {"WS_SYSMENU", kWsSysMenu},
      {"WS_GROUP", kWsGroup},
      {"WS_TABSTOP", kWsTabStop},
      {"DS_MODALFRAME", kDsModalFrame},
      {"BS_PUSHBUTTON", kBsPushButton},
      {"BS_DEFPUSHBUTTON", kBsDefPushButton},
      {"BS_AUTOCHECKBOX", kBsAutoCheckBox},
      {"BS_GROUPBOX", kBsGroupBox},
      {"BS_AUTORADIOBUTTON", kBsAutoRadioButton},
      {"BS_OWNERDRAW", kBsOwnerDraw},
      {"BS_FLAT", kBsFlat},
      {"ES_LEFT", kEsLeft},
      {"ES_AUTOHSCROLL", kEsAutoHScroll},
      {"CBS_SIMPLE", kCbsSimple},
      {"CBS_DROPDOWNLIST", kCbsDropDownList},
      {"SS_LEFT", kSsLeft},
      {"SS_CENTER", kSsCenter},
      {"SS_ICON", kSsIcon},
      {"SS_BLACKFRAME", kSsBlackFrame},
      {"SS_BITMAP", kSsBitmap},
      {"SS_SUNKEN", kSsSunken},
  };
  return symbols;
}

// The control statements with defaults of their own. A statement without a style gets
// `defaults`; one with a style starts from `base` in windres (which drops some defaults, the tab
// stop of a push button among them), while a compiler that kept `defaults` would give another
// control. The script names the bits in which the two differ, so that it means one control
// whichever compiler reads it.
struct Statement {
  const char* keyword;
  const char* className;
  bool hasText;
  std::uint32_t defaults;
  std::uint32_t base;
};

constexpr Statement kStatements[] = {
    {"DEFPUSHBUTTON", "Button", true, kBsDefPushButton | kWsTabStop, kBsDefPushButton | kWsTabStop},
    {"PUSHBUTTON", "Button", true, kBsPushButton | kWsTabStop, kBsPushButton},
    {"AUTORADIOBUTTON", "Button", true, kBsAutoRadioButton | kWsTabStop, kBsAutoRadioButton},
    {"AUTOCHECKBOX", "Button", true, kBsAutoCheckBox | kWsTabStop, kBsAutoCheckBox | kWsTabStop},
    {"EDITTEXT", "Edit", false, kEsLeft | kWsBorder | kWsTabStop, kEsLeft | kWsBorder},
    {"COMBOBOX", "ComboBox", false, kCbsSimple | kWsTabStop, 0},
    {"GROUPBOX", "Button", true, kBsGroupBox, kBsGroupBox},
    {"LTEXT", "Static", true, kSsLeft | kWsGroup, kSsLeft},
    {"CTEXT", "Static", true, kSsCenter | kWsGroup, kSsCenter},
};

struct RcControl {
  int line = 0;
  std::string className;
  std::uint32_t style = 0;
  int id = 0;
  DialogRect rect;
  std::string text;
  int ordinal = -1;  // the text names a resource by number
};

struct RcDialog {
  int id = 0;
  bool extended = false;
  DialogRect rect;
  std::uint32_t style = 0;
  bool hasStyle = false;
  std::uint32_t exStyle = 0;
  std::string caption;
  std::string fontName;
  int fontPoints = 0;
  std::vector<RcControl> controls;
};

struct RcScript {
  std::vector<RcDialog> dialogs;
  std::map<int, std::string> icons;    // icon group number -> file
  std::map<int, std::string> bitmaps;  // bitmap number -> file

  const RcDialog* Find(int id) const {
    for (const RcDialog& dialog : dialogs) {
      if (dialog.id == id) return &dialog;
    }
    return nullptr;
  }
};

struct ScriptError {
  std::string message;
};

enum class TokenKind { Word, Number, Text, Punct, End };

struct Token {
  TokenKind kind = TokenKind::End;
  std::string text;
  std::int64_t number = 0;
  int line = 0;
};

class Lexer {
 public:
  explicit Lexer(const std::string& source) : source_(source) {}

  std::vector<Token> Run() {
    std::vector<Token> tokens;
    for (;;) {
      SkipSpaceAndComments();
      Token token;
      token.line = line_;
      if (pos_ >= source_.size()) {
        tokens.push_back(token);
        return tokens;
      }
      const char c = source_[pos_];
      if (c == '"') {
        token.kind = TokenKind::Text;
        token.text = ReadText();
      } else if (std::isdigit(static_cast<unsigned char>(c))) {
        token.kind = TokenKind::Number;
        token.number = ReadNumber();
      } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
        token.kind = TokenKind::Word;
        while (pos_ < source_.size() &&
               (std::isalnum(static_cast<unsigned char>(source_[pos_])) || source_[pos_] == '_')) {
          token.text.push_back(source_[pos_++]);
        }
      } else if (c == ',' || c == '|' || c == '-' || c == '(' || c == ')') {
        token.kind = TokenKind::Punct;
        token.text = std::string(1, c);
        ++pos_;
      } else {
        Fail(std::string("unexpected character '") + c + "'");
      }
      tokens.push_back(token);
    }
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const {
    throw ScriptError{"line " + std::to_string(line_) + ": " + message};
  }

  void SkipSpaceAndComments() {
    while (pos_ < source_.size()) {
      const char c = source_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
        atLineStart_ = true;
      } else if (std::isspace(static_cast<unsigned char>(c))) {
        ++pos_;
      } else if (source_.compare(pos_, 2, "//") == 0) {
        pos_ = source_.find('\n', pos_);
        if (pos_ == std::string::npos) pos_ = source_.size();
      } else if (source_.compare(pos_, 2, "/*") == 0) {
        const std::size_t end = source_.find("*/", pos_ + 2);
        if (end == std::string::npos) Fail("unterminated comment");
        for (std::size_t i = pos_; i < end; ++i) line_ += source_[i] == '\n' ? 1 : 0;
        pos_ = end + 2;
      } else if (c == '#' && atLineStart_) {
        // Only headers: a definition would change what the words below mean.
        const std::size_t end = source_.find('\n', pos_);
        const std::string directive = source_.substr(pos_, end - pos_);
        if (directive.rfind("#include <", 0) != 0) Fail("unexpected directive " + directive);
        pos_ = end == std::string::npos ? source_.size() : end;
      } else {
        atLineStart_ = false;
        return;
      }
    }
  }

  std::string ReadText() {
    std::string text;
    ++pos_;
    for (;;) {
      if (pos_ >= source_.size() || source_[pos_] == '\n') Fail("unterminated text");
      const char c = source_[pos_++];
      if (c == '"') {
        // A doubled quote is a quote inside the text.
        if (pos_ < source_.size() && source_[pos_] == '"') {
          text.push_back('"');
          ++pos_;
          continue;
        }
        return text;
      }
      if (c != '\\') {
        text.push_back(c);
        continue;
      }
      if (pos_ >= source_.size()) Fail("unterminated text");
      const char e = source_[pos_++];
      switch (e) {
        case 'n':
          text.push_back('\n');
          break;
        case 't':
          text.push_back('\t');
          break;
        case '\\':
        case '"':
          text.push_back(e);
          break;
        default:
          Fail(std::string("unknown escape \\") + e);
      }
    }
  }

  std::int64_t ReadNumber() {
    std::size_t used = 0;
    std::int64_t value = 0;
    try {
      value = std::stoll(source_.substr(pos_, 20), &used, 0);
    } catch (const std::exception&) {
      Fail("bad number");
    }
    pos_ += used;
    if (pos_ < source_.size() && std::isalnum(static_cast<unsigned char>(source_[pos_]))) {
      Fail("bad number");
    }
    return value;
  }

  const std::string& source_;
  std::size_t pos_ = 0;
  int line_ = 1;
  bool atLineStart_ = true;
};

class Parser {
 public:
  explicit Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

  RcScript Run() {
    RcScript script;
    while (Peek().kind != TokenKind::End) {
      const int id = Int();
      const std::string type = Word();
      if (type == "ICON" || type == "BITMAP") {
        auto& table = type == "ICON" ? script.icons : script.bitmaps;
        if (!table.emplace(id, Text()).second) Fail("resource " + std::to_string(id) + " twice");
      } else if (type == "DIALOG" || type == "DIALOGEX") {
        if (script.Find(id) != nullptr) Fail("dialog " + std::to_string(id) + " twice");
        script.dialogs.push_back(ParseDialog(id, type == "DIALOGEX"));
      } else if (type == "VERSIONINFO") {
        SkipVersionInfo();
      } else {
        Fail("unexpected resource type " + type);
      }
    }
    return script;
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const {
    throw ScriptError{"line " + std::to_string(Peek().line) + ": " + message};
  }

  const Token& Peek() const { return tokens_[pos_]; }
  const Token& Next() {
    const Token& token = tokens_[pos_];
    if (token.kind != TokenKind::End) ++pos_;
    return token;
  }
  bool IsPunct(const char* text) const {
    return Peek().kind == TokenKind::Punct && Peek().text == text;
  }
  bool IsWord(const char* text) const {
    return Peek().kind == TokenKind::Word && Peek().text == text;
  }
  void Expect(const char* punct) {
    if (!IsPunct(punct)) Fail(std::string("expected '") + punct + "'");
    Next();
  }
  std::string Word() {
    if (Peek().kind != TokenKind::Word) Fail("expected a word");
    return Next().text;
  }
  std::string Text() {
    if (Peek().kind != TokenKind::Text) Fail("expected a text");
    return Next().text;
  }
  int Int() {
    const bool negative = IsPunct("-");
    if (negative) Next();
    if (Peek().kind != TokenKind::Number) Fail("expected a number");
    const std::int64_t value = Next().number;
    return static_cast<int>(negative ? -value : value);
  }
  DialogRect Rect() {
    DialogRect rect;
    rect.x = Int();
    Expect(",");
    rect.y = Int();
    Expect(",");
    rect.width = Int();
    Expect(",");
    rect.height = Int();
    return rect;
  }

  // A style list, applied term by term to `start`: a term sets its bits, NOT clears them.
  std::uint32_t Styles(std::uint32_t start) {
    std::uint32_t value = start;
    for (;;) {
      const bool clear = IsWord("NOT");
      if (clear) Next();
      const std::uint32_t bits = StyleTerm();
      value = clear ? value & ~bits : value | bits;
      if (!IsPunct("|")) return value;
      Next();
    }
  }
  std::uint32_t StyleTerm() {
    if (Peek().kind == TokenKind::Number) return static_cast<std::uint32_t>(Next().number);
    if (IsPunct("(")) {
      Next();
      const std::uint32_t value = Styles(0);
      Expect(")");
      return value;
    }
    const std::string name = Word();
    const auto found = Symbols().find(name);
    if (found == Symbols().end()) Fail("unknown style " + name);
    return found->second;
  }

  RcDialog ParseDialog(int id, bool extended) {
    RcDialog dialog;
    dialog.id = id;
    dialog.extended = extended;
    dialog.rect = Rect();
    while (!IsWord("BEGIN")) {
      const std::string option = Word();
      if (option == "STYLE") {
        dialog.style = Styles(0);
        dialog.hasStyle = true;
      } else if (option == "EXSTYLE") {
        dialog.exStyle = Styles(0);
      } else if (option == "CAPTION") {
        dialog.caption = Text();
      } else if (option == "FONT") {
        dialog.fontPoints = Int();
        Expect(",");
        dialog.fontName = Text();
      } else {
        Fail("unexpected dialog option " + option);
      }
    }
    Next();
    while (!IsWord("END")) dialog.controls.push_back(ParseControl());
    Next();
    return dialog;
  }

  RcControl ParseControl() {
    RcControl control;
    control.line = Peek().line;
    const std::string keyword = Word();
    if (keyword == "CONTROL") {
      if (Peek().kind == TokenKind::Number) {
        control.ordinal = Int();
      } else {
        control.text = Text();
      }
      Expect(",");
      control.id = Int();
      Expect(",");
      control.className = Text();
      Expect(",");
      control.style = Styles(kWsChild | kWsVisible);
      Expect(",");
      control.rect = Rect();
      return control;
    }
    const Statement* statement = nullptr;
    for (const Statement& candidate : kStatements) {
      if (keyword == candidate.keyword) statement = &candidate;
    }
    if (statement == nullptr) Fail("unexpected control statement " + keyword);
    control.className = statement->className;
    if (statement->hasText) {
      control.text = Text();
      Expect(",");
    }
    control.id = Int();
    Expect(",");
    control.rect = Rect();
    control.style = kWsChild | kWsVisible | statement->defaults;
    if (IsPunct(",")) {
      Next();
      const std::size_t styleStart = pos_;
      const std::uint32_t fromBase = Styles(kWsChild | kWsVisible | statement->base);
      pos_ = styleStart;
      control.style = Styles(control.style);
      if (fromBase != control.style) Fail(keyword + "'s style depends on the resource compiler");
    }
    if (IsPunct(",")) Fail("an extended style, which the tables have no use for");
    return control;
  }

  void SkipVersionInfo() {
    while (!IsWord("BEGIN")) {
      if (Peek().kind == TokenKind::End) Fail("VERSIONINFO without BEGIN");
      Next();
    }
    int depth = 0;
    do {
      if (Peek().kind == TokenKind::End) Fail("VERSIONINFO without END");
      if (IsWord("BEGIN")) ++depth;
      if (IsWord("END")) --depth;
      Next();
    } while (depth > 0);
  }

  std::vector<Token> tokens_;
  std::size_t pos_ = 0;
};

bool ParseScript(const std::string& source, RcScript& script, std::string& error) {
  try {
    script = Parser(Lexer(source).Run()).Run();
    return true;
  } catch (const ScriptError& failure) {
    error = failure.message;
    return false;
  }
}

// What a table line means on Windows: the control's class and complete style word.
struct Win32Control {
  const char* className;
  std::uint32_t style;
};

Win32Control ExpectedWin32Control(const ControlTemplate& control) {
  Win32Control expected{"Button", 0};
  switch (control.kind) {
    case ControlKind::DefPushButton:
      expected = {"Button", kBsDefPushButton};
      break;
    case ControlKind::PushButton:
      expected = {"Button", kBsPushButton};
      break;
    case ControlKind::AutoRadioButton:
      expected = {"Button", kBsAutoRadioButton};
      break;
    case ControlKind::AutoCheckBox:
      expected = {"Button", kBsAutoCheckBox};
      break;
    case ControlKind::EditText:
      // Scrolling sideways, as the GTK entry does, so that typing does not stop at the border.
      expected = {"Edit", kEsLeft | kWsBorder | kEsAutoHScroll};
      break;
    case ControlKind::ComboBox:
      expected = {"ComboBox", kCbsDropDownList | kWsVscroll};
      break;
    case ControlKind::GroupBox:
      expected = {"Button", kBsGroupBox};
      break;
    case ControlKind::LText:
      // Texts end a group, as a resource script's text statements make them.
      expected = {"Static", kSsLeft | kWsGroup};
      break;
    case ControlKind::CText:
      expected = {"Static", kSsCenter | kWsGroup};
      break;
    case ControlKind::BlackFrame:
      expected = {"Static", kSsBlackFrame};
      break;
    case ControlKind::Bitmap:
      expected = {"Static", kSsBitmap};
      break;
    case ControlKind::Icon:
      expected = {"Static", kSsIcon};
      break;
    case ControlKind::OwnerDrawButton:
      expected = {"Button", kBsOwnerDraw};
      break;
  }
  expected.style |= kWsChild | kWsVisible;
  if (control.tabStop) expected.style |= kWsTabStop;
  if (control.group) expected.style |= kWsGroup;
  if (control.flat) expected.style |= kBsFlat;
  if (control.sunken) expected.style |= kSsSunken;
  return expected;
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

std::string Hex(std::uint32_t value) {
  std::ostringstream text;
  text << "0x" << std::hex << value;
  return text.str();
}

std::string RectText(const DialogRect& rect) {
  return std::to_string(rect.x) + "," + std::to_string(rect.y) + " " + std::to_string(rect.width) +
         "x" + std::to_string(rect.height);
}

bool SameRect(const DialogRect& a, const DialogRect& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

// Every way the template differs from the table, one line each; empty when they agree.
std::vector<std::string> Differences(const DialogTemplateData& table, const RcDialog& rc,
                                     const RcScript& script) {
  std::vector<std::string> found;
  const auto note = [&found](const std::string& what) { found.push_back(what); };
  if (!SameRect(rc.rect, table.rect)) note("dialog place " + RectText(rc.rect));
  if (rc.caption != table.caption) note("caption \"" + rc.caption + "\"");
  if (rc.fontName != table.fontName || rc.fontPoints != table.fontPoints) {
    note("font " + std::to_string(rc.fontPoints) + " \"" + rc.fontName + "\"");
  }
  if (!rc.hasStyle || rc.style != kDialogStyle || rc.exStyle != 0) {
    note("dialog style " + Hex(rc.style) + " extended " + Hex(rc.exStyle));
  }
  if (rc.controls.size() != table.controls.size()) {
    note(std::to_string(rc.controls.size()) + " controls instead of " +
         std::to_string(table.controls.size()));
  }
  const std::size_t common = std::min(rc.controls.size(), table.controls.size());
  for (std::size_t i = 0; i < common; ++i) {
    const ControlTemplate& want = table.controls[i];
    const RcControl& have = rc.controls[i];
    const std::string where = "control " + std::to_string(i) + " (line " +
                              std::to_string(have.line) + ", table " + ControlKindName(want.kind) +
                              " " + std::to_string(want.id) + "): ";
    const Win32Control expected = ExpectedWin32Control(want);
    if (!SameName(have.className, expected.className)) note(where + "class " + have.className);
    if (have.style != expected.style) {
      note(where + "style " + Hex(have.style) + " instead of " + Hex(expected.style));
    }
    if (have.id != want.id) note(where + "id " + std::to_string(have.id));
    if (!SameRect(have.rect, want.rect)) note(where + "place " + RectText(have.rect));
    if (want.kind == ControlKind::Bitmap || want.kind == ControlKind::Icon) {
      // The table's text is the picture's resource number; the template names it by number,
      // and the script must hold a picture of the right type under it.
      const auto& pictures = want.kind == ControlKind::Bitmap ? script.bitmaps : script.icons;
      if (have.ordinal < 0 || std::to_string(have.ordinal) != want.text) {
        note(where + "picture " +
             (have.ordinal < 0 ? "\"" + have.text + "\"" : std::to_string(have.ordinal)));
      } else if (pictures.count(have.ordinal) == 0) {
        note(where + "no such picture in the script");
      }
    } else if (have.ordinal >= 0 || have.text != want.text) {
      note(where + "text \"" + have.text + "\"");
    }
  }
  return found;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  EXPECT_FALSE(text.str().empty()) << path;
  return text.str();
}

DialogTemplateData Table(const std::string& name) {
  DialogTemplateData dialog;
  std::string error;
  EXPECT_TRUE(ParseDialogTemplate(ReadFile(std::string(FROST_RESOURCES_DIR) + "/dialogs/" + name),
                                  dialog, error))
      << name << ": " << error;
  return dialog;
}

std::string ShippedScript() {
  return ReadFile(std::string(FROST_RESOURCES_DIR) + "/frostmote.rc");
}

RcScript Parse(const std::string& source) {
  RcScript script;
  std::string error;
  EXPECT_TRUE(ParseScript(source, script, error)) << error;
  return script;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// The differences between the configuration table and the script after replacing `from` by
// `to` in it, exactly once.
std::vector<std::string> ConfigurationDifferencesAfter(const std::string& from,
                                                       const std::string& to) {
  std::string source = ShippedScript();
  const std::size_t at = source.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  EXPECT_EQ(source.find(from, at + 1), std::string::npos) << from << " is not unique";
  if (at == std::string::npos) return {};
  source.replace(at, from.size(), to);
  const RcScript script = Parse(source);
  const RcDialog* dialog = script.Find(101);
  if (dialog == nullptr) return {"no dialog 101"};
  return Differences(Table("configuration.dialog"), *dialog, script);
}

TEST(ResourceScript, ConfigurationTemplateMatchesItsTable) {
  const DialogTemplateData table = Table("configuration.dialog");
  const RcScript script = Parse(ShippedScript());
  const RcDialog* dialog = script.Find(table.id);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(table.id, 101);
  EXPECT_TRUE(dialog->extended) << "the configuration dialog is a DIALOGEX template";
  EXPECT_EQ(dialog->controls.size(), 21u);
  EXPECT_EQ(Joined(Differences(table, *dialog, script)), "");
}

TEST(ResourceScript, AboutTemplateMatchesItsTable) {
  const DialogTemplateData table = Table("about.dialog");
  const RcScript script = Parse(ShippedScript());
  const RcDialog* dialog = script.Find(table.id);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(table.id, 109);
  EXPECT_FALSE(dialog->extended) << "the About dialog is a classic DIALOG template";
  EXPECT_EQ(dialog->controls.size(), 8u);
  EXPECT_EQ(Joined(Differences(table, *dialog, script)), "");
}

TEST(ResourceScript, PicturesAreTheGeneratedArt) {
  const RcScript script = Parse(ShippedScript());
  EXPECT_EQ(script.dialogs.size(), 2u);
  ASSERT_EQ(script.icons.size(), 1u);
  EXPECT_EQ(script.icons.begin()->first, 104);
  EXPECT_EQ(script.icons.begin()->second, "icon104.ico");
  ASSERT_EQ(script.bitmaps.size(), 1u);
  EXPECT_EQ(script.bitmaps.begin()->first, 111);
  EXPECT_EQ(script.bitmaps.begin()->second, "bitmap111.bmp");
}

// The comparison itself: each kind of drift between the script and the table is reported.
TEST(ResourceScript, ReportsEveryKindOfDrift) {
  const auto mentions = [](const std::vector<std::string>& lines, const std::string& part) {
    for (const std::string& line : lines) {
      if (line.find(part) != std::string::npos) return true;
    }
    return false;
  };
  // A moved control.
  EXPECT_TRUE(
      mentions(ConfigurationDifferencesAfter("1010, 219, 55, 48, 12", "1010, 219, 56, 48, 12"),
               "place 219,56 48x12"));
  // Another text, another id.
  EXPECT_TRUE(mentions(ConfigurationDifferencesAfter("\"Show FPS\"", "\"Show fps\""), "Show fps"));
  EXPECT_TRUE(mentions(ConfigurationDifferencesAfter("\"Show FPS\", 1025", "\"Show FPS\", 1026"),
                       "id 1026"));
  // A lost group, a drop-down that can be typed into, a frame without its edge.
  EXPECT_TRUE(mentions(ConfigurationDifferencesAfter("WS_GROUP | WS_TABSTOP", "WS_TABSTOP"),
                       "style 0x50010009 instead of 0x50030009"));
  EXPECT_TRUE(mentions(
      ConfigurationDifferencesAfter("CBS_DROPDOWNLIST | WS_VSCROLL", "CBS_SIMPLE | WS_VSCROLL"),
      "style"));
  EXPECT_TRUE(mentions(ConfigurationDifferencesAfter("SS_BLACKFRAME | SS_SUNKEN", "SS_BLACKFRAME"),
                       "style"));
  // Another class for the same style bits.
  EXPECT_TRUE(mentions(
      ConfigurationDifferencesAfter("\"Button\", BS_OWNERDRAW", "\"Static\", BS_OWNERDRAW"),
      "class Static"));
  // Another picture, or the right one under a name instead of its number.
  EXPECT_TRUE(mentions(ConfigurationDifferencesAfter("CONTROL         111", "CONTROL         104"),
                       "picture 104"));
  EXPECT_TRUE(
      mentions(ConfigurationDifferencesAfter("CONTROL         111", "CONTROL         \"111\""),
               "picture \"111\""));
  // Two controls swapped: each place has the other's id, position and text.
  EXPECT_EQ(ConfigurationDifferencesAfter(
                "AUTOCHECKBOX    \"Dance with Music (MP3 only)\", 1024, 101, 86, 107, 10\n"
                "    AUTOCHECKBOX    \"Show FPS\", 1025, 221, 86, 47, 9",
                "AUTOCHECKBOX    \"Show FPS\", 1025, 221, 86, 47, 9\n"
                "    AUTOCHECKBOX    \"Dance with Music (MP3 only)\", 1024, 101, 86, 107, 10")
                .size(),
            6u);
  // A dropped control, and the dialog's own header.
  EXPECT_TRUE(mentions(
      ConfigurationDifferencesAfter("    PUSHBUTTON      \"About\", 1011, 93, 104, 57, 14\n", ""),
      "20 controls instead of 21"));
  EXPECT_TRUE(
      mentions(ConfigurationDifferencesAfter("DIALOGEX 0, 0, 279, 122", "DIALOGEX 0, 0, 279, 121"),
               "dialog place"));
  EXPECT_TRUE(
      mentions(ConfigurationDifferencesAfter(
                   "DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\nCAPTION \"Frostmote",
                   "DS_MODALFRAME | WS_POPUP | WS_CAPTION\nCAPTION \"Frostmote"),
               "dialog style"));
}

// A style that windres and Microsoft's compiler would read differently is refused outright:
// the script must mean one control whichever compiler builds it.
TEST(ResourceScript, RefusesStylesThatDependOnTheCompiler) {
  RcScript script;
  std::string error;
  const std::string header = "1 DIALOG 0, 0, 10, 10\nSTYLE WS_POPUP\nBEGIN\n";
  EXPECT_TRUE(ParseScript(
      header + "PUSHBUTTON \"a\", 5, 1, 2, 3, 4, BS_FLAT | NOT WS_TABSTOP\nEND\n", script, error))
      << error;
  EXPECT_EQ(script.dialogs.at(0).controls.at(0).style, kWsChild | kWsVisible | kBsFlat);
  EXPECT_FALSE(
      ParseScript(header + "PUSHBUTTON \"a\", 5, 1, 2, 3, 4, BS_FLAT\nEND\n", script, error));
  EXPECT_NE(error.find("depends on the resource compiler"), std::string::npos) << error;
  EXPECT_FALSE(
      ParseScript(header + "LTEXT \"a\", -1, 1, 2, 3, 4, SS_SUNKEN\nEND\n", script, error));
  EXPECT_FALSE(ParseScript("#define WS_TABSTOP 0\n" + header + "END\n", script, error));
  EXPECT_FALSE(ParseScript(header + "PUSHBUTTON \"a\", 5, 1, 2, 3, 4, BS_SPLITBUTTON\nEND\n",
                           script, error));
  EXPECT_NE(error.find("unknown style"), std::string::npos) << error;
}

}  // namespace
}  // namespace frost
