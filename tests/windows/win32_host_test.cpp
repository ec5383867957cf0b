// The Windows host's own parts, run under Wine: the records it hands the system, the events it
// reads out of messages, and the registry value it reads.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_records.h"
// After windows.h, whose types it uses.
#include <commdlg.h>

namespace frost::win32 {
namespace {

TEST(Win32Records, DisplayModeChangeNamesAllFourFieldsEvenWithoutFrequency) {
  for (const std::uint32_t frequency : {0u, 60u, 85u}) {
    const DEVMODEA mode = DisplayModeRecordFor({1024, 768, 32, frequency});
    EXPECT_EQ(mode.dmSize, 148);
    EXPECT_EQ(mode.dmPelsWidth, 1024u);
    EXPECT_EQ(mode.dmPelsHeight, 768u);
    EXPECT_EQ(mode.dmBitsPerPel, 32u);
    EXPECT_EQ(mode.dmDisplayFrequency, frequency);
    EXPECT_EQ(mode.dmFields, static_cast<DWORD>(DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT |
                                                DM_DISPLAYFREQUENCY));
    EXPECT_EQ(mode.dmDriverExtra, 0);
  }
  // An index past the mode list gives -1 for everything; the system is left to refuse it.
  const DEVMODEA refused = DisplayModeRecordFor({-1, -1, -1, 0});
  EXPECT_EQ(refused.dmPelsWidth, 0xFFFFFFFFu);
  EXPECT_EQ(refused.dmBitsPerPel, 0xFFFFFFFFu);
}

TEST(Win32Records, PixelFormatDescriptorCarriesTheRequestedBits) {
  PixelFormatRequest fullScreen;  // 32 colour, 1 alpha, 32 depth, no stencil
  fullScreen.alphaBits = 1;
  const PIXELFORMATDESCRIPTOR pfd = PixelFormatDescriptorFor(fullScreen);
  EXPECT_EQ(pfd.nSize, 40);
  EXPECT_EQ(pfd.nVersion, 1);
  EXPECT_EQ(pfd.dwFlags,
            static_cast<DWORD>(PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER));
  EXPECT_EQ(pfd.iPixelType, PFD_TYPE_RGBA);
  EXPECT_EQ(pfd.cColorBits, 32);
  EXPECT_EQ(pfd.cAlphaBits, 1);
  EXPECT_EQ(pfd.cDepthBits, 32);
  EXPECT_EQ(pfd.cStencilBits, 0);
  EXPECT_EQ(pfd.iLayerType, PFD_MAIN_PLANE);
  EXPECT_EQ(pfd.cRedBits + pfd.cGreenBits + pfd.cBlueBits + pfd.cAccumBits + pfd.cAuxBuffers, 0);

  PixelFormatRequest preview;
  preview.colorBits = 24;
  const PIXELFORMATDESCRIPTOR small = PixelFormatDescriptorFor(preview);
  EXPECT_EQ(small.cColorBits, 24);
  EXPECT_EQ(small.cAlphaBits, 0);
}

TEST(Win32Records, MessageBoxStylesAndAnswers) {
  EXPECT_EQ(MessageBoxStyle(MessageButtons::Ok, MessageIcon::Error),
            static_cast<UINT>(MB_OK | MB_ICONERROR));
  EXPECT_EQ(MessageBoxStyle(MessageButtons::YesNo, MessageIcon::Exclamation),
            static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
  EXPECT_EQ(MessageBoxStyle(MessageButtons::Ok, MessageIcon::Information),
            static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(MessageBoxStyle(MessageButtons::Ok, MessageIcon::None), static_cast<UINT>(MB_OK));
  EXPECT_EQ(MessageBoxAnswer(MessageButtons::YesNo, IDYES), MessageAnswer::Yes);
  EXPECT_EQ(MessageBoxAnswer(MessageButtons::YesNo, IDNO), MessageAnswer::No);
  // A box that could not be shown (0) is no Yes.
  EXPECT_EQ(MessageBoxAnswer(MessageButtons::YesNo, 0), MessageAnswer::No);
  EXPECT_EQ(MessageBoxAnswer(MessageButtons::Ok, IDOK), MessageAnswer::Ok);
}

TEST(Win32Records, FileDialogAndWebAddressRequests) {
  FileOpenRequest request;
  EXPECT_EQ(OpenFileFlags(request), static_cast<DWORD>(OFN_FILEMUSTEXIST));
  request.fileMustExist = false;
  EXPECT_EQ(OpenFileFlags(request), 0u);
  EXPECT_EQ(WebAddressShellRequest().verb, nullptr);
  EXPECT_EQ(WebAddressShellRequest().show, SW_SHOWNORMAL);
}

TEST(Win32Records, MessagesBecomeTheSaversEvents) {
  const WindowEvent size = EventForMessage(nullptr, WM_SIZE, SIZE_RESTORED, MAKELPARAM(640, 0));
  EXPECT_EQ(size.kind, EventKind::Size);
  EXPECT_EQ(size.width, 640);
  EXPECT_EQ(size.height, 0);

  const WindowEvent escape = EventForMessage(nullptr, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  EXPECT_EQ(escape.kind, EventKind::KeyDown);
  EXPECT_EQ(escape.key, kKeyEscape);

  // The system command's low four bits are the system's own and must not hide the command.
  EXPECT_EQ(EventForMessage(nullptr, WM_SYSCOMMAND, SC_SCREENSAVE, 0).command,
            SysCommand::ScreenSave);
  EXPECT_EQ(EventForMessage(nullptr, WM_SYSCOMMAND, SC_MONITORPOWER | 0x2, 2).command,
            SysCommand::MonitorPower);
  EXPECT_EQ(EventForMessage(nullptr, WM_SYSCOMMAND, SC_CLOSE, 0).command, SysCommand::Other);

  // Activation: minimised only while the high word says so; deactivation keeps drawing.
  EXPECT_FALSE(EventForMessage(nullptr, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), 0).minimized);
  EXPECT_FALSE(EventForMessage(nullptr, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0).minimized);
  EXPECT_TRUE(EventForMessage(nullptr, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0).minimized);

  const WindowEvent move = EventForMessage(nullptr, WM_MOUSEMOVE, 0, MAKELPARAM(-5, 300));
  EXPECT_EQ(move.kind, EventKind::MouseMove);
  EXPECT_EQ(move.x, -5);
  EXPECT_EQ(move.y, 300);

  EXPECT_EQ(EventForMessage(nullptr, WM_CLOSE, 0, 0).kind, EventKind::Close);
  EXPECT_EQ(EventForMessage(nullptr, WM_DESTROY, 0, 0).kind, EventKind::Destroy);
  EXPECT_EQ(EventForMessage(nullptr, WM_LBUTTONDOWN, 0, 0).kind, EventKind::MouseButton);
  EXPECT_EQ(EventForMessage(nullptr, WM_PAINT, 0, 0).kind, EventKind::Other);
}

// The registry of this Wine prefix, with the key put back as it was afterwards.
class InstallKey : public ::testing::Test {
 protected:
  static constexpr const char* kPath = "software\\Torvane\\ZADevor";

  void SetUp() override { RegDeleteKeyA(HKEY_LOCAL_MACHINE, kPath); }
  void TearDown() override { RegDeleteKeyA(HKEY_LOCAL_MACHINE, kPath); }

  HKEY Create() {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    return key;
  }
  void Write(DWORD type, const std::string& bytes) {
    HKEY key = Create();
    ASSERT_EQ(RegSetValueExA(key, "path", 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }

  Win32Platform platform;
};

TEST_F(InstallKey, MissingKeyCannotBeOpened) {
  const InstallPathKey key = platform.ReadInstallPathKey();
  EXPECT_FALSE(key.keyOpened);
  EXPECT_EQ(key.value, "");
}

TEST_F(InstallKey, KeyWithoutValueOpensEmpty) {
  RegCloseKey(Create());
  const InstallPathKey key = platform.ReadInstallPathKey();
  EXPECT_TRUE(key.keyOpened);
  EXPECT_EQ(key.value, "");
}

TEST_F(InstallKey, ValueWithOrWithoutTerminatorReadsTheSame) {
  const std::string folder = "C:\\Program Files\\Frostmote";
  Write(REG_SZ, folder + '\0');
  EXPECT_EQ(platform.ReadInstallPathKey().value, folder);
  Write(REG_SZ, folder);
  EXPECT_EQ(platform.ReadInstallPathKey().value, folder);
  Write(REG_EXPAND_SZ, folder + '\0');
  EXPECT_EQ(platform.ReadInstallPathKey().value, folder);
}

TEST_F(InstallKey, LongValuesAndOtherTypes) {
  const std::string longFolder = "C:\\" + std::string(700, 'f');
  Write(REG_SZ, longFolder + '\0');
  EXPECT_EQ(platform.ReadInstallPathKey().value, longFolder);
  // A number where the folder should be is no folder; the key itself still opened.
  Write(REG_DWORD, std::string("\x01\x00\x00\x00", 4));
  const InstallPathKey number = platform.ReadInstallPathKey();
  EXPECT_TRUE(number.keyOpened);
  EXPECT_EQ(number.value, "");
}

TEST(Win32Settings, ConfigLivesInTheInstallationFolder) {
  Win32Platform platform;
  EXPECT_EQ(platform.SettingsFilePath("C:\\Program Files\\Frostmote"),
            "C:\\Program Files\\Frostmote\\config.cfg");
}

TEST(Win32CdPlayer, NoDriveIsSaidAndStoppingAfterwardsIsHarmless) {
  // The test machines have no CD drive: the media control interface opens no "cdaudio".
  MciCdPlayer player;
  EXPECT_EQ(player.Play(1), SystemCdPlay::NoDrive);
  player.Stop();
  player.Stop();
  EXPECT_EQ(player.Play(3), SystemCdPlay::NoDrive);
}

}  // namespace
}  // namespace frost::win32
