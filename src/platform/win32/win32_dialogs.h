// The configuration and About dialogs on Windows: the templates of the resource script, shown
// with DialogBoxParamA and driven by the core's dialog procedures through a `DialogView` over
// the Win32 controls.
#pragma once

#include <string>

#include "dialog/dialog_view.h"
#include "platform/win32/windows_lean.h"

namespace frost::win32 {

// Shows template `id` from `instance`'s resources modally, owned by `parent` (0 for none), and
// sends `proc` its messages until the procedure ends it. Returns the procedure's result, or -1
// when the dialog could not be shown.
int RunResourceDialog(HINSTANCE instance, DialogTemplate id, HWND parent, DialogProc proc);

// Hands the address to the shell (ShellExecuteA with the default verb); the result is not reported.
void OpenWebAddress(const std::string& address);

}  // namespace frost::win32
