#include "settings/config_dialog.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "settings/about_dialog.h"
#include "settings/display_modes.h"
#include "settings/saver_settings.h"

namespace frost {
namespace {

using namespace ConfigControl;

// The path and the dance option only mean something while an MP3 file is the source.
void EnableMp3Controls(DialogView& dialog, bool enabled) {
  dialog.Enable(kPathEdit, enabled);
  dialog.Enable(kBrowse, enabled);
  dialog.Enable(kDanceCheck, enabled);
}

void FillModeList(DialogView& dialog) {
  DisplayModeList modes;
  modes.Enumerate();
  const int listed = std::min(modes.Count(), kMaxListedModes);
  for (int i = 0; i < listed; ++i) dialog.AddComboEntry(kModeCombo, modes.EntryText(i));
  dialog.SetComboSelection(kModeCombo, 0);
}

void ShowStoredSource(DialogView& dialog, int checkedRadio) {
  EnableMp3Controls(dialog, false);
  dialog.SetCheck(checkedRadio, true);
  dialog.SetCheck(kMp3Radio, false);
}

bool OnInitDialog(DialogView& dialog) {
  if (!SettingsStore::ReadInstallPath(g_installPath)) {
    dialog.MessageBox(ConfigTexts::kRegistryUnreadable, ConfigTexts::kFatalCaption,
                      MessageButtons::Ok, MessageIcon::Error);
    // The entry ends the program with code 0 as soon as the dialog is gone.
    dialog.EndDialog(0);
    return false;
  }
  dialog.SetFocus(kOk);
  FillModeList(dialog);
  dialog.SetCheck(kMp3Radio, true);
  dialog.SetCheck(kDanceCheck, true);
  dialog.SetCheck(kFpsCheck, false);
  const std::string defaultPath = SettingsStore::DefaultMusicPath(g_installPath);
  dialog.SetText(kPathEdit, defaultPath);

  // Starting from what the dialog shows, a config.cfg too short to hold every field changes
  // only the fields it holds.
  SettingsStore::SetDefaults(g_settings);
  g_settings.mp3Path = defaultPath;
  if (!SettingsStore::Load(g_installPath, g_settings)) return false;

  dialog.SetText(kPathEdit, g_settings.mp3Path);
  if (g_settings.displayModeIndex < dialog.ComboCount(kModeCombo)) {
    dialog.SetComboSelection(kModeCombo, g_settings.displayModeIndex);
  }
  switch (static_cast<AudioSource>(g_settings.audioSource)) {
    case AudioSource::AudioCd:
      ShowStoredSource(dialog, kCdRadio);
      break;
    case AudioSource::NoSound:
      ShowStoredSource(dialog, kNoSoundRadio);
      break;
    case AudioSource::Mp3File:
      break;
  }
  if (g_settings.danceWithMusic == 0) dialog.SetCheck(kDanceCheck, false);
  if (g_settings.showFps != 0) dialog.SetCheck(kFpsCheck, true);
  return false;
}

void OnOk(DialogView& dialog) {
  // Nothing selected (-1) is stored as 255, past any list the dialog offers.
  g_settings.displayModeIndex =
      static_cast<std::uint8_t>(static_cast<unsigned>(dialog.ComboSelection(kModeCombo)) & 0xFFu);
  // Read even while disabled: a CD or silent run keeps the choice for the next MP3 run.
  g_settings.danceWithMusic = dialog.IsChecked(kDanceCheck) ? 1 : 0;
  g_settings.showFps = dialog.IsChecked(kFpsCheck) ? 1 : 0;
  g_settings.reservedFlag4 = 0;
  g_settings.reservedFlag5 = 0;
  int source = 0;
  if (dialog.IsChecked(kMp3Radio)) source += static_cast<int>(AudioSource::Mp3File);
  if (dialog.IsChecked(kCdRadio)) source += static_cast<int>(AudioSource::AudioCd);
  if (dialog.IsChecked(kNoSoundRadio)) source += static_cast<int>(AudioSource::NoSound);
  g_settings.audioSource = static_cast<std::uint8_t>(source);
  g_settings.mp3Path = CutTypedPath(dialog.Text(kPathEdit), dialog.Encoding());
  if (!SettingsStore::Save(g_installPath, g_settings)) {
    dialog.MessageBox(ConfigTexts::kSaveFailed, ConfigTexts::kErrorCaption, MessageButtons::Ok,
                      MessageIcon::Error);
  }
  dialog.EndDialog(1);
}

void OnBrowse(DialogView& dialog) {
  FileOpenRequest request;
  request.title = ConfigTexts::kBrowseTitle;
  request.filterDescription = ConfigTexts::kMp3FilterDescription;
  request.filterPattern = ConfigTexts::kMp3FilterPattern;
  request.bufferSize = 256;
  request.fileMustExist = true;
  const std::optional<std::string> chosen = dialog.OpenFile(request);
  // A path that does not fit the buffer is a failed choice, not a shortened one.
  if (chosen && chosen->size() < request.bufferSize) dialog.SetText(kPathEdit, *chosen);
}

void OnHotSpot(DialogView& dialog) {
  const MessageAnswer answer =
      dialog.MessageBox(ConfigTexts::kJokeQuestion, ConfigTexts::kJokeCaption,
                        MessageButtons::YesNo, MessageIcon::Question);
  if (answer == MessageAnswer::Yes) {
    dialog.MessageBox(ConfigTexts::kJokeYes, ConfigTexts::kJokeYesCaption, MessageButtons::Ok,
                      MessageIcon::Information);
  } else {
    dialog.MessageBox(ConfigTexts::kJokeNo, ConfigTexts::kJokeNoCaption, MessageButtons::Ok,
                      MessageIcon::Exclamation);
  }
}

void OnCommand(DialogView& dialog, int id) {
  switch (id) {
    case kOk:
      OnOk(dialog);
      break;
    case kCancel:
      dialog.EndDialog(1);
      break;
    case kMp3Radio:
      EnableMp3Controls(dialog, true);
      break;
    case kCdRadio:
    case kNoSoundRadio:
      // The dance check mark stays as it is; only the control is greyed.
      EnableMp3Controls(dialog, false);
      break;
    case kBrowse:
      OnBrowse(dialog);
      break;
    case kAbout:
      dialog.RunChildDialog(DialogTemplate::About, AboutDialogProc);
      break;
    case kHotSpot:
      OnHotSpot(dialog);
      break;
    default:
      // Enter (1) and Escape (2) among them: only OK, Cancel and the close box close.
      break;
  }
}

}  // namespace

std::string CutTypedPath(std::string text, TextEncoding encoding) {
  if (text.size() <= kMaxTypedPathBytes) return text;
  std::size_t end = kMaxTypedPathBytes;
  // In UTF-8, text[end] is the first byte dropped; while it continues a character, that
  // character started earlier and goes too. A single-byte code page has nothing to continue.
  while (encoding == TextEncoding::Utf8 && end > 0 &&
         (static_cast<unsigned char>(text[end]) & 0xC0u) == 0x80u) {
    --end;
  }
  text.resize(end);
  return text;
}

bool ConfigDialogProc(DialogView& dialog, const DialogMessage& message) {
  switch (message.kind) {
    case DialogMessageKind::InitDialog:
      return OnInitDialog(dialog);
    case DialogMessageKind::Command:
      OnCommand(dialog, message.id);
      return true;
    case DialogMessageKind::Close:
      dialog.EndDialog(1);
      return true;
    case DialogMessageKind::Other:
      break;
  }
  return false;
}

void ShowConfigDialog(WindowHandle parent) {
  Os().RunModalDialog(DialogTemplate::Configuration, parent, ConfigDialogProc);
}

}  // namespace frost
