// The reader of the soundtrack file beside a project on arbitrary bytes. A
// refusal names the file and leaves no soundtrack; an accepted file is
// written again as the same soundtrack, and that text is written the same.

#include "FuzzSupport.h"
#include "soundtrack/SoundtrackFile.h"

#include <QDir>

using namespace zyn;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString path = QStringLiteral("/shows/show.zynaudio");
    static const QString folder = QStringLiteral("/shows");
    Soundtrack soundtrack{QStringLiteral("stale.wav"), 1, 2};
    const FileError error =
        SoundtrackFile::parse(fuzz::bytesOf(data, size), path, folder, &soundtrack);
    if (error) {
        fuzz::check(error.path == path, "a refusal names the file");
        fuzz::check(soundtrack == Soundtrack(), "a refused file leaves no soundtrack");
        return 0;
    }
    fuzz::check(soundtrack.isSet(), "an accepted file names its audio");
    fuzz::check(QDir::isAbsolutePath(soundtrack.file), "the audio path is absolute in memory");
    const std::optional<QByteArray> written = SoundtrackFile::bytes(soundtrack, folder);
    fuzz::check(written.has_value(), "an accepted soundtrack can be written");
    Soundtrack reread;
    fuzz::check(SoundtrackFile::parse(*written, path, folder, &reread).ok(),
                "a written file reads back");
    fuzz::check(reread == soundtrack, "a written file gives back its soundtrack");
    fuzz::check(SoundtrackFile::bytes(reread, folder) == written,
                "a written file is written the same");
    return 0;
}
