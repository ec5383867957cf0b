// The Linux backend of the seam: SDL2 for the window, GL context, display modes, events,
// cursor, message boxes and clocks; plain POSIX for files and folders.
#include "platform/sdl/sdl_platform.h"

#include <SDL.h>
#include <limits.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/gtk/gtk_dialogs.h"
#include "platform/sdl/linux_paths.h"
#include "platform/sdl/pixel_format_fallbacks.h"
#include "platform/sdl/sdl_message_box.h"

namespace frost::linux_host {
namespace {

std::string ReadWholeFile(const std::string& path, bool& opened) {
  std::ifstream in(path, std::ios::binary);
  opened = static_cast<bool>(in);
  std::ostringstream text;
  if (opened) text << in.rdbuf();
  return text.str();
}

std::string ExecutablePath() {
  char buffer[PATH_MAX + 1] = {};
  const ssize_t length = readlink("/proc/self/exe", buffer, PATH_MAX);
  return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

int ChannelBits(int colorBits) {
  return colorBits <= 16 ? 5 : 8;
}

}  // namespace

SdlPlatform::SdlPlatform() {
  // A message box over the saver must not minimise it, and leaving full screen is ours to do.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "1");
  // The mode switch, the child windows and xscreensaver's windows are X11's: in a Wayland
  // session SDL must use XWayland too, whichever driver it or SDL_VIDEODRIVER would choose.
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "x11", SDL_HINT_OVERRIDE);
}

SdlPlatform::~SdlPlatform() {
  modeSwitch_.Restore();  // a run that ends without closing its window still leaves the desktop
  audio_.Close();
  child_.Destroy();
  if (videoReady_) SDL_Quit();
}

void SdlPlatform::SetArguments(int argc, char** argv) {
  std::string line;
  for (int i = 0; i < argc; ++i) {
    std::string argument = argv[i] != nullptr ? argv[i] : "";
    // The program name is quoted when it holds blanks, as the Windows shell passes it.
    if (i == 0 && argument.find_first_of(" \t") != std::string::npos) {
      argument = "\"" + argument + "\"";
    }
    if (i > 0) line += ' ';
    line += argument;
  }
  commandLine_ = line;
}

bool SdlPlatform::EnsureVideo() {
  if (videoReady_) return true;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  videoReady_ = true;
  return true;
}

std::string SdlPlatform::CommandLine() {
  return commandLine_;
}

std::string SdlPlatform::CurrentDirectory() {
  char buffer[PATH_MAX + 1] = {};
  return getcwd(buffer, PATH_MAX) != nullptr ? std::string(buffer) : std::string();
}

bool SdlPlatform::SetCurrentDirectory(const std::string& path) {
  return chdir(NativePath(path).c_str()) == 0;
}

bool SdlPlatform::QueryPerformanceFrequency(std::int64_t& countsPerSecond) {
  countsPerSecond = static_cast<std::int64_t>(SDL_GetPerformanceFrequency());
  return countsPerSecond > 0;
}

std::int64_t SdlPlatform::QueryPerformanceCounter() {
  return static_cast<std::int64_t>(SDL_GetPerformanceCounter());
}

std::uint32_t SdlPlatform::TimeGetTime() {
  return SDL_GetTicks();
}

std::FILE* SdlPlatform::OpenFile(const std::string& path, const char* mode) {
  return std::fopen(NativePath(path).c_str(), mode);
}

InstallPathKey SdlPlatform::ReadInstallPathKey() {
  bool opened = false;
  const std::string text = ReadWholeFile(InstallKeyPath(ExecutablePath()), opened);
  if (!opened) return {};
  return ParseInstallKey(text);
}

std::string SdlPlatform::SettingsFilePath(const std::string&) {
  // An installed data folder is not writable by the user: config.cfg lives in the user's
  // configuration folder instead.
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] == '\0') {
    const passwd* entry = getpwuid(getuid());
    home = entry != nullptr ? entry->pw_dir : nullptr;
  }
  return linux_host::SettingsFilePath(std::getenv("XDG_CONFIG_HOME"), home);
}

bool SdlPlatform::EnumDisplayMode(int index, DisplayModeRecord& mode) {
  if (!EnsureVideo()) return false;
  if (index < 0 || index >= SDL_GetNumDisplayModes(0)) return false;
  SDL_DisplayMode sdlMode{};
  if (SDL_GetDisplayMode(0, index, &sdlMode) != 0) return false;
  mode.width = static_cast<std::uint32_t>(sdlMode.w);
  mode.height = static_cast<std::uint32_t>(sdlMode.h);
  mode.bitsPerPixel = SDL_BITSPERPIXEL(sdlMode.format);
  mode.frequency = static_cast<std::uint32_t>(std::max(0, sdlMode.refresh_rate));
  return true;
}

bool SdlPlatform::ChangeDisplayMode(const DisplayModeChange& change) {
  if (!EnsureVideo()) return false;
  // Like the Windows call: the exact size and depth must exist, and the frequency too unless
  // it is left to the hardware (0). The switch itself happens now, before any window, so that
  // a server that refuses it is answered with the offer of a window.
  const int count = SDL_GetNumDisplayModes(0);
  for (int i = 0; i < count; ++i) {
    SDL_DisplayMode mode{};
    if (SDL_GetDisplayMode(0, i, &mode) != 0) continue;
    if (mode.w != change.width || mode.h != change.height) continue;
    if (static_cast<int>(SDL_BITSPERPIXEL(mode.format)) != change.colorBits) continue;
    if (change.frequency != 0 && static_cast<std::uint32_t>(mode.refresh_rate) != change.frequency)
      continue;
    return modeSwitch_.Switch(mode.w, mode.h, mode.refresh_rate);
  }
  return false;
}

bool SdlPlatform::RestoreDisplayMode() {
  return modeSwitch_.Restore();
}

bool SdlPlatform::RegisterWindowClass(WindowClassKind, InstanceHandle) {
  // SDL has no window classes; what registration stands for is a working window system.
  if (classRegistered_) return false;
  classRegistered_ = EnsureVideo();
  return classRegistered_;
}

bool SdlPlatform::UnregisterWindowClass(InstanceHandle) {
  const bool wasRegistered = classRegistered_;
  classRegistered_ = false;
  return wasRegistered;
}

WindowHandle SdlPlatform::CreateWindow(const WindowRequest& request) {
  if (window_ != nullptr || child_.Exists() || request.width <= 0 || request.height <= 0) {
    return 0;
  }
  if (request.style == WindowStyle::Child) {
    // Inside another program's window; without one there is nothing to be a child of.
    return child_.Create(request.parent, request.width, request.height, request.pixelFormat);
  }
  if (!EnsureVideo()) return 0;

  Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
  int x = 0;
  int y = 0;
  if (request.style == WindowStyle::Popup) {
    flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP;
    // Over the monitor that switched, wherever it lies on the screen; the window manager puts
    // a full-screen window on the monitor that holds it.
    SDL_Rect bounds{};
    if (!modeSwitch_.MonitorOrigin(x, y) && SDL_GetDisplayBounds(0, &bounds) == 0) {
      x = bounds.x;
      y = bounds.y;
    }
  } else {
    // An ordinary framed window, one the user may resize and maximise; a new size reaches the
    // saver as a size event.
    flags |= SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_RESIZABLE;
  }

  // The closest format the driver has.
  for (const PixelFormatRequest& format : PixelFormatFallbacks(request.pixelFormat)) {
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, ChannelBits(format.colorBits));
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, format.colorBits <= 16 ? 6 : 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, ChannelBits(format.colorBits));
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, format.alphaBits);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, format.depthBits);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, format.stencilBits);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, format.doubleBuffer ? 1 : 0);
    window_ = SDL_CreateWindow(request.title.c_str(), x, y, request.width, request.height, flags);
    if (window_ != nullptr) break;
  }
  if (window_ == nullptr) return 0;

  // The screen already has the size of the window: a borderless window over all of it is the
  // full-screen picture, as on Windows. SDL's own full screen would switch the mode again.
  if (request.style == WindowStyle::Popup) AskForFullScreenState(window_);
  // While the saver runs, the desktop's own screen saver and power saving stay off.
  SDL_DisableScreenSaver();

  handle_ = X11WindowOf(window_);
  if (handle_ == 0) handle_ = static_cast<WindowHandle>(SDL_GetWindowID(window_));
  return handle_;
}

DeviceHandle SdlPlatform::GetDeviceContext(WindowHandle window) {
  if (IsChild(window)) return window;
  return window_ != nullptr && window == handle_ ? handle_ : 0;
}

int SdlPlatform::ChoosePixelFormat(DeviceHandle dc, const PixelFormatRequest&) {
  // SDL (or, for a child, GLX) chose the visual when it created the window.
  if (IsChild(dc)) return 1;
  return window_ != nullptr && dc == handle_ ? 1 : 0;
}

bool SdlPlatform::SetPixelFormat(DeviceHandle dc, int format) {
  if (IsChild(dc)) return format == 1;
  return window_ != nullptr && dc == handle_ && format == 1;
}

ContextHandle SdlPlatform::CreateContext(DeviceHandle dc) {
  if (IsChild(dc)) {
    childContext_ = child_.CreateContext();
    return childContext_;
  }
  if (window_ == nullptr || dc != handle_) return 0;
  return reinterpret_cast<ContextHandle>(SDL_GL_CreateContext(window_));
}

bool SdlPlatform::MakeCurrent(DeviceHandle dc, ContextHandle context) {
  if (child_.Exists() && (context == 0 || context == childContext_)) {
    return context == 0 ? child_.MakeCurrent(0) : IsChild(dc) && child_.MakeCurrent(context);
  }
  if (context == 0) {
    return window_ == nullptr || SDL_GL_MakeCurrent(window_, nullptr) == 0;
  }
  if (window_ == nullptr || dc != handle_) return false;
  return SDL_GL_MakeCurrent(window_, reinterpret_cast<SDL_GLContext>(context)) == 0;
}

bool SdlPlatform::DeleteContext(ContextHandle context) {
  if (context == 0) return false;
  if (context == childContext_) {
    child_.DeleteContext(context);
    childContext_ = 0;
    return true;
  }
  SDL_GL_DeleteContext(reinterpret_cast<SDL_GLContext>(context));
  return true;
}

bool SdlPlatform::ReleaseDeviceContext(WindowHandle window, DeviceHandle dc) {
  if (IsChild(window)) return dc == window;
  return window_ != nullptr && window == handle_ && dc == handle_;
}

bool SdlPlatform::DestroyWindow(WindowHandle window) {
  if (IsChild(window)) {
    child_.Destroy();
    return true;
  }
  if (window_ == nullptr || window != handle_) return false;
  SDL_DestroyWindow(window_);
  window_ = nullptr;
  handle_ = 0;
  SDL_EnableScreenSaver();
  return true;
}

void SdlPlatform::ShowWindow(WindowHandle window, bool takeFocus) {
  if (IsChild(window)) {
    child_.Show();  // the keyboard stays with the program that owns the parent
    return;
  }
  if (window_ == nullptr || window != handle_) return;
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);
  if (takeFocus) SDL_SetWindowInputFocus(window_);
}

bool SdlPlatform::GetClientSize(WindowHandle window, int& width, int& height) {
  if (IsChild(window)) return child_.ClientSize(width, height);
  if (window_ == nullptr || window != handle_) {
    return GlxChildWindow::ForeignClientSize(window, width, height);
  }
  SDL_GL_GetDrawableSize(window_, &width, &height);
  return true;
}

WindowHandle SdlPlatform::DesktopWindow() {
  return x11_.DesktopRoot();
}

WindowHandle SdlPlatform::ForegroundWindow() {
  return x11_.ActiveWindow();
}

void SdlPlatform::SwapBuffers(DeviceHandle dc) {
  if (IsChild(dc)) {
    child_.SwapBuffers();
    return;
  }
  if (window_ != nullptr && dc == handle_) SDL_GL_SwapWindow(window_);
}

bool SdlPlatform::SetSwapInterval(int interval) {
  return SDL_GL_SetSwapInterval(interval) == 0;
}

void* SdlPlatform::GetGLProcAddress(const char* name) {
  if (child_.Exists()) {
    return GlxChildWindow::ProcAddress(name);
  }
  return window_ != nullptr ? SDL_GL_GetProcAddress(name) : nullptr;
}

bool SdlPlatform::PeekEvent(WindowEvent& event) {
  if (child_.NextEvent(event)) return true;
  if (!videoReady_) return false;
  SDL_Event sdl;
  while (SDL_PollEvent(&sdl) != 0) {
    if (Translate(sdl, event)) return true;
  }
  return false;
}

bool SdlPlatform::Translate(const SDL_Event& sdl, WindowEvent& event) {
  event = WindowEvent{};
  event.window = handle_;
  switch (sdl.type) {
    case SDL_QUIT:
      event.kind = EventKind::Quit;
      return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      event.kind = sdl.type == SDL_KEYDOWN ? EventKind::KeyDown : EventKind::KeyUp;
      // SDL's key codes are ASCII for printable keys and 27 for Escape, as virtual keys are.
      event.key = sdl.key.keysym.sym;
      return true;
    case SDL_MOUSEMOTION:
      event.kind = EventKind::MouseMove;
      event.x = sdl.motion.x;
      event.y = sdl.motion.y;
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      event.kind = EventKind::MouseButton;
      event.x = sdl.button.x;
      event.y = sdl.button.y;
      return true;
    case SDL_WINDOWEVENT:
      switch (sdl.window.event) {
        case SDL_WINDOWEVENT_SIZE_CHANGED:
          event.kind = EventKind::Size;
          event.width = sdl.window.data1;
          event.height = sdl.window.data2;
          return true;
        case SDL_WINDOWEVENT_CLOSE:
          event.kind = EventKind::Close;
          return true;
        // Showing the window is its first activation; restoring ends a minimisation.
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          event.kind = EventKind::Activate;
          event.minimized = false;
          return true;
        case SDL_WINDOWEVENT_MINIMIZED:
        case SDL_WINDOWEVENT_HIDDEN:
          event.kind = EventKind::Activate;
          event.minimized = true;
          return true;
        default:
          return false;
      }
    default:
      return false;
  }
}

void SdlPlatform::DefaultProcessing(const WindowEvent&) {
  // SDL has already done whatever the window system needed.
}

void SdlPlatform::ShowCursor(bool show) {
  if (EnsureVideo()) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

bool SdlPlatform::GetCursorPos(int& x, int& y) {
  if (!EnsureVideo()) return false;
  SDL_GetGlobalMouseState(&x, &y);
  return true;
}

MessageAnswer SdlPlatform::MessageBox(WindowHandle owner, const std::string& text,
                                      const std::string& caption, MessageButtons buttons,
                                      MessageIcon icon) {
  // A box without an owner still belongs above a window of ours.
  const WindowHandle xOwner = owner != 0 ? owner : handle_;
  MessageAnswer answer = UnshownMessageAnswer(buttons);
  if (ShowMessageBoxWithGtk(xOwner, text, caption, buttons, icon, answer)) return answer;
  // GTK could not open the display; SDL's own box draws with the X server's core fonts, which
  // a desktop may lack.
  // Only our own window can own that box; a foreign owner (a handle from the command line)
  // belongs to another process.
  SDL_Window* sdlOwner = (owner != 0 && owner == handle_) ? window_ : nullptr;
  if (ShowSdlMessageBox(sdlOwner, text, caption, buttons, icon, answer)) return answer;
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  return UnshownMessageAnswer(buttons);
}

// The dialogs are GTK's: SDL has no dialogs beyond message boxes.
int SdlPlatform::RunModalDialog(DialogTemplate id, WindowHandle parent, DialogProc proc) {
  return RunGtkDialog(id, parent, proc);
}

bool SdlPlatform::OpenAudioOutput(int rate, AudioFill fill, void* user) {
  return audio_.Open(rate, fill, user);
}

void SdlPlatform::CloseAudioOutput() {
  audio_.Close();
}

std::string SdlPlatform::Environment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value != nullptr ? value : "";
}

void SdlPlatform::OpenWebAddress(const std::string& address) {
  OpenWebAddressWithGtk(address);
}

}  // namespace frost::linux_host
