#include "platform/sdl/screen_layout.h"

#include <algorithm>

namespace frost::linux_host {

int ScaledMm(int pixels, int referencePixels, int referenceMm) {
  if (referencePixels <= 0 || referenceMm <= 0) return std::max(1, pixels * 254 / 960);
  return std::max(1,
                  static_cast<int>(static_cast<long long>(pixels) * referenceMm / referencePixels));
}

bool CrtcLayout::SameAs(const CrtcLayout& other) const {
  return crtc == other.crtc && mode == other.mode && x == other.x && y == other.y &&
         rotation == other.rotation && outputCount == other.outputCount &&
         std::equal(outputs, outputs + outputCount, other.outputs);
}

const CrtcLayout* ScreenLayout::Find(std::uint64_t crtc) const {
  for (int i = 0; i < crtcCount; ++i) {
    if (crtcs[i].crtc == crtc) return &crtcs[i];
  }
  return nullptr;
}

void FitScreenAround(ScreenLayout& layout, const ScreenLayout& before) {
  layout.width = 0;
  layout.height = 0;
  for (int i = 0; i < layout.crtcCount; ++i) {
    layout.width = std::max(layout.width, layout.crtcs[i].x + layout.crtcs[i].width);
    layout.height = std::max(layout.height, layout.crtcs[i].y + layout.crtcs[i].height);
  }
  layout.widthMm = ScaledMm(layout.width, before.width, before.widthMm);
  layout.heightMm = ScaledMm(layout.height, before.height, before.heightMm);
}

bool TakeMode(CrtcLayout& crtc, const std::vector<ModeOffer>& offers, int width, int height,
              int refreshRate) {
  const bool turned = (crtc.rotation & (kRotate90 | kRotate270)) != 0;
  for (const ModeOffer& offer : offers) {
    const int shownWidth = turned ? offer.height : offer.width;
    const int shownHeight = turned ? offer.width : offer.height;
    if (shownWidth != width || shownHeight != height || !offer.offeredByAll) continue;
    if (refreshRate != 0 && offer.refreshRate != refreshRate) continue;
    crtc.mode = offer.id;
    crtc.width = width;
    crtc.height = height;
    return true;
  }
  return false;
}

}  // namespace frost::linux_host
