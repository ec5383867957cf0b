// Small X client for the end-to-end tests: does what a window manager or another program would
// do to the saver's window, which xdotool in Debian 12 cannot do.
//
//   x_client close WINDOW          ask the window to close, as a window manager's close button
//                                  does (WM_PROTOCOLS / WM_DELETE_WINDOW), without destroying it
//   x_client cover X Y W H MS      put a white window over that rectangle for MS milliseconds,
//                                  then remove it, leaving white pixels behind until the window
//                                  underneath draws itself again
//   x_client window TITLE          open an ordinary top-level window called TITLE, print its id
//                                  in decimal once it is on screen, and keep it until killed: the
//                                  other program whose window a dialog can be transient for
//   x_client host TITLE W H        the same at (100, 100), W x H, painted green: a settings panel's
//                                  preview area, or xscreensaver's window. Killing the client
//                                  takes the window (and any child in it) away with it
//   x_client resize WINDOW W H     resize another client's window, as its owner would
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

bool ParseNumber(const char* text, long& value) {
  char* end = nullptr;
  value = std::strtol(text, &end, 0);
  return end != text && *end == '\0';
}

void SleepMs(long ms) {
  timespec delay{ms / 1000, (ms % 1000) * 1000000L};
  nanosleep(&delay, nullptr);
}

int Close(Display* display, Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  // An empty event mask delivers the message to the window's owner, as window managers do.
  if (XSendEvent(display, window, False, NoEventMask, &event) == 0) {
    std::fprintf(stderr, "x_client: could not send the close request\n");
    return 1;
  }
  XSync(display, False);
  return 0;
}

int Cover(Display* display, int x, int y, unsigned width, unsigned height, long ms) {
  XSetWindowAttributes attributes{};
  // No window manager may move it, and it must not take the keyboard from the saver.
  attributes.override_redirect = True;
  attributes.background_pixel = WhitePixel(display, DefaultScreen(display));
  const Window cover =
      XCreateWindow(display, DefaultRootWindow(display), x, y, width, height, 0, CopyFromParent,
                    InputOutput, CopyFromParent, CWOverrideRedirect | CWBackPixel, &attributes);
  XMapRaised(display, cover);
  XSync(display, False);
  SleepMs(ms);
  XDestroyWindow(display, cover);
  XSync(display, False);
  return 0;
}

int OwnWindow(Display* display, const char* title, int x = 40, int y = 40, unsigned width = 320,
              unsigned height = 200, unsigned long background = 0xFFFFFF) {
  const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), x, y, width,
                                            height, 0, 0, background);
  XStoreName(display, window, title);
  XSelectInput(display, window, StructureNotifyMask);
  XMapWindow(display, window);
  XEvent event{};
  do {
    XNextEvent(display, &event);
  } while (event.type != MapNotify);
  std::printf("%lu\n", static_cast<unsigned long>(window));
  std::fflush(stdout);
  for (;;) XNextEvent(display, &event);
}

int Usage() {
  std::fprintf(stderr,
               "usage: x_client close WINDOW\n"
               "       x_client cover X Y WIDTH HEIGHT MILLISECONDS\n"
               "       x_client window TITLE\n"
               "       x_client host TITLE WIDTH HEIGHT\n"
               "       x_client resize WINDOW WIDTH HEIGHT\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "x_client: cannot open display\n");
    return 1;
  }
  int result = 2;
  long numbers[5] = {};
  if (std::strcmp(argv[1], "close") == 0 && argc == 3 && ParseNumber(argv[2], numbers[0])) {
    result = Close(display, static_cast<Window>(numbers[0]));
  } else if (std::strcmp(argv[1], "cover") == 0 && argc == 7) {
    bool ok = true;
    for (int i = 0; i < 5; ++i) ok = ok && ParseNumber(argv[i + 2], numbers[i]);
    if (ok && numbers[2] > 0 && numbers[3] > 0 && numbers[4] >= 0) {
      result =
          Cover(display, static_cast<int>(numbers[0]), static_cast<int>(numbers[1]),
                static_cast<unsigned>(numbers[2]), static_cast<unsigned>(numbers[3]), numbers[4]);
    } else {
      result = Usage();
    }
  } else if (std::strcmp(argv[1], "window") == 0 && argc == 3) {
    result = OwnWindow(display, argv[2]);
  } else if (std::strcmp(argv[1], "host") == 0 && argc == 5 && ParseNumber(argv[3], numbers[0]) &&
             ParseNumber(argv[4], numbers[1]) && numbers[0] > 0 && numbers[1] > 0) {
    result = OwnWindow(display, argv[2], 100, 100, static_cast<unsigned>(numbers[0]),
                       static_cast<unsigned>(numbers[1]), 0x00FF00);
  } else if (std::strcmp(argv[1], "resize") == 0 && argc == 5 && ParseNumber(argv[2], numbers[0]) &&
             ParseNumber(argv[3], numbers[1]) && ParseNumber(argv[4], numbers[2]) &&
             numbers[1] > 0 && numbers[2] > 0) {
    XResizeWindow(display, static_cast<Window>(numbers[0]), static_cast<unsigned>(numbers[1]),
                  static_cast<unsigned>(numbers[2]));
    XSync(display, False);
    result = 0;
  } else {
    result = Usage();
  }
  XCloseDisplay(display);
  return result;
}
