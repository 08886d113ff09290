#pragma once

namespace zyn {

// Names the program to the system: the name its settings and data paths go
// by, and the desktop entry that gives its windows their icon. Called once,
// right after the application object exists. It sets no display name: the
// window system would append that to every window title.
void identifyApplication();

} // namespace zyn
