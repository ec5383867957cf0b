#include "dialog/dialog_template.h"

#include <array>
#include <charconv>
#include <set>
#include <sstream>
#include <utility>

namespace frost {
namespace {

struct KindEntry {
  const char* name;
  ControlKind kind;
  bool tabStop;  // what a resource script gives the kind unless told otherwise
};

constexpr std::array<KindEntry, 13> kKinds = {{
    {"defpushbutton", ControlKind::DefPushButton, true},
    {"pushbutton", ControlKind::PushButton, true},
    {"autoradiobutton", ControlKind::AutoRadioButton, true},
    {"autocheckbox", ControlKind::AutoCheckBox, true},
    {"edittext", ControlKind::EditText, true},
    {"combobox", ControlKind::ComboBox, true},
    {"groupbox", ControlKind::GroupBox, false},
    {"ltext", ControlKind::LText, false},
    {"ctext", ControlKind::CText, false},
    {"blackframe", ControlKind::BlackFrame, false},
    {"bitmap", ControlKind::Bitmap, false},
    {"icon", ControlKind::Icon, false},
    {"ownerdrawbutton", ControlKind::OwnerDrawButton, false},
}};

struct Token {
  std::string value;
  bool quoted = false;
};

// Splits a line into bare words and quoted texts; false on an unterminated text or an unknown
// escape. A "#" outside a text starts a comment.
bool Tokenize(const std::string& line, std::vector<Token>& tokens, std::string& error) {
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      Token token{"", true};
      ++i;
      for (;;) {
        if (i >= line.size()) {
          error = "unterminated text";
          return false;
        }
        const char d = line[i++];
        if (d == '"') break;
        if (d != '\\') {
          token.value.push_back(d);
          continue;
        }
        if (i >= line.size()) {
          error = "unterminated text";
          return false;
        }
        const char e = line[i++];
        if (e == 'n') {
          token.value.push_back('\n');
        } else if (e == '"' || e == '\\') {
          token.value.push_back(e);
        } else {
          error = std::string("unknown escape \\") + e;
          return false;
        }
      }
      tokens.push_back(std::move(token));
    } else {
      Token token;
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' &&
             line[i] != '"' && line[i] != '#') {
        token.value.push_back(line[i++]);
      }
      tokens.push_back(std::move(token));
    }
  }
  return true;
}

bool ParseInt(const Token& token, int& value) {
  if (token.quoted || token.value.empty()) return false;
  const char* begin = token.value.data();
  const char* end = begin + token.value.size();
  const auto [last, status] = std::from_chars(begin, end, value);
  return status == std::errc() && last == end;
}

bool ParseId(const Token& token, int& id) {
  if (!token.quoted && token.value == "-") {
    id = kNoControlId;
    return true;
  }
  return ParseInt(token, id) && id >= 0 && id <= 0xFFFF;
}

// X Y WIDTH HEIGHT starting at tokens[first]; sizes may not be negative.
bool ParseRect(const std::vector<Token>& tokens, std::size_t first, DialogRect& rect,
               std::string& error) {
  int* fields[4] = {&rect.x, &rect.y, &rect.width, &rect.height};
  for (std::size_t k = 0; k < 4; ++k) {
    if (!ParseInt(tokens[first + k], *fields[k])) {
      error = "\"" + tokens[first + k].value + "\" is not a whole number";
      return false;
    }
  }
  if (rect.width < 0 || rect.height < 0) {
    error = "negative size";
    return false;
  }
  return true;
}

bool ApplyFlag(const Token& token, ControlTemplate& control, std::string& error) {
  const std::string& flag = token.value;
  if (token.quoted) {
    error = "a second text \"" + flag + "\"";
  } else if (flag == "group") {
    control.group = true;
  } else if (flag == "tabstop") {
    control.tabStop = true;
  } else if (flag == "notabstop") {
    control.tabStop = false;
  } else if (flag == "flat") {
    control.flat = true;
  } else if (flag == "sunken") {
    control.sunken = true;
  } else {
    error = "unknown flag \"" + flag + "\"";
  }
  return error.empty();
}

bool ParseControl(const std::vector<Token>& tokens, ControlTemplate& control, std::string& error) {
  const KindEntry* entry = nullptr;
  for (const KindEntry& candidate : kKinds) {
    if (tokens[0].value == candidate.name) entry = &candidate;
  }
  if (entry == nullptr || tokens[0].quoted) {
    error = "unknown kind \"" + tokens[0].value + "\"";
    return false;
  }
  if (tokens.size() < 7 || !tokens[6].quoted) {
    error = "expected KIND ID X Y WIDTH HEIGHT \"TEXT\"";
    return false;
  }
  control.kind = entry->kind;
  control.tabStop = entry->tabStop;
  if (!ParseId(tokens[1], control.id)) {
    error = "\"" + tokens[1].value + "\" is not a control id";
    return false;
  }
  if (!ParseRect(tokens, 2, control.rect, error)) return false;
  control.text = tokens[6].value;
  for (std::size_t k = 7; k < tokens.size(); ++k) {
    if (!ApplyFlag(tokens[k], control, error)) return false;
  }
  return true;
}

bool ParseLine(const std::vector<Token>& tokens, bool& haveDialog, bool& haveFont,
               DialogTemplateData& dialog, std::set<int>& ids, std::string& error) {
  const std::string& keyword = tokens[0].value;
  if (keyword == "dialog" && !tokens[0].quoted) {
    if (haveDialog) {
      error = "a second dialog line";
      return false;
    }
    dialog.extended = tokens.size() == 8 && !tokens[7].quoted && tokens[7].value == "extended";
    if ((tokens.size() != 7 && !dialog.extended) || !tokens[6].quoted ||
        !ParseInt(tokens[1], dialog.id)) {
      error = "expected dialog ID X Y WIDTH HEIGHT \"CAPTION\" [extended]";
      return false;
    }
    haveDialog = true;
    dialog.caption = tokens[6].value;
    return ParseRect(tokens, 2, dialog.rect, error);
  }
  if (!haveDialog) {
    error = "the dialog line must come first";
    return false;
  }
  if (keyword == "font" && !tokens[0].quoted) {
    if (tokens.size() != 3 || !ParseInt(tokens[1], dialog.fontPoints) || !tokens[2].quoted ||
        dialog.fontPoints <= 0 || haveFont) {
      error = "expected one font POINTS \"NAME\"";
      return false;
    }
    haveFont = true;
    dialog.fontName = tokens[2].value;
    return true;
  }
  ControlTemplate control;
  if (!ParseControl(tokens, control, error)) return false;
  if (control.id != kNoControlId && !ids.insert(control.id).second) {
    error = "control id " + std::to_string(control.id) + " is used twice";
    return false;
  }
  dialog.controls.push_back(std::move(control));
  return true;
}

}  // namespace

const ControlTemplate* DialogTemplateData::Find(int controlId) const {
  if (controlId == kNoControlId) return nullptr;
  for (const ControlTemplate& control : controls) {
    if (control.id == controlId) return &control;
  }
  return nullptr;
}

bool ParseDialogTemplate(const std::string& text, DialogTemplateData& dialog, std::string& error) {
  DialogTemplateData parsed;
  std::set<int> ids;
  bool haveDialog = false;
  bool haveFont = false;
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    std::vector<Token> tokens;
    std::string problem;
    if (Tokenize(line, tokens, problem) &&
        (tokens.empty() || ParseLine(tokens, haveDialog, haveFont, parsed, ids, problem))) {
      continue;
    }
    error = "line " + std::to_string(number) + ": " + problem;
    return false;
  }
  if (!haveDialog || !haveFont) {
    error = haveDialog ? "no font line" : "no dialog line";
    return false;
  }
  dialog = std::move(parsed);
  return true;
}

const char* ControlKindName(ControlKind kind) {
  for (const KindEntry& entry : kKinds) {
    if (entry.kind == kind) return entry.name;
  }
  return "?";
}

}  // namespace frost
