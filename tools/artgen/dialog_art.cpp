#include "dialog_art.h"

#include "bmp_encoder.h"
#include "file_output.h"
#include "globe_logo.h"

namespace frost::artgen {

PaletteImage LogoBitmap() {
  return ReduceColours(GlobeLogo(kLogoWidth, kLogoHeight), 256);
}

PaletteImage IconBitmap(std::vector<bool>& opaque) {
  const CoveredImage icon = GlobeIcon(kIconSize);
  PaletteImage bitmap = ReduceColours(icon.colour, 255, 1);
  opaque.assign(icon.coverage.size(), false);
  for (std::size_t i = 0; i < icon.coverage.size(); ++i) {
    // A one-bit mask: pixels at least half covered are drawn whole.
    opaque[i] = icon.coverage[i] >= 0.5;
    if (!opaque[i]) bitmap.indices[i] = 0;
  }
  return bitmap;
}

const std::vector<std::string>& DialogArtFiles() {
  static const std::vector<std::string> kFiles = {"bitmap111.bmp", "icon104.ico"};
  return kFiles;
}

bool WriteDialogArt(const std::filesystem::path& folder) {
  std::vector<bool> opaque;
  const PaletteImage icon = IconBitmap(opaque);
  return WriteFileBytes(folder / "bitmap111.bmp", EncodeBmp8(LogoBitmap())) &&
         WriteFileBytes(folder / "icon104.ico", EncodeIco8(icon, opaque));
}

}  // namespace frost::artgen
