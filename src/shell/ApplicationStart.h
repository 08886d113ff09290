#pragma once

#include <memory>

namespace zyn {

class ShowDocument;
class MainWindow;

// The way into the program: the start dialog, then the main window with the
// show the user chose. Nothing when the user ends the program at the start.
std::unique_ptr<MainWindow> startApplication(ShowDocument& document);

} // namespace zyn
