#pragma once

namespace zyn::test {

// Links the leak checker's suppressions into the test program: a program
// that starts a GUI application calls it once (GuiApplication.h does).
void useLeakSuppressions();

} // namespace zyn::test
