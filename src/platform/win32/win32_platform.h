// The Windows backend of the seam: the Win32 calls themselves, ANSI throughout. Windows,
// classes and the GL context are real Win32 and WGL objects whose handles the core keeps as
// numbers; the window procedure hands every message to the core's own procedure.
#pragma once

#include "platform/platform.h"
#include "platform/win32/mci_cd_player.h"
#include "platform/win32/wave_out.h"
#include "platform/win32/windows_lean.h"

namespace frost::win32 {

// What the window procedure asks of the core: true when the event was handled, false for the
// system's default processing.
using EventHandler = bool (*)(const WindowEvent& event);

class Win32Platform final : public Platform {
 public:
  Win32Platform();
  ~Win32Platform() override;

  void SetEventHandler(EventHandler handler) { handler_ = handler; }
  // The window procedure of both "OpenGL" classes.
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  std::string CommandLine() override;
  std::string Environment(const std::string& name) override;
  std::string CurrentDirectory() override;
  bool SetCurrentDirectory(const std::string& path) override;

  bool QueryPerformanceFrequency(std::int64_t& countsPerSecond) override;
  std::int64_t QueryPerformanceCounter() override;
  std::uint32_t TimeGetTime() override;

  std::FILE* OpenFile(const std::string& path, const char* mode) override;
  InstallPathKey ReadInstallPathKey() override;
  std::string SettingsFilePath(const std::string& installPath) override;

  bool EnumDisplayMode(int index, DisplayModeRecord& mode) override;
  bool ChangeDisplayMode(const DisplayModeChange& mode) override;
  bool RestoreDisplayMode() override;

  bool RegisterWindowClass(WindowClassKind kind, InstanceHandle instance) override;
  bool UnregisterWindowClass(InstanceHandle instance) override;
  WindowHandle CreateWindow(const WindowRequest& request) override;
  DeviceHandle GetDeviceContext(WindowHandle window) override;
  int ChoosePixelFormat(DeviceHandle dc, const PixelFormatRequest& request) override;
  bool SetPixelFormat(DeviceHandle dc, int format) override;
  ContextHandle CreateContext(DeviceHandle dc) override;
  bool MakeCurrent(DeviceHandle dc, ContextHandle context) override;
  bool DeleteContext(ContextHandle context) override;
  bool ReleaseDeviceContext(WindowHandle window, DeviceHandle dc) override;
  bool DestroyWindow(WindowHandle window) override;
  void ShowWindow(WindowHandle window, bool takeFocus) override;
  bool GetClientSize(WindowHandle window, int& width, int& height) override;
  WindowHandle DesktopWindow() override;
  WindowHandle ForegroundWindow() override;
  void SwapBuffers(DeviceHandle dc) override;
  bool SetSwapInterval(int interval) override;
  void* GetGLProcAddress(const char* name) override;

  bool PeekEvent(WindowEvent& event) override;
  void DefaultProcessing(const WindowEvent& event) override;

  void ShowCursor(bool show) override;
  bool GetCursorPos(int& x, int& y) override;

  MessageAnswer MessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                           MessageButtons buttons, MessageIcon icon) override;
  int RunModalDialog(DialogTemplate id, WindowHandle parent, DialogProc proc) override;
  void OpenWebAddress(const std::string& address) override;

  bool OpenAudioOutput(int rate, AudioFill fill, void* user) override;
  void CloseAudioOutput() override;
  SystemCdPlay PlaySystemCd(int track) override;
  void StopSystemCd() override;

 private:
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  EventHandler handler_ = nullptr;
  HINSTANCE classInstance_ = nullptr;  // where "OpenGL" is registered
  HMODULE openGl_ = nullptr;           // for the GL 1.1 entry points WGL does not return
  // Set while the program destroys its own window, so that only a destruction by someone else
  // (a preview panel closing its window) ends the run.
  bool destroying_ = false;
  HWND lostWindow_ = nullptr;  // our window, destroyed by someone else
  WaveOut audio_;
  MciCdPlayer cd_;
};

}  // namespace frost::win32
