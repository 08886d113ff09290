// The recent-files reader on arbitrary bytes, and its writer on arbitrary
// paths: the last project must come back exactly as it was saved.

#include "FuzzSupport.h"
#include "show/RecentFiles.h"

using namespace zyn;

namespace {

// Paths the program can be given: absolute, one line.
bool isPathTheSystemGives(const QString& path) {
    return path.startsWith(u'/') && !path.contains(u'\r') && !path.contains(u'\n');
}

void checkRoundTrip(const QString& path) {
    if (!isPathTheSystemGives(path))
        return;
    fuzz::check(RecentFiles::parseLastProject(RecentFiles::serialize(path)) == path,
                "a saved project path reads back unchanged");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const std::optional<QString> last = RecentFiles::parseLastProject(bytes);
    fuzz::check(!last || !last->isEmpty(), "an empty path is no last project");
    if (last)
        checkRoundTrip(*last);
    checkRoundTrip(QString::fromUtf8(bytes));
    return 0;
}
