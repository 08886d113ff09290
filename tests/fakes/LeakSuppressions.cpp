#include "LeakSuppressions.h"

// The font library keeps caches for the life of the process that the leak
// checker counts as leaks; they are not ours to free.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace zyn::test {

void useLeakSuppressions() {}

} // namespace zyn::test
