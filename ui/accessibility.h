// SPDX-License-Identifier: MIT
// What screen readers learn of the windows beyond Qt's defaults: the two
// windows as windows, the peach panel as a grouping, the banner and the About
// lines as links that can be pressed, and the unit lists under the names the
// windows give them.
#pragma once

namespace tarnwick::ui {

// Call once, after the QApplication exists.
void installAccessibleInterfaces();

} // namespace tarnwick::ui
