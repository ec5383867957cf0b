// The command line and xscreensaver's window variable, as any program could pass them.
#include <cstdint>
#include <string_view>

#include "shell/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  // The first line is the command line, the rest the variable.
  const std::size_t split = all.find('\n');
  const std::string_view line = all.substr(0, split);
  const std::string_view variable = split == std::string_view::npos ? "" : all.substr(split + 1);
  const frost::ParsedCommandLine parsed = frost::ParseCommandLine(line);
  const frost::ParsedCommandLine applied = frost::ApplyXscreensaverWindow(parsed, variable);
  // The variable may only ever turn a run into one inside a window, never into anything else.
  if (applied.mode != parsed.mode && applied.mode != frost::RunMode::Embedded) __builtin_trap();
  frost::ParseWindowId(variable);
  return 0;
}
