// The seam between the portable core and the operating system.
//
// Everything the screen saver needs of the OS is declared here, in the core's own terms, and
// nothing else: the core never includes a window-system header. A backend (SDL2 on Linux, Win32
// later) implements `Platform`; tests install a fake that scripts answers and records calls.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace frost {

// Opaque handles. On Linux windows are X11 window ids, so the numbers on the command line and
// the handles the backend hands out are the same kind of thing.
using WindowHandle = std::uintptr_t;
using DeviceHandle = std::uintptr_t;
using ContextHandle = std::uintptr_t;
using InstanceHandle = std::uintptr_t;

enum class WindowClassKind { FullScreen, Preview };

// How a window is created: a borderless popup covering the changed display mode, a top-most
// window with title bar and borders, or a child covering a foreign window's client area.
enum class WindowStyle { Popup, OverlappedTopmost, Child };

struct PixelFormatRequest {
  int colorBits = 32;
  int alphaBits = 0;
  int depthBits = 32;
  int stencilBits = 0;
  bool doubleBuffer = true;
};

struct WindowRequest {
  WindowStyle style = WindowStyle::Popup;
  std::string title;
  int width = 0;
  int height = 0;
  WindowHandle parent = 0;
  PixelFormatRequest pixelFormat;
};

// One display mode as the system enumerates it.
struct DisplayModeRecord {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint32_t bitsPerPixel = 0;
  std::uint32_t frequency = 0;
};

// A display-mode change request. Negative sizes are passed through unchanged (the system
// refuses them); a frequency of 0 means "whatever the hardware defaults to".
struct DisplayModeChange {
  int width = 0;
  int height = 0;
  int colorBits = 0;
  std::uint32_t frequency = 0;
};

enum class MessageIcon { None, Error, Exclamation, Information, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// What a box that could not be shown at all answers: a question gets No, the answer that ends
// the run, since nobody agreed to anything; the same on every host.
inline MessageAnswer UnshownMessageAnswer(MessageButtons buttons) {
  return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

enum class EventKind {
  Size,         // client area resized: width, height
  KeyDown,      // key: virtual-key code (27 is Escape)
  KeyUp,        // key
  Close,        // the user or the window manager asks the window to close
  Destroy,      // the window is gone
  Quit,         // the process is asked to end (signal, session end)
  SysCommand,   // command: the OS wants to start a screen saver or power the monitor down
  Activate,     // minimized: true while the window is being minimised or hidden
  MouseMove,    // x, y
  MouseButton,  // a button went down or up
  Other
};

enum class SysCommand { ScreenSave, MonitorPower, Other };

struct WindowEvent {
  EventKind kind = EventKind::Other;
  WindowHandle window = 0;
  int width = 0;
  int height = 0;
  int key = 0;
  int x = 0;
  int y = 0;
  bool minimized = false;
  SysCommand command = SysCommand::Other;
};

inline constexpr int kKeyEscape = 27;

// Dialogs (dialog_view.h has the rest): a template, and the procedure that drives it.
enum class DialogTemplate : int;
class DialogView;
struct DialogMessage;
using DialogProc = bool (*)(DialogView& dialog, const DialogMessage& message);

// What the "registry" holds: whether the key could be opened, and the value (empty when the
// key exists without the value).
struct InstallPathKey {
  bool keyOpened = false;
  std::string value;
};

// Whether the system plays audio CDs itself (the media control interface on Windows) or leaves
// the program to read the disc and mix it like any other sound.
enum class SystemCdPlay { NotOffered, Playing, NoDrive };

// Audio output pulls sound: the backend calls this on its own thread whenever the device needs
// `frames` more frames of interleaved 16-bit stereo. It must fill all of them and never block.
using AudioFill = void (*)(void* user, std::int16_t* stereo, int frames);

class Platform {
 public:
  virtual ~Platform() = default;

  // Process.
  virtual std::string CommandLine() = 0;  // full line, program name first
  // An environment variable's value; empty when it is not set.
  virtual std::string Environment(const std::string& name) = 0;
  virtual std::string CurrentDirectory() = 0;
  virtual bool SetCurrentDirectory(const std::string& path) = 0;
  // What separates folders in the paths a user sees and chooses. The core writes its own with
  // '\\'; a host whose paths read otherwise shows and stores them in its own form.
  virtual char PathSeparator() { return '\\'; }

  // Clocks. The performance counter may be missing (frequency query fails); the millisecond
  // timer wraps every 49.7 days.
  virtual bool QueryPerformanceFrequency(std::int64_t& countsPerSecond) = 0;
  virtual std::int64_t QueryPerformanceCounter() = 0;
  virtual std::uint32_t TimeGetTime() = 0;

  // Files. Paths the core builds use backslashes; the backend translates them when it opens.
  virtual std::FILE* OpenFile(const std::string& path, const char* mode) = 0;
  virtual InstallPathKey ReadInstallPathKey() = 0;
  // Where config.cfg lives for this installation folder.
  virtual std::string SettingsFilePath(const std::string& installPath) = 0;

  // Display modes.
  virtual bool EnumDisplayMode(int index, DisplayModeRecord& mode) = 0;
  virtual bool ChangeDisplayMode(const DisplayModeChange& mode) = 0;
  virtual bool RestoreDisplayMode() = 0;

  // Windows and GL contexts, one step at a time so that each failure can be told apart.
  virtual bool RegisterWindowClass(WindowClassKind kind, InstanceHandle instance) = 0;
  virtual bool UnregisterWindowClass(InstanceHandle instance) = 0;
  virtual WindowHandle CreateWindow(const WindowRequest& request) = 0;
  virtual DeviceHandle GetDeviceContext(WindowHandle window) = 0;
  virtual int ChoosePixelFormat(DeviceHandle dc, const PixelFormatRequest& request) = 0;
  virtual bool SetPixelFormat(DeviceHandle dc, int format) = 0;
  virtual ContextHandle CreateContext(DeviceHandle dc) = 0;
  virtual bool MakeCurrent(DeviceHandle dc, ContextHandle context) = 0;  // 0, 0 releases
  virtual bool DeleteContext(ContextHandle context) = 0;
  virtual bool ReleaseDeviceContext(WindowHandle window, DeviceHandle dc) = 0;
  virtual bool DestroyWindow(WindowHandle window) = 0;
  // Show, raise, and (when asked) take the keyboard focus.
  virtual void ShowWindow(WindowHandle window, bool takeFocus) = 0;
  virtual bool GetClientSize(WindowHandle window, int& width, int& height) = 0;
  virtual WindowHandle DesktopWindow() = 0;
  virtual WindowHandle ForegroundWindow() = 0;
  virtual void SwapBuffers(DeviceHandle dc) = 0;
  // 1 waits for the vertical blank inside the swap; false when the driver refuses.
  virtual bool SetSwapInterval(int interval) = 0;
  // An OpenGL entry point of the current context by its exact name; null when there is none.
  virtual void* GetGLProcAddress(const char* name) = 0;

  // Events: never waits. The default processing is what the OS does with an event the
  // saver's window procedure does not handle.
  virtual bool PeekEvent(WindowEvent& event) = 0;
  virtual void DefaultProcessing(const WindowEvent& event) = 0;

  // Cursor.
  virtual void ShowCursor(bool show) = 0;
  virtual bool GetCursorPos(int& x, int& y) = 0;

  // Message boxes: modal; Return answers with the default button (OK, or Yes). A box that
  // cannot be shown answers UnshownMessageAnswer.
  virtual MessageAnswer MessageBox(WindowHandle owner, const std::string& text,
                                   const std::string& caption, MessageButtons buttons,
                                   MessageIcon icon) = 0;

  // Shows the dialog modally, transient for `parent` (another program's window, or 0 for
  // none), and sends `proc` its messages until the procedure ends it. Returns the result the
  // procedure gave, or -1 when no dialog could be shown at all.
  virtual int RunModalDialog(DialogTemplate id, WindowHandle parent, DialogProc proc) = 0;
  // Asks the user's web browser to open the address; whether it did is not reported.
  virtual void OpenWebAddress(const std::string& address) = 0;

  // Sound output at `rate` frames a second, one device at a time; false when there is no
  // device. Closing returns only once `fill` is no longer running and will not be called again.
  virtual bool OpenAudioOutput(int rate, AudioFill fill, void* user) = 0;
  virtual void CloseAudioOutput() = 0;

  // An audio CD played by the system from `track` to the end of the disc and round again;
  // the default leaves CDs to the program. Stopping when nothing plays does nothing.
  virtual SystemCdPlay PlaySystemCd(int track) {
    (void)track;
    return SystemCdPlay::NotOffered;
  }
  virtual void StopSystemCd() {}
};

// The platform the core talks to. Until one is installed, the backend linked into the program
// provides its own (`DefaultPlatform`), which static objects may already need.
Platform& Os();
// Installs a platform (tests); nullptr goes back to the default. Returns the previous one.
Platform* SetPlatform(Platform* platform);
// Defined by the backend that is linked in.
Platform& DefaultPlatform();

}  // namespace frost
