// The Win32 records and codes the host builds from the seam's requests, and the seam's events
// it reads out of window messages: kept apart from the calls that use them so that each can be
// checked field by field.
#pragma once

#include "dialog/dialog_view.h"
#include "platform/platform.h"
#include "platform/win32/windows_lean.h"

namespace frost::win32 {

// The size of the DEVMODE the display-mode change has always passed: the fields up to
// dmReserved2, which every Windows version takes.
inline constexpr WORD kDevModeSize = 148;

// A zeroed DEVMODE asking for the size, depth and frequency, all four named in the field mask
// even when the frequency is 0 (the hardware's default).
DEVMODEA DisplayModeRecordFor(const DisplayModeChange& change);

// The descriptor of a double-buffered RGBA window format with the requested bit counts.
PIXELFORMATDESCRIPTOR PixelFormatDescriptorFor(const PixelFormatRequest& request);

UINT MessageBoxStyle(MessageButtons buttons, MessageIcon icon);
MessageAnswer MessageBoxAnswer(MessageButtons buttons, int result);

// The file dialog's flags: the file must exist, where the request says so, and nothing else.
DWORD OpenFileFlags(const FileOpenRequest& request);

// How a web address goes to the shell: the default verb of its kind (a null verb), shown, as a
// browser started hidden may never appear.
struct ShellOpenRequest {
  const char* verb;
  INT show;
};
ShellOpenRequest WebAddressShellRequest();

// The seam's event for a window message, or an event of kind Other for one the saver has no
// use for.
WindowEvent EventForMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace frost::win32
