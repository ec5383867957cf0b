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

}  // namespace

ParsedCommandLine ParseCommandLine(std::string_view line) {
  ParsedCommandLine result;
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
  if (cursor.AtEnd()) return result;

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

}  // namespace frost
