// frost_scene_tests CAPTURE_TOOL OUTPUT_FOLDER [gtest options]: the frames stay in the folder
// after the run, to look at when a check fails.
#include <gtest/gtest.h>

#include <cstdio>

#include "capture_run.h"
#include "support/fake_platform.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s CAPTURE_TOOL OUTPUT_FOLDER [gtest options]\n", argv[0]);
    return 2;
  }
  frost::scene_test::ConfigureCaptures(argv[1], argv[2]);
  // The scene code replayed beside the captures (camera path, snow) runs without a window;
  // whatever it might ask of the system, the fake platform answers.
  frost::testing::ScopedFakePlatform os;
  return RUN_ALL_TESTS();
}
