// The Linux host: the seam's operations on SDL2, X11 and GTK.
#pragma once

#include <SDL.h>

#include <string>

#include "platform/platform.h"
#include "platform/sdl/glx_child_window.h"
#include "platform/sdl/sdl_audio_output.h"
#include "platform/sdl/x11_windows.h"
#include "platform/sdl/xrandr_mode_switch.h"

namespace frost::linux_host {

class SdlPlatform : public Platform {
 public:
  SdlPlatform();
  ~SdlPlatform() override;

  void SetArguments(int argc, char** argv);

  std::string CommandLine() override;
  std::string CurrentDirectory() override;
  bool SetCurrentDirectory(const std::string& path) override;
  char PathSeparator() override { return '/'; }
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
  std::string Environment(const std::string& name) override;

 private:
  bool EnsureVideo();
  bool Translate(const SDL_Event& sdl, WindowEvent& event);

  std::string commandLine_;
  bool videoReady_ = false;
  bool classRegistered_ = false;
  SDL_Window* window_ = nullptr;
  WindowHandle handle_ = 0;
  X11Windows x11_;
  XrandrModeSwitch modeSwitch_;
  SdlAudioOutput audio_;
  GlxChildWindow child_;
  ContextHandle childContext_ = 0;

  bool IsChild(WindowHandle window) const { return window != 0 && window == child_.Handle(); }
};

}  // namespace frost::linux_host
