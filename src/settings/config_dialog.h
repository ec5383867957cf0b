// The configuration dialog: resolution, music source, MP3 file and two options, saved to
// config.cfg on OK. Its procedure keeps no state of its own: everything is read back from the
// controls when OK is pressed, and every opening starts again from the file.
#pragma once

#include <cstddef>
#include <string>

#include "dialog/dialog_view.h"

namespace frost {

// Control ids of the configuration dialog's template.
namespace ConfigControl {
inline constexpr int kOk = 1000;
inline constexpr int kCancel = 1004;
inline constexpr int kMp3Radio = 1006;
inline constexpr int kCdRadio = 1007;
inline constexpr int kNoSoundRadio = 1008;
inline constexpr int kPathEdit = 1009;
inline constexpr int kBrowse = 1010;
inline constexpr int kAbout = 1011;
inline constexpr int kModeCombo = 1021;
inline constexpr int kHotSpot = 1022;
inline constexpr int kDanceCheck = 1024;
inline constexpr int kFpsCheck = 1025;
}  // namespace ConfigControl

namespace ConfigTexts {
inline constexpr const char* kRegistryUnreadable = "Cannot read registry entries\nPlease reinstall";
inline constexpr const char* kFatalCaption = "Fatal error";
inline constexpr const char* kSaveFailed = "Configuration save failed";
inline constexpr const char* kErrorCaption = "Error";
inline constexpr const char* kBrowseTitle = "Open MP3 File";
inline constexpr const char* kMp3FilterDescription = "MP3 files (*.mp3)";
inline constexpr const char* kMp3FilterPattern = "*.mp3";
inline constexpr const char* kJokeQuestion = "AHhaHAh! Brumbly is a farter!";
inline constexpr const char* kJokeCaption = "Did you know?";
inline constexpr const char* kJokeYes = "No news is good news...";
inline constexpr const char* kJokeYesCaption = "Good";
inline constexpr const char* kJokeNo = "You are warned:\nstay away from his stinking butt!";
inline constexpr const char* kJokeNoCaption = "Now you know...";
}  // namespace ConfigTexts

// A typed path is stored up to this many bytes, so that it always loads back whole (config.cfg
// is read up to 2048 bytes, six of them flags).
inline constexpr std::size_t kMaxTypedPathBytes = 1999;
// The mode index is stored in one byte, and 255 means "nothing selected": the list offers at
// most the first 255 modes, so that every entry the user can pick is stored as itself.
inline constexpr int kMaxListedModes = 255;

// The path as OK stores it: at most kMaxTypedPathBytes, never cutting a character of the host's
// encoding apart (the text is shown again in the dialog, which needs whole characters).
std::string CutTypedPath(std::string text, TextEncoding encoding);

// Handles InitDialog (returns false: the focus stays on OK), Command (returns true) and Close
// (returns true); false for every other message.
bool ConfigDialogProc(DialogView& dialog, const DialogMessage& message);

// Shows the configuration dialog modally for `parent` and returns when it closes.
void ShowConfigDialog(WindowHandle parent);

}  // namespace frost
