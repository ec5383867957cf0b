// A scripted platform for tests: answers come from its fields, every call is recorded in
// order, so tests can check texts, captions, icons, owners and teardown order.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace frost::testing {

struct ShownMessage {
  WindowHandle owner;
  std::string text;
  std::string caption;
  MessageButtons buttons;
  MessageIcon icon;
};

struct ShownDialog {
  DialogTemplate id;
  WindowHandle parent;
  DialogProc proc;
};

class FakePlatform : public Platform {
 private:
  AudioFill audioFill_ = nullptr;
  void* audioUser_ = nullptr;

 public:
  // Scripted state.
  std::string commandLine = "frostmote.scr";
  std::string currentDirectory = "/";
  char pathSeparator = '\\';
  bool hasPerformanceCounter = true;
  std::int64_t frequency = 1000000;
  std::int64_t counter = 0;
  std::uint32_t milliseconds = 0;
  InstallPathKey installKey{true, "/opt/frostmote"};
  std::string settingsFile;  // where config.cfg lives; tests point it into a temp folder
  std::vector<DisplayModeRecord> displayModes;
  bool acceptModeChange = true;
  std::deque<WindowEvent> events;
  std::deque<MessageAnswer> answers;  // next message-box answers; Ok/Yes when empty
  bool messageBoxesShow = true;       // false: boxes answer as a host's that cannot show them
  bool swapIntervalWorks = true;
  // Steps that fail, by name: "RegisterWindowClass", "CreateWindow", "GetDeviceContext",
  // "ChoosePixelFormat", "SetPixelFormat", "CreateContext", "MakeCurrent", "ReleaseCurrent",
  // "DeleteContext", "ReleaseDeviceContext", "DestroyWindow", "UnregisterWindowClass",
  // "SetCurrentDirectory".
  std::map<std::string, bool> failing;
  WindowHandle desktop = 0x1e1;
  WindowHandle foreground = 0x2f2;
  WindowHandle nextWindow = 0x400001;

  // Runs a dialog the way a test scripts it: given the template and the procedure, returns the
  // dialog's result. Without one a dialog counts as shown and closed with `dialogResult`.
  std::function<int(DialogTemplate, DialogProc)> dialogDriver;
  int dialogResult = 1;

  // What happened.
  std::vector<std::string> calls;
  std::vector<ShownDialog> dialogs;
  std::vector<std::string> openedAddresses;
  std::vector<ShownMessage> messages;
  std::vector<DisplayModeChange> modeChanges;
  std::vector<WindowRequest> windows;
  int swaps = 0;
  bool cursorVisible = true;
  bool modeChanged = false;

  // Idle passes (empty queue) allowed once the scripted events are used up; after them the
  // fake presses Escape, so no loop under test can spin forever.
  int idlePasses = 0;

  bool Failing(const std::string& step) const;
  bool Called(const std::string& call) const;
  std::size_t IndexOf(const std::string& call) const;

  std::string CommandLine() override { return commandLine; }
  std::string CurrentDirectory() override { return currentDirectory; }
  bool SetCurrentDirectory(const std::string& path) override;
  char PathSeparator() override { return pathSeparator; }
  bool QueryPerformanceFrequency(std::int64_t& countsPerSecond) override;
  std::int64_t QueryPerformanceCounter() override { return counter; }
  std::uint32_t TimeGetTime() override { return milliseconds; }
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
  WindowHandle DesktopWindow() override { return desktop; }
  WindowHandle ForegroundWindow() override { return foreground; }
  void SwapBuffers(DeviceHandle dc) override;
  bool SetSwapInterval(int interval) override;
  void* GetGLProcAddress(const char*) override { return nullptr; }
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
  std::map<std::string, std::string> environment;
  // Client sizes of windows other than the ones the fake made (another program's).
  std::map<WindowHandle, std::pair<int, int>> foreignSizes;

  // Audio: no device at all when set. Otherwise the test plays the device's part: each
  // PullAudio asks the open output for that many frames, as the sound card's thread would.
  bool audioDeviceMissing = false;
  int audioRate = 0;
  std::vector<std::int16_t> PullAudio(int frames);
  bool AudioOpen() const { return audioFill_ != nullptr; }

  // The system's own CD player (Windows): NotOffered leaves discs to the program. Calls are
  // recorded as "PlaySystemCd <track>" and "StopSystemCd".
  SystemCdPlay systemCd = SystemCdPlay::NotOffered;
  SystemCdPlay PlaySystemCd(int track) override;
  void StopSystemCd() override;
};

// Installs a fresh fake for one test and resets the process-wide run state and settings.
class ScopedFakePlatform {
 public:
  ScopedFakePlatform();
  ~ScopedFakePlatform();
  FakePlatform& operator*() { return fake_; }
  FakePlatform* operator->() { return &fake_; }

 private:
  FakePlatform fake_;
  Platform* previous_;
};

// A fresh empty folder under the system's temporary folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace frost::testing
