// The X server's side of a screen layout: reading what its monitors show, and changing it
// through RandR 1.2 so that no step leaves a monitor outside the screen.
#pragma once

#include <vector>

#include "platform/sdl/screen_layout.h"

struct _XDisplay;

namespace frost::linux_host {

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

// The modes the first output of `crtc` offers, with their sizes and rates as the server has
// them, and whether every other output of `crtc` offers each.
std::vector<ModeOffer> ReadModeOffers(_XDisplay* display, const CrtcLayout& crtc);

}  // namespace frost::linux_host
