#include "settings/about_dialog.h"

namespace frost {

const char* VisitAddress(int controlId) {
  switch (controlId) {
    case AboutControl::kVisitAuthor:
      return "https://frostmote.example.org/";
    case AboutControl::kVisitSkyArtist:
      return "https://frostmote.example.org/art/sky-maps";
    case AboutControl::kVisitSponsor:
      return "https://snowfield-lab.example.net/";
    // What our sound library stands on, and what builds the Windows installer: real projects
    // with pages of their own.
    case AboutControl::kVisitSoundLibrary:
      return "https://www.mpg123.de/";
    case AboutControl::kVisitInstaller:
      return "https://nsis.sourceforge.io/";
    default:
      return nullptr;
  }
}

bool AboutDialogProc(DialogView& dialog, const DialogMessage& message) {
  switch (message.kind) {
    case DialogMessageKind::InitDialog:
      return true;
    case DialogMessageKind::Close:
      dialog.EndDialog(1);
      return false;
    case DialogMessageKind::Command:
      if (const char* address = VisitAddress(message.id)) {
        // Asked anew on every click, and the dialog stays open whatever the browser does.
        Os().OpenWebAddress(address);
        return false;
      }
      return true;
    case DialogMessageKind::Other:
      break;
  }
  return false;
}

}  // namespace frost
