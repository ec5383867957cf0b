// The display modes offered to the user and chosen by index.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace frost {

// The display modes a user may choose: 4:3 and 5:4 modes with 24 or 32 colour bits, at least
// 640 wide, at least 60 Hz, in the order the system enumerates them. The dialog and the
// full-screen run each build it the same way, so index n names the same mode in both.
class DisplayModeList {
 public:
  static constexpr int kMaxModes = 512;

  // Asks the system for modes 0, 1, ... until it has no more (at most kMaxModes).
  void Enumerate();
  // Same filter over given records (tests, fuzzing).
  void Assign(std::vector<DisplayModeRecord> modes);

  static bool Qualifies(const DisplayModeRecord& mode);

  int Count() const { return static_cast<int>(qualifying_.size()); }
  const DisplayModeRecord& Mode(int index) const { return modes_[qualifying_[index]]; }
  // "1024 x 768 @ 32 - 85 Hertz"
  std::string EntryText(int index) const;
  // Width, height, bits, frequency; -1 for all four when the index is past the list.
  std::array<float, 4> GetDisplayMode(int index) const;

 private:
  std::vector<DisplayModeRecord> modes_;
  std::vector<int> qualifying_;
};

// Enumerates anew and looks the index up, as the full-screen run does.
std::array<float, 4> GetDisplayMode(int index);

}  // namespace frost
