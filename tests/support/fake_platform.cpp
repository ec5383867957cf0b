#include "support/fake_platform.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "run/run_state.h"
#include "settings/saver_settings.h"

namespace frost {

// Static objects (the scene clock) reach the platform before any test installs one.
Platform& DefaultPlatform() {
  static testing::FakePlatform platform;
  return platform;
}

namespace testing {

bool FakePlatform::Failing(const std::string& step) const {
  const auto found = failing.find(step);
  return found != failing.end() && found->second;
}

bool FakePlatform::Called(const std::string& call) const {
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

std::size_t FakePlatform::IndexOf(const std::string& call) const {
  return static_cast<std::size_t>(std::find(calls.begin(), calls.end(), call) - calls.begin());
}

bool FakePlatform::SetCurrentDirectory(const std::string& path) {
  calls.push_back("SetCurrentDirectory " + path);
  if (Failing("SetCurrentDirectory")) return false;
  currentDirectory = path;
  return true;
}

bool FakePlatform::QueryPerformanceFrequency(std::int64_t& countsPerSecond) {
  countsPerSecond = hasPerformanceCounter ? frequency : 0;
  return hasPerformanceCounter;
}

std::FILE* FakePlatform::OpenFile(const std::string& path, const char* mode) {
  std::string native = path;
  std::replace(native.begin(), native.end(), '\\', '/');
  return std::fopen(native.c_str(), mode);
}

SystemCdPlay FakePlatform::PlaySystemCd(int track) {
  calls.push_back("PlaySystemCd " + std::to_string(track));
  return systemCd;
}

void FakePlatform::StopSystemCd() {
  calls.push_back("StopSystemCd");
}

InstallPathKey FakePlatform::ReadInstallPathKey() {
  calls.push_back("ReadInstallPathKey");
  return installKey;
}

std::string FakePlatform::SettingsFilePath(const std::string& installPath) {
  return settingsFile.empty() ? installPath + "\\config.cfg" : settingsFile;
}

bool FakePlatform::EnumDisplayMode(int index, DisplayModeRecord& mode) {
  if (index < 0 || static_cast<std::size_t>(index) >= displayModes.size()) return false;
  mode = displayModes[static_cast<std::size_t>(index)];
  return true;
}

bool FakePlatform::ChangeDisplayMode(const DisplayModeChange& mode) {
  calls.push_back("ChangeDisplayMode");
  modeChanges.push_back(mode);
  if (!acceptModeChange || mode.width <= 0 || mode.height <= 0) return false;
  modeChanged = true;
  return true;
}

bool FakePlatform::RestoreDisplayMode() {
  calls.push_back("RestoreDisplayMode");
  modeChanged = false;
  return true;
}

bool FakePlatform::RegisterWindowClass(WindowClassKind kind, InstanceHandle) {
  calls.push_back(kind == WindowClassKind::FullScreen ? "RegisterWindowClass FullScreen"
                                                      : "RegisterWindowClass Preview");
  return !Failing("RegisterWindowClass");
}

bool FakePlatform::UnregisterWindowClass(InstanceHandle) {
  calls.push_back("UnregisterWindowClass");
  return !Failing("UnregisterWindowClass");
}

WindowHandle FakePlatform::CreateWindow(const WindowRequest& request) {
  calls.push_back("CreateWindow");
  windows.push_back(request);
  // Like the real thing: a child needs a parent.
  if (request.style == WindowStyle::Child && request.parent == 0) return 0;
  if (request.width <= 0 || request.height <= 0) return 0;
  return Failing("CreateWindow") ? 0 : nextWindow;
}

DeviceHandle FakePlatform::GetDeviceContext(WindowHandle window) {
  calls.push_back("GetDeviceContext");
  return Failing("GetDeviceContext") ? 0 : window + 1;
}

int FakePlatform::ChoosePixelFormat(DeviceHandle, const PixelFormatRequest&) {
  calls.push_back("ChoosePixelFormat");
  return Failing("ChoosePixelFormat") ? 0 : 7;
}

bool FakePlatform::SetPixelFormat(DeviceHandle, int) {
  calls.push_back("SetPixelFormat");
  return !Failing("SetPixelFormat");
}

ContextHandle FakePlatform::CreateContext(DeviceHandle) {
  calls.push_back("CreateContext");
  return Failing("CreateContext") ? 0 : 0xC0;
}

bool FakePlatform::MakeCurrent(DeviceHandle, ContextHandle context) {
  if (context == 0) {
    calls.push_back("ReleaseCurrent");
    return !Failing("ReleaseCurrent");
  }
  calls.push_back("MakeCurrent");
  return !Failing("MakeCurrent");
}

bool FakePlatform::DeleteContext(ContextHandle) {
  calls.push_back("DeleteContext");
  return !Failing("DeleteContext");
}

bool FakePlatform::ReleaseDeviceContext(WindowHandle, DeviceHandle) {
  calls.push_back("ReleaseDeviceContext");
  return !Failing("ReleaseDeviceContext");
}

bool FakePlatform::DestroyWindow(WindowHandle) {
  calls.push_back("DestroyWindow");
  return !Failing("DestroyWindow");
}

void FakePlatform::ShowWindow(WindowHandle, bool) {
  calls.push_back("ShowWindow");
}

bool FakePlatform::GetClientSize(WindowHandle window, int& width, int& height) {
  const auto found = foreignSizes.find(window);
  if (found != foreignSizes.end()) {
    width = found->second.first;
    height = found->second.second;
    return width >= 0;  // a negative size stands for a window that no longer exists
  }
  width = 152;
  height = 112;
  return true;
}

void FakePlatform::SwapBuffers(DeviceHandle) {
  ++swaps;
}

bool FakePlatform::SetSwapInterval(int interval) {
  calls.push_back("SetSwapInterval " + std::to_string(interval));
  return swapIntervalWorks || interval == 0;
}

bool FakePlatform::PeekEvent(WindowEvent& event) {
  if (events.empty() && idlePasses > 0) {
    --idlePasses;
    return false;
  }
  if (events.empty()) {
    event = WindowEvent{};
    event.kind = EventKind::KeyDown;
    event.key = kKeyEscape;
    return true;
  }
  event = events.front();
  events.pop_front();
  return true;
}

void FakePlatform::DefaultProcessing(const WindowEvent&) {
  calls.push_back("DefaultProcessing");
}

void FakePlatform::ShowCursor(bool show) {
  calls.push_back(show ? "ShowCursor" : "HideCursor");
  cursorVisible = show;
}

bool FakePlatform::GetCursorPos(int& x, int& y) {
  x = 0;
  y = 0;
  return true;
}

MessageAnswer FakePlatform::MessageBox(WindowHandle owner, const std::string& text,
                                       const std::string& caption, MessageButtons buttons,
                                       MessageIcon icon) {
  calls.push_back("MessageBox " + text);
  messages.push_back({owner, text, caption, buttons, icon});
  if (!messageBoxesShow) return UnshownMessageAnswer(buttons);
  if (!answers.empty()) {
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

int FakePlatform::RunModalDialog(DialogTemplate id, WindowHandle parent, DialogProc proc) {
  calls.push_back("RunModalDialog " + std::to_string(static_cast<int>(id)));
  dialogs.push_back({id, parent, proc});
  return dialogDriver ? dialogDriver(id, proc) : dialogResult;
}

bool FakePlatform::OpenAudioOutput(int rate, AudioFill fill, void* user) {
  calls.push_back("OpenAudioOutput " + std::to_string(rate));
  if (audioDeviceMissing || audioFill_ != nullptr) return false;
  audioRate = rate;
  audioFill_ = fill;
  audioUser_ = user;
  return true;
}

void FakePlatform::CloseAudioOutput() {
  calls.push_back("CloseAudioOutput");
  audioFill_ = nullptr;
  audioUser_ = nullptr;
}

std::string FakePlatform::Environment(const std::string& name) {
  const auto found = environment.find(name);
  return found != environment.end() ? found->second : "";
}

std::vector<std::int16_t> FakePlatform::PullAudio(int frames) {
  std::vector<std::int16_t> out;
  if (audioFill_ == nullptr || frames <= 0) return out;
  out.assign(static_cast<std::size_t>(frames) * 2, 0);
  audioFill_(audioUser_, out.data(), frames);
  return out;
}

void FakePlatform::OpenWebAddress(const std::string& address) {
  calls.push_back("OpenWebAddress " + address);
  openedAddresses.push_back(address);
}

ScopedFakePlatform::ScopedFakePlatform() : previous_(SetPlatform(&fake_)) {
  g_run = RunState{};
  g_settings = SaverSettings{};
  g_installPath.clear();
}

ScopedFakePlatform::~ScopedFakePlatform() {
  SetPlatform(previous_);
}

TempDir::TempDir() {
  // create_directory reports a name that is already there, so parallel test processes never
  // share a folder.
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  std::random_device seed;
  std::mt19937_64 names(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::filesystem::path candidate = base / ("frostmote-test-" + std::to_string(names()));
    std::error_code error;
    if (std::filesystem::create_directory(candidate, error)) {
      path_ = candidate.string();
      return;
    }
  }
  std::abort();
}

TempDir::~TempDir() {
  std::error_code error;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, error);
  std::filesystem::remove_all(path_, error);
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace testing
}  // namespace frost
