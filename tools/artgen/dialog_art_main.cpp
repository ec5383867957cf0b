// frost_dialog_art: paints the dialogs' logo bitmap and the program's icon into a folder.
//   frost_dialog_art <folder>
#include <cstdio>

#include "dialog_art.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  return frost::artgen::WriteDialogArt(argv[1]) ? 0 : 1;
}
