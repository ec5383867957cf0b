#include "settings/display_modes.h"

#include <utility>

namespace frost {

void DisplayModeList::Enumerate() {
  std::vector<DisplayModeRecord> modes;
  DisplayModeRecord mode;
  for (int n = 0; n < kMaxModes && Os().EnumDisplayMode(n, mode); ++n) modes.push_back(mode);
  Assign(std::move(modes));
}

void DisplayModeList::Assign(std::vector<DisplayModeRecord> modes) {
  modes_ = std::move(modes);
  if (modes_.size() > static_cast<std::size_t>(kMaxModes)) modes_.resize(kMaxModes);
  qualifying_.clear();
  for (std::size_t i = 0; i < modes_.size(); ++i) {
    if (Qualifies(modes_[i])) qualifying_.push_back(static_cast<int>(i));
  }
}

bool DisplayModeList::Qualifies(const DisplayModeRecord& mode) {
  if (mode.bitsPerPixel != 24 && mode.bitsPerPixel != 32) return false;
  if (mode.height == 0) return false;  // no aspect ratio at all
  // The bounds are single-precision constants; 4:3 (1.333) and 5:4 (1.25) fall between them.
  const long double ratio = static_cast<long double>(mode.width) / mode.height;
  if (!(ratio > static_cast<long double>(1.24f) && ratio < static_cast<long double>(1.34f))) {
    return false;
  }
  // Unsigned: a reported 0 or 1 Hz (the hardware default) does not qualify.
  return mode.width >= 640 && mode.frequency >= 60;
}

std::string DisplayModeList::EntryText(int index) const {
  const DisplayModeRecord& mode = Mode(index);
  return std::to_string(mode.width) + " x " + std::to_string(mode.height) + " @ " +
         std::to_string(mode.bitsPerPixel) + " - " + std::to_string(mode.frequency) + " Hertz";
}

std::array<float, 4> DisplayModeList::GetDisplayMode(int index) const {
  if (index < 0 || index >= Count()) return {-1.0f, -1.0f, -1.0f, -1.0f};
  const DisplayModeRecord& mode = Mode(index);
  return {static_cast<float>(mode.width), static_cast<float>(mode.height),
          static_cast<float>(mode.bitsPerPixel), static_cast<float>(mode.frequency)};
}

std::array<float, 4> GetDisplayMode(int index) {
  DisplayModeList list;
  list.Enumerate();
  return list.GetDisplayMode(index);
}

}  // namespace frost
