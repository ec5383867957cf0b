// A window of "another program" (an X connection of the test's own) for the preview to live in.
#pragma once

#include "platform/platform.h"

struct _XDisplay;

namespace frost::testing {

class ForeignWindow {
 public:
  ForeignWindow(int width, int height);
  ~ForeignWindow();
  ForeignWindow(const ForeignWindow&) = delete;
  ForeignWindow& operator=(const ForeignWindow&) = delete;
  WindowHandle Handle() const { return window_; }

 private:
  _XDisplay* display_ = nullptr;
  WindowHandle window_ = 0;
};

}  // namespace frost::testing
