#include "shell/command_line.h"

#include <cstdint>
#include <limits>

namespace frost {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  void Advance() {
    if (!AtEnd()) ++pos_;
  }
  std::string_view Rest() const { return AtEnd() ? std::string_view() : text_.substr(pos_); }

  void SkipBlanks() {
    while (IsBlank(Peek())) Advance();
  }
  void SkipBlanksAndColons() {
    while (IsBlank(Peek()) || Peek() == ':') Advance();
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Decimal number in the manner of the C library's atoi: leading blanks, an optional sign, then
// digits up to the first non-digit; 0 when there are none. Saturates instead of overflowing.
WindowHandle ParseHandle(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
  }
  return static_cast<WindowHandle>(negative ? -value : value);
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The first blank-separated word of `text`, and what follows it.
std::string_view FirstWord(std::string_view text, std::string_view* rest) {
  std::size_t end = 0;
  while (end < text.size() && !IsBlank(text[end])) ++end;
  if (rest != nullptr) *rest = Trimmed(text.substr(end));
  return text.substr(0, end);
}

// "-root" and "--root" both name "root"; anything else that is not an option names nothing.
std::string_view OptionName(std::string_view word) {
  if (word.size() < 2 || word[0] != '-') return {};
  word.remove_prefix(word[1] == '-' ? 2 : 1);
  return word;
}

bool IsXscreensaverOption(std::string_view word) {
  const std::string_view option = OptionName(word);
  return option == "root" || option == "window" || option == "window-id";
}

// xscreensaver's options are whole words, so "-windowless" or "/root" are not among them. Its
// daemon writes them with two dashes ("--root"), its settings panel mixes both forms ("-root
// --window-id 0x...") in any order; a window id, when given, is where to draw.
ParsedCommandLine ParseXscreensaverWords(std::string_view arguments) {
  ParsedCommandLine result;
  result.hasArguments = true;
  result.mode = RunMode::Embedded;
  bool root = false;
  bool windowId = false;
  std::string_view rest = arguments;
  while (!rest.empty()) {
    std::string_view after;
    const std::string_view option = OptionName(FirstWord(rest, &after));
    if (option == "root") {
      root = true;
    } else if (option == "window-id" && !windowId) {
      windowId = true;
      result.parent = ParseWindowId(FirstWord(after, &after));
    }
    rest = after;
  }
  if (windowId) {
    result.parentKind = ParentKind::Handle;
  } else if (root) {
    result.parentKind = ParentKind::Desktop;
  }
  return result;
}

// The Windows switches: one letter, after an optional '-' or '/', then the window's handle
// after blanks or colons ("/c:1234", "/p 5678").
ParsedCommandLine ParseWindowsSwitch(std::string_view arguments) {
  ParsedCommandLine result;
  result.hasArguments = true;
  Cursor cursor(arguments);
  if (cursor.Peek() == '-' || cursor.Peek() == '/') cursor.Advance();
  const char letter = cursor.Peek();
  cursor.Advance();

  switch (letter) {
    case 's':
    case 'S':
      result.mode = RunMode::FullScreen;
      result.parentKind = ParentKind::Desktop;
      break;
    case 'c':
    case 'C':
      result.mode = RunMode::Configure;
      cursor.SkipBlanksAndColons();
      if (cursor.AtEnd()) {
        result.parentKind = ParentKind::Foreground;
      } else {
        result.parentKind = ParentKind::Handle;
        result.parent = ParseHandle(cursor.Rest());
      }
      break;
    case 'p':
    case 'P':
    case 'l':
    case 'L': {
      result.mode = RunMode::Preview;
      cursor.SkipBlanksAndColons();
      const std::string_view rest = cursor.Rest();
      if (rest != "scrprev" && rest != "ScrPrev" && rest != "SCRPREV") {
        result.parentKind = ParentKind::Handle;
        result.parent = ParseHandle(rest);
      }
      break;
    }
    case 'a':
    case 'A':
      result.mode = RunMode::Password;
      cursor.SkipBlanksAndColons();
      result.parentKind = ParentKind::Handle;
      result.parent = ParseHandle(cursor.Rest());
      break;
    default:
      break;
  }
  return result;
}

}  // namespace

WindowHandle ParseWindowId(std::string_view text) {
  text = Trimmed(text);
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return 0;
  std::uint64_t value = 0;
  for (char c : text) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) return 0;
    // X window ids are 29 bits; anything longer than 64 is no window either.
    if (value > (std::numeric_limits<std::uint64_t>::max() - static_cast<unsigned>(digit)) /
                    static_cast<unsigned>(base)) {
      return 0;
    }
    value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
  }
  return static_cast<WindowHandle>(value);
}

ParsedCommandLine ApplyXscreensaverWindow(ParsedCommandLine parsed, std::string_view variable) {
  const WindowHandle window = ParseWindowId(variable);
  if (window == 0) return parsed;
  const bool root = parsed.mode == RunMode::Embedded && parsed.parentKind == ParentKind::Desktop;
  if (!root && parsed.hasArguments) return parsed;
  parsed.mode = RunMode::Embedded;
  parsed.parentKind = ParentKind::Handle;
  parsed.parent = window;
  return parsed;
}

ParsedCommandLine ParseCommandLine(std::string_view line) {
  Cursor cursor(line);
  // The program name, quoted or up to the first blank.
  if (cursor.Peek() == '"') {
    cursor.Advance();
    while (!cursor.AtEnd() && cursor.Peek() != '"') cursor.Advance();
  } else {
    while (!cursor.AtEnd() && !IsBlank(cursor.Peek())) cursor.Advance();
  }
  cursor.Advance();  // the closing quote or the blank, if any
  cursor.SkipBlanks();
  if (cursor.AtEnd()) return {};
  const std::string_view arguments = cursor.Rest();
  return IsXscreensaverOption(FirstWord(arguments, nullptr)) ? ParseXscreensaverWords(arguments)
                                                             : ParseWindowsSwitch(arguments);
}

}  // namespace frost
