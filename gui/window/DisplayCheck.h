#pragma once
// Whether a window can be shown: without a display the toolkit would abort,
// so a program says what is wrong instead.

namespace zomar {

// A platform is named, or an X11 or Wayland display is set.
bool displayAvailable();

} // namespace zomar
