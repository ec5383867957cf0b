// OpenGL errors, which never stop the saver, still deserve a line on standard error: they are
// how a driver difference or a state mistake shows itself on a user's machine.
#pragma once

namespace frost {

// Takes every pending error off the context and reports it; the first few get a line each, then
// one line saying the rest are not shown. Returns how many were pending.
int ReportGlErrors(const char* where);

}  // namespace frost
