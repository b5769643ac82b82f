#pragma once

// The desktop program's run: the main window with the real message boxes,
// file choosers and settings file, until the window is closed.

namespace trellwick {

// Needs a QApplication; returns its exit code.
int run_main_window();

} // namespace trellwick
