// What the X screen's monitors show, and the changes the full-screen run makes to it: read from
// the server, worked out as plain data, and applied so that no step leaves a monitor outside the
// screen. Plain data throughout, so that a layout can cross a socket to the guard whole.
#pragma once

#include <cstdint>

struct _XDisplay;

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

// The lit monitors as the server has them now; false without RandR 1.2 or with more monitors
// or outputs than a layout holds.
bool ReadScreenLayout(_XDisplay* display, ScreenLayout& layout);

// The CRTC that SDL counts as display 0 (the primary output's, else the first lit one's);
// -1 when nothing is lit.
int DisplayZeroIndex(_XDisplay* display, const ScreenLayout& layout);

// Makes the server show `to`, changing only the CRTCs that differ from what it shows now. The
// screen first grows to hold both pictures, then the monitors change, then it takes its final
// size. False, with the screen as it was, when the server refuses.
bool ApplyScreenLayout(_XDisplay* display, const ScreenLayout& to);

// After a switch from `saved` to `applied`: puts back each monitor that still shows what the
// switch left, and the screen's size if nobody else changed it. A monitor someone else changed
// meanwhile keeps that change.
bool PutBackScreenLayout(_XDisplay* display, const ScreenLayout& saved,
                         const ScreenLayout& applied);

}  // namespace frost::linux_host
