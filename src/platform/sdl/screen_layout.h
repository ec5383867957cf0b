// What the X screen's monitors show, and the changes the full-screen run makes to it, worked
// out as plain data (x_screen_layout.h reads and applies them). Plain data throughout, so that
// a layout can cross a socket to the guard whole, and no X server is needed to test it.
#pragma once

#include <cstdint>
#include <vector>

namespace frost::linux_host {

// One lit CRTC: its mode, place, turn and every output it drives (a clone on the same CRTC is
// one more output). X ids as Xlib's XID.
struct CrtcLayout {
  static constexpr int kMaxOutputs = 8;
  std::uint64_t crtc = 0;
  std::uint64_t mode = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;  // on the screen, after the turn
  std::int32_t height = 0;
  std::uint16_t rotation = 1;
  std::int32_t outputCount = 0;
  std::uint64_t outputs[kMaxOutputs] = {};

  bool SameAs(const CrtcLayout& other) const;
};

struct ScreenLayout {
  static constexpr int kMaxCrtcs = 16;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t widthMm = 0;
  std::int32_t heightMm = 0;
  std::int32_t crtcCount = 0;
  CrtcLayout crtcs[kMaxCrtcs] = {};

  // The lit CRTC with that id; null when it is dark or unknown.
  const CrtcLayout* Find(std::uint64_t crtc) const;
};

// The screen's size for these monitors: room for every one of them, and millimetres in the
// proportion the screen had (or 96 dots an inch when it had none).
void FitScreenAround(ScreenLayout& layout, const ScreenLayout& before);

// Millimetres for `pixels` in the proportion `referencePixels` had to `referenceMm` (96 dots
// an inch when the reference has none); at least 1.
int ScaledMm(int pixels, int referencePixels, int referenceMm);

// RandR's quarter turns, as CrtcLayout::rotation holds them.
inline constexpr std::uint16_t kRotate90 = 2;
inline constexpr std::uint16_t kRotate270 = 8;

// A mode the first output of a monitor offers, and whether all its other outputs offer it too.
struct ModeOffer {
  std::uint64_t id = 0;
  int width = 0;  // as the mode has it, before the monitor's turn
  int height = 0;
  int refreshRate = 0;
  bool offeredByAll = true;
};

// Gives `crtc` the first offered mode that shows `width` x `height` on the screen (a
// quarter-turned monitor shows a mode's width as its height) at `refreshRate` (0: any), among
// those all its outputs offer. False, and `crtc` unchanged, when there is none.
bool TakeMode(CrtcLayout& crtc, const std::vector<ModeOffer>& offers, int width, int height,
              int refreshRate);

}  // namespace frost::linux_host
