#pragma once

namespace frost {

// Values are fixed: the window procedure and the dialogs compare against them.
enum class RunMode : int { Configure = 0, Preview = 1, FullScreen = 2, Password = 3 };

}  // namespace frost
