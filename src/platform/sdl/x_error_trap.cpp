#include "platform/sdl/x_error_trap.h"

#include <X11/Xlib.h>

namespace frost::linux_host {
namespace {

int g_errors = 0;

int NoteError(Display*, XErrorEvent*) {
  ++g_errors;
  return 0;
}

}  // namespace

XErrorTrap::XErrorTrap(_XDisplay* display) : display_(display) {
  XSync(display_, False);
  before_ = g_errors;
  previous_ = reinterpret_cast<int (*)(_XDisplay*, void*)>(XSetErrorHandler(&NoteError));
}

XErrorTrap::~XErrorTrap() {
  XSync(display_, False);
  XSetErrorHandler(reinterpret_cast<XErrorHandler>(previous_));
}

bool XErrorTrap::Failed() {
  XSync(display_, False);
  return g_errors != before_;
}

}  // namespace frost::linux_host
