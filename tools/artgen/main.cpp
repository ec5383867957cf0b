// frost_artgen: paints every texture and the font sheet the scene loads, into a data folder.
//   frost_artgen <data folder> <font file>
// The build runs it whenever the generator changes; the output is the same on every run.

#include <cstdio>

#include "art_set.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <data folder> <font file (TrueType)>\n", argv[0]);
    return 2;
  }
  return frost::artgen::WriteArtSet(argv[1], argv[2]) ? 0 : 1;
}
