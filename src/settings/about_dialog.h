// The About dialog: the program's icon, title and credits, and a "visit" button beside each
// credit that opens a fixed web page. It has no OK button; the close box closes it.
#pragma once

#include "dialog/dialog_view.h"

namespace frost {

// Control ids of the About dialog's template: the "visit" buttons, one per credit line.
namespace AboutControl {
inline constexpr int kVisitAuthor = 1000;
inline constexpr int kVisitSkyArtist = 1002;
inline constexpr int kVisitSponsor = 1003;  // the tester's line
inline constexpr int kVisitSoundLibrary = 1004;
inline constexpr int kVisitInstaller = 1005;
}  // namespace AboutControl

// The page a "visit" button opens; null for any other id.
const char* VisitAddress(int controlId);

// InitDialog: true (the host's default focus). Close: ends the dialog with 1, false. A "visit"
// command opens its page, false; any other command does nothing, true. Anything else: false.
bool AboutDialogProc(DialogView& dialog, const DialogMessage& message);

}  // namespace frost
