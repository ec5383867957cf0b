#include "platform/win32/win32_platform.h"

#include <algorithm>
#include <vector>

#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_records.h"

namespace frost::win32 {
namespace {

constexpr const char* kClassName = "OpenGL";
constexpr const char* kKeyPath = "software\\Torvane\\ZADevor";
constexpr const char* kKeyValue = "path";

Win32Platform* g_platform = nullptr;

HWND Hwnd(WindowHandle handle) {
  return reinterpret_cast<HWND>(handle);
}
HDC Hdc(DeviceHandle handle) {
  return reinterpret_cast<HDC>(handle);
}
HGLRC Hglrc(ContextHandle handle) {
  return reinterpret_cast<HGLRC>(handle);
}
template <typename Handle>
std::uintptr_t Number(Handle handle) {
  return reinterpret_cast<std::uintptr_t>(handle);
}

}  // namespace

Win32Platform::Win32Platform() {
  g_platform = this;
  openGl_ = LoadLibraryA("opengl32.dll");
}

Win32Platform::~Win32Platform() {
  cd_.Stop();
  audio_.Close();
  if (openGl_ != nullptr) FreeLibrary(openGl_);
  g_platform = nullptr;
}

std::string Win32Platform::CommandLine() {
  const char* line = GetCommandLineA();
  return line != nullptr ? line : "";
}

std::string Win32Platform::Environment(const std::string& name) {
  const DWORD size = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::string value(size, '\0');
  const DWORD length = GetEnvironmentVariableA(name.c_str(), value.data(), size);
  value.resize(std::min<DWORD>(length, size));
  return value;
}

std::string Win32Platform::CurrentDirectory() {
  const DWORD size = GetCurrentDirectoryA(0, nullptr);
  if (size == 0) return {};
  std::string path(size, '\0');
  const DWORD length = GetCurrentDirectoryA(size, path.data());
  path.resize(std::min<DWORD>(length, size));
  return path;
}

bool Win32Platform::SetCurrentDirectory(const std::string& path) {
  return SetCurrentDirectoryA(path.c_str()) != FALSE;
}

bool Win32Platform::QueryPerformanceFrequency(std::int64_t& countsPerSecond) {
  LARGE_INTEGER frequency{};
  if (!::QueryPerformanceFrequency(&frequency)) return false;
  countsPerSecond = frequency.QuadPart;
  return true;
}

std::int64_t Win32Platform::QueryPerformanceCounter() {
  LARGE_INTEGER count{};
  ::QueryPerformanceCounter(&count);
  return count.QuadPart;
}

std::uint32_t Win32Platform::TimeGetTime() {
  return timeGetTime();
}

std::FILE* Win32Platform::OpenFile(const std::string& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

InstallPathKey Win32Platform::ReadInstallPathKey() {
  InstallPathKey result;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return result;
  }
  result.keyOpened = true;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key, kKeyValue, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0) {
    std::vector<char> buffer(size + 1, '\0');
    if (RegQueryValueExA(key, kKeyValue, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) == ERROR_SUCCESS) {
      // The stored string may or may not carry its terminator; the buffer holds one zero past
      // the value either way, so it reads as a C string.
      result.value = buffer.data();
    }
  }
  RegCloseKey(key);
  return result;
}

std::string Win32Platform::SettingsFilePath(const std::string& installPath) {
  return installPath + "\\config.cfg";
}

bool Win32Platform::EnumDisplayMode(int index, DisplayModeRecord& mode) {
  DEVMODEA devMode{};
  devMode.dmSize = sizeof(DEVMODEA);
  if (!EnumDisplaySettingsA(nullptr, static_cast<DWORD>(index), &devMode)) return false;
  mode.width = devMode.dmPelsWidth;
  mode.height = devMode.dmPelsHeight;
  mode.bitsPerPixel = devMode.dmBitsPerPel;
  mode.frequency = devMode.dmDisplayFrequency;
  return true;
}

bool Win32Platform::ChangeDisplayMode(const DisplayModeChange& change) {
  DEVMODEA devMode = DisplayModeRecordFor(change);
  return ChangeDisplaySettingsA(&devMode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL;
}

bool Win32Platform::RestoreDisplayMode() {
  return ChangeDisplaySettingsA(nullptr, 0) == DISP_CHANGE_SUCCESSFUL;
}

bool Win32Platform::RegisterWindowClass(WindowClassKind kind, InstanceHandle instance) {
  const bool fullScreen = kind == WindowClassKind::FullScreen;
  WNDCLASSA windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
  windowClass.lpfnWndProc = &Win32Platform::WindowProc;
  windowClass.hInstance =
      fullScreen ? GetModuleHandleA(nullptr) : reinterpret_cast<HINSTANCE>(instance);
  windowClass.hIcon = fullScreen ? LoadIconA(nullptr, IDI_WINLOGO) : nullptr;
  windowClass.hCursor = fullScreen ? LoadCursorA(nullptr, IDC_ARROW) : nullptr;
  windowClass.hbrBackground =
      fullScreen ? nullptr : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kClassName;
  if (RegisterClassA(&windowClass) == 0) return false;
  classInstance_ = windowClass.hInstance;
  return true;
}

bool Win32Platform::UnregisterWindowClass(InstanceHandle instance) {
  return UnregisterClassA(kClassName, reinterpret_cast<HINSTANCE>(instance)) != FALSE;
}

WindowHandle Win32Platform::CreateWindow(const WindowRequest& request) {
  RECT rect{0, 0, request.width, request.height};
  DWORD exStyle = WS_EX_APPWINDOW;
  DWORD style = WS_POPUP;
  const char* name = request.title.c_str();
  HWND parent = nullptr;
  switch (request.style) {
    case WindowStyle::Popup:
      break;
    case WindowStyle::OverlappedTopmost:
      exStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE | WS_EX_TOPMOST;
      style = WS_OVERLAPPEDWINDOW;
      break;
    case WindowStyle::Child:
      // The rectangle is adjusted as for a top-most popup, which leaves its size alone.
      AdjustWindowRectEx(&rect, WS_POPUP, FALSE, WS_EX_TOPMOST);
      parent = Hwnd(request.parent);
      if (parent == nullptr) return 0;  // a child needs a parent
      lostWindow_ = nullptr;
      return Number(CreateWindowExA(WS_EX_APPWINDOW, kClassName, name, WS_CHILD | WS_VISIBLE, 0, 0,
                                    rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                                    classInstance_, nullptr));
  }
  AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  lostWindow_ = nullptr;
  return Number(CreateWindowExA(
      exStyle, kClassName, name, style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
      rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, classInstance_, nullptr));
}

DeviceHandle Win32Platform::GetDeviceContext(WindowHandle window) {
  return Number(GetDC(Hwnd(window)));
}

int Win32Platform::ChoosePixelFormat(DeviceHandle dc, const PixelFormatRequest& request) {
  const PIXELFORMATDESCRIPTOR pfd = PixelFormatDescriptorFor(request);
  return ::ChoosePixelFormat(Hdc(dc), &pfd);
}

bool Win32Platform::SetPixelFormat(DeviceHandle dc, int format) {
  PIXELFORMATDESCRIPTOR pfd{};
  DescribePixelFormat(Hdc(dc), format, sizeof(pfd), &pfd);
  return ::SetPixelFormat(Hdc(dc), format, &pfd) != FALSE;
}

ContextHandle Win32Platform::CreateContext(DeviceHandle dc) {
  return Number(wglCreateContext(Hdc(dc)));
}

bool Win32Platform::MakeCurrent(DeviceHandle dc, ContextHandle context) {
  return wglMakeCurrent(Hdc(dc), Hglrc(context)) != FALSE;
}

bool Win32Platform::DeleteContext(ContextHandle context) {
  return wglDeleteContext(Hglrc(context)) != FALSE;
}

bool Win32Platform::ReleaseDeviceContext(WindowHandle window, DeviceHandle dc) {
  // A window someone else destroyed took its device context with it.
  if (Hwnd(window) == lostWindow_) return true;
  return ReleaseDC(Hwnd(window), Hdc(dc)) == 1;
}

bool Win32Platform::DestroyWindow(WindowHandle window) {
  const bool lost = Hwnd(window) == lostWindow_;
  lostWindow_ = nullptr;
  // A window destroyed from outside may still hold its handle (and its class); what is left
  // of it is ours to finish, and its end is no failure of ours.
  if (lost && !IsWindow(Hwnd(window))) return true;
  destroying_ = true;
  const bool destroyed = ::DestroyWindow(Hwnd(window)) != FALSE;
  destroying_ = false;
  return destroyed || lost;
}

void Win32Platform::ShowWindow(WindowHandle window, bool takeFocus) {
  ::ShowWindow(Hwnd(window), SW_SHOW);
  SetForegroundWindow(Hwnd(window));
  if (takeFocus) SetFocus(Hwnd(window));
}

bool Win32Platform::GetClientSize(WindowHandle window, int& width, int& height) {
  RECT rect{};
  if (!GetClientRect(Hwnd(window), &rect)) return false;
  width = rect.right;
  height = rect.bottom;
  return true;
}

WindowHandle Win32Platform::DesktopWindow() {
  return Number(GetDesktopWindow());
}

WindowHandle Win32Platform::ForegroundWindow() {
  return Number(GetForegroundWindow());
}

void Win32Platform::SwapBuffers(DeviceHandle dc) {
  ::SwapBuffers(Hdc(dc));
}

bool Win32Platform::SetSwapInterval(int interval) {
  using SwapIntervalProc = BOOL(WINAPI*)(int);
  const auto proc = reinterpret_cast<SwapIntervalProc>(GetGLProcAddress("wglSwapIntervalEXT"));
  return proc != nullptr && proc(interval) != FALSE;
}

void* Win32Platform::GetGLProcAddress(const char* name) {
  PROC proc = wglGetProcAddress(name);
  // Some drivers answer small numbers instead of null for what they lack.
  const auto value = reinterpret_cast<std::intptr_t>(proc);
  if (value >= -1 && value <= 3) proc = nullptr;
  // OpenGL 1.1 itself is exported by opengl32.dll, not handed out by WGL.
  if (proc == nullptr && openGl_ != nullptr) proc = GetProcAddress(openGl_, name);
  return reinterpret_cast<void*>(proc);
}

bool Win32Platform::PeekEvent(WindowEvent& event) {
  MSG message{};
  if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return false;
  event = WindowEvent{};
  event.window = Number(message.hwnd);
  switch (message.message) {
    case WM_QUIT:
      event.kind = EventKind::Quit;
      return true;
    case WM_DESTROY:
      event.kind = EventKind::Destroy;
      return true;
    case WM_CLOSE:
      event.kind = EventKind::Close;
      return true;
    default:
      break;
  }
  // Everything else goes through the window procedure, which hands it to the core at once;
  // the loop only learns that the queue was not empty.
  TranslateMessage(&message);
  DispatchMessageA(&message);
  event.kind = EventKind::Other;
  return true;
}

void Win32Platform::DefaultProcessing(const WindowEvent&) {
  // Done by the window procedure already, for the message itself.
}

void Win32Platform::ShowCursor(bool show) {
  ::ShowCursor(show ? TRUE : FALSE);
}

bool Win32Platform::GetCursorPos(int& x, int& y) {
  POINT point{};
  if (!::GetCursorPos(&point)) return false;
  x = point.x;
  y = point.y;
  return true;
}

MessageAnswer Win32Platform::MessageBox(WindowHandle owner, const std::string& text,
                                        const std::string& caption, MessageButtons buttons,
                                        MessageIcon icon) {
  // The owner comes from a command line and may name no window at all; the system would then
  // refuse the box and the user would never read the message.
  HWND ownerWindow = Hwnd(owner);
  if (ownerWindow != nullptr && !IsWindow(ownerWindow)) ownerWindow = nullptr;
  return MessageBoxAnswer(buttons, MessageBoxA(ownerWindow, text.c_str(), caption.c_str(),
                                               MessageBoxStyle(buttons, icon)));
}

int Win32Platform::RunModalDialog(DialogTemplate id, WindowHandle parent, DialogProc proc) {
  return RunResourceDialog(GetModuleHandleA(nullptr), id, Hwnd(parent), proc);
}

void Win32Platform::OpenWebAddress(const std::string& address) {
  win32::OpenWebAddress(address);
}

bool Win32Platform::OpenAudioOutput(int rate, AudioFill fill, void* user) {
  return audio_.Open(rate, fill, user);
}

void Win32Platform::CloseAudioOutput() {
  audio_.Close();
}

SystemCdPlay Win32Platform::PlaySystemCd(int track) {
  return cd_.Play(track);
}

void Win32Platform::StopSystemCd() {
  cd_.Stop();
}

LRESULT CALLBACK Win32Platform::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (g_platform == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return g_platform->Handle(window, message, wParam, lParam);
}

}  // namespace frost::win32
