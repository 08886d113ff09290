#pragma once

#include <memory>

namespace zyn {

class AppSession;
class MainWindow;

// The way into the program: the start dialog, then the main window with the
// show the user chose. Nothing when the user ends the program at the start.
std::unique_ptr<MainWindow> startApplication(AppSession& session);

} // namespace zyn
