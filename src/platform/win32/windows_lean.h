// windows.h as the Windows host includes it: lean, with the A/W switch macros that share names
// with the seam's operations taken away again (every call here names its ANSI function).
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After windows.h, whose types it uses.
#include <mmsystem.h>

#undef CreateWindow
#undef MessageBox
#undef SetCurrentDirectory
