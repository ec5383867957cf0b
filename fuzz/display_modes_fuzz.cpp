// The display modes a system may report: any records, any number of them.
#include <cstdint>
#include <cstring>
#include <vector>

#include "settings/display_modes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<frost::DisplayModeRecord> records;
  for (std::size_t at = 0; at + 16 <= size; at += 16) {
    frost::DisplayModeRecord record;
    std::memcpy(&record.width, data + at, 4);
    std::memcpy(&record.height, data + at + 4, 4);
    std::memcpy(&record.bitsPerPixel, data + at + 8, 4);
    std::memcpy(&record.frequency, data + at + 12, 4);
    records.push_back(record);
  }
  frost::DisplayModeList list;
  list.Assign(records);
  if (list.Count() < 0 || list.Count() > frost::DisplayModeList::kMaxModes) __builtin_trap();
  for (int i = -2; i <= list.Count() + 1; ++i) {
    const auto mode = list.GetDisplayMode(i);
    const bool inList = i >= 0 && i < list.Count();
    if (inList) {
      if (!frost::DisplayModeList::Qualifies(list.Mode(i))) __builtin_trap();
      if (list.EntryText(i).empty()) __builtin_trap();
    } else if (mode[0] != -1.0f) {
      __builtin_trap();
    }
  }
  return 0;
}
