#include "platform/sdl/layout_guard.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <initializer_list>

#include "platform/sdl/x_screen_layout.h"

namespace frost::linux_host {
namespace {

// One word from the saver; each replaces the one before.
struct GuardNote {
  std::uint32_t armed = 0;
  ScreenLayout saved;
  ScreenLayout applied;
};

// The guard's whole life. It leaves the saver's process group and ignores the signals that end
// a session's programs, so that whatever ends the saver leaves the guard to act; it holds no
// descriptor of the saver's but its socket, so that nobody waits on it; and it ends once the
// saver has gone, after putting back what the saver left switched.
[[noreturn]] void RunGuard(int socket) {
  setsid();
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP, SIGPIPE})
    std::signal(signal, SIG_IGN);
  const int nothing = open("/dev/null", O_RDWR);
  for (int fd : {0, 1, 2}) dup2(nothing, fd);
  dup2(socket, 3);
  close_range(4, ~0U, 0);

  GuardNote last;
  GuardNote note;
  while (recv(3, &note, sizeof note, 0) == static_cast<ssize_t>(sizeof note)) last = note;
  if (last.armed != 0) {
    // This process is a copy of the saver: only _exit may end it, never the saver's exit path.
    XSetIOErrorHandler([](Display*) -> int { _exit(0); });
    Display* display = XOpenDisplay(nullptr);
    if (display != nullptr) {
      PutBackScreenLayout(display, last.saved, last.applied);
      XCloseDisplay(display);
    }
  }
  _exit(0);
}

}  // namespace

LayoutGuard::~LayoutGuard() {
  if (socket_ >= 0) close(socket_);
}

bool LayoutGuard::Start() {
  if (socket_ >= 0) return true;
  int ends[2];
  // Packets keep each note whole; close-on-exec keeps the saver's end out of any program it
  // starts, which would otherwise hold the guard back.
  if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0) return false;
  // Started before the switch, while the saver has no window, no GL and no sound: a plain copy
  // of a process that no other thread is busy in.
  const pid_t pid = fork();
  if (pid == 0) {
    close(ends[0]);
    RunGuard(ends[1]);
  }
  close(ends[1]);
  if (pid < 0) {
    close(ends[0]);
    return false;
  }
  socket_ = ends[0];
  return true;
}

void LayoutGuard::Expect(const ScreenLayout& saved, const ScreenLayout& applied) {
  if (socket_ < 0) return;
  GuardNote note;
  note.armed = 1;
  note.saved = saved;
  note.applied = applied;
  send(socket_, &note, sizeof note, MSG_NOSIGNAL);
}

void LayoutGuard::Stop() {
  if (socket_ < 0) return;
  const GuardNote note;
  send(socket_, &note, sizeof note, MSG_NOSIGNAL);
  close(socket_);
  socket_ = -1;
}

}  // namespace frost::linux_host
