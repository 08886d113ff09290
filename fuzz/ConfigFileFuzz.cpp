// The configuration file's two readers on arbitrary bytes. Whatever they
// make of a file, the settings must survive the write at exit: written and
// read back, they are the same.

#include "FuzzSupport.h"
#include "show/ConfigFile.h"

using namespace zyn;

namespace {

Settings readBoth(const QByteArray& content) {
    Settings settings;
    ConfigFile::parseEditorSettings(content, settings);
    settings.languageName = ConfigFile::parseLanguageName(content);
    return settings;
}

// Paths the program can be given: absolute, one line.
bool isPathTheSystemGives(const QString& path) {
    return path.isEmpty() ||
           (path.startsWith(u'/') && !path.contains(u'\r') && !path.contains(u'\n'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Settings settings = readBoth(fuzz::bytesOf(data, size));
    fuzz::check(!settings.languageName.isEmpty(), "a language name is always read");
    fuzz::check(settings.timeColumnWidth > 0 && settings.descriptionColumnWidth > 0,
                "column widths are positive");
    fuzz::check(settings.cueGridWidth > 0, "the splitter position is positive");

    // The language name is read as a value, which ends at a double quote; a
    // language file's name holds none.
    if (!isPathTheSystemGives(settings.projectDirectory) ||
        !isPathTheSystemGives(settings.usbDrive) || settings.languageName.contains(u'"'))
        return 0;
    fuzz::check(readBoth(ConfigFile::serialize(settings)) == settings,
                "written settings read back unchanged");
    return 0;
}
